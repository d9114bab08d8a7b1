#include "PngDatei.h"

#include "Leinwand.h"

#include <zlib.h>

#include <cstdio>
#include <cstdlib>

namespace
{
using Bytes = std::vector<std::uint8_t>;

constexpr int KANAELE = 4;

void Gross32(Bytes& aus, std::uint32_t v)
{
    for (int i = 3; i >= 0; --i)
        aus.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

// A chunk: length, type, data, and the CRC over type and data.
void Abschnitt(Bytes& aus, const char typ[5], const Bytes& daten)
{
    Gross32(aus, static_cast<std::uint32_t>(daten.size()));
    const size_t anfang = aus.size();
    aus.insert(aus.end(), typ, typ + 4);
    aus.insert(aus.end(), daten.begin(), daten.end());
    const uLong crc = crc32(0L, aus.data() + anfang, static_cast<uInt>(aus.size() - anfang));
    Gross32(aus, static_cast<std::uint32_t>(crc));
}

int Paeth(int a, int b, int c)
{
    const int p = a + b - c;
    const int pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
    if (pa <= pb && pa <= pc)
        return a;
    return pb <= pc ? b : c;
}

// Row y filtered with filter type art (0 none, 1 sub, 2 up, 3 average, 4 Paeth).
Bytes Gefiltert(const Bytes& roh, size_t zeile, int y, int art)
{
    const std::uint8_t* jetzt = roh.data() + static_cast<size_t>(y) * zeile;
    const std::uint8_t* vorher = y > 0 ? jetzt - zeile : nullptr;
    Bytes aus(zeile);
    for (size_t i = 0; i < zeile; ++i)
    {
        const int a = i >= KANAELE ? jetzt[i - KANAELE] : 0;
        const int b = vorher ? vorher[i] : 0;
        const int c = (vorher && i >= KANAELE) ? vorher[i - KANAELE] : 0;
        int vorhersage = 0;
        switch (art)
        {
        case 1: vorhersage = a; break;
        case 2: vorhersage = b; break;
        case 3: vorhersage = (a + b) / 2; break;
        case 4: vorhersage = Paeth(a, b, c); break;
        default: break;
        }
        aus[i] = static_cast<std::uint8_t>(jetzt[i] - vorhersage);
    }
    return aus;
}

long Kosten(const Bytes& zeile)
{
    long summe = 0;
    for (std::uint8_t b : zeile)
        summe += std::abs(static_cast<int>(static_cast<std::int8_t>(b)));
    return summe;
}

// The filtered image data: each row preceded by its filter type.
Bytes Gefiltert(const Bytes& roh, size_t zeile, int hoehe)
{
    Bytes aus;
    aus.reserve((zeile + 1) * static_cast<size_t>(hoehe));
    for (int y = 0; y < hoehe; ++y)
    {
        int beste = 0;
        Bytes besteZeile = Gefiltert(roh, zeile, y, 0);
        long besteKosten = Kosten(besteZeile);
        for (int art = 1; art <= 4; ++art)
        {
            Bytes kandidat = Gefiltert(roh, zeile, y, art);
            const long k = Kosten(kandidat);
            if (k < besteKosten)
            {
                beste = art;
                besteKosten = k;
                besteZeile.swap(kandidat);
            }
        }
        aus.push_back(static_cast<std::uint8_t>(beste));
        aus.insert(aus.end(), besteZeile.begin(), besteZeile.end());
    }
    return aus;
}

bool Gepackt(const Bytes& daten, Bytes& aus)
{
    uLongf laenge = compressBound(static_cast<uLong>(daten.size()));
    aus.resize(laenge);
    if (compress2(aus.data(), &laenge, daten.data(), static_cast<uLong>(daten.size()),
                  Z_BEST_COMPRESSION) != Z_OK)
        return false;
    aus.resize(laenge);
    return true;
}
}

namespace PngDatei
{
bool Schreibe(const std::string& pfad, const Leinwand& bild, const std::vector<std::uint8_t>& deckung)
{
    const int w = bild.Breite(), h = bild.Hoehe();
    if (deckung.size() != static_cast<size_t>(w) * h)
        return false;

    const size_t zeile = static_cast<size_t>(w) * KANAELE;
    Bytes roh;
    roh.reserve(zeile * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
        {
            const Farbe c = bild.Hole(x, y);
            roh.insert(roh.end(), {c.r, c.g, c.b, deckung[static_cast<size_t>(y) * w + x]});
        }
    Bytes idat;
    if (!Gepackt(Gefiltert(roh, zeile, h), idat))
        return false;

    Bytes ihdr;
    Gross32(ihdr, static_cast<std::uint32_t>(w));
    Gross32(ihdr, static_cast<std::uint32_t>(h));
    ihdr.insert(ihdr.end(), {8, 6, 0, 0, 0});  // depth, RGBA, deflate, adaptive filters, no interlace

    Bytes aus = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    Abschnitt(aus, "IHDR", ihdr);
    Abschnitt(aus, "IDAT", idat);
    Abschnitt(aus, "IEND", {});

    std::FILE* f = std::fopen(pfad.c_str(), "wb");
    if (!f)
        return false;
    const bool gut = std::fwrite(aus.data(), 1, aus.size(), f) == aus.size();
    return std::fclose(f) == 0 && gut;
}
}
