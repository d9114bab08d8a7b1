// The mouse cursor in a real window: pointer frames, landscape scrolling by
// the test's clock, the tile marker read back from the frame.
#include "LogFaenger.h"
#include "TestUhr.h"
#include "VOQ_Maus.h"
#include "VOQ_OGL_Init.h"
#include "VOQ_OGL_Landschaft.h"
#include "WidgetHilfe.h"

#include "SDL.h"

#include <gtest/gtest.h>

#include <string>
#include <sys/stat.h>

namespace
{
using hilfe::BREITE;
using hilfe::Farbe;
using hilfe::HOEHE;

constexpr int ZEIGER = 16;

Farbe RahmenFarbe(int rahmen)
{
    return Farbe{20 * rahmen, 100, 50};
}

const Farbe MARKE1{250, 0, 0};
const Farbe MARKE9{0, 0, 250};

// A paused strip of square frames, frame i (from 1) in farbe(i).
template <class Faerbung>
void SpeichereStreifen(const std::string& basis, int bilder, int groesse, Faerbung farbe)
{
    SDL_Surface* s = grafik::NeueFlaeche(bilder * groesse, groesse, grafik::SCHWARZ);
    for (int i = 0; i < bilder; ++i)
        grafik::Male(s, i * groesse, 0, groesse, groesse, farbe(i + 1));
    ASSERT_TRUE(grafik::SpeichereBMP(s, basis + ".bmp"));
    grafik::SchreibeDatei(basis + ".konfig", "ORIGINALGROESSE=" + std::to_string(groesse) + "," +
                                                 std::to_string(groesse) + "\nBILDERANZAHL=" +
                                                 std::to_string(bilder) + "\nPAUSIERT=1\n");
}

class Maus : public ::testing::Test
{
protected:
    void SetUp() override
    {
        hilfe::Fenster();
        mkdir("zeiger", 0755);
        SpeichereStreifen("zeiger/pfeil", 9, ZEIGER, RahmenFarbe);
        const struct { const char* name; Farbe farbe; } marken[] = {
            {"1", MARKE1}, {"9", MARKE9}};
        for (const auto& m : marken)
            SpeichereStreifen(std::string("zeiger/feldmarkierung") + m.name, 1, 32, [&](int) { return m.farbe; });
        grafik::SchreibeDatei("video.konfig",
                              "AUFLOESUNG=" + std::to_string(BREITE) + "," + std::to_string(HOEHE) + "\n");
        ASSERT_TRUE(video.LeseEinstellungen("video.konfig"));

        maus.pfad = "zeiger";
        ASSERT_TRUE(maus.Init("pfeil"));
        // A landscape at (100, 100): 10 x 8 tiles of 32 x 32 shown, of a map
        // 16 columns wide and 20 rows high, scrolled to column 3, row 5.
        land.SetKachelGroesse(32, 32);
        land.SetSpielFeldGroesse(16, 20);
        land.Draw(100, 100, 10, 8);
        land.SetPosXY(3, 5);
    }

    void MitLandschaft()
    {
        maus.GiveLandschaft(&land);
        maus.GiveInit(&video);
        maus.scrollLand = true;
    }

    Farbe Bild()
    {
        hilfe::Leeren();
        maus.Draw();
        int x = 0, y = 0;
        SDL_GetMouseState(&x, &y);
        return hilfe::Pixel(x, y);
    }

    LogFaenger log;
    TestUhr uhr{1000};
    VOQ_OGL_Init video;
    VOQ_OGL_Landschaft land;
    VOQ_Maus maus;
};

// Without landscape handling always frame 1; with it the frame of the edge or
// corner the pointer is on. It needs landscape, video settings and the flag.
TEST_F(Maus, RahmenAnDenKantenUndEckenNurMitLandschaft)
{
    EXPECT_EQ(SDL_DISABLE, SDL_ShowCursor(SDL_QUERY));
    EXPECT_NE(std::string::npos, log.Aus().find("#o> VOQ_OGL_Eingabe - erstelle Mauszeiger 'zeiger/pfeil' ...\n\t"));
    const int R = BREITE - 1, U = HOEHE - 1;
    const int faelle[][3] = {{0, 0, 6}, {R, 0, 7}, {0, U, 8}, {R, U, 9}, {300, 0, 2},
                             {300, U, 3}, {R, 200, 4}, {0, 200, 5}, {1, 1, 1}, {R - 1, U - 1, 1}};
    for (bool mit : {false, true}) {
        if (mit) {
            EXPECT_EQ(3, land.GetPosX()) << "ohne Landschaftsbehandlung scrollt nichts";
            maus.GiveLandschaft(&land);
            maus.scrollLand = true;
            hilfe::Zeiger(0, 0);
            EXPECT_EQ(RahmenFarbe(1), Bild()) << "ohne Videoeinstellungen";
            maus.GiveInit(&video);
        }
        for (const auto& fall : faelle) {
            hilfe::Zeiger(fall[0], fall[1]);
            EXPECT_EQ(RahmenFarbe(mit ? fall[2] : 1), Bild()) << fall[0] << "," << fall[1] << " " << mit;
            EXPECT_EQ(mit ? fall[2] : 1, maus.GetAnimPos());
        }
    }
    maus.scrollLand = false;
    EXPECT_EQ(RahmenFarbe(1), Bild());
}

TEST_F(Maus, ScrolltNachDemRahmenDesLetztenBildesHoechstensAlle75ms)
{
    MitLandschaft();
    hilfe::Zeiger(BREITE - 1, 0);
    Bild();  // first step at 1000 ms: the frame before was 1, nothing moves
    EXPECT_EQ(3, land.GetPosX());
    EXPECT_EQ(5, land.GetPosY());
    uhr.Setze(1074);
    Bild();
    EXPECT_EQ(3, land.GetPosX()) << "74 ms sind nicht mehr als 74";
    uhr.Setze(1075);
    Bild();
    EXPECT_EQ(4, land.GetPosX());
    EXPECT_EQ(4, land.GetPosY());

    hilfe::Zeiger(0, HOEHE - 1);
    uhr.Weiter(100);
    Bild();  // still the top-right frame of the Draw before
    EXPECT_EQ(5, land.GetPosX());
    EXPECT_EQ(3, land.GetPosY());
    uhr.Weiter(100);
    Bild();
    EXPECT_EQ(4, land.GetPosX());
    EXPECT_EQ(4, land.GetPosY());

    // An arrow key held scrolls as well, one step per interval.
    hilfe::Zeiger(300, 50);
    hilfe::Taste("Up", SDLK_UP, true);
    for (int i = 0; i < 3; ++i) {
        uhr.Weiter(100);
        Bild();
    }
    hilfe::Taste("Up", SDLK_UP, false);
    uhr.Weiter(100);
    Bild();
    EXPECT_EQ(2, land.GetPosY()) << "one step for the bottom-left frame, three for the key";
    EXPECT_EQ(3, land.GetPosX());
}

TEST_F(Maus, KachelUnterDemZeigerUndIhreMarkierung)
{
    MitLandschaft();
    maus.SetFeldMarkierung(true);
    // Tile (2, 3) of the view: pixels 164..195, 196..227.
    hilfe::Zeiger(100 + 64 + 5, 100 + 96 + 1);
    Bild();
    EXPECT_TRUE(maus.OverLand());
    EXPECT_EQ(2, maus.GetDrawLandPosX());
    EXPECT_EQ(3, maus.GetDrawLandPosY());
    EXPECT_EQ(5, maus.GetLandPosX());
    EXPECT_EQ(8, maus.GetLandPosY());
    EXPECT_EQ(MARKE1, hilfe::Pixel(164, 227));
    EXPECT_EQ(MARKE1, hilfe::Pixel(195, 220));
    EXPECT_EQ(grafik::SCHWARZ, hilfe::Pixel(196, 220));
    maus.SetFeldGroesse(9);
    Bild();
    EXPECT_EQ(MARKE9, hilfe::Pixel(190, 220));
    maus.SetFeldGroesse(2);
    Bild();
    EXPECT_EQ(grafik::SCHWARZ, hilfe::Pixel(190, 220)) << "no marker of size 2";
    maus.SetFeldGroesse(1);
    maus.SetFeldMarkierung(false);
    Bild();
    EXPECT_EQ(grafik::SCHWARZ, hilfe::Pixel(190, 220));

    // Right of the map, though inside the visible columns: not over the landscape.
    land.SetSpielFeldGroesse(6, 20);
    hilfe::Zeiger(100 + 32 * 6, 150);
    Bild();
    EXPECT_FALSE(maus.OverLand());
    hilfe::Zeiger(100 + 32 * 6 - 1, 150);
    Bild();
    EXPECT_TRUE(maus.OverLand());
    EXPECT_EQ(5, maus.GetDrawLandPosX());
    hilfe::Zeiger(99, 150);
    Bild();
    EXPECT_FALSE(maus.OverLand());
}

TEST_F(Maus, UnsichtbarZeichnetUndScrolltNicht)
{
    MitLandschaft();
    hilfe::Zeiger(150, 150);
    Bild();
    ASSERT_TRUE(maus.OverLand());
    maus.visible = false;
    hilfe::Zeiger(0, 0);
    uhr.Weiter(1000);
    EXPECT_EQ(grafik::SCHWARZ, Bild());
    uhr.Weiter(1000);
    Bild();
    EXPECT_TRUE(maus.OverLand());
    EXPECT_EQ(3, land.GetPosX());
    EXPECT_EQ(5, land.GetPosY());
}

TEST_F(Maus, SimulierterKlickWirdEinmalGenommen)
{
    EXPECT_FALSE(maus.WasSimClicked());
    maus.SimClick();
    maus.SimClick();
    EXPECT_TRUE(maus.WasSimClicked());
    EXPECT_FALSE(maus.WasSimClicked());
}
}  // namespace
