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

namespace
{
std::vector<std::string> Widgetordner()
{
    std::vector<std::string> o;
    for (const char* k : {"SCHALTFLAECHENBILDER", "ANWAEHLFLAECHENBILDER", "EINZELWAEHLFLAECHENBILDER",
                          "TEXTEINGABEBILDER"})
        o.push_back(KunstDaten::Ordner(k) + "/block");
    return o;
}
}

TEST(Bilder, JedesBildDasDasSpielLaedtIstDa)
{
    std::vector<std::string> namen = {"bilder/spielfeld", "bilder/titel", "bilder/pokal", "bilder/geraet",
                                      "bilder/eingabe/hintergruende/weiss",
                                      "bilder/eingabe/hintergruende/schwarz",
                                      "bilder/eingabe/intro/quentabor", "bilder/eingabe/intro/zeichen"};
    for (const char* f : FARBEN)
    {
        namen.push_back(std::string("bilder/block_") + f);
        namen.push_back(std::string("bilder/zeitlauf_") + f);
    }
    const std::string zeiger = KunstDaten::Ordner("MAUSZEIGERBILDER");
    ASSERT_FALSE(zeiger.empty());
    for (const char* z : {"zeiger_001", "feldmarkierung1", "feldmarkierung4", "feldmarkierung9", "feldmarkierungx"})
        namen.push_back(zeiger + "/" + z);
    for (const std::string& ordner : Widgetordner())
        for (const char* n : {"1", "2", "3"})
            namen.push_back(ordner + "/" + n);
    for (const std::string& n : namen)
    {
        const Pruefling p(n);
        PruefeStreifen(p);
        // Pictures are drawn at their own size, except the stretched backgrounds.
        if (n.find("hintergruende") == std::string::npos && n.find("zeitlauf") == std::string::npos)
        {
            EXPECT_EQ(p.a.bildBreite, p.a.anzeigeBreite) << n;
            EXPECT_EQ(p.a.bildHoehe, p.a.anzeigeHoehe) << n;
        }
    }
}

TEST(Bilder, VollbilderSindUndurchsichtigUndUntenSchlicht)
{
    for (const char* n : {"bilder/spielfeld", "bilder/eingabe/intro/quentabor"})
    {
        const Pruefling p(n);
        ASSERT_NE(nullptr, p.bild) << n;
        EXPECT_EQ(1024, p.a.bildBreite);
        EXPECT_EQ(1024, p.a.bildHoehe);
        EXPECT_EQ(0, p.schluesselPixel) << n << " hat Loecher";
        // The rows below the 768-pixel window are one plain colour.
        const Pixelfarbe grund = KunstDaten::Pixel(p.bild, 0, 1023);
        int andere = 0;
        for (int y = 768; y < 1024; ++y)
            for (int x = 0; x < 1024; x += 7)
                andere += !(KunstDaten::Pixel(p.bild, x, y) == grund);
        EXPECT_EQ(0, andere) << n;
    }
}

TEST(Bilder, ZeichenTraegtDenGrundDesLogosUndBlendetNahtlosEin)
{
    const Pruefling logo("bilder/eingabe/intro/quentabor");
    const Pruefling zeichen("bilder/eingabe/intro/zeichen");
    ASSERT_NE(nullptr, logo.bild);
    ASSERT_NE(nullptr, zeichen.bild);
    EXPECT_EQ(0, zeichen.schluesselPixel);
    // Drawn at (400, 40): its border matches the logo underneath.
    const int s = zeichen.a.bildBreite;
    for (int i = 0; i < s; i += 5)
    {
        EXPECT_TRUE(KunstDaten::Pixel(zeichen.bild, i, 0) == KunstDaten::Pixel(logo.bild, 400 + i, 40)) << i;
        EXPECT_TRUE(KunstDaten::Pixel(zeichen.bild, i, s - 1) == KunstDaten::Pixel(logo.bild, 400 + i, 40 + s - 1)) << i;
    }
    int verschieden = 0;
    for (int y = 0; y < s; ++y)
        for (int x = 0; x < s; ++x)
            verschieden += !(KunstDaten::Pixel(zeichen.bild, x, y) == KunstDaten::Pixel(logo.bild, 400 + x, 40 + y));
    EXPECT_GT(verschieden, s * s / 10) << "das Zeichen zeigt nichts";
}

TEST(Bilder, TitelBleibtUeberDenKnoepfenDesMenues)
{
    const Pruefling titel("bilder/titel");
    ASSERT_NE(nullptr, titel.bild);
    int sichtbarOben = 0, sichtbarUnten = 0;
    for (int y = 0; y < titel.a.bildHoehe; ++y)
        for (int x = 0; x < titel.a.bildBreite; ++x)
            if (!KunstDaten::IstSchluessel(KunstDaten::Pixel(titel.bild, x, y), titel.a.schluessel))
                (y < 210 ? sichtbarOben : sichtbarUnten) += 1;
    // Drawn at y 32, the buttons begin at y 250.
    EXPECT_GT(sichtbarOben, 10000);
    EXPECT_EQ(0, sichtbarUnten);
    EXPECT_TRUE(KunstDaten::IstSchluessel(KunstDaten::Pixel(titel.bild, 0, 0), titel.a.schluessel));
}
