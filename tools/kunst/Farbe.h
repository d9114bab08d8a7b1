#pragma once

#include <cstdint>

// One opaque colour of the generator's pictures, 8 bits a channel.
struct Farbe
{
    std::uint8_t r, g, b;
};

inline bool operator==(Farbe a, Farbe b)
{
    return a.r == b.r && a.g == b.g && a.b == b.b;
}

inline bool operator!=(Farbe a, Farbe b)
{
    return !(a == b);
}

// t = 0 gives a, t = 1 gives b; t is clamped to 0..1.
Farbe Mische(Farbe a, Farbe b, double t);
Farbe Heller(Farbe c, double t);
Farbe Dunkler(Farbe c, double t);
