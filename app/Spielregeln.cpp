#include "Spielregeln.h"

#include "VOQ_OGL_Zaehler.h"
#include "VOQ_Quaderfall.h"
#include "VOQ_Teil_Basis.h"
#include "VOQ_Zaehler.h"

namespace
{
enum Uhr { SCHWERKRAFT = 0, GEHALTEN = 1, ZEITLAUF = 2, WIEDERHOLUNG = 3, UHREN = 4 };

// So long that the delay counter does not run out again until the next press.
const int NIE = 999999;

const char* const BALKENBILDER[Spielregeln::HOECHSTE_STUFE] = {
    "daten/bilder/zeitlauf_gruen", "daten/bilder/zeitlauf_gelb", "daten/bilder/zeitlauf_rot",
    "daten/bilder/zeitlauf_blau",  "daten/bilder/zeitlauf_grau", "daten/bilder/zeitlauf_braun",
    "daten/bilder/zeitlauf_lila",
};
}

Spielregeln::Spielregeln(VOQ_Quaderfall& feld_, VOQ_OGL_Zaehler& uhren_, int& punkte_)
    : feld(feld_), uhren(uhren_), punkte(punkte_), stufe(1), balken(1), wiederholung(false)
{
    while (uhren.zaehler_anzahl < UHREN && uhren.CreateZaehler() >= 0) {
    }
}

bool Spielregeln::Abgelaufen(int uhr)
{
    // A registry without room for the counters leaves the game without timing, never crashing.
    return uhr < uhren.zaehler_anzahl && uhren.zaehler[uhr]->Counter();
}

void Spielregeln::Stelle(int uhr, int ms)
{
    if (uhr < uhren.zaehler_anzahl)
        uhren.zaehler[uhr]->CountDownFrom(2, ms);
}

void Spielregeln::Beginne()
{
    Stelle(SCHWERKRAFT, SCHWERKRAFT_MS);
    Stelle(GEHALTEN, GEHALTEN_MS);
    Stelle(ZEITLAUF, ZEITLAUF_MS);
    punkte = 0;
    stufe = 1;
    balken = 1;
    wiederholung = false;
}

Spielregeln::Aufprall Spielregeln::Werte(int n)
{
    if (n <= 0)
        return KEINER;
    punkte += n - 1;
    return n == 1 ? AUFSCHLAG : BONUS;
}

Spielregeln::Aufprall Spielregeln::Schwerkraft(bool pausiert)
{
    if (!Abgelaufen(SCHWERKRAFT))
        return KEINER;
    Stelle(SCHWERKRAFT, SCHWERKRAFT_MS / stufe);
    return pausiert ? KEINER : Werte(feld.takt());
}

Spielregeln::Aufprall Spielregeln::Fallenlassen()
{
    // The piece reaches the floor within the grid's height; the bound only
    // guards against a playfield that never locks.
    int n = 0;
    for (int zeile = 0; n == 0 && zeile <= feld.holeSpielfeldHoehe(); ++zeile)
        n = feld.takt();
    return Werte(n);
}

void Spielregeln::Seitendruck(bool links, bool rechts)
{
    if (links)
        feld.teil->links();
    else if (rechts)
        feld.teil->rechts();
    else
        return;
    Stelle(WIEDERHOLUNG, WIEDERHOLUNG_MS);
}

void Spielregeln::Wiederholung(bool richtungGehalten)
{
    if (!richtungGehalten)
        wiederholung = false;
    if (Abgelaufen(WIEDERHOLUNG)) {
        wiederholung = true;
        if (WIEDERHOLUNG < uhren.zaehler_anzahl)
            uhren.zaehler[WIEDERHOLUNG]->CountDownFrom(NIE, NIE);
    }
}

bool Spielregeln::Drehe()
{
    return feld.teil->drehe();
}

Spielregeln::Aufprall Spielregeln::GehalteneTasten(bool untenGehalten, bool rechtsGehalten,
                                                   bool linksGehalten)
{
    if (!Abgelaufen(GEHALTEN))
        return KEINER;
    const Aufprall aufprall = untenGehalten ? Werte(feld.takt()) : KEINER;
    if (wiederholung) {
        if (rechtsGehalten)
            feld.teil->rechts();
        else if (linksGehalten)
            feld.teil->links();
    }
    Stelle(GEHALTEN, GEHALTEN_MS);
    return aufprall;
}

bool Spielregeln::Zeitlauf()
{
    if (!Abgelaufen(ZEITLAUF))
        return false;
    // At the top level the bar stays full: the game has no faster speed.
    const bool gestiegen = stufe < HOECHSTE_STUFE && ++balken == BALKEN_VOLL;
    if (gestiegen)
        SteigeAuf();
    Stelle(ZEITLAUF, ZEITLAUF_MS / stufe);
    return gestiegen;
}

void Spielregeln::SteigeAuf()
{
    ++stufe;
    // The top level keeps the full bar.
    if (stufe < HOECHSTE_STUFE)
        balken = 1;
}

std::int16_t Spielregeln::Stufe() const { return stufe; }
int Spielregeln::Balkenhoehe() const { return balken; }
bool Spielregeln::Wiederholt() const { return wiederholung; }

const char* Spielregeln::Balkenbild(int stufe)
{
    if (stufe < 1)
        stufe = 1;
    if (stufe > HOECHSTE_STUFE)
        stufe = HOECHSTE_STUFE;
    return BALKENBILDER[stufe - 1];
}
