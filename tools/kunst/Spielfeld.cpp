#include "Spielfeld.h"

#include "Ausgabe.h"
#include "Formen.h"
#include "Karte.h"
#include "Leinwand.h"
#include "Palette.h"

namespace
{
// Where the game screen draws its parts.
constexpr int FELD_X = 340, FELD_Y = 100, ZELLE = 32, SPALTEN = 10, ZEILEN = 20;
constexpr int VORSCHAU_X = 796, VORSCHAU_Y = 100;  // the next piece's 4 x 4 box
constexpr int LAUF_X = 667, LAUF_UNTEN = 754, LAUF_B = 16, LAUF_H = 635;

// Faint block outlines in the free corners of the background.
struct Schatten
{
    int spalte, zeile;
};

const Schatten STAPEL[] = {
    // bottom left, under the buttons
    {0, 21}, {1, 21}, {2, 21}, {0, 22}, {1, 22}, {2, 22}, {3, 22}, {4, 22}, {5, 22}, {7, 22},
    {0, 20}, {4, 21}, {5, 21}, {6, 21}, {7, 21}, {8, 22}, {6, 22}, {1, 20}, {1, 19}, {5, 20},
    // bottom right, under the counts
    {23, 22}, {24, 22}, {25, 22}, {26, 22}, {27, 22}, {28, 22}, {30, 22}, {31, 22}, {24, 21},
    {25, 21}, {28, 21}, {29, 21}, {30, 21}, {31, 21}, {29, 20}, {30, 20}, {31, 19}, {31, 20},
    {23, 21}, {26, 21},
};

Farbe Grund(int, int y)
{
    return Mische(Palette::NACHT, Palette::NACHT_TIEF, y < 768 ? y / 767.0 : 1.0);
}

void Hintergrund(Leinwand& bild)
{
    bild.Male(0, 0, 1024, 1024, Grund);
    for (const Schatten& s : STAPEL)
    {
        const int x = s.spalte * ZELLE, y = s.zeile * ZELLE + 32;
        bild.Male(x + 1, y + 1, ZELLE - 2, ZELLE - 2,
                  [&](int px, int py) { return Heller(Grund(px, py), 0.05); });
        bild.Male(x + 3, y + 3, ZELLE - 6, ZELLE - 6,
                  [&](int px, int py) { return Heller(Grund(px, py), 0.025); });
    }
}

void Feld(Leinwand& bild)
{
    const int x1 = FELD_X + SPALTEN * ZELLE, y1 = FELD_Y + ZEILEN * ZELLE;
    bild.Form(FELD_X - 6, FELD_Y - 6, x1 - FELD_X + 12, y1 - FELD_Y + 12,
              Formen::RundRechteck(FELD_X - 4, FELD_Y - 4, x1 + 4, y1 + 4, 4), Palette::TINTE, true);
    bild.Male(FELD_X, FELD_Y, x1 - FELD_X, y1 - FELD_Y, [](int x, int y) {
        // A light well with a faint grid: the first row and column of each cell.
        const bool linie = ((x - FELD_X) % ZELLE == 0 && x > FELD_X) ||
                           ((y - FELD_Y) % ZELLE == 0 && y > FELD_Y);
        return linie ? Palette::NEBEL : Palette::PAPIER;
    });
}

void Zeitlauf(Leinwand& bild)
{
    // The groove the time bar grows in, from its bottom up to its full height.
    const int x0 = LAUF_X - 2, x1 = LAUF_X + LAUF_B + 2;
    const int y0 = LAUF_UNTEN - LAUF_H - 3, y1 = LAUF_UNTEN + 3;
    const auto rinne = Formen::RundRechteck(x0, y0, x1, y1, 5);
    bild.Form(x0 - 1, y0 - 1, x1 - x0 + 2, y1 - y0 + 2, rinne, Palette::STAHL, true);
    bild.Form(x0, y0, x1 - x0, y1 - y0, Formen::Versetzt(rinne, -1), Farbe{214, 220, 231}, true);
    // Level marks every 127 rows, a fifth of the way each.
    for (int k = 1; k < 5; ++k)
        bild.Rechteck(x1 + 2, LAUF_UNTEN - k * LAUF_H / 5, 4, 1, Palette::STAHL);
}

void Vorschau(Leinwand& bild)
{
    const int x0 = VORSCHAU_X - 16, y0 = VORSCHAU_Y - 2;
    const int x1 = VORSCHAU_X + 4 * ZELLE + 16, y1 = VORSCHAU_Y + 4 * ZELLE + 8;
    bild.Form(x0 - 1, y0 - 1, x1 - x0 + 2, y1 - y0 + 2, Formen::RundRechteck(x0, y0, x1, y1, 6),
              Palette::TINTE, true);
    bild.Form(x0, y0, x1 - x0, y1 - y0, Formen::RundRechteck(x0 + 2, y0 + 2, x1 - 2, y1 - 2, 4),
              Palette::PAPIER, true);
}

// Seven small blocks in the palette's colours: the card's accent.
void Farbleiste(Leinwand& bild, int x, int y)
{
    const Farbe farben[] = {Palette::ROT,   Palette::GELB,  Palette::GRUEN, Palette::BLAU,
                            Palette::LILA,  Palette::BRAUN, Palette::GRAU};
    for (int i = 0; i < 7; ++i)
        bild.Form(x + i * 12, y, 10, 4, Formen::RundRechteck(x + i * 12, y, x + i * 12 + 10, y + 4, 2),
                  farben[i], true);
}
}

namespace Spielfeld
{
bool Mache(Ausgabe& aus)
{
    // 1024 x 1024, square and uploaded as it is; the bottom 256 rows lie
    // below the window.
    Leinwand bild(1024, 1024, Palette::NACHT_TIEF);
    Hintergrund(bild);

    // Top left: frame rate, the small title and the pause hint.
    Karte::Male(bild, -20, -20, 286, 130, 12, Palette::WEISS);
    // The field with the level above it and the time bar beside it; the
    // "game over" text at x 300 stays on the panel.
    Karte::Male(bild, 292, 60, 706, 800, 12, Palette::WEISS);
    Feld(bild);
    Zeitlauf(bild);
    // Right: the next piece and the dissolved rows.
    Karte::Male(bild, 736, 60, 1008, 330, 12, Palette::WEISS);
    Vorschau(bild);
    bild.Rechteck(752, 242, 240, 1, Palette::NEBEL);
    Farbleiste(bild, 912, 314);
    // Bottom right: the clock.
    Karte::Male(bild, 918, 730, 1044, 800, 10, Palette::WEISS);
    bild.Rechteck(0, 768, 1024, 256, Palette::NACHT_TIEF);

    Beschreibung b;
    b.bildBreite = b.bildHoehe = 1024;
    b.anzeigeBreite = b.anzeigeHoehe = 1024;
    b.schluessel = false;
    return aus.Bild("bilder/spielfeld", bild, b);
}
}
