#include "Bildschirme.h"

#include "EreignisVerarbeitung.h"
#include "Globale.h"
#include "Menuekulisse.h"
#include "Musik.h"
#include "Spielregeln.h"
#include "Steuerkreuz.h"
#include "VOQ_Button.h"
#include "VOQ_CheckBox.h"
#include "VOQ_Log.h"
#include "VOQ_OGL_Bildlauf.h"
#include "VOQ_OGL_Zeichenliste.h"
#include "VOQ_Quaderfall.h"

#include <cctype>
#include <cstdlib>
#include <memory>
#include <string>

namespace
{
const int FELD_X = 340;
const int FELD_Y = 100;
const int VORSCHAU_X = 700;
const int VORSCHAU_Y = 100;
const int BALKEN_X = 667;
const int BALKEN_UNTEN = 754;

// What the controller held in the previous frame: a press is what is held
// now and was not then.
struct VorigeSteuerung
{
    bool links = false;
    bool rechts = false;
    bool drehen = false;
    bool pause = false;
    bool sturz = false;
};

struct Spiel
{
    std::int16_t musikwahl = 0;
    bool laeuft = true;
    bool verlassen = false;
    VorigeSteuerung vorher;
    // Made once: the frame itself allocates nothing.
    std::string pausetext;

    VOQ_OGL_Bildlauf hintergrund;
    VOQ_OGL_Bildlauf titel;
    VOQ_OGL_Bildlauf balken;
    VOQ_OGL_Bildlauf schwarz;
    VOQ_OGL_Bildlauf weiss;

    VOQ_Button* abbrechen = nullptr;
    VOQ_Button* neustart = nullptr;
    VOQ_CheckBox* spielpause = nullptr;
    VOQ_Button* musikwechsel = nullptr;
    VOQ_CheckBox* musikpause = nullptr;
    VOQ_Button* auswertung = nullptr;

    std::unique_ptr<VOQ_Quaderfall> feld;
    std::unique_ptr<VOQ_Quaderfall> vorschau;
    std::unique_ptr<Spielregeln> regeln;
};

void Abspielen(Mix_Chunk* klang)
{
    Mix_PlayChannel(-1, klang, 0);
}

void Melde(const std::string& text)
{
    VOQ_Log::Aus("#o> MenuSpiel - " + text + "\n");
}

// ---- keys ---------------------------------------------------------------

// The key pressed in this frame is one of the action's.
bool Gedrueckt(Spieltasten::Aktion aktion)
{
    return SPIEL_EINSTELLUNGEN.Tasten().Ist(aktion, GAME_EINGABE.GetKeyDown());
}

bool Gehalten(Spieltasten::Aktion aktion)
{
    for (int taste : SPIEL_EINSTELLUNGEN.Tasten().Tasten(aktion))
        if (GAME_EINGABE.isKeyDown(taste))
            return true;
    return false;
}

// Names the first pause key, which the player may have chosen instead of Escape.
std::string PauseText()
{
    const int taste = SPIEL_EINSTELLUNGEN.Tasten().Tasten(Spieltasten::PAUSE).front();
    if (taste == SDLK_ESCAPE)
        return "  PAUSE MIT [ESC]";
    std::string name = SDL_GetKeyName(static_cast<SDLKey>(taste));
    for (char& c : name)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return "  PAUSE MIT [" + name + "]";
}

// ---- controller -------------------------------------------------------

int Hut()
{
    return joy ? SDL_JoystickGetHat(joy, 0) : SDL_HAT_CENTERED;
}

// An unassigned button (-1) or a missing controller reads as not pressed.
bool KnopfGehalten(short nummer)
{
    return joy && nummer >= 0 && SDL_JoystickGetButton(joy, nummer) == 1;
}

bool Pausiert(const Spiel& spiel)
{
    return spiel.spielpause && spiel.spielpause->Checked();
}

void SchaltePause(Spiel& spiel)
{
    if (!spiel.spielpause)
        return;
    if (spiel.spielpause->Checked()) {
        spiel.spielpause->UnCheck();
        Melde("weiter");
    } else {
        spiel.spielpause->Check();
        Melde("Pause");
    }
    Abspielen(snd_pause);
}

// ---- entry --------------------------------------------------------------

VOQ_CheckBox* NeuesKaestchen(int x, int y, const char* text)
{
    GAME_EINGABE.CreateCheckBox("block", x, y, text);
    const int nr = GAME_EINGABE.GetLastCheckBox();
    if (nr < 0)
        return nullptr;
    VOQ_CheckBox* kaestchen = GAME_EINGABE.checkBoxes[nr];
    kaestchen->SetSoundClick(snd_mausklick);
    return kaestchen;
}

const char* Spielmusik(int wahl)
{
    return wahl == 0 ? MUSIK_SPIEL_2 : MUSIK_SPIEL_1;
}

void LegeBedienelementeAn(Spiel& spiel)
{
    spiel.abbrechen = Menuekulisse::Knopf(50, 150, "    ABBRECHEN");
    spiel.neustart = Menuekulisse::Knopf(50, 200, "     NEUSTART");
    spiel.spielpause = NeuesKaestchen(50, 250, "    SPIELPAUSE");
    if (spiel.spielpause)
        spiel.spielpause->visible = false;
    spiel.musikwechsel = Menuekulisse::Knopf(50, 350, "   MUSIKWECHSEL");
    spiel.musikpause = NeuesKaestchen(50, 400, "    MUSIKPAUSE");
    spiel.auswertung = Menuekulisse::Knopf(400, 450, "ZUR AUSWERTUNG");
    if (spiel.auswertung)
        spiel.auswertung->visible = false;
}

void LadeBilder(Spiel& spiel)
{
    spiel.schwarz.Init("daten/bilder/eingabe/hintergruende/schwarz");
    spiel.weiss.Init("daten/bilder/eingabe/hintergruende/weiss");
    spiel.weiss.SetAlpha(0.0f);
    spiel.titel.Init("daten/bilder/titel");
    spiel.titel.SetWidthDraw(spiel.titel.GetWidthDraw() / 4);
    spiel.titel.SetHeightDraw(spiel.titel.GetHeightDraw() / 4);
    spiel.balken.Init(Spielregeln::Balkenbild(1));
    spiel.balken.SetHeightDraw(1);
    spiel.schwarz.Ausblenden();
}

void Betrete(Spiel& spiel)
{
    joy_mouse = false;
    spiel.musikwahl = static_cast<std::int16_t>(std::rand() % 2);
    WechsleMusik(Spielmusik(spiel.musikwahl));
    lastmenu = MENU_SPIEL;

    Menuekulisse::RaeumeEingabe();
    spiel.hintergrund.Init("daten/bilder/spielfeld");

    LegeBedienelementeAn(spiel);
    LadeBilder(spiel);

    spiel.feld = std::make_unique<VOQ_Quaderfall>(10, 22);
    if (SPIEL_EINSTELLUNGEN.Schatten())
        spiel.feld->zeigeSchatten(true);
    spiel.vorschau = std::make_unique<VOQ_Quaderfall>(10, 10);
    spiel.regeln = std::make_unique<Spielregeln>(*spiel.feld, GAME_ZAEHLER, punktestand);
    spiel.regeln->Beginne();

    spiel.vorher = VorigeSteuerung();
    spiel.laeuft = true;
    spiel.pausetext = PauseText();
    Melde("Spiel beginnt");
}

// ---- the steps of a frame -------------------------------------------------

void ZeichneHintergrund(Spiel& spiel)
{
    spiel.hintergrund.Draw(0, 0);
    const int hoehe = spiel.regeln->Balkenhoehe();
    spiel.balken.SetHeightDraw(hoehe);
    spiel.balken.Draw(BALKEN_X, BALKEN_UNTEN - hoehe);
}

void ZeichneTexte(Spiel& spiel)
{
    schrift_12.FetchFPS(frames);
    schrift_12.Draw(5, 5);
    schrift_12.FetchTime();
    schrift_12.Draw(930, 740);
    spiel.titel.Draw(20, 32);

    schrift_12.SetText(spiel.pausetext.c_str());
    schrift_12.Draw(50, 100);
    schrift_12.SetText("GEL\xd6" "STE REIHEN: ");
    schrift_12.Draw(750, 250);
    schrift_20.SetText(punktestand);
    schrift_20.Draw(820, 280);
    schrift_12.SetText("N\xc4" "CHSTER BLOCK: ");
    schrift_12.Draw(750, 80);
    schrift_12.SetText("GESCHWINDIGKEITSSTUFE: ", spiel.regeln->Stufe());
    schrift_12.Draw(370, 75);
}

void ZeichneFelder(Spiel& spiel)
{
    spiel.vorschau->neuerQuaderfall(spiel.feld->holeNaechster());
    spiel.vorschau->male(VORSCHAU_X, VORSCHAU_Y);
    spiel.feld->male(FELD_X, FELD_Y);
}

// Escape pauses and resumes; losing the window's focus pauses a running game
// the same way, and never resumes one.
void PauseTaste(Spiel& spiel)
{
    const bool taste = Gedrueckt(Spieltasten::PAUSE);
    const bool fokus = FokusVerloren() && !Pausiert(spiel);
    if (!(taste || fokus) || !spiel.laeuft)
        return;
    if (joy)
        joy_mouse = !Pausiert(spiel);
    SchaltePause(spiel);
}

void AufprallKlang(Spielregeln::Aufprall aufprall)
{
    if (aufprall == Spielregeln::AUFSCHLAG) {
        Abspielen(snd_aufschlag);
    } else if (aufprall == Spielregeln::BONUS) {
        Abspielen(snd_bonus);
        Melde("GELÖSTE REIHEN: " + std::to_string(punktestand));
    }
}

void Schwerkraft(Spiel& spiel)
{
    AufprallKlang(spiel.regeln->Schwerkraft(Pausiert(spiel)));
}

// Not held back by the pause.
void HarterFall(Spiel& spiel)
{
    const bool sturz = KnopfGehalten(joy_sturz);
    const bool taste = Gedrueckt(Spieltasten::FALLEN);
    const bool gedrueckt = taste || (sturz && !spiel.vorher.sturz);
    // A lost game takes no more drops, even in the frame that lost it.
    if (gedrueckt && spiel.laeuft && !spiel.feld->ueberfuellt())
        AufprallKlang(spiel.regeln->Fallenlassen());
    spiel.vorher.sturz = sturz;
}

void Steuere(Spiel& spiel)
{
    Spielregeln& regeln = *spiel.regeln;
    const int hut = Hut();
    const bool hutLinks = Steuerkreuz::Links(hut);
    const bool hutRechts = Steuerkreuz::Rechts(hut);
    const bool drehknopf = KnopfGehalten(joy_drehen);

    const bool links = Gedrueckt(Spieltasten::LINKS) || (hutLinks && !spiel.vorher.links);
    const bool rechts = Gedrueckt(Spieltasten::RECHTS) || (hutRechts && !spiel.vorher.rechts);
    regeln.Seitendruck(links, rechts);

    const bool linksGehalten = Gehalten(Spieltasten::LINKS) || hutLinks;
    const bool rechtsGehalten = Gehalten(Spieltasten::RECHTS) || hutRechts;
    regeln.Wiederholung(linksGehalten || rechtsGehalten);

    if (Gedrueckt(Spieltasten::DREHEN) || (drehknopf && !spiel.vorher.drehen)) {
        regeln.Drehe();
        Abspielen(snd_dreh);
    }

    const bool untenGehalten = Gehalten(Spieltasten::SENKEN) || Steuerkreuz::Unten(hut);
    AufprallKlang(regeln.GehalteneTasten(untenGehalten, rechtsGehalten, linksGehalten));

    spiel.vorher.links = hutLinks;
    spiel.vorher.rechts = hutRechts;
    spiel.vorher.drehen = drehknopf;
}

// The bar runs only while the pieces do.
void Zeitlauf(Spiel& spiel)
{
    Spielregeln& regeln = *spiel.regeln;
    if (!regeln.Zeitlauf())
        return;
    spiel.balken.Init(Spielregeln::Balkenbild(regeln.Stufe()));
    spiel.weiss.Ausblenden();
    Abspielen(snd_stufe);
    Melde("Stufe " + std::to_string(regeln.Stufe()));
}

void SteuerungsPause(Spiel& spiel, bool pause)
{
    if (pause && !spiel.vorher.pause && spiel.laeuft) {
        joy_mouse = !Pausiert(spiel);
        SchaltePause(spiel);
    }
    spiel.vorher.pause = pause;
}

void WechsleSpielmusik(Spiel& spiel)
{
    spiel.musikwahl = static_cast<std::int16_t>(spiel.musikwahl == 0 ? 1 : 0);
    WechsleMusik(Spielmusik(spiel.musikwahl));
    // The new track plays from its start, so the box must not claim a pause.
    if (spiel.musikpause && spiel.musikpause->Checked())
        spiel.musikpause->UnCheck();
}

void MusikPause(VOQ_CheckBox& kaestchen)
{
    // The box flips at its next Draw: now it still shows the state before the click.
    if (!kaestchen.Checked()) {
        if (Mix_PlayingMusic()) {
            Mix_PauseMusic();
            Melde("Musik angehalten");
        }
    } else if (Mix_PausedMusic()) {
        Mix_ResumeMusic();
        Melde("Musik geht weiter");
    }
}

// The game's own widgets count only while they are drawn, before the end.
void Klicks(Spiel& spiel, bool bedienbar)
{
    if (bedienbar && Menuekulisse::Geklickt(spiel.neustart)) {
        SetMenuNummer(MENU_SPIEL);
        spiel.verlassen = true;
    }
    if (bedienbar && Menuekulisse::Geklickt(spiel.musikwechsel))
        WechsleSpielmusik(spiel);
    if (bedienbar && spiel.musikpause && spiel.musikpause->WasClicked())
        MusikPause(*spiel.musikpause);
    if (Menuekulisse::Geklickt(spiel.auswertung)) {
        SetMenuNummer(MENU_AUSWERTUNG);
        spiel.verlassen = true;
    }
}

void Spielende(Spiel& spiel)
{
    if (!spiel.feld->ueberfuellt())
        return;
    if (spiel.laeuft) {
        Abspielen(snd_spielende);
        spiel.laeuft = false;
        if (spiel.spielpause)
            spiel.spielpause->Check();
        joy_mouse = true;
        if (Mix_PlayingMusic())
            Mix_PauseMusic();
        // A level flash still fading would undo the veil's alpha.
        spiel.weiss.fadingOut = false;
        Melde("SPIEL VORÜBER, GELÖSTE REIHEN: " + std::to_string(punktestand));
    }
    spiel.weiss.SetAlpha(0.5f);
    spiel.weiss.Draw(0, 0);
    schrift_20.SetText("SPIEL VOR\xdc" "BER!");
    schrift_20.Draw(300, 400);
    if (spiel.auswertung) {
        spiel.auswertung->visible = true;
        spiel.auswertung->Draw();
    }
}

void PauseUndAbbruch(Spiel& spiel, bool bedienbar)
{
    if (Pausiert(spiel) && spiel.laeuft) {
        schrift_20.SetText("     PAUSE");
        schrift_20.Draw(300, 400);
    }
    if (bedienbar && Menuekulisse::Geklickt(spiel.abbrechen)) {
        GAME_EINGABE.InputBuffer(0, VOQ_OGL_Eingabe::TASTE_GEDRUECKT);
        SetMenuNummer(MENU_HAUPT);
        spiel.verlassen = true;
    }
}

void ZeichneSchluss(Spiel& spiel)
{
    GAME_EINGABE.maus.Draw();
    spiel.schwarz.Draw(0, 0);
    if (!spiel.feld->ueberfuellt())
        spiel.weiss.Draw();
}

void Einzelbild(Spiel& spiel)
{
    Menuekulisse::BeginneEinzelbild();
    ZeichneHintergrund(spiel);
    ZeichneTexte(spiel);
    ZeichneFelder(spiel);

    PauseTaste(spiel);
    Schwerkraft(spiel);
    HarterFall(spiel);
    const bool pause = KnopfGehalten(joy_pause);
    if (!Pausiert(spiel) && !spiel.feld->ueberfuellt()) {
        Steuere(spiel);
        Zeitlauf(spiel);
    }
    SteuerungsPause(spiel, pause);
    GAME_EINGABE.InputBuffer(0, VOQ_OGL_Eingabe::TASTE_GEDRUECKT);

    const bool bedienbar = !spiel.feld->ueberfuellt();
    if (bedienbar)
        Menuekulisse::MaleWidgets();
    Klicks(spiel, bedienbar);
    Spielende(spiel);
    PauseUndAbbruch(spiel, bedienbar);
    ZeichneSchluss(spiel);
    VOQ_OGL_Zeichenliste::Zeige();
}
}

void MenuSpiel()
{
    // Playfields and images go with `spiel`; the widgets stay with the input
    // manager until the next screen clears them.
    Spiel spiel;
    Betrete(spiel);
    while (!spiel.verlassen && !done)
        Einzelbild(spiel);
}
