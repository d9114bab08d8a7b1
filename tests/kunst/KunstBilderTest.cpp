// Every picture the game loads exists, loads with SDL, and is what its
// description promises; frames are textures the engine uploads unscaled.
#include "KunstDaten.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
const char* const FARBEN[] = {"rot", "gruen", "blau", "lila", "braun", "gelb", "grau"};

bool Zweierpotenz(int n)
{
    return n > 0 && (n & (n - 1)) == 0;
}

struct Pruefling
{
    std::string basis;
    Bildangaben a;
    SDL_Surface* bild = nullptr;
    int schluesselPixel = 0;

    explicit Pruefling(const std::string& relativ) : basis(KunstDaten::Daten(relativ))
    {
        if (!KunstDaten::Lies(basis, a))
            return;
        bild = KunstDaten::LadeStreifen(basis);
        for (int y = 0; bild && y < bild->h; ++y)
            for (int x = 0; x < bild->w; ++x)
                if (KunstDaten::IstSchluessel(KunstDaten::Pixel(bild, x, y), a.schluessel))
                    ++schluesselPixel;
    }
    ~Pruefling() { SDL_FreeSurface(bild); }
};

// Loads, holds all its frames, and every frame is a texture of power-of-two
// sides (square ones are uploaded as they are, others keep their size in the
// mipmap builder).
void PruefeStreifen(const Pruefling& p)
{
    ASSERT_NE(nullptr, p.bild) << p.basis << " fehlt oder laedt nicht";
    EXPECT_EQ(24, p.bild->format->BitsPerPixel) << p.basis;
    EXPECT_GE(p.a.bilder, 1) << p.basis;
    EXPECT_EQ(p.a.bilder * p.a.bildBreite, p.bild->w) << p.basis;
    EXPECT_EQ(p.a.bildHoehe, p.bild->h) << p.basis;
    EXPECT_TRUE(Zweierpotenz(p.a.bildBreite) && Zweierpotenz(p.a.bildHoehe))
        << p.basis << ": " << p.a.bildBreite << "x" << p.a.bildHoehe;
}
}

TEST(Bilder, BloeckeSindGleichGrosseUndUndurchsichtigeQuadrate)
{
    for (const char* f : FARBEN)
    {
        const Pruefling p(std::string("bilder/block_") + f);
        PruefeStreifen(p);
        EXPECT_EQ(32, p.a.bildBreite);
        EXPECT_EQ(32, p.a.bildHoehe);
        // The playfield steps its cells by the drawn width; pieces by 32.
        EXPECT_EQ(32, p.a.anzeigeBreite);
        EXPECT_EQ(32, p.a.anzeigeHoehe);
        EXPECT_EQ(0, p.schluesselPixel) << p.basis << " hat Loecher";
    }
}

TEST(Bilder, BloeckeHabenLichtLinksObenUndSchattenRechtsUnten)
{
    for (const char* f : FARBEN)
    {
        const Pruefling p(std::string("bilder/block_") + f);
        ASSERT_NE(nullptr, p.bild);
        auto hell = [&](int x, int y) {
            const Pixelfarbe c = KunstDaten::Pixel(p.bild, x, y);
            return c.r * 3 + c.g * 6 + c.b;
        };
        EXPECT_GT(hell(16, 2), hell(16, 16)) << f << ": obere Kante nicht heller";
        EXPECT_GT(hell(2, 16), hell(16, 16)) << f << ": linke Kante nicht heller";
        EXPECT_LT(hell(16, 29), hell(16, 16)) << f << ": untere Kante nicht dunkler";
        EXPECT_LT(hell(29, 16), hell(16, 16)) << f << ": rechte Kante nicht dunkler";
    }
    // Seven different faces.
    std::vector<Pixelfarbe> mitten;
    for (const char* f : FARBEN)
    {
        const Pruefling p(std::string("bilder/block_") + f);
        ASSERT_NE(nullptr, p.bild);
        const Pixelfarbe m = KunstDaten::Pixel(p.bild, 16, 16);
        for (const Pixelfarbe& andere : mitten)
            EXPECT_FALSE(andere == m) << f;
        mitten.push_back(m);
    }
}

TEST(Bilder, ZeitlaeufeSindEinPixelHochUndRund)
{
    for (const char* f : FARBEN)
    {
        const Pruefling p(std::string("bilder/zeitlauf_") + f);
        PruefeStreifen(p);
        EXPECT_EQ(1, p.a.bildHoehe);
        EXPECT_GE(p.a.bildBreite, 8);
        EXPECT_EQ(p.a.bildBreite, p.a.anzeigeBreite);
        EXPECT_EQ(0, p.schluesselPixel);
        // Rounded: the edges darker than the lit side of the middle.
        auto hell = [&](int x) {
            const Pixelfarbe c = KunstDaten::Pixel(p.bild, x, 0);
            return c.r * 3 + c.g * 6 + c.b;
        };
        const int w = p.a.bildBreite;
        EXPECT_LT(hell(0), hell(w / 3)) << f;
        EXPECT_LT(hell(w - 1), hell(w / 3)) << f;
    }
}

TEST(Bilder, HintergruendeFuellenDasFenster)
{
    const Pruefling weiss("bilder/eingabe/hintergruende/weiss");
    const Pruefling schwarz("bilder/eingabe/hintergruende/schwarz");
    for (const Pruefling* p : {&weiss, &schwarz})
    {
        PruefeStreifen(*p);
        EXPECT_EQ(p->a.bildBreite, p->a.bildHoehe);
        EXPECT_EQ(1024, p->a.anzeigeBreite);
        EXPECT_EQ(768, p->a.anzeigeHoehe);
        EXPECT_EQ(0, p->schluesselPixel);
    }
    // The black veil must hide everything; the white flash must be white.
    for (int y = 0; y < weiss.a.bildHoehe; ++y)
        for (int x = 0; x < weiss.a.bildBreite; ++x)
        {
            EXPECT_TRUE((Pixelfarbe{0, 0, 0} == KunstDaten::Pixel(schwarz.bild, x, y)));
            const Pixelfarbe w = KunstDaten::Pixel(weiss.bild, x, y);
            EXPECT_GE(w.r + w.g + w.b, 3 * 245);
        }
}
