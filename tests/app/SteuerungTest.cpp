// The game controller: its file, the pointer steps of its hat, assigning its
// buttons and the names of controllers.
#include "EreignisVerarbeitung.h"
#include "Gamepad.h"
#include "Globale.h"
#include "Spielsteuerung.h"
#include "Tastenzuordnung.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

namespace
{

// The file as read (into the three buttons) and written back.
TEST(Steuerungsdatei, LesenUndZurueckschreiben)
{
    const std::string faelle[][2] = {
        // Without a file button 0 rotates.
        {"", "DREHTASTE=0\nPAUSETASTE=-1\nSTURZTASTE=-1\n"},
        {"STURZTASTE=7\n\nDREHTASTE=2\n# PAUSETASTE=9\nPAUSETASTE=3\n", "DREHTASTE=2\nPAUSETASTE=3\nSTURZTASTE=7\n"},
        // A missing key stays unassigned.
        {"DREHTASTE=4\n", "DREHTASTE=4\nPAUSETASTE=-1\nSTURZTASTE=-1\n"},
        // Lines that do not fit change nothing; out of range is held at the end.
        {"DREHTASTE=5\n DREHTASTE=6\nDREHTASTE = 7\nDREHTASTE=x\nPAUSETASTE=99999999999\n",
         "DREHTASTE=5\nPAUSETASTE=32767\nSTURZTASTE=-1\n"},
        // Lines are read in pieces of 127 characters.
        {"DREHTASTE=3" + std::string(116, ' ') + "STURZTASTE=8\n", "DREHTASTE=3\nPAUSETASTE=-1\nSTURZTASTE=8\n"},
    };
    for (const auto& f : faelle) {
        std::remove("stg.konfig");
        if (!f[0].empty())
            std::ofstream("stg.konfig", std::ios::binary) << f[0];
        joy_drehen = joy_pause = joy_sturz = -1;
        GamepadEinlesen();
        GamepadSchreiben();
        std::stringstream datei;
        datei << std::ifstream("stg.konfig", std::ios::binary).rdbuf();
        EXPECT_EQ(f[1], datei.str()) << f[0];
    }
}

TEST(Zeigerschritt, AchtRichtungenZwanzigPixelImFenster)
{
    const int faelle[][5] = {
        {SDL_HAT_CENTERED, 500, 400, 500, 400}, {SDL_HAT_UP, 500, 400, 500, 380}, {SDL_HAT_RIGHT, 500, 400, 520, 400},
        {SDL_HAT_DOWN, 500, 400, 500, 420}, {SDL_HAT_LEFT, 500, 400, 480, 400}, {SDL_HAT_RIGHTUP, 500, 400, 520, 380},
        {SDL_HAT_RIGHTDOWN, 500, 400, 520, 420}, {SDL_HAT_LEFTUP, 500, 400, 480, 380},
        {SDL_HAT_LEFTDOWN, 500, 400, 480, 420}, {SDL_HAT_LEFTUP, 10, 5, 0, 0}, {SDL_HAT_RIGHTDOWN, 1004, 748, 1023, 767}
    };
    for (const auto& f : faelle) {
        int x = f[1], y = f[2];
        ZeigerSchritt(f[0], x, y, 1024, 768);
        EXPECT_TRUE(x == f[3] && y == f[4]) << f[0] << " bei " << f[1] << "," << f[2] << ": " << x << "," << y;
    }
}

// Frames of the controller screen: E switches assignment mode on, a digit is
// the lowest button held in that frame, '-' none. The step moves on only in
// the frame in which a press begins, so a button held on is also written to
// the next action.
TEST(Tastenzuordnung, KnoepfeDerReiheNachBelegen)
{
    struct Fall { int steuerungen; const char* bilder; short drehen, pause, sturz; int schritt; bool aktiv; };
    const Fall faelle[] = {
        {1, "-", -1, -1, -1, 1, false},        {1, "33-5", -1, -1, -1, 1, false},    {1, "E3-5-7-", 3, 5, 7, 4, true},
        {1, "E3-5-7-2", 3, 5, 7, 1, false},    {1, "E0-1-22", 0, 1, 2, 0, false},    {1, "E444", 4, 4, -1, 2, true},
        {1, "E4441", 4, 1, -1, 2, true},       {1, "E4441-6", 4, 6, -1, 3, true},    {2, "5-", -1, -1, -1, 0, false},
        {2, "5-E5", -1, -1, -1, 1, true},      {2, "5-E55-8", 8, -1, -1, 2, true},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.bilder);
        short drehen = -1, pause = -1, sturz = -1;
        Tastenzuordnung z(&drehen, &pause, &sturz);
        for (const char* b = f.bilder; *b; ++b) {
            EXPECT_EQ(f.steuerungen > 1 && z.GetSchritt() == 0, z.Geraetewahl(f.steuerungen));
            if (*b == 'E')
                z.Einschalten();
            else
                z.Einzelbild(*b == '-' ? -1 : *b - '0');
        }
        EXPECT_EQ(f.drehen, drehen);
        EXPECT_EQ(f.pause, pause);
        EXPECT_EQ(f.sturz, sturz);
        EXPECT_EQ(f.schritt, z.GetSchritt());
        EXPECT_EQ(f.aktiv, z.IstAktiv());
    }
}

TEST(Steuerungsname, Utf8WirdLatin1)
{
    const char* const faelle[][2] = {
        {"Gr\xc3\xb6\xc3\x9f" "e \xc3\x84\xc3\xa9\xc3\xbf", "Gr\xf6\xdf" "e \xc4\xe9\xff"},
        // Beyond Latin-1 a question mark; a line feed would break the layout.
        {"\xe2\x82\xac Pad \xf0\x9f\x8e\xae", "? Pad ?"},
        {"A\nB\x7f", "A B "},
        // No valid UTF-8 stays as it is: a lone Latin-1 byte, a sequence cut
        // off by the end, an overlong form.
        {"Gr\xf6" "sse", "Gr\xf6" "sse"},
        {"Pad\xc3", "Pad\xc3"},
        {"\xc0\xaf", "\xc0\xaf"},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(f[1], Spielsteuerung::AlsLatin1(f[0])) << f[0];
    EXPECT_EQ("", Spielsteuerung::AlsLatin1(nullptr));
}

}
