#include "Farbe.h"

#include <cmath>

namespace
{
std::uint8_t Kanal(double a, double b, double t)
{
    const double v = a + (b - a) * t;
    return static_cast<std::uint8_t>(std::lround(v < 0 ? 0 : (v > 255 ? 255 : v)));
}
}

Farbe Mische(Farbe a, Farbe b, double t)
{
    if (t < 0)
        t = 0;
    if (t > 1)
        t = 1;
    return Farbe{Kanal(a.r, b.r, t), Kanal(a.g, b.g, t), Kanal(a.b, b.b, t)};
}

Farbe Heller(Farbe c, double t)
{
    return Mische(c, Farbe{255, 255, 255}, t);
}

Farbe Dunkler(Farbe c, double t)
{
    return Mische(c, Farbe{0, 0, 0}, t);
}
