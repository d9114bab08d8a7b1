#include "Bildschirme.h"

#include "Bestenliste.h"
#include "Globale.h"
#include "Menuekulisse.h"
#include "Musik.h"
#include "VOQ_Button.h"
#include "VOQ_Log.h"
#include "VOQ_OGL_Bildlauf.h"

#include <string>

namespace
{
struct Ruhmeshalle
{
    std::string namen[BESTENLISTE_PLAETZE];
    int punkte[BESTENLISTE_PLAETZE] = {};
    int anzahl = 0;
    bool verlassen = false;

    VOQ_OGL_Bildlauf hintergrund;
    VOQ_OGL_Bildlauf schwarz;
    VOQ_OGL_Bildlauf pokal;
    VOQ_OGL_Bildlauf titel;

    VOQ_Button* spielen = nullptr;
    VOQ_Button* startbild = nullptr;
};

void Betrete(Ruhmeshalle& r)
{
    joy_mouse = true;
    Menuekulisse::RaeumeEingabe();
    GAME_EINGABE.maus.SetFeldMarkierung(true);
    // Coming from the results screen the same music goes on.
    if (lastmenu != MENU_AUSWERTUNG)
        WechsleMusik(MUSIK_RUHMESHALLE);

    r.anzahl = LeseBestenliste(r.namen, r.punkte);
    VOQ_Log::Aus("#o> MenuBestenliste - " + std::to_string(r.anzahl) + " Einträge\n");

    r.hintergrund.Init("daten/bilder/eingabe/hintergruende/weiss");
    r.schwarz.Init("daten/bilder/eingabe/hintergruende/schwarz");
    r.pokal.Init("daten/bilder/pokal");
    r.titel.Init("daten/bilder/titel");

    r.spielen = Menuekulisse::Knopf(750, 700, "KL\xd6TZCHEN STAPELN", snd_mausklick001);
    r.startbild = Menuekulisse::Knopf(50, 700, " STARTBILDSCHIRM", snd_mausklick001);

    r.schwarz.Ausblenden();
    lastmenu = MENU_BESTENLISTE;
}

// ---- the steps of a frame -------------------------------------------------

void ZeichneBilder(Ruhmeshalle& r)
{
    r.hintergrund.Draw(0, 0);
    r.titel.Draw(0, 32);
    r.pokal.Draw(830, 250);
    schrift_12.FetchFPS(frames);
    schrift_12.Draw(5, 5);
}

// Places 1 to 9 get a leading blank, so they line up with place 10.
void ZeichneNamen(const Ruhmeshalle& r)
{
    schrift_20.ClearText();
    schrift_20.AddText("\n\n\n");
    for (int k = 0; k < r.anzahl; ++k) {
        if (k + 1 < 10)
            schrift_20.AddText(" ");
        schrift_20.AddText(k + 1);
        schrift_20.AddText(". ");
        schrift_20.AddText(r.namen[k].c_str());
        schrift_20.AddText("\n");
    }
    schrift_20.Draw(50, 150);
}

void ZeichnePunkte(const Ruhmeshalle& r)
{
    schrift_20.ClearText();
    schrift_20.AddText("\n\n\n");
    for (int k = 0; k < r.anzahl; ++k) {
        schrift_20.AddText(r.punkte[k]);
        schrift_20.AddText("\n");
    }
    schrift_20.Draw(750, 150);
}

void Wahl(Ruhmeshalle& r)
{
    if (Menuekulisse::Geklickt(r.startbild)) {
        menunummer = MENU_HAUPT;
        r.verlassen = true;
    }
    if (Menuekulisse::Geklickt(r.spielen)) {
        menunummer = MENU_SPIEL;
        r.verlassen = true;
    }
    if (GAME_EINGABE.GetKeyDown() == SDLK_ESCAPE) {
        GAME_EINGABE.InputBuffer(0, VOQ_OGL_Eingabe::TASTE_GEDRUECKT);
        menunummer = MENU_HAUPT;
        r.verlassen = true;
    }
}

void Einzelbild(Ruhmeshalle& r)
{
    Menuekulisse::BeginneEinzelbild();
    ZeichneBilder(r);
    GAME_EINGABE.DrawAll();
    ZeichneNamen(r);
    ZeichnePunkte(r);
    Wahl(r);
    Menuekulisse::SchliesseEinzelbild(r.schwarz);
}
}

void MenuBestenliste()
{
    Ruhmeshalle r;
    Betrete(r);
    while (!r.verlassen && !done)
        Einzelbild(r);
    GAME_EINGABE.ClearAll();
}
