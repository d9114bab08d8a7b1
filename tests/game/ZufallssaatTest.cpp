// The random generator is seeded by the first playfield of the run (that later
// fields do not seed again is checked in the model tests). A binary of its
// own, so that its field really is the first one.
#include "FeldHilfe.h"
#include "LogFaenger.h"
#include "VOQ_Quaderfall.h"
#include "VOQ_Teil_Basis.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

namespace
{

TEST(Zufallssaat, ErstesFeldSaetMitDerUhrzeit)
{
    LogFaenger log;
    std::srand(99);
    const std::time_t vorher = std::time(nullptr);
    VOQ_Quaderfall erstes(10, 22);
    const int danach = std::rand();
    const std::time_t nachher = std::time(nullptr);

    bool uhrzeit = false;
    for (std::time_t t = vorher; t <= nachher; ++t) {
        std::srand(static_cast<unsigned>(t));
        const int art = std::rand() % 7;
        const int naechster = std::rand() % 7;
        if (art == Art(*erstes.teil) && naechster == erstes.holeNaechster() && std::rand() == danach)
            uhrzeit = true;
    }
    EXPECT_TRUE(uhrzeit) << "gesaet mit time(NULL), zwei Zahlen gezogen";
}

}
