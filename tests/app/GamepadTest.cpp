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

TEST_F(Steuerungsdatei, SchluesselInBeliebigerReihenfolge)
{
    SchreibeDatei("# Knoepfe\nSTURZTASTE=7\n\nDREHTASTE=2\n# PAUSETASTE=9\nPAUSETASTE=3\n");
    GamepadEinlesen();
    GamepadSchreiben();
    EXPECT_EQ("DREHTASTE=2\nPAUSETASTE=3\nSTURZTASTE=7\n", LiesDatei());

    struct Fall
    {
        const char* datei;
        int drehen, pause;
    };
    const Fall faelle[] = {
        // A missing key stays unassigned; only a missing file gives rotate button 0.
        {"DREHTASTE=4\n", 4, -1},
        {"", -1, -1},
        // Lines that do not fit change nothing; out of range is clamped, not wrapped.
        {"DREHTASTE=5\n DREHTASTE=6\nDREHTASTE = 7\nDREHTASTE=x\nPAUSETASTE=99999999999\n", 5, 32767},
    };
    for (const Fall& f : faelle) {
        joy_drehen = joy_pause = joy_sturz = -1;
        SchreibeDatei(f.datei);
        GamepadEinlesen();
        EXPECT_EQ(f.drehen, joy_drehen) << f.datei;
        EXPECT_EQ(f.pause, joy_pause) << f.datei;
        EXPECT_EQ(-1, joy_sturz) << f.datei;
    }
}

TEST(Zeigerschritt, AchtRichtungenZwanzigPixelImFenster)
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
