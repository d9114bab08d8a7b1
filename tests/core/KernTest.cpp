// Counters on the test's clock, the line reader of the configuration files
// and the reading of the settings file; no display.
#include "LogFaenger.h"
#include "TestUhr.h"
#include "VOQ_Konfig.h"
#include "VOQ_OGL_Init.h"
#include "VOQ_OGL_Zaehler.h"
#include "VOQ_Zaehler.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace
{
const char* const DATEI = "kern_test.konfig";

void Schreibe(const std::string& inhalt)
{
    std::ofstream(DATEI, std::ios::binary) << inhalt;
}

// One counter through its life. 'D' CountDownFrom(a, b), 'U' CountUpTill(a, b),
// 'P' a poll at that time that answers `ende` and leaves the count `stand`.
TEST(Zaehler, AblaufNachDerUhr)
{
    const struct { char was; std::uint32_t zeit; int a, b; bool ende; int stand; } schritte[] = {
        {'P', 1000, 0, 0, true, 0},  // a new counter is idle, which counts as run out
        {'D', 1000, 2, 100, false, 2},
        {'P', 1000, 0, 0, false, 1},  // the first step comes at once
        {'P', 1100, 0, 0, false, 1},  // exactly the interval is not more than it
        {'P', 1101, 0, 0, true, 0},
        {'P', 1101, 0, 0, true, 0},
        {'D', 1101, 3, 100, false, 3},
        {'P', 1102, 0, 0, false, 2},  // the finishing step left the time of the step before
        {'P', 1150, 0, 0, false, 2},
        {'D', 1150, 9, 200, false, 9},  // a restart keeps the time of the last step
        {'P', 1302, 0, 0, false, 9},
        {'P', 1303, 0, 0, false, 8},
        {'P', 90000, 0, 0, false, 7},  // one step per poll, however long the pause
        {'U', 90000, 9, 10, false, 7},  // upwards from the current count
        {'P', 90011, 0, 0, false, 8},
        {'P', 90022, 0, 0, true, 9},
        {'D', 90022, -5, 10, false, -5},
        {'P', 90022, 0, 0, true, -6},
    };
    TestUhr uhr;
    VOQ_Zaehler z;
    for (const auto& s : schritte) {
        uhr.Setze(s.zeit);
        bool ende = false;
        if (s.was == 'D')
            z.CountDownFrom(s.a, s.b);
        else if (s.was == 'U')
            z.CountUpTill(s.a, s.b);
        else
            ende = z.Counter();
        EXPECT_EQ(s.ende, ende) << s.was << " bei " << s.zeit;
        EXPECT_EQ(s.stand, z.aktuell) << s.was << " bei " << s.zeit;
    }
}

TEST(Zaehler, RegisterVergibtDiePlaetzeUndVerweigertSieVoll)
{
    LogFaenger log;
    VOQ_OGL_Zaehler reg;
    for (int i = 0; i < VOQ_OGL_Zaehler::MAX_ZAEHLER; ++i)
        ASSERT_EQ(i, reg.CreateZaehler());
    EXPECT_EQ("", log.Fehler());
    EXPECT_EQ(-1, reg.CreateZaehler());
}

// Pieces of at most 127 characters; comments, empty lines and lines that
// begin with a line end are skipped, a comment's further pieces are not; at
// the limit only the line end is left, an empty line; a NUL ends the text.
TEST(Konfig, ZeilenInStueckenOhneKommentare)
{
    Schreibe("# Kommentar\n\n\r\nA=1\n  # kein Kommentar\n#" + std::string(300, 'x') + "\n" + std::string(127, 'y')
             + std::string("\nE=5\0ZZZ\nB=2", 12));
    VOQ_Konfig konfig(VOQ_Konfig::ZEILE_KURZ);
    ASSERT_TRUE(konfig.Oeffne(DATEI));
    std::vector<std::string> zeilen;
    for (std::string zeile; konfig.NaechsteZeile(zeile);)
        zeilen.push_back(zeile);
    const std::vector<std::string> erwartet = {"A=1\n", "  # kein Kommentar\n", std::string(127, 'x'),
                                               std::string(47, 'x') + "\n", std::string(127, 'y'), "E=5", "B=2"};
    EXPECT_EQ(erwartet, zeilen);
    std::remove(DATEI);
}

// The record as one line: size, depth, full screen, title, sound mode, rate, stereo, chunk.
std::string Satz(const sInitVideo& v)
{
    return std::to_string(v.aufloesung_breite) + "x" + std::to_string(v.aufloesung_hoehe) + " "
           + std::to_string(v.farbtiefe) + " " + (v.vollbild ? "voll" : "fenster") + " '" + v.titelbeschriftung
           + "' " + std::to_string(v.vorgabeklang) + " " + std::to_string(v.frequenz) + " "
           + (v.stereo ? "stereo" : "mono") + " " + std::to_string(v.stueckgroesse);
}

TEST(Einstellungen, SchluesselUndZeilenregeln)
{
    const std::string lang(5000, 'Q');
    const struct { std::string inhalt, satz; } faelle[] = {
        {"# Darstellung\nAUFLOESUNG=800,600\nFARBTIEFE=24\nVOLLBILD=0\nTITELBESCHRIFTUNG=QUENTABOR - QUADERFALL\n"
         "VORGABEKLANG=3\nFREQUENZ=44100\nSTEREO=1\nSTUECKGROESSE=1024\nSCHRIFTBILDER=daten/schriften\n",
         "800x600 24 fenster 'QUENTABOR - QUADERFALL' 3 44100 stereo 1024"},
        {"SCHALTFLAECHENBILDER=daten/x\nLANDSCHAFTEN=daten/y\n", "0x0 0 fenster '' 0 0 mono 0"},
        // A key counts only at the line's start, with '=' right behind it; numbers
        // are read as sscanf reads them; what is not read stays; the last line wins.
        {"FREQUENZ=8000\n FREQUENZ=1\n#FREQUENZ=2\nFREQUENZ = 3\nFREQUENZX=4\nAUFLOESUNG=800,600\nAUFLOESUNG=640\n",
         "640x600 0 fenster '' 0 8000 mono 0"},
        {"AUFLOESUNG= -3, +4xyz\nFARBTIEFE=99999999999999999999\nSTUECKGROESSE=-99999999999999999999\n",
         "-3x4 2147483647 fenster '' 0 0 mono -2147483648"},
        {"AUFLOESUNG=5 ,6\nVOLLBILD=1\nVOLLBILD=ja\nFREQUENZ=5\nFREQUENZ=\nFREQUENZ=-\nSTEREO=7\n",
         "5x0 0 voll '' 0 5 stereo 0"},
        {std::string("TITELBESCHRIFTUNG=AB\0CD\n", 24), "0x0 0 fenster 'AB' 0 0 mono 0"},
        {"VOLLBILD=2\nSTEREO=1\nSTEREO=0\n", "0x0 0 fenster '' 0 0 mono 0"},
        {"TITELBESCHRIFTUNG=100% echt\n", "0x0 0 fenster '100  echt' 0 0 mono 0"},
        {"TITELBESCHRIFTUNG=ENDE  \nTITELBESCHRIFTUNG=VOR\tNACH\n", "0x0 0 fenster 'VOR' 0 0 mono 0"},
        {"TITELBESCHRIFTUNG=ENDE  \n", "0x0 0 fenster 'ENDE  ' 0 0 mono 0"},
        // Keys are looked for in their order: STEREO after the title, VOLLBILD before it.
        {"TITELBESCHRIFTUNG=MEIN STEREO SPIEL\n", "0x0 0 fenster 'MEIN STEREO SPIEL' 0 0 mono 0"},
        {"TITELBESCHRIFTUNG=ALT\nTITELBESCHRIFTUNG=VOLLBILD AN\n", "0x0 0 fenster 'ALT' 0 0 mono 0"},
        // Lines of 127 characters: the rest of a long one is a line without a key.
        {"TITELBESCHRIFTUNG=" + lang + "\nFREQUENZ=" + lang + "\nSTEREO=1\n",
         "0x0 0 fenster '" + std::string(127 - 18, 'Q') + "' 0 0 stereo 0"},
    };
    for (const auto& f : faelle) {
        Schreibe(f.inhalt);
        VOQ_OGL_Init init;
        ASSERT_TRUE(init.LeseEinstellungen(DATEI));
        EXPECT_EQ(f.satz, Satz(init.GetEinstellungen())) << f.inhalt.substr(0, 60);
    }
    std::remove(DATEI);
    VOQ_OGL_Init init;
    EXPECT_FALSE(init.LeseEinstellungen(DATEI));
}

// The window grows by whole factors while the desktop leaves room for its
// frame, at most by the factor the settings allow, and is never smaller.
TEST(Einstellungen, FensterfaktorNachBildschirmUndVergroesserung)
{
    Schreibe("VERGROESSERUNG=3\n");
    VOQ_OGL_Init init;
    ASSERT_TRUE(init.LeseEinstellungen(DATEI));
    EXPECT_EQ(3, init.GetEinstellungen().vergroesserung);
    std::remove(DATEI);
    // Desktop width and height, the settings' factor: the factor for 1024 x 768.
    const int faelle[][4] = {{3840, 2160, 0, 2}, {2144, 1632, 0, 2}, {2143, 1632, 0, 1}, {2144, 1631, 0, 1},
                             {6000, 3400, 0, 4}, {6000, 3400, 3, 3}, {6000, 3400, 1, 1}, {800, 600, 0, 1}};
    for (const auto& f : faelle)
        EXPECT_EQ(f[3], VOQ_OGL_Init::Fensterfaktor(f[0], f[1], 1024, 768, f[2])) << f[0] << "x" << f[1] << " " << f[2];
}

// A folder key the settings file does not set falls back to the folder the
// shipped settings file names.
TEST(Einstellungen, VorgabeordnerWieInDerMitgeliefertenDatei)
{
    const char* const SCHLUESSEL[] = {"SCHRIFTBILDER", "MAUSZEIGERBILDER", "EINZELWAEHLFLAECHENBILDER",
                                      "ANWAEHLFLAECHENBILDER", "SCHALTFLAECHENBILDER", "TEXTEINGABEBILDER",
                                      "LANDSCHAFTEN", "LANDSCHAFTSBILDER"};
    std::string ordner[8];
    std::string* ziele[8];
    for (int i = 0; i < 8; ++i)
        ziele[i] = &ordner[i];
    LogFaenger log;
    ASSERT_TRUE(VOQ_Konfig::LeseOrdner("Test", QF_QUELL_DIR "/data/einstellungen.konfig", SCHLUESSEL, ziele, 8));
    EXPECT_EQ(std::string::npos, log.Aus().find("Vorgabe"));
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(ordner[i], VOQ_Konfig::VorgabeOrdner(SCHLUESSEL[i])) << SCHLUESSEL[i];
}
}  // namespace
