#include "Pokal.h"

#include "Ausgabe.h"
#include "Formen.h"
#include "Leinwand.h"
#include "Palette.h"

#include <cmath>
#include <vector>

namespace
{
const Farbe GOLD{232, 172, 38};
const Farbe GOLD_HELL{255, 230, 140};
const Farbe GOLD_DUNKEL{150, 96, 16};

// Polished metal, lit from the upper left: bright band left of the middle.
Farbe Metall(double x, double links, double rechts)
{
    const double t = (x - links) / (rechts - links);
    const double glanz = std::exp(-std::pow((t - 0.32) / 0.12, 2));
    const double schatten = std::pow(std::fabs(t - 0.4) / 0.6, 2);
    return Heller(Mische(GOLD, GOLD_DUNKEL, schatten), 0.75 * glanz);
}

Leinwand::Muster Goldmuster(double links, double rechts)
{
    return [=](int x, int) { return Metall(x + 0.5, links, rechts); };
}

std::vector<Formen::Punkt> Stern(double cx, double cy, double r)
{
    std::vector<Formen::Punkt> ecken;
    for (int i = 0; i < 10; ++i)
    {
        const double w = -3.14159265358979323846 / 2 + i * 3.14159265358979323846 / 5;
        const double ri = i % 2 == 0 ? r : r * 0.42;
        ecken.emplace_back(cx + ri * std::cos(w), cy + ri * std::sin(w));
    }
    return ecken;
}

bool Trophaee(Ausgabe& aus)
{
    Leinwand bild(128, 256, Palette::WEISS);
    // Handles behind the bowl.
    bild.Form(0, 30, 128, 90, Formen::Ring(Formen::Ellipse(26, 68, 18, 24), 7), Goldmuster(4, 40), true);
    bild.Form(0, 30, 128, 90, Formen::Ring(Formen::Ellipse(102, 68, 18, 24), 7), Goldmuster(88, 124), true);
    // Bowl: the lower half of an ellipse under the rim.
    const auto schale = Formen::Ohne(Formen::Ellipse(64, 40, 42, 82),
                                     Formen::RundRechteck(0, -100, 128, 40, 0));
    bild.Form(0, 30, 128, 100, schale, Goldmuster(22, 106), true);
    bild.Form(0, 28, 128, 20, Formen::RundRechteck(18, 32, 110, 44, 5), Goldmuster(18, 110), true);
    bild.Form(0, 28, 128, 20, Formen::RundRechteck(24, 35, 104, 40, 2), GOLD_DUNKEL, true);
    bild.Form(30, 50, 70, 60, Formen::Vieleck(Stern(64, 76, 20)), Heller(GOLD_HELL, 0.4), true);
    // Stem, knot and foot.
    bild.Form(40, 118, 50, 50, Formen::Vieleck({{58, 118}, {70, 118}, {74, 158}, {54, 158}}),
              Goldmuster(52, 76), true);
    bild.Form(40, 140, 50, 30, Formen::Ellipse(64, 146, 14, 6), Goldmuster(50, 78), true);
    bild.Form(20, 150, 90, 30, Formen::RundRechteck(38, 158, 90, 172, 4), Goldmuster(38, 90), true);
    // Plinth in ink with a golden plate.
    bild.Form(20, 168, 90, 44, Formen::RundRechteck(28, 172, 100, 206, 5), Palette::TINTE, true);
    bild.Form(20, 168, 90, 44, Formen::RundRechteck(30, 174, 98, 178, 2), Palette::TINTE_HELL, true);
    bild.Form(40, 180, 50, 20, Formen::RundRechteck(44, 184, 84, 196, 2), Goldmuster(44, 84), true);
    bild.Ersetze(Palette::WEISS, Palette::SCHLUESSEL);

    Beschreibung b;
    b.bildBreite = 128;
    b.bildHoehe = 256;
    b.anzeigeBreite = 128;
    b.anzeigeHoehe = 256;
    return aus.Bild("bilder/pokal", bild, b);
}

bool Steuergeraet(Ausgabe& aus)
{
    Leinwand bild(128, 128, Palette::WEISS);
    const Farbe koerper = Palette::TINTE_HELL;
    const auto rumpf = Formen::Vereinigt(
        Formen::RundRechteck(12, 58, 116, 94, 18),
        Formen::Vereinigt(Formen::Ellipse(30, 94, 17, 20), Formen::Ellipse(98, 94, 17, 20)));
    bild.Form(0, 50, 128, 70, rumpf, [&](int, int y) {
        return Mische(Heller(koerper, 0.25), Dunkler(koerper, 0.25), (y - 58) / 56.0);
    }, true);
    // Cross on the left, four coloured buttons on the right, two small keys.
    const Farbe kreuz{214, 220, 232};
    bild.Form(16, 60, 36, 36, Formen::RundRechteck(27, 71, 43, 77, 1.5), kreuz, true);
    bild.Form(16, 60, 36, 36, Formen::RundRechteck(32, 66, 38, 82, 1.5), kreuz, true);
    const struct { double x, y; Farbe f; } knoepfe[] = {
        {96, 66, Palette::GELB}, {106, 75, Palette::ROT}, {86, 75, Palette::BLAU}, {96, 84, Palette::GRUEN}};
    for (const auto& k : knoepfe)
        bild.Form(76, 56, 40, 40, Formen::Kreis(k.x, k.y, 5), k.f, true);
    bild.Form(50, 66, 30, 10, Formen::RundRechteck(54, 70, 62, 73, 1.5), kreuz, true);
    bild.Form(50, 66, 30, 10, Formen::RundRechteck(66, 70, 74, 73, 1.5), kreuz, true);
    // Not found: a red badge with a bar across it.
    bild.Form(86, 24, 42, 42, Formen::Kreis(106, 46, 15), Palette::WEISS, true);
    bild.Form(86, 24, 42, 42, Formen::Kreis(106, 46, 13), Palette::ROT, true);
    bild.Form(86, 24, 42, 42, Formen::RundRechteck(98, 44, 114, 48, 1.5), Palette::WEISS, true);
    bild.Ersetze(Palette::WEISS, Palette::SCHLUESSEL);

    Beschreibung b;
    b.bildBreite = b.bildHoehe = 128;
    b.anzeigeBreite = b.anzeigeHoehe = 128;
    return aus.Bild("bilder/geraet", bild, b);
}
}

namespace Pokal
{
bool Mache(Ausgabe& aus)
{
    const bool pokal = Trophaee(aus);
    const bool geraet = Steuergeraet(aus);
    return pokal && geraet;
}
}
