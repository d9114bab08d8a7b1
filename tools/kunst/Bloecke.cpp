#include "Bloecke.h"

#include "Ausgabe.h"
#include "Leinwand.h"
#include "Palette.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace
{
struct Sorte
{
    const char* name;
    Farbe farbe;
};

const Sorte SORTEN[] = {
    {"rot", Palette::ROT},   {"gruen", Palette::GRUEN}, {"blau", Palette::BLAU},
    {"lila", Palette::LILA}, {"braun", Palette::BRAUN}, {"gelb", Palette::GELB},
    {"grau", Palette::GRAU},
};

Farbe Flaeche(Farbe basis, int i, int j, int s)
{
    // Light falls from the top left: the face brightens a little towards it.
    const double t = (i + j) / (2.0 * (s - 1));
    return Mische(Heller(basis, 0.16), Dunkler(basis, 0.06), t);
}

// One pixel row of a rounded bar lit from the left.
Farbe Stabfarbe(Farbe basis, int x, int breite)
{
    const double t = (x + 0.5) / breite;
    const double n = 2 * t - 1;
    const double licht = 0.58 + 0.42 * std::sqrt(std::max(0.0, 1 - n * n));
    const double glanz = 0.55 * std::exp(-std::pow((t - 0.34) / 0.11, 2));
    return Heller(Dunkler(basis, 1 - licht), glanz);
}

// Where a piece would land: a frame of three pixels, one in from the cell's
// edge, and a faint face, in the kind's colour; around it the field's grid
// shows through. Nothing of the bevel, the rim or the full colour of a
// locked block.
Leinwand Schatten(Farbe basis, int s)
{
    Leinwand bild(s, s, Palette::SCHLUESSEL);
    bild.Rechteck(1, 1, s - 2, s - 2, Dunkler(basis, 0.25));
    bild.Rechteck(4, 4, s - 8, s - 8, Mische(Palette::WEISS, basis, 0.18));
    return bild;
}
}

namespace Bloecke
{
void Male(Leinwand& bild, int x, int y, int s, int kante, Farbe basis)
{
    const Farbe rand = Dunkler(basis, 0.5);
    for (int j = 0; j < s; ++j)
        for (int i = 0; i < s; ++i)
        {
            Farbe c;
            if (i == 0 || j == 0 || i == s - 1 || j == s - 1)
                c = rand;
            else
            {
                const int oben = j - 1, links = i - 1, unten = s - 2 - j, rechts = s - 2 - i;
                const int m = std::min({oben, links, unten, rechts});
                if (m >= kante - 1)
                    c = Flaeche(basis, i, j, s);
                else if (m == oben && oben <= rechts)
                    c = Heller(basis, 0.5);
                else if (m == links && links <= unten)
                    c = Heller(basis, 0.28);
                else if (m == unten)
                    c = Dunkler(basis, 0.34);
                else
                    c = Dunkler(basis, 0.2);
            }
            bild.Setze(x + i, y + j, c);
        }
}

void MaleVerbunden(Leinwand& bild, int x, int y, int s, int kante, Farbe basis, int nachbarn)
{
    const Farbe rand = Dunkler(basis, 0.5);
    const int gross = 1 << 20;
    for (int j = 0; j < s; ++j)
        for (int i = 0; i < s; ++i)
        {
            // Distances to the open edges only; a neighbour's side is far away.
            const int oben = (nachbarn & OBEN) ? gross : j;
            const int links = (nachbarn & LINKS) ? gross : i;
            const int unten = (nachbarn & UNTEN) ? gross : s - 1 - j;
            const int rechts = (nachbarn & RECHTS) ? gross : s - 1 - i;
            const int m = std::min({oben, links, unten, rechts});
            Farbe c;
            if (m == 0)
                c = rand;
            else if (m >= kante)
                c = Flaeche(basis, i, j, s);
            else if (m == oben && oben <= rechts)
                c = Heller(basis, 0.5);
            else if (m == links && links <= unten)
                c = Heller(basis, 0.28);
            else if (m == unten)
                c = Dunkler(basis, 0.34);
            else
                c = Dunkler(basis, 0.2);
            const bool naht = ((nachbarn & RECHTS) && i == s - 1) || ((nachbarn & UNTEN) && j == s - 1);
            if (naht && m >= kante)
                c = Dunkler(c, 0.1);
            bild.Setze(x + i, y + j, c);
        }
}

bool Mache(Ausgabe& aus)
{
    bool gut = true;
    for (const Sorte& s : SORTEN)
    {
        Leinwand block(32, 32, Palette::WEISS);
        Male(block, 0, 0, 32, 4, s.farbe);
        Beschreibung b;
        b.bildBreite = b.bildHoehe = 32;
        b.anzeigeBreite = b.anzeigeHoehe = 32;
        b.schluessel = false;
        gut = aus.Bild(std::string("bilder/block_") + s.name, block, b) && gut;
        Beschreibung sb = b;
        sb.schluessel = true;
        gut = aus.Bild(std::string("bilder/schatten_") + s.name, Schatten(s.farbe, 32), sb) && gut;

        // The game draws the bar taller, row 0 stretched to its height.
        Leinwand stab(16, 1, Palette::WEISS);
        for (int x = 0; x < 16; ++x)
            stab.Setze(x, 0, Stabfarbe(s.farbe, x, 16));
        Beschreibung z;
        z.bildBreite = 16;
        z.bildHoehe = 1;
        z.anzeigeBreite = 16;
        z.anzeigeHoehe = 1;
        z.schluessel = false;
        gut = aus.Bild(std::string("bilder/zeitlauf_") + s.name, stab, z) && gut;
    }
    return gut;
}
}
