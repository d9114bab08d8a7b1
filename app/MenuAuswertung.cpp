#include "Bildschirme.h"

#include "Bestenliste.h"
#include "Globale.h"
#include "Menuekulisse.h"
#include "Musik.h"
#include "VOQ_Button.h"
#include "VOQ_Edit.h"
#include "VOQ_Log.h"
#include "VOQ_OGL_Bildlauf.h"

#include <cstdint>
#include <string>

namespace
{
const int BLINK_ZAEHLER = 0;
const int BLINK_MS = 500;
// Ten blinks of the name prompt, then it stays off.
const int BLINK_ENDE = 19;

struct Auswertung
{
    std::string namen[BESTENLISTE_PLAETZE];
    int punkte[BESTENLISTE_PLAETZE] = {};
    int anzahl = 0;
    int platz = BESTENLISTE_PLAETZE;
    std::int16_t blinken = 0;
    bool verlassen = false;

    VOQ_OGL_Bildlauf hintergrund;
    VOQ_OGL_Bildlauf schwarz;
    VOQ_OGL_Bildlauf titel;

    VOQ_Edit* name = nullptr;
    VOQ_Button* weiter = nullptr;
};

bool Platziert(const Auswertung& a)
{
    return a.platz < BESTENLISTE_PLAETZE;
}

void LegeNamensfeldAn(Auswertung& a)
{
    GAME_EINGABE.CreateEdit("block", 50, 465, "");
    const int nr = GAME_EINGABE.GetLastEdit();
    if (nr < 0)
        return;
    a.name = GAME_EINGABE.edits[nr];
    a.name->SetSoundClick(snd_mausklick002);
    a.name->Select();
    if (!Platziert(a)) {
        a.name->visible = false;
        a.name->UnSelect();
    }
}

void Platziere(Auswertung& a)
{
    a.anzahl = LeseBestenliste(a.namen, a.punkte);
    a.platz = PlatzFuer(a.punkte, a.anzahl, punktestand);
    const std::string platz = Platziert(a) ? "PLATZ " + std::to_string(a.platz + 1) : "kein Platz";
    VOQ_Log::Aus("#o> MenuAuswertung - GELÖSTE REIHEN: " + std::to_string(punktestand) + ", " + platz
                 + "\n");
}

void Betrete(Auswertung& a)
{
    joy_mouse = true;
    Menuekulisse::RaeumeEingabe();
    GAME_EINGABE.maus.SetFeldMarkierung(true);
    WechsleMusik(MUSIK_RUHMESHALLE);

    Platziere(a);

    a.hintergrund.Init("daten/bilder/eingabe/hintergruende/weiss");
    LegeNamensfeldAn(a);
    a.weiter = Menuekulisse::Knopf(750, 700, "LISTE DES RUHMS", snd_mausklick001);

    a.schwarz.Init("daten/bilder/eingabe/hintergruende/schwarz");
    a.titel.Init("daten/bilder/titel");
    a.schwarz.Ausblenden();
    lastmenu = MENU_AUSWERTUNG;

    Menuekulisse::StarteZaehler(BLINK_ZAEHLER, 2, BLINK_MS);
    a.blinken = 0;
}

// ---- the steps of a frame -------------------------------------------------

void ZeichneHintergrund(Auswertung& a)
{
    a.hintergrund.Draw(0, 0);
    a.titel.Draw(0, 32);
    schrift_12.FetchFPS(frames);
    schrift_12.Draw(5, 5);
}

void ZeichneBericht(const Auswertung& a)
{
    schrift_20.SetText("\n\nGEL\xd6" "STE REIHEN: ");
    schrift_20.AddText(punktestand);
    schrift_20.AddText("\n\nERREICHTER PLATZ: ");
    if (Platziert(a)) {
        schrift_20.AddText(a.platz + 1);
        schrift_20.AddText("\n\nNAME F\xdcR DIE LISTE DES RUHMS:");
    } else {
        schrift_20.AddText("keiner");
        schrift_20.AddText("\n\nF\xfcr einen Platz in der Liste des \nRuhms sind mehr als ");
        schrift_20.AddText(a.punkte[BESTENLISTE_PLAETZE - 1]);
        schrift_20.AddText(" gel\xf6" "ste\nReihen n\xf6tig!");
    }
    schrift_20.Draw(50, 150);
}

void Blinke(Auswertung& a)
{
    if (Menuekulisse::Abgelaufen(BLINK_ZAEHLER, 2, BLINK_MS))
        ++a.blinken;
    if (a.blinken % 2 == 0 && a.blinken <= BLINK_ENDE && Platziert(a)) {
        schrift_20.SetText("- NAMEN EINGEBEN - ");
        schrift_20.Draw(470, 470);
    }
}

void Weiter(Auswertung& a)
{
    if (!Menuekulisse::Geklickt(a.weiter))
        return;
    // Another game in this folder may have stored its result since the entry:
    // the game goes into the list as it stands now.
    if (Platziert(a)) {
        if (!SpeichereSpiel(a.name ? a.name->GetText() : "", punktestand))
            VOQ_Log::Fehler(std::string("\n#o> MenuAuswertung - FEHLER: Die Liste des Ruhms '")
                            + BESTENLISTE_DATEI + "' kann nicht geschrieben werden.\n\n");
    }
    menunummer = MENU_BESTENLISTE;
    a.verlassen = true;
}

void Einzelbild(Auswertung& a)
{
    Menuekulisse::BeginneEinzelbild();
    ZeichneHintergrund(a);
    GAME_EINGABE.DrawAll();
    ZeichneBericht(a);
    Blinke(a);
    Weiter(a);
    Menuekulisse::SchliesseEinzelbild(a.schwarz);
}
}

void MenuAuswertung()
{
    Auswertung a;
    Betrete(a);
    while (!a.verlassen && !done)
        Einzelbild(a);
    GAME_EINGABE.ClearAll();
}
