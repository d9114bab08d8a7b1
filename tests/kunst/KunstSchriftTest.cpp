// The two font sheets as the bitmap font will cut them: a glyph in each of
// the 112 table cells, nothing elsewhere, hard dark ink, cells that fit.
#include "KunstDaten.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

namespace
{
// Latin-1 codes with a glyph: a-z, blank, 0x30-0x3F, 0x21-0x2F, 0x5B-0x5F,
// @, A-Z, 0x7B-0x7E and the German and other letters and signs.
std::set<int> Tabelle()
{
    std::set<int> t;
    for (int c = 0x20; c <= 0x7E; ++c)
        if (c != 0x60)
            t.insert(c);
    for (int c : {0xDF, 0x80, 0xA7, 0xE4, 0xC4, 0xF6, 0xD6, 0xFC, 0xDC, 0xA9, 0xAE, 0xB5, 0xE6, 0xC6,
                  0xF8, 0xD8, 0xE5, 0xC5})
        t.insert(c);
    return t;
}

struct Zelle
{
    int tinte = 0;
    int links = 99, rechts = -1, oben = 99, unten = -1;  // ink bounds inside the cell
};

struct Blatt
{
    Bildangaben a;
    SDL_Surface* bild = nullptr;
    Zelle zellen[256];
    int helleTinte = 0;
};

class Schrift : public ::testing::TestWithParam<const char*>
{
protected:
    void SetUp() override
    {
        const std::string basis = KunstDaten::Daten(KunstDaten::Ordner("SCHRIFTBILDER") + "/" + GetParam());
        ASSERT_TRUE(KunstDaten::Lies(basis, blatt.a, true)) << basis;
        blatt.bild = KunstDaten::LadeStreifen(basis);
        ASSERT_NE(nullptr, blatt.bild);
        const int z = blatt.a.bildBreite;
        for (int code = 0; code < 256; ++code)
        {
            Zelle& zelle = blatt.zellen[code];
            for (int y = 0; y < z; ++y)
                for (int x = 0; x < z; ++x)
                {
                    const Pixelfarbe p = KunstDaten::Pixel(blatt.bild, (code % 16) * z + x, (code / 16) * z + y);
                    if (KunstDaten::IstSchluessel(p, blatt.a.schluessel))
                        continue;
                    ++zelle.tinte;
                    zelle.links = std::min(zelle.links, x);
                    zelle.rechts = std::max(zelle.rechts, x);
                    zelle.oben = std::min(zelle.oben, y);
                    zelle.unten = std::max(zelle.unten, y);
                    if (p.r * 3 + p.g * 6 + p.b > 1000)
                        ++blatt.helleTinte;
                }
        }
    }
    void TearDown() override { SDL_FreeSurface(blatt.bild); }

    Blatt blatt;
};
}

TEST_P(Schrift, GitterAusQuadratischenZellenDieUnverzerrtGezeichnetWerden)
{
    const Bildangaben& a = blatt.a;
    EXPECT_EQ(16 * a.bildBreite, blatt.bild->w);
    EXPECT_EQ(16 * a.bildHoehe, blatt.bild->h);
    EXPECT_EQ(a.bildBreite, a.bildHoehe);
    // Glyph textures are uploaded as they are: power-of-two cells.
    EXPECT_EQ(0, a.bildBreite & (a.bildBreite - 1)) << a.bildBreite;
    EXPECT_EQ(a.bildBreite, a.anzeigeBreite);
    EXPECT_EQ(a.bildHoehe, a.anzeigeHoehe);
    EXPECT_EQ(0, a.schluessel[0] + a.schluessel[1] + a.schluessel[2]) << "Schluessel schwarz";
    EXPECT_GT(a.anzeigeBreite + a.zeichenabstand, 0);
    EXPECT_GT(a.anzeigeHoehe + a.zeilenabstand, 0);
}

TEST_P(Schrift, GlyphenGenauInDenZellenDerTabelle)
{
    const std::set<int> tabelle = Tabelle();
    ASSERT_EQ(112u, tabelle.size());
    for (int code = 0; code < 256; ++code)
    {
        const bool sichtbar = tabelle.count(code) && code != ' ';
        if (sichtbar)
            EXPECT_GT(blatt.zellen[code].tinte, 0) << "Zelle " << code << " ist leer";
        else
            EXPECT_EQ(0, blatt.zellen[code].tinte) << "Zelle " << code << " sollte leer sein";
    }
}

TEST_P(Schrift, DunkleHarteTinteOhneUeberlappung)
{
    EXPECT_EQ(0, blatt.helleTinte) << "helle Pixel in den Glyphen (Kantenglaettung?)";
    const int schritt = blatt.a.anzeigeBreite + blatt.a.zeichenabstand;
    const int zeilenschritt = blatt.a.anzeigeHoehe + blatt.a.zeilenabstand;
    int oben = 99, unten = -1;
    for (int code = 0; code < 256; ++code)
    {
        const Zelle& z = blatt.zellen[code];
        if (z.tinte == 0)
            continue;
        // Neighbouring glyphs overlap their cells, never their ink.
        EXPECT_LT(z.rechts, schritt) << "Zeichen " << code << " ragt in das naechste";
        oben = std::min(oben, z.oben);
        unten = std::max(unten, z.unten);
    }
    EXPECT_LE(unten - oben + 1, zeilenschritt) << "Zeilen ueberlappen";
}

TEST_P(Schrift, GrossbuchstabenSitzenMittigUndZiffernGleichHoch)
{
    const Zelle& h = blatt.zellen['H'];
    const int z = blatt.a.bildHoehe;
    // Captions are centred by the cell: the capitals' middle near the cell's.
    EXPECT_NEAR(z / 2.0, (h.oben + h.unten + 1) / 2.0, 1.5);
    for (int c = '0'; c <= '9'; ++c)
        EXPECT_EQ(h.unten, blatt.zellen[c].unten) << "Ziffer " << char(c) << " nicht auf der Grundlinie";
    EXPECT_GT(blatt.zellen['g'].unten, h.unten) << "Unterlaenge fehlt";
    EXPECT_LT(blatt.zellen[0xC4].oben, h.oben) << "Punkte auf dem \xc4 fehlen";
}

INSTANTIATE_TEST_SUITE_P(Schriften, Schrift, ::testing::Values("schrift_012", "schrift_020"));

TEST(Schriftgroessen, KleineUndGrosseSchriftPassenInIhreFlaechen)
{
    Bildangaben klein, gross;
    const std::string ordner = KunstDaten::Daten(KunstDaten::Ordner("SCHRIFTBILDER"));
    ASSERT_TRUE(KunstDaten::Lies(ordner + "/schrift_012", klein, true));
    ASSERT_TRUE(KunstDaten::Lies(ordner + "/schrift_020", gross, true));
    const int k = klein.anzeigeBreite + klein.zeichenabstand;
    const int g = gross.anzeigeBreite + gross.zeichenabstand;
    EXPECT_LT(k, g);
    // The clock "23:59:07" at x 930 stays inside the 1024-pixel window.
    EXPECT_LE(930 + 8 * k, 1024);
    // "GESCHWINDIGKEITSSTUFE: 7" at x 370 stays above the 320-pixel field at 340.
    EXPECT_LE(370 + 24 * k, 660);
    // The hall of fame's longest line, " 1. " and a name of 21, ends before the scores at 750.
    EXPECT_LE(50 + 25 * g, 750);
}
