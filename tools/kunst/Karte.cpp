#include "Karte.h"

#include "Formen.h"
#include "Leinwand.h"

#include <algorithm>

namespace Karte
{
void Male(Leinwand& bild, int x0, int y0, int x1, int y1, double radius, Farbe grund)
{
    const int weich = 12, tiefer = 5;
    const auto form = Formen::RundRechteck(x0, y0, x1, y1, radius);
    for (int y = y0 - weich; y < y1 + weich + tiefer; ++y)
        for (int x = x0 - weich; x < x1 + weich; ++x)
        {
            const double d = form(x + 0.5, y + 0.5 - tiefer);
            if (d > 0 && d < weich)
            {
                const double t = 1 - d / weich;
                bild.Decke(x, y, Farbe{6, 10, 24}, 0.5 * t * t);
            }
        }
    bild.Form(x0 - 1, y0 - 1, x1 - x0 + 2, y1 - y0 + 2, form, grund, true);
}
}
