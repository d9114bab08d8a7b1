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

TEST(KonfigZeilen, KommentareUndLeerzeilenEntfallen)
{
    const auto zeilen = AlleZeilen("# Kommentar\n\n\r\nA=1\n  # kein Kommentar\nB=2", 127);
    ASSERT_EQ(3u, zeilen.size());
    EXPECT_EQ("A=1\n", zeilen[0]);
    EXPECT_EQ("  # kein Kommentar\n", zeilen[1]);
    EXPECT_EQ("B=2", zeilen[2]);
}

TEST(KonfigZeilen, LangeZeilenKommenInStuecken)
{
    const std::string lang(300, 'x');
    const auto zeilen = AlleZeilen("#" + lang + "\nC=3\n", 127);
    // The comment's first piece is skipped; its further pieces are lines of their own.
    ASSERT_EQ(3u, zeilen.size());
    EXPECT_EQ(std::string(127, 'x'), zeilen[0]);
    EXPECT_EQ(std::string(300 - 127 - 127 + 1, 'x') + "\n", zeilen[1]);
    EXPECT_EQ("C=3\n", zeilen[2]);
}

TEST(KonfigZeilen, ZeileGenauAmLimitLaesstNurDenZeilenumbruchUebrig)
{
    const auto zeilen = AlleZeilen(std::string(127, 'y') + "\nD=4\n", 127);
    ASSERT_EQ(2u, zeilen.size());
    EXPECT_EQ(std::string(127, 'y'), zeilen[0]);
    EXPECT_EQ("D=4\n", zeilen[1]);
}

TEST(KonfigZeilen, NulBeendetDenZeilentext)
{
    const auto zeilen = AlleZeilen(std::string("E=5\0ZZZ\n", 8), 127);
    ASSERT_EQ(1u, zeilen.size());
    EXPECT_EQ("E=5", zeilen[0]);
}

TEST(KonfigZeilen, FehlendeDateiOeffnetNicht)
{
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
    int w[2] = {7, 8};
    EXPECT_EQ(2, VOQ_Konfig::LeseZahlen("A=640,480\n", "A", w, 2));
    EXPECT_EQ(640, w[0]);
    EXPECT_EQ(480, w[1]);

    w[0] = 7; w[1] = 8;
    EXPECT_EQ(2, VOQ_Konfig::LeseZahlen("A= -3, +4xyz", "A", w, 2));
    EXPECT_EQ(-3, w[0]);
    EXPECT_EQ(4, w[1]);

    w[0] = 7; w[1] = 8;
    EXPECT_EQ(1, VOQ_Konfig::LeseZahlen("A=5 ,6", "A", w, 2)) << "blank before the comma";
    EXPECT_EQ(5, w[0]);
    EXPECT_EQ(8, w[1]);

    w[0] = 7;
    EXPECT_EQ(0, VOQ_Konfig::LeseZahlen(" A=5", "A", w, 1));
    EXPECT_EQ(0, VOQ_Konfig::LeseZahlen("A =5", "A", w, 1));
    EXPECT_EQ(0, VOQ_Konfig::LeseZahlen("A=", "A", w, 1));
    EXPECT_EQ(0, VOQ_Konfig::LeseZahlen("A=-", "A", w, 1));
    EXPECT_EQ(0, VOQ_Konfig::LeseZahlen("AB=5", "A", w, 1));
    EXPECT_EQ(7, w[0]);
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
