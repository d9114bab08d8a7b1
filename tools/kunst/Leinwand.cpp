#include "Leinwand.h"

#include <algorithm>

Leinwand::Leinwand(int breite, int hoehe, Farbe grund)
    : breite(breite > 0 ? breite : 1), hoehe(hoehe > 0 ? hoehe : 1),
      pixel(static_cast<size_t>(this->breite) * this->hoehe, grund)
{
}

Farbe Leinwand::Hole(int x, int y) const
{
    if (x < 0 || y < 0 || x >= breite || y >= hoehe)
        return Farbe{0, 0, 0};
    return pixel[static_cast<size_t>(y) * breite + x];
}

void Leinwand::Setze(int x, int y, Farbe c)
{
    if (x < 0 || y < 0 || x >= breite || y >= hoehe)
        return;
    pixel[static_cast<size_t>(y) * breite + x] = c;
}

void Leinwand::Decke(int x, int y, Farbe c, double deckung)
{
    if (deckung <= 0)
        return;
    if (deckung >= 1)
    {
        Setze(x, y, c);
        return;
    }
    Setze(x, y, Mische(Hole(x, y), c, deckung));
}

void Leinwand::Rechteck(int x, int y, int w, int h, Farbe c)
{
    Male(x, y, w, h, [c](int, int) { return c; });
}

void Leinwand::Male(int x, int y, int w, int h, const Muster& muster)
{
    const int x0 = std::max(0, x), y0 = std::max(0, y);
    const int x1 = std::min(breite, x + w), y1 = std::min(hoehe, y + h);
    for (int yy = y0; yy < y1; ++yy)
        for (int xx = x0; xx < x1; ++xx)
            pixel[static_cast<size_t>(yy) * breite + xx] = muster(xx, yy);
}

void Leinwand::Form(int x, int y, int w, int h, const Abstand& form, Farbe c, bool glatt)
{
    Form(x, y, w, h, form, [c](int, int) { return c; }, glatt);
}

void Leinwand::Form(int x, int y, int w, int h, const Abstand& form, const Muster& muster,
                    bool glatt)
{
    const int x0 = std::max(0, x), y0 = std::max(0, y);
    const int x1 = std::min(breite, x + w), y1 = std::min(hoehe, y + h);
    for (int yy = y0; yy < y1; ++yy)
        for (int xx = x0; xx < x1; ++xx)
        {
            const double d = form(xx + 0.5, yy + 0.5);
            if (glatt)
                Decke(xx, yy, muster(xx, yy), std::clamp(0.5 - d, 0.0, 1.0));
            else if (d <= 0)
                Setze(xx, yy, muster(xx, yy));
        }
}

void Leinwand::Einsetzen(const Leinwand& quelle, int x, int y)
{
    for (int yy = 0; yy < quelle.Hoehe(); ++yy)
        for (int xx = 0; xx < quelle.Breite(); ++xx)
            Setze(x + xx, y + yy, quelle.Hole(xx, yy));
}

void Leinwand::Ersetze(Farbe von, Farbe zu)
{
    for (Farbe& p : pixel)
        if (p == von)
            p = zu;
}
