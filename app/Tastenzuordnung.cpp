#include "Tastenzuordnung.h"

Tastenzuordnung::Tastenzuordnung(short* drehen, short* pause, short* sturz)
    : ziel{drehen, pause, sturz}, schritt(GERAETEWAHL), aktiv(false), gedrueckt(false),
      warGedrueckt(false)
{
}

bool Tastenzuordnung::Geraetewahl(int steuerungen)
{
    if (schritt != GERAETEWAHL)
        return false;
    if (steuerungen >= 2)
        return true;
    schritt = DREHEN;
    return false;
}

void Tastenzuordnung::Einschalten()
{
    aktiv = true;
}

void Tastenzuordnung::Einzelbild(int gehalten)
{
    gedrueckt = false;
    if (aktiv && gehalten >= 0) {
        gedrueckt = true;
        if (schritt >= DREHEN && schritt <= STURZ) {
            *ziel[schritt - DREHEN] = static_cast<short>(gehalten);
        } else if (schritt == FERTIG) {
            schritt = GERAETEWAHL;
            aktiv = false;
        }
        if (!warGedrueckt)
            ++schritt;
    }
    warGedrueckt = gedrueckt;
}

int Tastenzuordnung::GetSchritt() const { return schritt; }
bool Tastenzuordnung::IstAktiv() const { return aktiv; }
bool Tastenzuordnung::WarGedrueckt() const { return warGedrueckt; }
