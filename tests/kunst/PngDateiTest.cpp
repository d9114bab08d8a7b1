// The PNG writer of the icon, read back with libpng as an independent
// decoder: every pixel and alpha value must come back exactly, whichever row
// filters the writer picked.
#include "Leinwand.h"
#include "PngDatei.h"

#include <gtest/gtest.h>
#include <png.h>
#include <zlib.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace
{
struct Bild
{
    Leinwand farben{1, 1, Farbe{0, 0, 0}};
    std::vector<std::uint8_t> deckung;
};

struct Gelesen
{
    bool gut = false;
    int breite = 0, hoehe = 0;
    std::vector<std::uint8_t> rgba;
};

Gelesen LiesMitLibpng(const std::string& pfad)
{
    Gelesen g;
    png_image bild{};
    bild.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&bild, pfad.c_str()))
        return g;
    bild.format = PNG_FORMAT_RGBA;
    g.rgba.resize(PNG_IMAGE_SIZE(bild));
    g.gut = png_image_finish_read(&bild, nullptr, g.rgba.data(), 0, nullptr) != 0;
    g.breite = static_cast<int>(bild.width);
    g.hoehe = static_cast<int>(bild.height);
    png_image_free(&bild);
    return g;
}

// The filter byte of every row, from the inflated IDAT data (one IDAT chunk).
std::set<int> Filterarten(const std::string& pfad, int breite, int hoehe)
{
    std::ifstream f(pfad, std::ios::binary);
    const std::string datei((std::istreambuf_iterator<char>(f)), {});
    const size_t stelle = datei.find("IDAT");
    if (stelle == std::string::npos || stelle < 4)
        return {};
    const auto* b = reinterpret_cast<const unsigned char*>(datei.data()) + stelle - 4;
    const uLong laenge = (uLong(b[0]) << 24) | (uLong(b[1]) << 16) | (uLong(b[2]) << 8) | b[3];
    const size_t zeile = static_cast<size_t>(breite) * 4 + 1;
    std::vector<unsigned char> roh(zeile * hoehe);
    uLongf rohLaenge = roh.size();
    if (uncompress(roh.data(), &rohLaenge, b + 8, laenge) != Z_OK || rohLaenge != roh.size())
        return {};
    std::set<int> arten;
    for (int y = 0; y < hoehe; ++y)
        arten.insert(roh[y * zeile]);
    return arten;
}

void PruefeGleich(const Bild& bild, const Gelesen& g)
{
    ASSERT_TRUE(g.gut);
    ASSERT_EQ(bild.farben.Breite(), g.breite);
    ASSERT_EQ(bild.farben.Hoehe(), g.hoehe);
    int falsch = 0;
    for (int y = 0; y < g.hoehe; ++y)
        for (int x = 0; x < g.breite; ++x)
        {
            const Farbe c = bild.farben.Hole(x, y);
            const size_t i = static_cast<size_t>(y) * g.breite + x;
            const std::uint8_t* p = &g.rgba[i * 4];
            if (p[0] != c.r || p[1] != c.g || p[2] != c.b || p[3] != bild.deckung[i])
            {
                if (falsch++ < 5)
                    ADD_FAILURE() << "Pixel (" << x << ", " << y << ") gelesen " << int(p[0]) << ","
                                  << int(p[1]) << "," << int(p[2]) << "," << int(p[3]);
            }
        }
    EXPECT_EQ(0, falsch);
}

// Rows of four kinds, so that each row filter is the best for some rows:
// noise, a ramp along x, each row a copy of the one above, a smooth field.
Bild Gemischt(int breite, int hoehe)
{
    Bild b;
    b.farben = Leinwand(breite, hoehe, Farbe{0, 0, 0});
    b.deckung.resize(static_cast<size_t>(breite) * hoehe);
    std::uint32_t zufall = 12345;
    auto naechste = [&zufall] {
        zufall = zufall * 1103515245u + 12345u;
        return static_cast<std::uint8_t>(zufall >> 16);
    };
    for (int y = 0; y < hoehe; ++y)
        for (int x = 0; x < breite; ++x)
        {
            Farbe c{};
            std::uint8_t a = 255;
            switch ((y / 4) % 4)
            {
            case 0: c = {naechste(), naechste(), naechste()}; a = naechste(); break;
            case 1: c = {std::uint8_t(3 * x), std::uint8_t(5 * x + y), std::uint8_t(200 - x)}; a = std::uint8_t(x); break;
            case 2: c = b.farben.Hole(x, y - 1); a = b.deckung[static_cast<size_t>(y - 1) * breite + x]; break;
            default:
                c = {std::uint8_t((x * x + y * y) / 8), std::uint8_t((x + y) * 2), std::uint8_t(x * y / 4)};
                a = std::uint8_t(255 - (x + y));
                break;
            }
            b.farben.Setze(x, y, c);
            b.deckung[static_cast<size_t>(y) * breite + x] = a;
        }
    return b;
}
}

TEST(PngDatei, LibpngLiestJedenPixelUndJedeDeckungZurueck)
{
    for (const auto& [breite, hoehe] : {std::pair{1, 1}, std::pair{7, 5}, std::pair{61, 48}})
    {
        SCOPED_TRACE(std::to_string(breite) + "x" + std::to_string(hoehe));
        const Bild bild = Gemischt(breite, hoehe);
        ASSERT_TRUE(PngDatei::Schreibe("gemischt.png", bild.farben, bild.deckung));
        PruefeGleich(bild, LiesMitLibpng("gemischt.png"));
    }
    // The large picture really went through the predicting filters.
    const std::set<int> arten = Filterarten("gemischt.png", 61, 48);
    for (int art : {1, 2, 4})
        EXPECT_TRUE(arten.count(art)) << "Filter " << art << " kam nicht vor";
}

TEST(PngDatei, FalscheDeckungOderUnschreibbarerPfadGebenFalse)
{
    const Bild bild = Gemischt(4, 4);
    std::filesystem::remove("kurz.png");
    std::vector<std::uint8_t> kurz(bild.deckung.begin(), bild.deckung.end() - 1);
    EXPECT_FALSE(PngDatei::Schreibe("kurz.png", bild.farben, kurz));
    EXPECT_FALSE(std::filesystem::exists("kurz.png"));
    EXPECT_FALSE(PngDatei::Schreibe("gibt/es/nicht/bild.png", bild.farben, bild.deckung));
}
