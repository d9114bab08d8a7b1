#include "Hintergruende.h"

#include "Ausgabe.h"
#include "Leinwand.h"
#include "Palette.h"

namespace Hintergruende
{
bool Mache(Ausgabe& aus)
{
    // Small square pictures, stretched to the window by their description.
    Beschreibung b;
    b.bildBreite = b.bildHoehe = 8;
    b.anzeigeBreite = 1024;
    b.anzeigeHoehe = 768;
    b.schluessel = false;
    const bool weiss = aus.Bild("bilder/eingabe/hintergruende/weiss", Leinwand(8, 8, Palette::WEISS), b);
    const bool schwarz =
        aus.Bild("bilder/eingabe/hintergruende/schwarz", Leinwand(8, 8, Farbe{0, 0, 0}), b);
    return weiss && schwarz;
}
}
