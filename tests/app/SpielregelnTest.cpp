// The rules of the game screen on a real playfield, timed by a test clock:
// scoring, gravity, hard and soft drop, auto-repeat, time bar and levels.
#include "FeldHilfe.h"
#include "LogFaenger.h"
#include "Spielregeln.h"
#include "TestUhr.h"
#include "VOQ_OGL_Zaehler.h"
#include "VOQ_Quaderfall.h"
#include "VOQ_Teil_Basis.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace
{

const char* const LEER = "..........";

class Regeln : public ::testing::Test
{
protected:
    LogFaenger log;  // the block images are missing here
    TestUhr uhr{100000};
    VOQ_OGL_Zaehler uhren;
    VOQ_Quaderfall feld{10, 22};
    int punkte = 99;
    Spielregeln regeln{feld, uhren, punkte};

    void SetUp() override
    {
        feld.neuerQuaderfall(TEIL_T);
        regeln.Beginne();
    }

    int Spalte() const { return feld.teil->holePosX(); }
    int Zeile() const { return feld.teil->holePosY(); }

    // Frames of `bild` ms, each as the screen's frame with Left held (or not).
    // The times (from now) at which the piece changed its column.
    std::vector<int> HalteLinks(int dauer, int bild, bool gehalten = true)
    {
        std::vector<int> schritte;
        for (int t = bild; t <= dauer; t += bild) {
            uhr.Weiter(bild);
            const int vorher = Spalte();
            regeln.Wiederholung(gehalten);
            regeln.Schritt(false, false, gehalten);
            if (Spalte() != vorher)
                schritte.push_back(t);
        }
        return schritte;
    }

    // Zeitlauf() every `bild` ms until the level changes; the bar steps taken.
    int BisZurNaechstenStufe(int bild)
    {
        const int stufe = regeln.Stufe();
        int schritte = 0;
        for (int i = 0; i < 2000000 && regeln.Stufe() == stufe; ++i) {
            uhr.Weiter(bild);
            const int vorher = regeln.Balkenhoehe();
            const bool gestiegen = regeln.Zeitlauf();
            EXPECT_EQ(gestiegen, regeln.Stufe() != stufe);
            if (regeln.Balkenhoehe() != vorher)
                ++schritte;
        }
        return schritte;
    }
};

TEST_F(Regeln, TaktergebnisseZaehlenGeloesteReihen)
{
    EXPECT_EQ(0, punkte) << "a new game starts from 0";
    const int faelle[][3] = {{0, Spielregeln::KEINER, 0}, {1, Spielregeln::AUFSCHLAG, 0},
                             {2, Spielregeln::BONUS, 1}, {5, Spielregeln::BONUS, 5}};
    for (const auto& f : faelle) {
        EXPECT_EQ(f[1], regeln.Werte(f[0])) << f[0];
        EXPECT_EQ(f[2], punkte) << f[0];
    }
}

TEST_F(Regeln, HarterFallLoestZweiReihen)
{
    // An O fills the gap in columns 4 and 5 of the two bottom rows.
    Zeichne(feld, 17, {"7.........", "1111..1111", "2222..2222"});
    feld.neuerQuaderfall(TEIL_O);
    EXPECT_EQ(Spielregeln::BONUS, regeln.Fallenlassen());
    EXPECT_EQ(2, punkte);
    EXPECT_EQ(std::string(LEER) + "\n" + LEER + "\n" + "7.........\n", Bild(feld, 17, 19));

    feld.neuerQuaderfall(TEIL_O);
    EXPECT_EQ(Spielregeln::AUFSCHLAG, regeln.Fallenlassen());
    EXPECT_EQ(2, punkte);
    EXPECT_EQ("....33....\n7...33....\n", Bild(feld, 18, 19));
    EXPECT_EQ(0, Zeile()) << "the next piece starts at the top";
}

TEST_F(Regeln, SchwerkraftAlleFuenfhundertMillisekunden)
{
    std::vector<int> faelle;
    for (int t = 10; t <= 2200; t += 10) {
        uhr.Weiter(10);
        const int vorher = Zeile();
        regeln.Schwerkraft(false);
        if (Zeile() != vorher)
            faelle.push_back(t);
    }
    ASSERT_EQ(4u, faelle.size());
    for (std::size_t i = 1; i < faelle.size(); ++i) {
        EXPECT_GT(faelle[i] - faelle[i - 1], 500);
        EXPECT_LE(faelle[i] - faelle[i - 1], 520);
    }
}

TEST_F(Regeln, PauseHaeltDieSchwerkraftNichtDieUhr)
{
    for (int t = 0; t < 3000; t += 10) {
        uhr.Weiter(10);
        EXPECT_EQ(Spielregeln::KEINER, regeln.Schwerkraft(true));
    }
    EXPECT_EQ(0, Zeile());
    // The counter kept running: the first fall after the pause comes within one interval.
    int bisZumFall = 0;
    while (Zeile() == 0 && bisZumFall < 2000) {
        uhr.Weiter(10);
        bisZumFall += 10;
        regeln.Schwerkraft(false);
    }
    EXPECT_LE(bisZumFall, 520);
}

TEST_F(Regeln, WeicherFallAlleHundertMillisekunden)
{
    int faelle = 0;
    for (int t = 0; t < 1000; t += 10) {
        uhr.Weiter(10);
        const int vorher = Zeile();
        regeln.Schritt(true, false, false);
        faelle += Zeile() != vorher;
    }
    EXPECT_GE(faelle, 8);
    EXPECT_LE(faelle, 10);

    Spielregeln::Aufprall aufprall = Spielregeln::KEINER;
    for (int t = 0; t < 5000 && aufprall == Spielregeln::KEINER; t += 10) {
        uhr.Weiter(10);
        aufprall = regeln.Schritt(true, false, false);
    }
    EXPECT_EQ(Spielregeln::AUFSCHLAG, aufprall);
    EXPECT_EQ("...777....\n....7.....\n", Bild(feld, 18, 19));
}

TEST_F(Regeln, LinksHaltenWiederholtNachDreihundertMillisekunden)
{
    ASSERT_EQ(3, Spalte());
    regeln.Seitendruck(true, false);
    EXPECT_EQ(2, Spalte()) << "the press moves at once";

    const std::vector<int> schritte = HalteLinks(1000, 10);
    // T_1 touches the left wall at column 0: two more steps.
    ASSERT_EQ(2u, schritte.size());
    EXPECT_GT(schritte[0], 300) << "no repeat before the delay";
    EXPECT_LE(schritte[0], 300 + 100 + 30);
    EXPECT_GT(schritte[1] - schritte[0], 100);
    EXPECT_LE(schritte[1] - schritte[0], 130);
    EXPECT_EQ(0, Spalte());
    EXPECT_TRUE(regeln.Wiederholt());

    // Letting go ends the repeat; the next press waits for the delay again.
    HalteLinks(20, 10, false);
    EXPECT_FALSE(regeln.Wiederholt());
    regeln.Seitendruck(false, true);
    EXPECT_EQ(1, Spalte());
    int t = 0;
    for (; t < 300; t += 10) {
        uhr.Weiter(10);
        regeln.Wiederholung(true);
        regeln.Schritt(false, true, false);
    }
    EXPECT_EQ(1, Spalte()) << "right held, no repeat within the delay";
}

TEST_F(Regeln, KurzerDruckBewegtNurEinmalUndRechtsGehtVorLinks)
{
    regeln.Seitendruck(false, true);
    HalteLinks(1100, 10, false);
    EXPECT_EQ(4, Spalte());
    EXPECT_FALSE(regeln.Wiederholt());

    regeln.Seitendruck(false, true);
    for (int t = 0; t < 1000; t += 10) {
        uhr.Weiter(10);
        regeln.Wiederholung(true);
        regeln.Schritt(false, true, true);
    }
    EXPECT_EQ(7, Spalte()) << "T_1 at the right wall";
}

TEST_F(Regeln, SiebenStufenMitIhrenBalkenfarben)
{
    // Every level has a bar image of its own; levels outside are brought into range.
    EXPECT_EQ(std::string("daten/bilder/zeitlauf_gruen"), Spielregeln::Balkenbild(1));
    EXPECT_EQ(std::string(Spielregeln::Balkenbild(1)), Spielregeln::Balkenbild(0));
    EXPECT_EQ(std::string(Spielregeln::Balkenbild(7)), Spielregeln::Balkenbild(99));
    std::set<std::string> bilder;
    for (int stufe = 1; stufe <= Spielregeln::HOECHSTE_STUFE; ++stufe)
        bilder.insert(Spielregeln::Balkenbild(stufe));
    EXPECT_EQ(7u, bilder.size());

    for (int stufe = 2; stufe <= Spielregeln::HOECHSTE_STUFE; ++stufe) {
        SCOPED_TRACE("Stufe " + std::to_string(stufe));
        const std::uint32_t anfang = uhr.Jetzt();
        EXPECT_EQ(634, BisZurNaechstenStufe(5));
        ASSERT_EQ(stufe, regeln.Stufe());
        EXPECT_EQ(stufe < 7 ? 1 : Spielregeln::BALKEN_VOLL, regeln.Balkenhoehe());
        // Each bar step takes a little more than 300 / (level before) ms.
        const std::uint32_t dauer = uhr.Jetzt() - anfang;
        const std::uint32_t schritt = 300 / (stufe - 1);
        EXPECT_GT(dauer, 634 * schritt);
        EXPECT_LE(dauer, 634 * (schritt + 12)) << "a step: the interval and up to two frames";
    }

    // The top level keeps its full bar, whatever time passes.
    for (int i = 0; i < 10000; ++i) {
        uhr.Weiter(5);
        EXPECT_FALSE(regeln.Zeitlauf());
    }
    EXPECT_EQ(7, regeln.Stufe());
    EXPECT_EQ(Spielregeln::BALKEN_VOLL, regeln.Balkenhoehe());
}

TEST_F(Regeln, SchwerkraftFolgtDerStufe)
{
    while (regeln.Stufe() < 4)
        BisZurNaechstenStufe(5);
    // The gravity counter takes the new interval at its next run-out.
    for (int t = 0; t < 600; t += 5) {
        uhr.Weiter(5);
        regeln.Schwerkraft(false);
    }
    int faelle = 0;
    for (int t = 0; t < 1000; t += 5) {
        uhr.Weiter(5);
        const int vorher = Zeile();
        regeln.Schwerkraft(false);
        faelle += Zeile() != vorher;
    }
    EXPECT_GE(faelle, 7) << "500 / 4 = 125 ms a row";
    EXPECT_LE(faelle, 8);
}

}
