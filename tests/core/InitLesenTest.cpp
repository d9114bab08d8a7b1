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

TEST(EinstellungenLesen, AlleSchluessel)
{
    const sInitVideo v = Lies(
        "# Darstellung\n"
        "AUFLOESUNG=800,600\n"
        "FARBTIEFE=24\n"
        "VOLLBILD=0\n"
        "TITELBESCHRIFTUNG=QUENTABOR - QUADERFALL\n"
        "VORGABEKLANG=0\n"
        "FREQUENZ=44100\n"
        "STEREO=1\n"
        "STUECKGROESSE=1024\n"
        "SCHRIFTBILDER=daten/bilder/eingabe/schriften\n");
    EXPECT_EQ(800, v.aufloesung_breite);
    EXPECT_EQ(600, v.aufloesung_hoehe);
    EXPECT_EQ(24, v.farbtiefe);
    EXPECT_FALSE(v.vollbild);
    EXPECT_EQ("QUENTABOR - QUADERFALL", v.titelbeschriftung);
    EXPECT_EQ(0, v.vorgabeklang);
    EXPECT_EQ(44100, v.frequenz);
    EXPECT_TRUE(v.stereo);
    EXPECT_EQ(1024, v.stueckgroesse);
}

TEST(EinstellungenLesen, FehlendeSchluesselBleibenNull)
{
    const sInitVideo v = Lies("SCHALTFLAECHENBILDER=daten/x\nLANDSCHAFTEN=daten/y\n");
    EXPECT_EQ(0, v.aufloesung_breite);
    EXPECT_EQ(0, v.aufloesung_hoehe);
    EXPECT_EQ(0, v.farbtiefe);
    EXPECT_FALSE(v.vollbild);
    EXPECT_TRUE(v.titelbeschriftung.empty());
    EXPECT_FALSE(v.stereo);
    EXPECT_EQ(0, v.frequenz);
}

TEST(EinstellungenLesen, ZeilenDieNichtPassenSetzenNichts)
{
    const sInitVideo v = Lies(
        "AUFLOESUNG=640,480\n"
        " AUFLOESUNG=1,1\n"
        "#AUFLOESUNG=2,2\n"
        "AUFLOESUNG = 3,3\n");
    EXPECT_EQ(640, v.aufloesung_breite);
    EXPECT_EQ(480, v.aufloesung_hoehe);
}

TEST(EinstellungenLesen, LetzterWertGewinnt)
{
    const sInitVideo v = Lies("FREQUENZ=11025\nFREQUENZ=22050\nFARBTIEFE=16\nFARBTIEFE=32\n");
    EXPECT_EQ(22050, v.frequenz);
    EXPECT_EQ(32, v.farbtiefe);
}

TEST(EinstellungenLesen, VollbildNurBeiEins)
{
    EXPECT_TRUE(Lies("VOLLBILD=1\n").vollbild);
    EXPECT_FALSE(Lies("VOLLBILD=2\n").vollbild);
    EXPECT_FALSE(Lies("VOLLBILD=0\n").vollbild);
    // An unreadable number leaves the flag as it was.
    EXPECT_TRUE(Lies("VOLLBILD=1\nVOLLBILD=ja\n").vollbild);
}

TEST(EinstellungenLesen, StereoBeiJederZahlAusserNull)
{
    EXPECT_TRUE(Lies("STEREO=7\n").stereo);
    EXPECT_FALSE(Lies("STEREO=0\n").stereo);
}

TEST(EinstellungenLesen, TitelMitLeerzeichenUndProzent)
{
    EXPECT_EQ("DREI KLEINE WORTE", Lies("TITELBESCHRIFTUNG=DREI KLEINE WORTE\n").titelbeschriftung);
    EXPECT_EQ("100  echt", Lies("TITELBESCHRIFTUNG=100% echt\n").titelbeschriftung);
    EXPECT_EQ("ENDE  ", Lies("TITELBESCHRIFTUNG=ENDE  \n").titelbeschriftung) << "blanks at the end belong to it";
    EXPECT_EQ("VOR", Lies("TITELBESCHRIFTUNG=VOR\tNACH\n").titelbeschriftung) << "a tab ends it";
}

TEST(EinstellungenLesen, SchluesselReihenfolgeUeberTeilwoerter)
{
    // STEREO comes after the title in the key order: this is a title line.
    EXPECT_EQ("MEIN STEREO SPIEL", Lies("TITELBESCHRIFTUNG=MEIN STEREO SPIEL\n").titelbeschriftung);
    // VOLLBILD comes before it: this line is taken for a VOLLBILD line and sets nothing.
    const sInitVideo v = Lies("TITELBESCHRIFTUNG=ALT\nTITELBESCHRIFTUNG=VOLLBILD AN\n");
    EXPECT_EQ("ALT", v.titelbeschriftung);
    EXPECT_FALSE(v.vollbild);
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

TEST(EinstellungenLesen, FehlendeDatei)
{
    VOQ_OGL_Init init;
    EXPECT_FALSE(init.LeseEinstellungen("nicht_da.konfig"));
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
