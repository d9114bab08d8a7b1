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

#include <fstream>
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
    return Farbe{static_cast<std::uint8_t>(20 * rahmen), 100, 50};
}

const Farbe MARKE1{250, 0, 0};
const Farbe MARKE4{0, 250, 0};
const Farbe MARKE9{0, 0, 250};
const Farbe MARKEX{250, 250, 0};

bool SpeichereStreifen(const std::string& basis, int bilder, int groesse, Farbe (*farbe)(int))
{
    SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, bilder * groesse, groesse, 24, 0xff0000, 0xff00, 0xff, 0);
    if (!s)
        return false;
    for (int i = 0; i < bilder; ++i) {
        SDL_Rect r{static_cast<Sint16>(i * groesse), 0, static_cast<Uint16>(groesse), static_cast<Uint16>(groesse)};
        const Farbe f = farbe(i + 1);
        SDL_FillRect(s, &r, SDL_MapRGB(s->format, f.r, f.g, f.b));
    }
    const bool ok = SDL_SaveBMP(s, (basis + ".bmp").c_str()) == 0;
    SDL_FreeSurface(s);
    std::ofstream konfig(basis + ".konfig");
    konfig << "ORIGINALGROESSE=" << groesse << "," << groesse << "\nBILDERANZAHL=" << bilder << "\nPAUSIERT=1\n";
    return ok;
}

Farbe Marke1(int) { return MARKE1; }
Farbe Marke4(int) { return MARKE4; }
Farbe Marke9(int) { return MARKE9; }
Farbe MarkeX(int) { return MARKEX; }

class Maus : public ::testing::Test
{
protected:
    void SetUp() override
    {
        hilfe::Fenster();
        mkdir("zeiger", 0755);
        ASSERT_TRUE(SpeichereStreifen("zeiger/pfeil", 9, ZEIGER, RahmenFarbe));
        ASSERT_TRUE(SpeichereStreifen("zeiger/feldmarkierung1", 1, 32, Marke1));
        ASSERT_TRUE(SpeichereStreifen("zeiger/feldmarkierung4", 1, 32, Marke4));
        ASSERT_TRUE(SpeichereStreifen("zeiger/feldmarkierung9", 1, 32, Marke9));
        ASSERT_TRUE(SpeichereStreifen("zeiger/feldmarkierungx", 1, 32, MarkeX));
        {
            std::ofstream aus("video.konfig");
            aus << "AUFLOESUNG=" << BREITE << "," << HOEHE << "\n";
        }
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

TEST_F(Maus, OhneLandschaftImmerRahmenEinsUndKeinSystemzeiger)
{
    EXPECT_EQ(SDL_DISABLE, SDL_ShowCursor(SDL_QUERY));
    EXPECT_TRUE(maus.Inited());
    EXPECT_NE(std::string::npos, log.Aus().find("#o> VOQ_OGL_Eingabe - erstelle Mauszeiger 'zeiger/pfeil' ...\n\t"));

    const int orte[][2] = {{0, 0}, {BREITE - 1, 0}, {BREITE - 1, HOEHE - 1}, {0, 200}, {300, 200}};
    for (const auto& ort : orte) {
        hilfe::Zeiger(ort[0], ort[1]);
        EXPECT_EQ(RahmenFarbe(1), Bild()) << ort[0] << "," << ort[1];
        EXPECT_EQ(1, maus.GetAnimPos());
    }

    // Landscape handling needs both the landscape and the video settings.
    maus.GiveLandschaft(&land);
    maus.scrollLand = true;
    hilfe::Zeiger(0, 0);
    EXPECT_EQ(RahmenFarbe(1), Bild());
    maus.GiveInit(&video);
    EXPECT_EQ(RahmenFarbe(6), Bild());
    maus.scrollLand = false;
    EXPECT_EQ(RahmenFarbe(1), Bild());
}

TEST_F(Maus, RahmenAnDenKantenUndEcken)
{
    MitLandschaft();
    const int R = BREITE - 1, U = HOEHE - 1;
    const int faelle[][3] = {{0, 0, 6}, {R, 0, 7}, {0, U, 8}, {R, U, 9}, {300, 0, 2},
                             {300, U, 3}, {R, 200, 4}, {0, 200, 5}, {1, 1, 1}, {R - 1, U - 1, 1}};
    for (const auto& fall : faelle) {
        hilfe::Zeiger(fall[0], fall[1]);
        Bild();
        EXPECT_EQ(fall[2], maus.GetAnimPos()) << fall[0] << "," << fall[1];
    }
}

TEST_F(Maus, ScrolltNachDemRahmenDesLetztenBildesHoechstensAlle75ms)
{
    MitLandschaft();
    hilfe::Zeiger(BREITE - 1, 0);
    Bild();  // first step at 1000 ms: the frame before was 1, nothing moves
    EXPECT_EQ(7, maus.GetAnimPos());
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
}

TEST_F(Maus, PfeiltasteScrolltNurMitLandschaft)
{
    hilfe::Zeiger(300, 50);
    hilfe::Taste("Up", SDLK_UP, true);
    uhr.Weiter(100);
    Bild();
    EXPECT_EQ(5, land.GetPosY()) << "ohne Landschaftsbehandlung";

    MitLandschaft();
    uhr.Weiter(100);
    Bild();
    EXPECT_EQ(4, land.GetPosY());
    uhr.Weiter(10);
    Bild();
    EXPECT_EQ(4, land.GetPosY());
    uhr.Weiter(100);
    Bild();
    EXPECT_EQ(3, land.GetPosY());
    hilfe::Taste("Up", SDLK_UP, false);
    uhr.Weiter(100);
    Bild();
    EXPECT_EQ(3, land.GetPosY());
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
    EXPECT_EQ((Farbe{0, 0, 0}), hilfe::Pixel(196, 220));

    const struct { int groesse; Farbe farbe; } marken[] = {
        {4, MARKE4}, {9, MARKE9}, {0, MARKEX}, {2, Farbe{0, 0, 0}}};
    for (const auto& m : marken) {
        maus.SetFeldGroesse(m.groesse);
        Bild();
        EXPECT_EQ(m.farbe, hilfe::Pixel(190, 220)) << "Feldgroesse " << m.groesse;
        EXPECT_TRUE(maus.OverLand());
    }
    maus.SetFeldGroesse(1);
    maus.SetFeldMarkierung(false);
    Bild();
    EXPECT_EQ((Farbe{0, 0, 0}), hilfe::Pixel(190, 220));

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
    EXPECT_EQ((Farbe{0, 0, 0}), Bild());
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
