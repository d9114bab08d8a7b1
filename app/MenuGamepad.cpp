#include "Bildschirme.h"

#include "Globale.h"

void MenuGamepad()
{
    SetMenuNummer(MENU_HAUPT);
}
