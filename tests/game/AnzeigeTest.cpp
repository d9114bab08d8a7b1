// What the playfield draws: grid cells and piece on screen, read back from the frame.
#include "FeldHilfe.h"
#include "GrafikHilfe.h"
#include "LogFaenger.h"
#include "VOQ_Quaderfall.h"
#include "VOQ_Teil_Basis.h"

#include <gtest/gtest.h>

#include <string>
#include <sys/stat.h>

namespace
{

using grafik::Farbe;

const char* const NAMEN[7] = {"rot", "gruen", "blau", "lila", "braun", "gelb", "grau"};
// Fill colours of the test's block images, by colour code - 1.
const Farbe FUELLUNG[7] = {{200, 30, 30}, {30, 180, 60}, {40, 70, 210}, {150, 50, 190},
                           {130, 80, 30}, {220, 200, 30}, {120, 120, 120}};
const Farbe RAND{250, 250, 250};
const int X0 = 340;
const int Y0 = 100;

// 32 x 32 blocks: a light frame of 2 pixels around the fill colour.
void SchreibeBlockbilder(const std::string& konfig)
{
    mkdir("daten", 0755);
    mkdir("daten/bilder", 0755);
    for (int i = 0; i < 7; ++i) {
        SDL_Surface* bild = grafik::NeueFlaeche(32, 32, RAND);
        grafik::Male(bild, 2, 2, 28, 28, FUELLUNG[i]);
        const std::string basis = std::string("daten/bilder/block_") + NAMEN[i];
        ASSERT_TRUE(grafik::SpeichereBMP(bild, basis + ".bmp"));
        grafik::SchreibeDatei(basis + ".konfig", konfig);
    }
}

Farbe Erwartet(int farbe)
{
    return farbe == 0 ? grafik::SCHWARZ : FUELLUNG[farbe - 1];
}

class Anzeige : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(grafik::StarteVideo(1024, 768)); }

    LogFaenger log;
};

TEST_F(Anzeige, RasterUndTeilLiegenAufDemZweiunddreissigerSchritt)
{
    SchreibeBlockbilder("");
    VOQ_Quaderfall feld(10, 22);
    EXPECT_EQ("", log.Fehler());
    Zeichne(feld, 16, {"......7...", "1.....66..", "1122..5533", "4444.44444"});
    feld.neuerQuaderfall(TEIL_L);
    ASSERT_TRUE(feld.teil->drehe());
    ASSERT_TRUE(feld.teil->rechts());
    for (int i = 0; i < 6; ++i)
        ASSERT_TRUE(feld.teil->senke());

    grafik::Leere(grafik::SCHWARZ);
    feld.male(X0, Y0);
    grafik::Bildschirmfoto("spielfeld.bmp");

    // The box of the piece: L_2 at column 4, row 6.
    for (int r = 0; r < 22; ++r) {
        for (int c = 0; c < 10; ++c) {
            int farbe = feld.holeFarbe(c, r);
            const int tc = c - feld.teil->holePosX();
            const int tr = r - feld.teil->holePosY();
            if (feld.teil->holeFarbe(tc, tr) > 0)
                farbe = feld.teil->holeFarbe(tc, tr);
            const int x = X0 + 32 * c;
            const int y = Y0 + 32 * r;
            const Farbe mitte = grafik::Pixel(x + 16, y + 16);
            EXPECT_EQ(Erwartet(farbe), mitte) << "Zelle " << c << "," << r << ": " << grafik::Text(mitte);
            if (farbe > 0) {
                EXPECT_EQ(RAND, grafik::Pixel(x, y)) << "linke obere Ecke " << c << "," << r;
                EXPECT_EQ(Erwartet(farbe), grafik::Pixel(x + 2, y + 2)) << c << "," << r;
                EXPECT_EQ(RAND, grafik::Pixel(x + 31, y + 31)) << "rechte untere Ecke " << c << "," << r;
            }
        }
    }
    EXPECT_EQ(Erwartet(4), grafik::Pixel(X0 + 32 * 5 + 16, Y0 + 32 * 7 + 16)) << "das Teil selbst";
    EXPECT_EQ(grafik::SCHWARZ, grafik::Pixel(X0 - 1, Y0 + 32 * 17 + 16)) << "nichts links vom Feld";
    EXPECT_EQ(grafik::SCHWARZ, grafik::Pixel(X0 + 320, Y0 + 32 * 19 + 16)) << "nichts rechts vom Feld";
}

TEST_F(Anzeige, KleinereBlockbilderRueckenNurDasRasterZusammen)
{
    // The grid steps by the drawn width of the images, the piece always by 32.
    SchreibeBlockbilder("ANZEIGEGROESSE=16,16\n");
    VOQ_Quaderfall feld(10, 22);
    Zeichne(feld, 19, {"2........3"});
    feld.neuerQuaderfall(TEIL_O);
    ASSERT_TRUE(feld.teil->senke());

    grafik::Leere(grafik::SCHWARZ);
    feld.male(X0, Y0);
    EXPECT_EQ(Erwartet(2), grafik::Pixel(X0 + 8, Y0 + 16 * 19 + 8));
    EXPECT_EQ(Erwartet(3), grafik::Pixel(X0 + 16 * 9 + 8, Y0 + 16 * 19 + 8));
    EXPECT_EQ(grafik::SCHWARZ, grafik::Pixel(X0 + 32 * 9 + 8, Y0 + 32 * 19 + 8));
    // The square at column 4, row 1: cells (4, 1) to (5, 2), 16 pixels each at the 32 step.
    EXPECT_EQ(Erwartet(3), grafik::Pixel(X0 + 32 * 4 + 8, Y0 + 32 * 1 + 8));
    EXPECT_EQ(Erwartet(3), grafik::Pixel(X0 + 32 * 5 + 8, Y0 + 32 * 2 + 8));
    EXPECT_EQ(grafik::SCHWARZ, grafik::Pixel(X0 + 32 * 4 + 24, Y0 + 32 * 1 + 24)) << "Luecke zwischen den Zellen";
}

}
