#include "EreignisVerarbeitung.h"
#include "Gamepad.h"
#include "Globale.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

namespace
{

void SchreibeDatei(const std::string& inhalt)
{
    std::ofstream aus("stg.konfig", std::ios::binary);
    aus << inhalt;
}

std::string LiesDatei()
{
    std::ifstream ein("stg.konfig", std::ios::binary);
    std::stringstream s;
    s << ein.rdbuf();
    return s.str();
}

class Steuerungsdatei : public ::testing::Test
{
protected:
    void SetUp() override
    {
        std::remove("stg.konfig");
        joy_drehen = joy_pause = joy_sturz = -1;
    }
    void TearDown() override { std::remove("stg.konfig"); }
};

TEST_F(Steuerungsdatei, ErsterStartSchreibtDrehtasteNull)
{
    GamepadEinlesen();
    GamepadSchreiben();
    EXPECT_EQ("DREHTASTE=0\nPAUSETASTE=-1\nSTURZTASTE=-1\n", LiesDatei());
}

TEST_F(Steuerungsdatei, ReihenfolgeUndKommentareSindGleichgueltig)
{
    SchreibeDatei("# Knoepfe\nSTURZTASTE=7\n\nDREHTASTE=2\n# PAUSETASTE=9\nPAUSETASTE=3\n");
    GamepadEinlesen();
    EXPECT_EQ(2, joy_drehen);
    EXPECT_EQ(3, joy_pause);
    EXPECT_EQ(7, joy_sturz);
    GamepadSchreiben();
    EXPECT_EQ("DREHTASTE=2\nPAUSETASTE=3\nSTURZTASTE=7\n", LiesDatei());
}

TEST_F(Steuerungsdatei, FehlenderSchluesselBleibtUnbelegt)
{
    SchreibeDatei("DREHTASTE=4\n");
    GamepadEinlesen();
    EXPECT_EQ(4, joy_drehen);
    EXPECT_EQ(-1, joy_pause);
    EXPECT_EQ(-1, joy_sturz);
}

TEST_F(Steuerungsdatei, UnpassendeZeilenAendernNichts)
{
    SchreibeDatei("DREHTASTE=5\n DREHTASTE=6\nDREHTASTE = 7\nDREHTASTE=x\nPAUSETASTE=99999999999\n");
    GamepadEinlesen();
    EXPECT_EQ(5, joy_drehen);
    EXPECT_EQ(32767, joy_pause) << "out of range is clamped, not wrapped";
}

TEST_F(Steuerungsdatei, LeereDateiIstKeineFehlendeDatei)
{
    SchreibeDatei("");
    GamepadEinlesen();
    EXPECT_EQ(-1, joy_drehen) << "only a missing file assigns button 0 to rotate";
}

TEST(Zeigerschritt, AchtRichtungenZwanzigPixel)
{
    struct Fall { int hut, dx, dy; };
    const Fall faelle[] = {
        {SDL_HAT_CENTERED, 0, 0}, {SDL_HAT_UP, 0, -20}, {SDL_HAT_RIGHT, 20, 0},
        {SDL_HAT_DOWN, 0, 20}, {SDL_HAT_LEFT, -20, 0}, {SDL_HAT_RIGHTUP, 20, -20},
        {SDL_HAT_RIGHTDOWN, 20, 20}, {SDL_HAT_LEFTUP, -20, -20}, {SDL_HAT_LEFTDOWN, -20, 20},
    };
    for (const Fall& f : faelle) {
        int x = 500, y = 400;
        ZeigerSchritt(f.hut, x, y, 1024, 768);
        EXPECT_EQ(500 + f.dx, x) << f.hut;
        EXPECT_EQ(400 + f.dy, y) << f.hut;
    }
}

TEST(Zeigerschritt, BleibtImFenster)
{
    int x = 10, y = 5;
    ZeigerSchritt(SDL_HAT_LEFTUP, x, y, 1024, 768);
    EXPECT_EQ(0, x);
    EXPECT_EQ(0, y);
    x = 1015;
    y = 760;
    ZeigerSchritt(SDL_HAT_RIGHTDOWN, x, y, 1024, 768);
    EXPECT_EQ(1023, x);
    EXPECT_EQ(767, y);
}

}  // namespace
