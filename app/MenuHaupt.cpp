#include "Bildschirme.h"

#include "Globale.h"
#include "Menuekulisse.h"
#include "Musik.h"
#include "Spielsteuerung.h"
#include "VOQ_Button.h"
#include "Zierfelder.h"

#include <optional>
#include <string>
#include <vector>

namespace
{
const char* const GERAET = "daten/bilder/geraet";
const char* const VERSION = "V1.0 FINAL";
const char* const KEINE_STEUERUNG = "     KEINE\nSPIELSTEUERUNG\n    GEFUNDEN! ";
const char* const STEUERUNGEN_GEFUNDEN = " SPIELSTEUERUNG(EN) GEFUNDEN! ";

enum Knopf { SPIELEN, RUHM, HILFE, UEBER, BEENDEN, EINSTELLEN, KNOPFANZAHL };

struct Knopfplatz
{
    int y;
    const char* text;
};

// All at x 400; the captions carry their own indent.
const int KNOPF_X = 400;
const Knopfplatz KNOPFPLAETZE[KNOPFANZAHL] = {
    {250, "KL\xd6TZCHEN STAPELN"}, {300, " LISTE DES RUHMS!"}, {350, "  WIE GEHT DAS?"},
    {400, "WER ERSCHUF DIES?"},    {450, "   ERL\xd6SE MICH!"}, {700, "   EINSTELLEN"},
};

struct Wahl
{
    Knopf knopf;
    int bildschirm;
};

// The buttons that lead to another screen, in the order they are asked.
const Wahl WAHLEN[] = {
    {SPIELEN, MENU_SPIEL}, {RUHM, MENU_BESTENLISTE}, {UEBER, MENU_UEBER},
    {HILFE, MENU_HILFE},   {EINSTELLEN, MENU_GAMEPAD},
};

struct Hauptmenue
{
    Menuekulisse kulisse;
    VOQ_OGL_Bildlauf geraet;
    std::optional<Zierfelder> felder;
    VOQ_Button* knoepfe[KNOPFANZAHL] = {};
    std::vector<std::string> steuerungen;
    bool verlassen = false;
};

// Help, about and the controller settings leave the menu music playing.
bool MusikLaeuftWeiter()
{
    return lastmenu == MENU_HILFE || lastmenu == MENU_UEBER;
}

void Betrete(Hauptmenue& m)
{
    joy_mouse = true;
    if (!MusikLaeuftWeiter())
        WechsleMusik(MUSIK_HAUPTMENUE);
    Menuekulisse::RaeumeEingabe();
    m.kulisse.Lade();
    for (int k = 0; k < KNOPFANZAHL; ++k)
        m.knoepfe[k] = Menuekulisse::Knopf(KNOPF_X, KNOPFPLAETZE[k].y, KNOPFPLAETZE[k].text);
    m.geraet.Init(GERAET);
    m.felder.emplace(Zierfelder::HAUPTMENUE, Zierfelder::BEWEGEN_UND_LEEREN);

    Spielsteuerung::SucheNeu();
    m.steuerungen = Spielsteuerung::Namen();
    // Without a controller there is nothing to set up.
    if (m.steuerungen.empty() && m.knoepfe[EINSTELLEN])
        m.knoepfe[EINSTELLEN]->visible = false;
}

void MaleSteuerungstexte(Hauptmenue& m)
{
    if (m.steuerungen.empty()) {
        schrift_12.SetText(KEINE_STEUERUNG);
        schrift_12.Draw(350, 700);
        m.geraet.Draw(500, 650);
        return;
    }
    schrift_12.SetText(static_cast<int>(m.steuerungen.size()), STEUERUNGEN_GEFUNDEN);
    schrift_12.Draw(350, 540);
    schrift_12.ClearText();
    for (const std::string& name : m.steuerungen) {
        schrift_12.AddText("o ");
        schrift_12.AddText(name.c_str());
        schrift_12.AddText("\n");
    }
    schrift_12.Draw(400, 560);
}

void FrageKnoepfe(Hauptmenue& m)
{
    for (const Wahl& wahl : WAHLEN) {
        if (Menuekulisse::Geklickt(m.knoepfe[wahl.knopf])) {
            SetMenuNummer(wahl.bildschirm);
            m.verlassen = true;
            return;
        }
    }
}

// Also when a button was clicked in the same frame: quitting wins.
void FrageEnde(Hauptmenue& m)
{
    if (GAME_EINGABE.GetKeyDown() == SDLK_ESCAPE || Menuekulisse::Geklickt(m.knoepfe[BEENDEN])) {
        GAME_EINGABE.InputBuffer(0, VOQ_OGL_Eingabe::TASTE_GEDRUECKT);
        done = true;
        m.verlassen = true;
    }
}

void Einzelbild(Hauptmenue& m)
{
    Menuekulisse::BeginneEinzelbild();
    m.kulisse.MaleGrund();
    schrift_12.SetText(VERSION);
    schrift_12.Draw(900, 740);
    MaleSteuerungstexte(m);
    m.felder->Laufe();
    m.felder->Male();
    Menuekulisse::MaleWidgets();
    FrageKnoepfe(m);
    FrageEnde(m);
    m.kulisse.SchliesseEinzelbild();
}
}

void MenuHaupt()
{
    Hauptmenue m;
    Betrete(m);
    while (!m.verlassen && !done)
        Einzelbild(m);
}
