#include "VOQ_Konfig.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace
{

std::vector<std::string> AlleZeilen(const std::string& inhalt, std::size_t laenge)
{
    const char* pfad = "konfig_test.konfig";
    {
        std::ofstream aus(pfad, std::ios::binary);
        aus << inhalt;
    }
    VOQ_Konfig konfig(laenge);
    EXPECT_TRUE(konfig.Oeffne(pfad));
    std::vector<std::string> zeilen;
    std::string zeile;
    while (konfig.NaechsteZeile(zeile))
        zeilen.push_back(zeile);
    std::remove(pfad);
    return zeilen;
}

TEST(KonfigZeilen, KommentareLeerzeilenUndStuecke)
{
    const std::string lang(300, 'x');
    struct Fall
    {
        std::string inhalt;
        std::vector<std::string> zeilen;
    };
    const Fall faelle[] = {
        {"# Kommentar\n\n\r\nA=1\n  # kein Kommentar\nB=2", {"A=1\n", "  # kein Kommentar\n", "B=2"}},
        // A comment's first piece is skipped; its further pieces are lines of their own.
        {"#" + lang + "\nC=3\n", {std::string(127, 'x'), std::string(300 - 127 - 127 + 1, 'x') + "\n", "C=3\n"}},
        // At the limit only the line end is left, and that is an empty line.
        {std::string(127, 'y') + "\nD=4\n", {std::string(127, 'y'), "D=4\n"}},
        {std::string("E=5\0ZZZ\n", 8), {"E=5"}},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(f.zeilen, AlleZeilen(f.inhalt, 127)) << f.inhalt.substr(0, 20);

    VOQ_Konfig konfig(127);
    EXPECT_FALSE(konfig.Oeffne("gibt_es_nicht.konfig"));
    std::string zeile;
    EXPECT_FALSE(konfig.NaechsteZeile(zeile));
}

TEST(KonfigSchluessel, ErsterSchluesselDerReihenfolgeEntscheidet)
{
    const char* const schluessel[] = {"AUFLOESUNG", "STEREO", "TITEL"};
    EXPECT_EQ(1, VOQ_Konfig::FindeSchluessel("TITEL=MEIN STEREO", schluessel, 3));
    EXPECT_EQ(0, VOQ_Konfig::FindeSchluessel(" AUFLOESUNG=1,2", schluessel, 3));
    EXPECT_EQ(-1, VOQ_Konfig::FindeSchluessel("NICHTS=1", schluessel, 3));
}

TEST(KonfigMuster, ZahlenWieSscanf)
{
    struct Fall
    {
        const char* zeile;
        int gelesen, a, b;  // the count and the two values after it, from 7 and 8
    };
    const Fall faelle[] = {
        {"A=640,480\n", 2, 640, 480}, {"A= -3, +4xyz", 2, -3, 4}, {"A=5 ,6", 1, 5, 8},
        {" A=5", 0, 7, 8},            {"A =5", 0, 7, 8},          {"A=", 0, 7, 8},
        {"A=-", 0, 7, 8},             {"AB=5", 0, 7, 8},
    };
    for (const Fall& f : faelle) {
        int w[2] = {7, 8};
        EXPECT_EQ(f.gelesen, VOQ_Konfig::LeseZahlen(f.zeile, "A", w, 2)) << f.zeile;
        EXPECT_EQ(f.a, w[0]) << f.zeile;
        EXPECT_EQ(f.b, w[1]) << f.zeile;
    }
}

TEST(KonfigMuster, UebergrosseZahlenWerdenBegrenzt)
{
    int w = 0;
    EXPECT_TRUE(VOQ_Konfig::LeseZahl("A=99999999999999999999999", "A", w));
    EXPECT_EQ(2147483647, w);
    EXPECT_TRUE(VOQ_Konfig::LeseZahl("A=-99999999999999999999999", "A", w));
    EXPECT_EQ(-2147483647 - 1, w);
}

TEST(KonfigMuster, FliesszahlUndWort)
{
    float f = 9.0f;
    EXPECT_TRUE(VOQ_Konfig::LeseFliesszahl("D=0.5\n", "D", f));
    EXPECT_FLOAT_EQ(0.5f, f);
    EXPECT_FALSE(VOQ_Konfig::LeseFliesszahl("D=x", "D", f));
    EXPECT_FLOAT_EQ(0.5f, f);

    std::string w = "alt";
    EXPECT_TRUE(VOQ_Konfig::LeseWort("P=  daten/bilder rest\n", "P", w));
    EXPECT_EQ("daten/bilder", w);
    EXPECT_FALSE(VOQ_Konfig::LeseWort("P=\n", "P", w));
    EXPECT_EQ("daten/bilder", w);
    EXPECT_FALSE(VOQ_Konfig::LeseWort("P", "P", w));
}

}  // namespace
