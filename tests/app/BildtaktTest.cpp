// The pump's pacing on a made-up clock, and its settings key.
#include "Bildtakt.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace
{
// Frames that take `arbeit` ms each after the pump's 1 ms sleep, for one
// virtual second: how many.
int BilderJeSekunde(int rate, std::uint32_t arbeit, std::uint32_t beginn = 5000)
{
    Bildtakt::Takt takt;
    unsigned long bilder = 0;
    for (std::uint32_t jetzt = beginn; jetzt < beginn + 1000; ++bilder)
        jetzt += Bildtakt::Warten(takt, jetzt, rate, bilder + 1) + 1 + arbeit;
    return static_cast<int>(bilder);
}

TEST(Bildtakt, HaeltDieRateUndWartetVorDenEreignissen)
{
    EXPECT_NEAR(BilderJeSekunde(60, 3), 60, 1);
    EXPECT_NEAR(BilderJeSekunde(75, 0), 75, 1);
    EXPECT_NEAR(BilderJeSekunde(60, 0), 60, 1);  // frames kept on show take no time
    EXPECT_EQ(BilderJeSekunde(60, 30), 1000 / 31 + 1);  // slow frames: only the 1 ms
    EXPECT_EQ(BilderJeSekunde(0, 3), 250);               // 0: unpaced, as before
    // A clock that jumped back after a frame due far ahead keeps the rate;
    // a frame that is due waits not at all.
    Bildtakt::Takt takt{4e9, 7};
    EXPECT_EQ(Bildtakt::Warten(takt, 100, 60, 8), 0u);
    EXPECT_EQ(Bildtakt::Warten(takt, 105, 60, 9), 11u);
    // A second pump with no frame in between does not wait.
    EXPECT_EQ(Bildtakt::Warten(takt, 117, 60, 9), 0u);
    EXPECT_EQ(Bildtakt::Warten(takt, 120, 60, 10), 13u);
}

TEST(Bildtakt, SchluesselDerEinstellungsdatei)
{
    const char* pfad = "bildtakt_test.konfig";
    const auto rate = [pfad](const char* inhalt) {
        std::FILE* f = std::fopen(pfad, "w");
        std::fputs(inhalt, f);
        std::fclose(f);
        return Bildtakt::LeseRate(pfad);
    };
    EXPECT_EQ(rate("FREQUENZ=44100\n#BILDRATE=30\n"), -1);
    EXPECT_EQ(rate("BILDRATE=0\nSTEREO=1\n"), 0);
    EXPECT_EQ(rate("BILDRATE=75\nBILDRATE=-5\n"), -1);
    EXPECT_EQ(rate("BILDRATE=144\n"), 144);
    std::remove(pfad);
}
}
