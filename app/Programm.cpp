#include "Programm.h"

#include "Bildschirme.h"
#include "EreignisVerarbeitung.h"
#include "Gamepad.h"
#include "Globale.h"
#include "VOQ_Log.h"
#include "VOQ_OGL_Zeichenliste.h"

#include <cstdlib>
#include <ctime>
#include <string>

namespace
{
struct Klang
{
    Mix_Chunk** chunk;
    const char* datei;
};

const Klang KLAENGE[] = {
    {&snd_mausklick, "daten/geraeuschkulisse/klaenge/mausklick.wav"},
    {&snd_mausklick001, "daten/geraeuschkulisse/klaenge/steinklopf.wav"},
    {&snd_mausklick002, "daten/geraeuschkulisse/klaenge/maus_klack.wav"},
    {&snd_dreh, "daten/geraeuschkulisse/klaenge/block_dreh.wav"},
    {&snd_aufschlag, "daten/geraeuschkulisse/klaenge/block_aufschlag.wav"},
    {&snd_bonus, "daten/geraeuschkulisse/klaenge/bonus.wav"},
    {&snd_stufe, "daten/geraeuschkulisse/klaenge/stufe.wav"},
    {&snd_pause, "daten/geraeuschkulisse/klaenge/pause.wav"},
    {&snd_spielende, "daten/geraeuschkulisse/klaenge/spielende.wav"},
};

// A file that is missing or unreadable leaves its chunk null, which plays nothing.
void LadeKlaenge()
{
    for (const Klang& klang : KLAENGE) {
        SDL_RWops* strom = SDL_RWFromFile(klang.datei, "rb");
        *klang.chunk = strom ? Mix_LoadWAV_RW(strom, 1) : nullptr;
    }
}

void OeffneSpielsteuerung()
{
    SDL_JoystickEventState(SDL_ENABLE);
    if (SDL_NumJoysticks() > 0)
        joy = SDL_JoystickOpen(0);
}

struct Eintrag
{
    int nummer;
    void (*zeige)();
};

const Eintrag BILDSCHIRME[] = {
    {MENU_INTRO, MenuQuentaborLogo}, {MENU_HAUPT, MenuHaupt},   {MENU_BESTENLISTE, MenuBestenliste},
    {MENU_AUSWERTUNG, MenuAuswertung}, {MENU_UEBER, MenuUeber}, {MENU_HILFE, MenuHilfe},
    {MENU_GAMEPAD, MenuGamepad},      {MENU_SPIEL, MenuSpiel},
};

// Any other number shows nothing. Each screen shown is logged, so a run's log
// tells the way the player took through the screens.
void ZeigeBildschirm(int nummer)
{
    for (const Eintrag& eintrag : BILDSCHIRME) {
        if (eintrag.nummer == nummer) {
            VOQ_Log::Aus("#o> Bildschirm " + std::to_string(nummer) + "\n");
            eintrag.zeige();
            return;
        }
    }
}
}

bool ProgrammStart()
{
    std::srand(static_cast<unsigned>(std::time(nullptr)));

    GAME_INIT.InitConfig("einstellungen.konfig");
    if (!GAME_INIT.GetBildschirm()) {
        VOQ_Log::Fehler("\n#o> Quaderfall - FEHLER: KEIN FENSTER, DAS SPIEL KANN NICHT LAUFEN!\n\n");
        return false;
    }
    GAME_INIT.SetCaption("QUENTABOR - QUADERFALL");
    FangeBeendenSignale();
    // Text fields take the characters the keyboard layout makes.
    SDL_EnableUNICODE(1);

    GamepadEinlesen();
    GamepadSchreiben();

    schrift_12.Init("schrift_012");
    schrift_20.Init("schrift_020");
    LadeKlaenge();
    GAME_EINGABE.GiveSchrift(&schrift_12);

    GAME_EINGABE.maus.Init("zeiger_001");
    GAME_EINGABE.maus.GiveInit(&GAME_INIT);

    for (int i = 0; i < 4; ++i)
        GAME_ZAEHLER.CreateZaehler();

    music = nullptr;
    OeffneSpielsteuerung();

    VOQ_Log::Aus("\n\n### STARTE HAUPTSCHLEIFE ###\n\n");
    return true;
}

void Bildschirmschleife()
{
    while (!done) {
        EreignisVerarbeitung();
        VOQ_OGL_Zeichenliste::Beginne();
        ZeigeBildschirm(menunummer);
        VOQ_OGL_Zeichenliste::Zeige();
    }
}

void ProgrammEnde()
{
    if (joy)
        SDL_JoystickClose(joy);
    joy = nullptr;
    VOQ_Log::Aus("Programm erfolgreich beendet\n");
}
