#include "Bildschirme.h"

#include "Globale.h"
#include "Menuekulisse.h"
#include "VOQ_Button.h"
#include "Zierfelder.h"

#include <optional>

namespace
{
// Credit lines begin with five blanks. Pictures, sounds and music of this
// game were all made by its own workshop.
const char* const WERKSTATT = "     Werkstatt QUENTABOR\n\n\n";
const char* const UEBERTEXT[] = {
    "QUENTABOR:\n",
    "     www.quentabor.example\n",
    "     post@quentabor.example\n",
    "     QUADERFALL - ein Spiel von QUENTABOR\n\n\n\n",
    "PROGRAMMIERUNG:\n",
    WERKSTATT,
    "GRAFISCHE GESTALTUNG:\n",
    WERKSTATT,
    "KLANGEFFEKTE:\n",
    WERKSTATT,
    "MUSIK:\n",
    "     Quaderklang ('Quentabor ruft', 'Ruhmeshalle')\n",
    "     Orgel Quadrat ('Schneller Stapel', 'Freier Fall')\n",
    "     Die Fallsteine ('Kl\xf6tzchenwalzer')\n\n",
};
const int STUECKE = sizeof UEBERTEXT / sizeof UEBERTEXT[0];

struct Ueber
{
    Menuekulisse kulisse;
    std::optional<Zierfelder> felder;
    VOQ_Button* zurueck = nullptr;
    bool verlassen = false;
};

void Betrete(Ueber& u)
{
    joy_mouse = true;
    lastmenu = MENU_UEBER;
    Menuekulisse::RaeumeEingabe();
    u.zurueck = Menuekulisse::Knopf(400, 700, " NUN WEI\xdf ICH!");
    u.kulisse.Lade();
    u.felder.emplace(Zierfelder::UEBER, Zierfelder::BEWEGEN_UND_LEEREN);
}

void MaleText()
{
    schrift_12.SetText(UEBERTEXT[0]);
    for (int i = 1; i < STUECKE; ++i)
        schrift_12.AddText(UEBERTEXT[i]);
    schrift_12.Draw(400, 250);
}

void FrageEnde(Ueber& u)
{
    if (GAME_EINGABE.GetKeyDown() == SDLK_ESCAPE || Menuekulisse::Geklickt(u.zurueck)) {
        GAME_EINGABE.InputBuffer(0, VOQ_OGL_Eingabe::TASTE_GEDRUECKT);
        SetMenuNummer(MENU_HAUPT);
        u.verlassen = true;
    }
}

void Einzelbild(Ueber& u)
{
    Menuekulisse::BeginneEinzelbild();
    u.kulisse.MaleGrund();
    u.felder->Laufe();
    u.felder->Male();
    MaleText();
    Menuekulisse::MaleWidgets();
    FrageEnde(u);
    u.kulisse.SchliesseEinzelbild();
}
}

void MenuUeber()
{
    Ueber u;
    Betrete(u);
    while (!u.verlassen && !done)
        Einzelbild(u);
}
