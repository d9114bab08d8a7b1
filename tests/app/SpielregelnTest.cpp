// The rules of the game screen on a real playfield, timed by a test clock in
// frames of 1 ms: scoring, gravity, hard and soft drop, auto-repeat, the time
// bar and the levels.
#include "FeldHilfe.h"
#include "LogFaenger.h"
#include "Spielregeln.h"
#include "TestUhr.h"
#include "VOQ_OGL_Zaehler.h"
#include "VOQ_Quaderfall.h"
#include "VOQ_Teil_Basis.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace
{

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

    // Frames for `dauer` ms; the times (from now) at which the piece moved.
    std::vector<int> Bilder(int dauer, const std::function<void()>& bild)
    {
        std::vector<int> zeiten;
        for (int t = 1; t <= dauer; ++t) {
            uhr.Weiter(1);
            const int x = feld.teil->holePosX(), y = feld.teil->holePosY();
            bild();
            if (feld.teil->holePosX() != x || feld.teil->holePosY() != y)
                zeiten.push_back(t);
        }
        return zeiten;
    }

    // A counter armed with `ms` runs out at the second frame more than `ms` after its first.
    static void PruefeTakt(const std::vector<int>& zeiten, int ms)
    {
        ASSERT_GT(zeiten.size(), 1u);
        for (std::size_t i = 1; i < zeiten.size(); ++i) {
            const int abstand = zeiten[i] - zeiten[i - 1];
            EXPECT_TRUE(abstand > ms && abstand <= ms + 2) << abstand;
        }
    }
};

TEST_F(Regeln, TaktergebnisZaehltGeloesteReihen)
{
    EXPECT_EQ(0, punkte) << "a new game starts from 0";
    const int faelle[][3] = {{0, Spielregeln::KEINER, 0}, {1, Spielregeln::AUFSCHLAG, 0},
                             {2, Spielregeln::BONUS, 1}, {5, Spielregeln::BONUS, 5}};
    for (const auto& f : faelle) {
        EXPECT_EQ(f[1], regeln.Werte(f[0])) << f[0];
        EXPECT_EQ(f[2], punkte) << f[0];
    }
    Zeichne(feld, 18, {"1111..1111", "2222..2222"});
    feld.neuerQuaderfall(TEIL_O);
    EXPECT_EQ(Spielregeln::BONUS, regeln.Fallenlassen()) << "the hard drop goes down to the lock";
    EXPECT_EQ(7, punkte);
}

// While paused gravity moves nothing, but its counter runs on. The soft drop
// steps every 100 ms down to the lock.
TEST_F(Regeln, PauseUndWeicherFall)
{
    EXPECT_TRUE(Bilder(1200, [&] { regeln.Schwerkraft(true); }).empty());
    EXPECT_EQ(1u, Bilder(505, [&] { regeln.Schwerkraft(false); }).size());
    feld.neuerQuaderfall(TEIL_T);
    Spielregeln::Aufprall aufprall = Spielregeln::KEINER;
    PruefeTakt(Bilder(2000, [&] { aufprall = std::max(aufprall, regeln.GehalteneTasten(true, false, false)); }), 100);
    EXPECT_EQ(Spielregeln::AUFSCHLAG, aufprall);
}

// A press moves at once (left before right); held on, the piece repeats
// after 300 ms at the steps of 100 ms, right before left, until let go.
TEST_F(Regeln, SeitwaertsMitVerzoegerterWiederholung)
{
    // A frame of the screen with left or right held.
    auto halte = [&](bool links, bool rechts) {
        return [&, links, rechts] { regeln.Wiederholung(links || rechts), regeln.GehalteneTasten(false, rechts, links); };
    };
    regeln.Seitendruck(true, true);
    EXPECT_EQ(2, feld.teil->holePosX());
    const std::vector<int> schritte = Bilder(1000, halte(true, false));
    ASSERT_EQ(2u, schritte.size()) << "T_1 reaches the left wall at column 0";
    EXPECT_TRUE(schritte[0] > 300 && schritte[0] <= 300 + 100 + 4) << schritte[0];
    PruefeTakt(schritte, 100);

    Bilder(2, halte(false, false));
    EXPECT_FALSE(regeln.Wiederholt());
    regeln.Seitendruck(false, true);
    EXPECT_EQ(1, feld.teil->holePosX());
    EXPECT_TRUE(Bilder(300, halte(false, true)).empty());
    PruefeTakt(Bilder(700, halte(true, true)), 100);
    EXPECT_EQ(7, feld.teil->holePosX()) << "right wins, up to the wall";
}

// Each level has its bar colour, gravity steps 500 / level ms apart (from the
// run-out after the change on), and the bar steps 300 / level ms apart; 634
// steps lead to the next level. Level 7 is the last: its bar stays full.
TEST_F(Regeln, SiebenStufen)
{
    const char* const FARBEN[] = {"gruen", "gelb", "rot", "blau", "grau", "braun", "lila"};
    for (int stufe = 1; stufe <= 7; ++stufe) {
        SCOPED_TRACE("Stufe " + std::to_string(stufe));
        ASSERT_EQ(stufe, regeln.Stufe());
        EXPECT_EQ(std::string("daten/bilder/zeitlauf_") + FARBEN[stufe - 1], Spielregeln::Balkenbild(stufe));
        feld.neuerQuaderfall(TEIL_T);
        const std::vector<int> faelle = Bilder(4 * 502 / stufe, [&] { regeln.Schwerkraft(false); });
        PruefeTakt(faelle, 500 / stufe);
        if (stufe == 1 && !faelle.empty()) {
            EXPECT_NEAR(501, faelle[0], 1) << "armed by Beginne";
        }

        const unsigned schritt = 300 / stufe, anfang = uhr.Jetzt();
        int schritte = 0;
        for (bool gestiegen = false; !gestiegen && uhr.Jetzt() - anfang < 640 * (schritt + 2);) {
            uhr.Weiter(1);
            const int vorher = regeln.Balkenhoehe();
            gestiegen = regeln.Zeitlauf();
            schritte += regeln.Balkenhoehe() != vorher;
        }
        EXPECT_EQ(stufe < 7 ? 634 : 0, schritte);
        EXPECT_EQ(stufe < 7 ? stufe + 1 : 7, regeln.Stufe());
        EXPECT_EQ(stufe < 6 ? 1 : 635, regeln.Balkenhoehe());
        const unsigned dauer = uhr.Jetzt() - anfang;
        EXPECT_TRUE(stufe == 7 || (dauer > 634 * schritt && dauer <= 634 * (schritt + 2))) << dauer;
    }
    EXPECT_EQ(std::string(Spielregeln::Balkenbild(7)), Spielregeln::Balkenbild(8));
    EXPECT_EQ(std::string(Spielregeln::Balkenbild(1)), Spielregeln::Balkenbild(0));
    regeln.Beginne();
    EXPECT_EQ(1, regeln.Stufe());
    EXPECT_EQ(1, regeln.Balkenhoehe());
}

}
