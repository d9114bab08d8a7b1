#include "Bildschirme.h"

#include "Globale.h"

void MenuSpiel()
{
    SetMenuNummer(MENU_HAUPT);
}
