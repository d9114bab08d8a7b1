#include "Bildschirme.h"

#include "Globale.h"

void MenuHilfe()
{
    SetMenuNummer(MENU_HAUPT);
}
