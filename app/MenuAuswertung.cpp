#include "Bildschirme.h"

#include "Globale.h"

void MenuAuswertung()
{
    SetMenuNummer(MENU_HAUPT);
}
