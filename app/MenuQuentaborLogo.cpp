#include "Bildschirme.h"

#include "Globale.h"

void MenuQuentaborLogo()
{
    SetMenuNummer(MENU_HAUPT);
}
