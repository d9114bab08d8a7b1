#include "VOQ_OGL_Init.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

namespace
{

sInitVideo Lies(const std::string& inhalt)
{
    const char* pfad = "einstellungen_test.konfig";
    {
        std::ofstream aus(pfad, std::ios::binary);
        aus << inhalt;
    }
    VOQ_OGL_Init init;
    EXPECT_TRUE(init.LeseEinstellungen(pfad));
    std::remove(pfad);
    return init.GetEinstellungen();
}

TEST(EinstellungenLesen, AlleSchluesselUndFehlendeBleibenNull)
{
    const sInitVideo v = Lies(
        "# Darstellung\n"
        "AUFLOESUNG=800,600\n"
        "FARBTIEFE=24\n"
        "VOLLBILD=0\n"
        "TITELBESCHRIFTUNG=QUENTABOR - QUADERFALL\n"
        "VORGABEKLANG=3\n"
        "FREQUENZ=44100\n"
        "STEREO=1\n"
        "STUECKGROESSE=1024\n"
        "SCHRIFTBILDER=daten/bilder/eingabe/schriften\n");
    EXPECT_EQ(800, v.aufloesung_breite);
    EXPECT_EQ(600, v.aufloesung_hoehe);
    EXPECT_EQ(24, v.farbtiefe);
    EXPECT_FALSE(v.vollbild);
    EXPECT_EQ("QUENTABOR - QUADERFALL", v.titelbeschriftung);
    EXPECT_EQ(3, v.vorgabeklang);
    EXPECT_EQ(44100, v.frequenz);
    EXPECT_TRUE(v.stereo);
    EXPECT_EQ(1024, v.stueckgroesse);

    const sInitVideo leer = Lies("SCHALTFLAECHENBILDER=daten/x\nLANDSCHAFTEN=daten/y\n");
    EXPECT_EQ(0, leer.aufloesung_breite);
    EXPECT_EQ(0, leer.frequenz);
    EXPECT_TRUE(leer.titelbeschriftung.empty());
    EXPECT_FALSE(leer.stereo);

    VOQ_OGL_Init init;
    EXPECT_FALSE(init.LeseEinstellungen("nicht_da.konfig"));
}

TEST(EinstellungenLesen, ZeilenregelnUndWerte)
{
    struct Fall
    {
        const char* inhalt;
        int frequenz;  // FREQUENZ as read
        bool vollbild, stereo;
        const char* titel;
    };
    const Fall faelle[] = {
        // A key only at the line start, without blanks around '='.
        {"FREQUENZ=8000\n FREQUENZ=1\n#FREQUENZ=2\nFREQUENZ = 3\n", 8000, false, false, ""},
        {"FREQUENZ=11025\nFREQUENZ=22050\n", 22050, false, false, ""},
        {"VOLLBILD=1\n", 0, true, false, ""},
        {"VOLLBILD=2\nSTEREO=7\n", 0, false, true, ""},
        // An unreadable number leaves the value as it was.
        {"VOLLBILD=1\nVOLLBILD=ja\nFREQUENZ=5\nFREQUENZ=\n", 5, true, false, ""},
        {"TITELBESCHRIFTUNG=100% echt\n", 0, false, false, "100  echt"},
        {"TITELBESCHRIFTUNG=ENDE  \n", 0, false, false, "ENDE  "},
        {"TITELBESCHRIFTUNG=VOR\tNACH\n", 0, false, false, "VOR"},
        // Keys are found as parts of the line in their order: STEREO comes
        // after the title, VOLLBILD before it (and then sets nothing).
        {"TITELBESCHRIFTUNG=MEIN STEREO SPIEL\n", 0, false, false, "MEIN STEREO SPIEL"},
        {"TITELBESCHRIFTUNG=ALT\nTITELBESCHRIFTUNG=VOLLBILD AN\n", 0, false, false, "ALT"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.inhalt);
        const sInitVideo v = Lies(f.inhalt);
        EXPECT_EQ(f.frequenz, v.frequenz);
        EXPECT_EQ(f.vollbild, v.vollbild);
        EXPECT_EQ(f.stereo, v.stereo);
        EXPECT_EQ(f.titel, v.titelbeschriftung);
    }
}

TEST(EinstellungenLesen, UeberlangeZeilenOhneAbsturz)
{
    const std::string lang(5000, 'Q');
    const sInitVideo v = Lies("TITELBESCHRIFTUNG=" + lang + "\nFREQUENZ=" + lang + "\nFREQUENZ=\nSTEREO=1\n");
    // Only the first 127 characters form the title line; its rest are lines without keys.
    EXPECT_EQ(std::string(127 - 18, 'Q'), v.titelbeschriftung);
    EXPECT_EQ(0, v.frequenz);
    EXPECT_TRUE(v.stereo);
}

TEST(EinstellungenLesen, SetCaptionUndSetIconWirkenErstBeimNaechstenStart)
{
    VOQ_OGL_Init init;
    init.SetCaption("NEU");
    init.SetIcon("symbol.bmp");
    EXPECT_EQ("NEU", init.GetEinstellungen().titelbeschriftung);
    EXPECT_EQ("symbol.bmp", init.GetEinstellungen().symbolpfad);
    EXPECT_EQ(nullptr, init.GetBildschirm());
}

}  // namespace
