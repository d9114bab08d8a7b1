#include "Bildschirme.h"

#include "Globale.h"

void MenuUeber()
{
    SetMenuNummer(MENU_HAUPT);
}
