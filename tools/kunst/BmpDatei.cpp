#include "BmpDatei.h"

#include "Leinwand.h"

#include <cstdint>
#include <cstdio>
#include <vector>

namespace
{
void Wort(std::vector<std::uint8_t>& aus, std::uint32_t v, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        aus.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}
}

namespace BmpDatei
{
bool Schreibe(const std::string& pfad, const Leinwand& bild)
{
    const std::uint32_t w = static_cast<std::uint32_t>(bild.Breite());
    const std::uint32_t h = static_cast<std::uint32_t>(bild.Hoehe());
    const std::uint32_t zeile = (w * 3 + 3) / 4 * 4;
    const std::uint32_t daten = zeile * h;
    const std::uint32_t kopf = 14 + 40;

    std::vector<std::uint8_t> aus;
    aus.reserve(kopf + daten);
    aus.push_back('B');
    aus.push_back('M');
    Wort(aus, kopf + daten, 4);
    Wort(aus, 0, 4);
    Wort(aus, kopf, 4);
    Wort(aus, 40, 4);
    Wort(aus, w, 4);
    Wort(aus, h, 4);
    Wort(aus, 1, 2);
    Wort(aus, 24, 2);
    Wort(aus, 0, 4);  // BI_RGB
    Wort(aus, daten, 4);
    Wort(aus, 2835, 4);  // 72 dpi
    Wort(aus, 2835, 4);
    Wort(aus, 0, 4);
    Wort(aus, 0, 4);
    for (std::uint32_t y = h; y-- > 0;)
    {
        for (std::uint32_t x = 0; x < w; ++x)
        {
            const Farbe c = bild.Hole(static_cast<int>(x), static_cast<int>(y));
            aus.push_back(c.b);
            aus.push_back(c.g);
            aus.push_back(c.r);
        }
        for (std::uint32_t p = w * 3; p < zeile; ++p)
            aus.push_back(0);
    }

    std::FILE* f = std::fopen(pfad.c_str(), "wb");
    if (!f)
        return false;
    const bool gut = std::fwrite(aus.data(), 1, aus.size(), f) == aus.size();
    return std::fclose(f) == 0 && gut;
}
}
