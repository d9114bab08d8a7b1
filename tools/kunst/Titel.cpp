#include "Titel.h"

#include "Ausgabe.h"
#include "Bloecke.h"
#include "Leinwand.h"
#include "Palette.h"

#include <cstring>

namespace
{
// Letters on a grid of 5 x 7 blocks.
struct Buchstabe
{
    char zeichen;
    const char* zeilen[7];
};

const Buchstabe BUCHSTABEN[] = {
    {'Q', {".###.", "#...#", "#...#", "#...#", "#.#.#", "#..#.", ".##.#"}},
    {'U', {"#...#", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
    {'A', {".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}},
    {'D', {"####.", "#...#", "#...#", "#...#", "#...#", "#...#", "####."}},
    {'E', {"#####", "#....", "#....", "####.", "#....", "#....", "#####"}},
    {'R', {"####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"}},
    {'F', {"#####", "#....", "#....", "####.", "#....", "#....", "#...."}},
    {'L', {"#....", "#....", "#....", "#....", "#....", "#....", "#####"}},
};

const char* const WORT = "QUADERFALL";
const Farbe FARBEN[] = {Palette::BLAU, Palette::ROT,  Palette::GELB, Palette::GRUEN, Palette::LILA,
                        Palette::BLAU, Palette::ROT, Palette::GELB, Palette::GRUEN, Palette::LILA};

const Buchstabe* Finde(char c)
{
    for (const Buchstabe& b : BUCHSTABEN)
        if (b.zeichen == c)
            return &b;
    return nullptr;
}

bool Voll(const Buchstabe* b, int r, int c)
{
    return r >= 0 && r < 7 && c >= 0 && c < 5 && b->zeilen[r][c] == '#';
}

template <typename Zelle>
void JedeZelle(int x, int y, int zelle, Zelle tue)
{
    for (int i = 0; WORT[i]; ++i)
    {
        const Buchstabe* b = Finde(WORT[i]);
        const int bx = x + i * 6 * zelle;
        for (int r = 0; b && r < 7; ++r)
            for (int c = 0; c < 5; ++c)
                if (Voll(b, r, c))
                {
                    const int nachbarn = (Voll(b, r - 1, c) ? Bloecke::OBEN : 0) |
                                         (Voll(b, r, c - 1) ? Bloecke::LINKS : 0) |
                                         (Voll(b, r + 1, c) ? Bloecke::UNTEN : 0) |
                                         (Voll(b, r, c + 1) ? Bloecke::RECHTS : 0);
                    tue(bx + c * zelle, y + r * zelle, FARBEN[i], nachbarn);
                }
    }
}
}

namespace Titel
{
void Wort(Leinwand& bild, int x, int y, int zelle)
{
    // A flat shadow first, down and to the right, then the blocks over it.
    const int versatz = zelle / 2;
    const Farbe schatten{205, 212, 226};
    JedeZelle(x, y, zelle, [&](int zx, int zy, Farbe, int) {
        bild.Rechteck(zx + versatz, zy + versatz, zelle, zelle, schatten);
    });
    JedeZelle(x, y, zelle, [&](int zx, int zy, Farbe f, int nachbarn) {
        Bloecke::MaleVerbunden(bild, zx, zy, zelle, zelle / 4, f, nachbarn);
    });
}

bool Mache(Ausgabe& aus)
{
    // 1024 x 256, drawn at (0, 32) in the menus; everything visible lies in
    // the top 200 rows, the rest is key colour.
    constexpr int ZELLE = 16;
    const int breite = (static_cast<int>(std::strlen(WORT)) * 6 - 1) * ZELLE;
    Leinwand bild(1024, 256, Palette::SCHLUESSEL);
    Wort(bild, (1024 - breite) / 2 / 4 * 4, 24, ZELLE);
    Beschreibung b;
    b.bildBreite = 1024;
    b.bildHoehe = 256;
    b.anzeigeBreite = 1024;
    b.anzeigeHoehe = 256;
    return aus.Bild("bilder/titel", bild, b);
}
}
