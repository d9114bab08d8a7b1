#include "Tastenzuordnung.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace
{

class Zuordnung : public ::testing::Test
{
protected:
    short drehen = -1, pause = -1, sturz = -1;
    Tastenzuordnung z{&drehen, &pause, &sturz};

    // Frames as the screen runs them: the device check, then the first held
    // button of the frame (-1: none held).
    void Bilder(std::initializer_list<int> gehalten, int steuerungen = 1)
    {
        for (int knopf : gehalten) {
            z.Geraetewahl(steuerungen);
            z.Bild(knopf);
        }
    }
};

TEST_F(Zuordnung, KurzeDrueckeBelegenDieDreiAktionenDerReiheNach)
{
    Bilder({-1});
    EXPECT_EQ(Tastenzuordnung::DREHEN, z.GetSchritt());
    z.Einschalten();
    Bilder({3, -1, 5, -1, 7, -1});
    EXPECT_EQ(3, drehen);
    EXPECT_EQ(5, pause);
    EXPECT_EQ(7, sturz);
    EXPECT_EQ(Tastenzuordnung::FERTIG, z.GetSchritt());
    EXPECT_TRUE(z.IstAktiv());

    // A new press in step 4 ends the mode and starts over with rotate.
    Bilder({2});
    EXPECT_FALSE(z.IstAktiv());
    EXPECT_EQ(Tastenzuordnung::DREHEN, z.GetSchritt());
    EXPECT_EQ(3, drehen);
    EXPECT_EQ(5, pause);
    EXPECT_EQ(7, sturz);
}

TEST_F(Zuordnung, GehaltenerKnopfBelegtAuchDieNaechsteAktion)
{
    z.Einschalten();
    Bilder({4, 4, 4});
    EXPECT_EQ(4, drehen);
    EXPECT_EQ(4, pause) << "the press lasted more than one frame";
    EXPECT_EQ(Tastenzuordnung::PAUSE, z.GetSchritt());
    EXPECT_TRUE(z.WarGedrueckt());

    // Another button while the first is still down is no new press.
    Bilder({1});
    EXPECT_EQ(1, pause);
    EXPECT_EQ(Tastenzuordnung::PAUSE, z.GetSchritt());
    // Released and pressed anew: that press takes pause and moves on.
    Bilder({-1, 6});
    EXPECT_EQ(6, pause);
    EXPECT_EQ(-1, sturz);
    EXPECT_EQ(Tastenzuordnung::STURZ, z.GetSchritt());
}

TEST_F(Zuordnung, ImSchrittVierGehaltenEndetBeiNullUndKehrtZurDrehtasteZurueck)
{
    z.Einschalten();
    Bilder({0, -1, 1, -1, 2});
    ASSERT_EQ(Tastenzuordnung::FERTIG, z.GetSchritt());
    z.Bild(2);  // still held, no device check in between
    EXPECT_FALSE(z.IstAktiv());
    EXPECT_EQ(Tastenzuordnung::GERAETEWAHL, z.GetSchritt());
    EXPECT_EQ(2, sturz) << "step 4 assigns nothing";
    Bilder({2});
    EXPECT_EQ(Tastenzuordnung::DREHEN, z.GetSchritt()) << "one controller: nothing to choose";
    EXPECT_EQ(0, drehen);
}

TEST_F(Zuordnung, OhneZuordnungsmodusZaehltKeinKnopf)
{
    Bilder({3, 3, -1, 5});
    EXPECT_EQ(-1, drehen);
    EXPECT_EQ(-1, pause);
    EXPECT_EQ(Tastenzuordnung::DREHEN, z.GetSchritt());
    EXPECT_FALSE(z.WarGedrueckt());
}

TEST_F(Zuordnung, ZweiSteuerungenWartenImSchrittNullAufEinenDruck)
{
    EXPECT_TRUE(z.Geraetewahl(2));
    Bilder({5, -1}, 2);
    EXPECT_EQ(Tastenzuordnung::GERAETEWAHL, z.GetSchritt()) << "not in assignment mode yet";
    z.Einschalten();
    Bilder({5}, 2);
    EXPECT_EQ(Tastenzuordnung::DREHEN, z.GetSchritt());
    EXPECT_EQ(-1, drehen) << "the press only chose the device";
    EXPECT_FALSE(z.Geraetewahl(2));
    // Held on, it is written to rotate; a new press replaces it and moves on.
    Bilder({5}, 2);
    EXPECT_EQ(5, drehen);
    Bilder({-1, 8}, 2);
    EXPECT_EQ(8, drehen);
    EXPECT_EQ(Tastenzuordnung::PAUSE, z.GetSchritt());
}

}
