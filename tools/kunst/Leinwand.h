#pragma once

#include "Farbe.h"

#include <functional>
#include <vector>

// A picture in memory: rows from the top, opaque RGB pixels.
// Shapes are given as signed distance functions of the pixel centre
// (negative inside, in pixels); "glatt" blends the one-pixel edge, otherwise
// a pixel belongs to the shape when its centre lies inside (hard edges, as
// keyed pictures need them).
class Leinwand
{
public:
    using Abstand = std::function<double(double x, double y)>;
    using Muster = std::function<Farbe(int x, int y)>;

    Leinwand(int breite, int hoehe, Farbe grund);

    int Breite() const { return breite; }
    int Hoehe() const { return hoehe; }

    Farbe Hole(int x, int y) const;
    void Setze(int x, int y, Farbe c);
    // Lays c over the pixel with the given coverage 0..1.
    void Decke(int x, int y, Farbe c, double deckung);

    void Rechteck(int x, int y, int w, int h, Farbe c);
    // Fills every pixel of the rectangle with the colour the pattern gives.
    void Male(int x, int y, int w, int h, const Muster& muster);
    // Fills the shape within the box (x, y, w, h).
    void Form(int x, int y, int w, int h, const Abstand& form, Farbe c, bool glatt);
    // As Form, the colour taken from the pattern.
    void Form(int x, int y, int w, int h, const Abstand& form, const Muster& muster, bool glatt);
    void Einsetzen(const Leinwand& quelle, int x, int y);
    // Turns every pixel of exactly colour von into colour zu.
    void Ersetze(Farbe von, Farbe zu);

    const std::vector<Farbe>& Pixel() const { return pixel; }

private:
    int breite;
    int hoehe;
    std::vector<Farbe> pixel;
};
