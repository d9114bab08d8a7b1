#include "Bildschirme.h"

#include "Globale.h"
#include "Menuekulisse.h"
#include "VOQ_Button.h"
#include "Zierfelder.h"

#include <optional>

namespace
{
// The rules and keys, in six pieces.
const char* const HILFETEXT[] = {
    "STEUERUNG:\n o LINKS - Pfeiltaste links\n o RECHTS - Pfeiltaste rechts\n"
    " o ABSENKEN - Pfeiltaste unten\n o DREHEN - Pfeiltaste oben\n o BLOCKSTURZ - Leertaste\n\n",
    "\n\nSPIELZIEL:\n Ziel des Spieles ist es, vollst\xe4ndige\n"
    " Reihen zu schaffen, die sich dadurch Aufl\xf6sen.\n",
    " Die Fallgeschwindigkeit nimmt mit jeder Stufe zu!\n",
    " Spieler, die am meisten Reihen l\xf6sen k\xf6nnen,\n"
    " bevor das Ende durch ein \xfc" "berf\xfcl" "ltes Spielfeld\n"
    " eingel\xe4utet wird, werden ger\xfchmt.\n",
    " Die zehn besten Spielrunden werden\n in einer Liste festgehalten.",
    "\n\nTIPP:\n M\xf6glichst viel Gebrauch von der Sturztaste machen.",
};
const int STUECKE = sizeof HILFETEXT / sizeof HILFETEXT[0];

struct Hilfe
{
    Menuekulisse kulisse;
    std::optional<Zierfelder> felder;
    VOQ_Button* wandeln = nullptr;
    VOQ_Button* zurueck = nullptr;
    bool verlassen = false;
};

void Betrete(Hilfe& h)
{
    joy_mouse = true;
    lastmenu = MENU_HILFE;
    Menuekulisse::RaeumeEingabe();
    h.wandeln = Menuekulisse::Knopf(400, 200, "  WANDELT EUCH!");
    h.zurueck = Menuekulisse::Knopf(400, 700, " BIN ERLEUCHTET!");
    h.kulisse.Lade();
    h.felder.emplace(Zierfelder::HILFE, Zierfelder::BEWEGEN_UND_LEEREN);
}

void MaleText()
{
    schrift_12.SetText(HILFETEXT[0]);
    for (int i = 1; i < STUECKE; ++i)
        schrift_12.AddText(HILFETEXT[i]);
    schrift_12.Draw(300, 300);
}

void Wandle(Hilfe& h)
{
    if (Menuekulisse::Geklickt(h.wandeln))
        h.felder->NeueTeile();
}

void FrageEnde(Hilfe& h)
{
    if (GAME_EINGABE.GetKeyDown() == SDLK_ESCAPE || Menuekulisse::Geklickt(h.zurueck)) {
        GAME_EINGABE.InputBuffer(0, VOQ_OGL_Eingabe::TASTE_GEDRUECKT);
        SetMenuNummer(MENU_HAUPT);
        h.verlassen = true;
    }
}

void Einzelbild(Hilfe& h)
{
    Menuekulisse::BeginneEinzelbild();
    h.kulisse.MaleGrund();
    MaleText();
    h.felder->Laufe();
    Wandle(h);
    h.felder->Male();
    Menuekulisse::MaleWidgets();
    FrageEnde(h);
    h.kulisse.SchliesseEinzelbild();
}
}

void MenuHilfe()
{
    Hilfe h;
    Betrete(h);
    while (!h.verlassen && !done)
        Einzelbild(h);
}
