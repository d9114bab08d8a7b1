#include "Mauszeiger.h"

#include "Ausgabe.h"
#include "Formen.h"
#include "Leinwand.h"
#include "Palette.h"

#include <vector>

namespace
{
constexpr int S = 64;          // frame side
constexpr double M = S / 2.0;  // the pointer's tip

using Ecken = std::vector<Formen::Punkt>;

// Ink with a white outline: readable on the white menus and the dark game.
void Pfeil(Leinwand& bild, int bildnummer, const Ecken& ecken)
{
    const int x = bildnummer * S;
    Ecken verschoben;
    for (const auto& [ex, ey] : ecken)
        verschoben.emplace_back(ex + x, ey);
    const auto form = Formen::Vieleck(verschoben);
    bild.Form(x, 0, S, S, Formen::Versetzt(form, 1.6), Palette::WEISS, false);
    bild.Form(x, 0, S, S, form, Palette::TINTE, false);
}

Ecken Zeiger()
{
    return {{M, M},
            {M, M + 21},
            {M + 5, M + 16.5},
            {M + 8.5, M + 24},
            {M + 12, M + 22.5},
            {M + 8.5, M + 15},
            {M + 15, M + 15}};
}

// A broad arrow pointing up with its tip at the centre; turned for the edges.
Ecken Randpfeil(double winkel)
{
    const Ecken hoch = {{M, M + 1},      {M + 10, M + 11}, {M + 4, M + 11}, {M + 4, M + 21},
                        {M - 4, M + 21}, {M - 4, M + 11},  {M - 10, M + 11}};
    return Formen::Gedreht(hoch, M, M, winkel);
}

bool Zeigerbild(Ausgabe& aus)
{
    // Frames: 1 pointer; edges 2 top, 3 bottom, 4 right, 5 left; corners
    // 6 top left, 7 top right, 8 bottom left, 9 bottom right. The arrows point
    // out of the window and lie in the part of the frame that stays inside.
    const double winkel[] = {0, 180, 90, 270, 315, 45, 225, 135};
    Leinwand streifen(9 * S, S, Palette::SCHLUESSEL);
    Pfeil(streifen, 0, Zeiger());
    for (int i = 0; i < 8; ++i)
        Pfeil(streifen, i + 1, Randpfeil(winkel[i]));
    Beschreibung b;
    b.bildBreite = b.bildHoehe = S;
    b.anzeigeBreite = b.anzeigeHoehe = S;
    b.bilder = 9;
    b.pausiert = true;  // the cursor chooses its frame itself
    return aus.Bild("bilder/eingabe/mauszeiger/zeiger_001", streifen, b);
}

// Outline of n x n tiles of 32 pixels in a square power-of-two frame.
bool Markierung(Ausgabe& aus, const char* name, int n)
{
    const int seite = 32 * n;
    int rahmen = 32;
    while (rahmen < seite)
        rahmen *= 2;
    Leinwand bild(rahmen, rahmen, Palette::SCHLUESSEL);
    const auto aussen = Formen::RundRechteck(0, 0, seite, seite, 3);
    bild.Form(0, 0, seite, seite, Formen::Ring(aussen, 3), Palette::GELB, false);
    bild.Form(0, 0, seite, seite, Formen::Ring(Formen::Versetzt(aussen, -3), 1), Palette::TINTE, false);
    for (int k = 1; k < n; ++k)
        for (int t = 4; t < seite - 4; ++t)
            if ((t / 4) % 2 == 0)
            {
                bild.Setze(32 * k, t, Palette::GELB);
                bild.Setze(t, 32 * k, Palette::GELB);
            }
    Beschreibung b;
    b.bildBreite = b.bildHoehe = rahmen;
    b.anzeigeBreite = b.anzeigeHoehe = rahmen;
    return aus.Bild(std::string("bilder/eingabe/mauszeiger/") + name, bild, b);
}

bool Kreuz(Ausgabe& aus)
{
    Leinwand bild(32, 32, Palette::SCHLUESSEL);
    const auto balken1 = Formen::Vieleck({{5, 8}, {8, 5}, {27, 24}, {24, 27}});
    const auto balken2 = Formen::Vieleck({{24, 5}, {27, 8}, {8, 27}, {5, 24}});
    const auto kreuz = Formen::Vereinigt(balken1, balken2);
    bild.Form(0, 0, 32, 32, Formen::Versetzt(kreuz, 1.2), Palette::TINTE, false);
    bild.Form(0, 0, 32, 32, kreuz, Palette::ROT, false);
    Beschreibung b;
    b.bildBreite = b.bildHoehe = 32;
    b.anzeigeBreite = b.anzeigeHoehe = 32;
    return aus.Bild("bilder/eingabe/mauszeiger/feldmarkierungx", bild, b);
}
}

namespace Mauszeiger
{
bool Mache(Ausgabe& aus)
{
    bool gut = Zeigerbild(aus);
    gut = Markierung(aus, "feldmarkierung1", 1) && gut;
    gut = Markierung(aus, "feldmarkierung4", 2) && gut;
    gut = Markierung(aus, "feldmarkierung9", 3) && gut;
    gut = Kreuz(aus) && gut;
    return gut;
}
}
