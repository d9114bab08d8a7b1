#include "Bildschirme.h"

#include "Globale.h"

void MenuBestenliste()
{
    SetMenuNummer(MENU_HAUPT);
}
