// What the playfield draws, read back from the frame: grid cells on the step
// of the block images' drawn width, the piece always on a 32-pixel step.
#include "FeldHilfe.h"
#include "GrafikHilfe.h"
#include "LogFaenger.h"
#include "VOQ_Quaderfall.h"
#include "VOQ_Teil_Basis.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace
{

using grafik::Farbe;
using grafik::Pixel;

// Fill colours of the test's block images by colour code; 0 is the background.
const Farbe FARBE[8] = {{0, 0, 0},      {200, 30, 30},  {30, 180, 60},  {40, 70, 210},
                        {150, 50, 190}, {130, 80, 30},  {220, 200, 30}, {120, 120, 120}};
const Farbe RAND{250, 250, 250};
const int X0 = 340, Y0 = 100;

// 32 x 32 blocks, a light frame of 2 pixels around the fill, drawn at seite x seite.
void SchreibeBlockbilder(int seite)
{
    const char* const NAMEN[7] = {"rot", "gruen", "blau", "lila", "braun", "gelb", "grau"};
    std::filesystem::create_directories("daten/bilder");
    for (int i = 0; i < 7; ++i) {
        SDL_Surface* bild = grafik::NeueFlaeche(32, 32, RAND);
        grafik::Male(bild, 2, 2, 28, 28, FARBE[i + 1]);
        const std::string basis = std::string("daten/bilder/block_") + NAMEN[i];
        ASSERT_TRUE(grafik::SpeichereBMP(bild, basis + ".bmp"));
        std::ofstream(basis + ".konfig") << "ANZEIGEGROESSE=" << seite << "," << seite << "\n";
    }
}

// A block of colour code k drawn with its top-left corner at (x, y).
void PruefeBlock(int k, int x, int y, int seite)
{
    EXPECT_EQ(FARBE[k], Pixel(x + seite / 2, y + seite / 2)) << x << "," << y;
    EXPECT_TRUE(k == 0 || seite != 32 || (Pixel(x, y) == RAND && Pixel(x + 31, y + 31) == RAND)) << x << "," << y;
}

// Block images drawn 32 and 16 wide; and a red image that can't be loaded
// (0), which leaves the grid on the piece's 32-pixel step.
TEST(Anzeige, RasterImBildschrittTeilImZweiunddreissigerSchritt)
{
    ASSERT_TRUE(grafik::StarteVideo(1024, 768));
    for (int breite : {32, 16, 0}) {
        SCOPED_TRACE(breite);
        const int seite = breite ? breite : 32;
        LogFaenger log;
        SchreibeBlockbilder(seite);
        if (!breite)
            std::filesystem::remove("daten/bilder/block_rot.bmp");
        VOQ_Quaderfall feld(10, 22);
        EXPECT_EQ(breite == 0, !log.Fehler().empty());
        Zeichne(feld, 16, {"......7...", "1.....66..", "1122..5533", "4444.44444"});
        feld.neuerQuaderfall(TEIL_L);
        ASSERT_TRUE(feld.teil->drehe() && feld.teil->rechts() && feld.teil->senke());
        const int px = feld.teil->holePosX(), py = feld.teil->holePosY();

        grafik::Leere(FARBE[0]);
        feld.male(X0, Y0);
        for (int r = 0; r < 22; ++r) {
            for (int c = 0; c < 10; ++c) {
                const int teil = feld.teil->holeFarbe(c - px, r - py);
                const int k = seite == 32 && teil ? teil : feld.holeFarbe(c, r);
                PruefeBlock(breite || k != 1 ? k : 0, X0 + seite * c, Y0 + seite * r, seite);
            }
        }
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 4; ++c)
                if (feld.teil->holeFarbe(c, r))
                    PruefeBlock(4, X0 + 32 * (px + c), Y0 + 32 * (py + r), seite);
    }
}

}
