#include "Bildschirme.h"

#include "Bestenliste.h"
#include "Globale.h"
#include "Menuekulisse.h"
#include "Musik.h"
#include "VOQ_Button.h"
#include "VOQ_Edit.h"
#include "VOQ_Log.h"
#include "VOQ_OGL_Bildlauf.h"
#include "VOQ_Zeit.h"

#include <cstdint>
#include <string>

namespace
{
const int BLINK_ZAEHLER = 0;
const int BLINK_MS = 500;
// Ten blinks of the name prompt, then it stays off.
const int BLINK_ENDE = 19;
// How long a lock that another process holds on the list is waited for, a
// try every frame, before the game is given up as not stored.
const std::uint32_t SPERRE_WARTEN_MS = 1000;

// Placed games go from the name entry through storing (while the list is
// locked, frame by frame) to the hall of fame, or to the news that the
// result could not be kept.
enum class Stand { EINGABE, SPEICHERN, GESCHEITERT };

struct Auswertung
{
    std::string namen[BESTENLISTE_PLAETZE];
    int punkte[BESTENLISTE_PLAETZE] = {};
    int anzahl = 0;
    int platz = BESTENLISTE_PLAETZE;
    std::int16_t blinken = 0;
    bool verlassen = false;
    Stand stand = Stand::EINGABE;
    std::string eingabe;
    std::uint32_t speichernAb = 0;

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
        // Where the name was asked for, the news that it could not be kept.
        if (a.stand == Stand::GESCHEITERT)
            schrift_20.AddText("\n\nDas Ergebnis kann leider nicht in\ndie Liste des Ruhms eingetragen\nwerden!");
        else
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
    if (a.blinken % 2 == 0 && a.blinken <= BLINK_ENDE && Platziert(a) && a.stand != Stand::GESCHEITERT) {
        schrift_20.SetText("- NAMEN EINGEBEN - ");
        schrift_20.Draw(470, 470);
    }
}

void Verlasse(Auswertung& a)
{
    menunummer = MENU_BESTENLISTE;
    a.verlassen = true;
}

// The list stays as it is; the player reads why on the screen, and the
// button then leads on to the hall of fame.
void Scheitere(Auswertung& a, const char* grund)
{
    VOQ_Log::Fehler(std::string("\n#o> MenuAuswertung - FEHLER: Die Liste des Ruhms '") + BESTENLISTE_DATEI
                    + "' kann nicht geschrieben werden" + grund + ".\n\n");
    a.stand = Stand::GESCHEITERT;
    if (a.name) {
        if (a.name->IsSelected())
            a.name->UnSelect();
        a.name->visible = false;
    }
}

// Another game in this folder may have stored its result since the entry:
// the game goes into the list as it stands now. While another process holds
// the list's lock the screen goes on drawing, and tries again next frame.
void Speichere(Auswertung& a)
{
    switch (SpeichereSpiel(a.eingabe, punktestand)) {
    case Speicherung::GESPEICHERT:
        Verlasse(a);
        break;
    case Speicherung::GESPERRT:
        if (VOQ_Zeit::Ticks() - a.speichernAb > SPERRE_WARTEN_MS)
            Scheitere(a, " (gesperrt)");
        break;
    case Speicherung::GESCHEITERT:
        Scheitere(a, "");
        break;
    }
}

void Weiter(Auswertung& a)
{
    const bool geklickt = Menuekulisse::Geklickt(a.weiter);
    if (a.stand == Stand::SPEICHERN) {
        Speichere(a);
        return;
    }
    if (!geklickt)
        return;
    if (!Platziert(a) || a.stand == Stand::GESCHEITERT) {
        Verlasse(a);
        return;
    }
    a.eingabe = a.name ? a.name->GetText() : "";
    a.stand = Stand::SPEICHERN;
    a.speichernAb = VOQ_Zeit::Ticks();
    Speichere(a);
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
