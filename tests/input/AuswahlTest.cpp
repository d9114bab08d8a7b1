// Check boxes and radio groups in a real window: clicks through the X server,
// states read back from the frame.
#include "LogFaenger.h"
#include "VOQ_CheckBox.h"
#include "VOQ_Maus.h"
#include "VOQ_Radio.h"
#include "VOQ_RadioButton.h"
#include "WidgetHilfe.h"

#include "SDL.h"

#include <gtest/gtest.h>

namespace
{
using hilfe::Farbe;

const Farbe AUS{90, 0, 0};
const Farbe AUS_DARUEBER{0, 90, 0};
const Farbe AN{0, 0, 90};
constexpr int GROESSE = 30;

void SchreibeAuswahlOrdner(const std::string& ordner)
{
    const Farbe farben[3] = {AUS, AUS_DARUEBER, AN};
    hilfe::SchreibeOrdner(ordner, farben, GROESSE, GROESSE, GROESSE, GROESSE);
}

// A completed click: pressed in one Draw, released over the widget in the next.
template <class Zeichne>
void Klicke(int x, int y, Zeichne zeichne)
{
    hilfe::Zeiger(x, y);
    hilfe::LinkeTaste(true);
    zeichne();
    hilfe::LinkeTaste(false);
    zeichne();
}

class Ankreuzfeld : public ::testing::Test
{
protected:
    void SetUp() override
    {
        hilfe::Fenster();
        SchreibeAuswahlOrdner("kreuze/block");
        ASSERT_TRUE(box.Init("kreuze/block"));
        box.GiveMouse(&maus);
        box.SetPosXY(50, 50);
        hilfe::Zeiger(300, 300);
    }

    Farbe Bild()
    {
        hilfe::Leeren();
        box.Draw();
        return hilfe::Pixel(50 + GROESSE - 2, 50 + GROESSE - 2);
    }

    LogFaenger log;
    VOQ_Maus maus;
    VOQ_CheckBox box;
};

TEST_F(Ankreuzfeld, KlickKipptEinBildSpaeter)
{
    Klicke(60, 60, [&] { Bild(); });
    EXPECT_TRUE(box.WasClicked());
    EXPECT_TRUE(box.WasClicked()) << "WasClicked loescht nicht";
    EXPECT_FALSE(box.Checked()) << "im Bild des Klicks noch der alte Zustand";
    EXPECT_EQ(AN, Bild()) << "Zeiger darueber, angekreuzt: Bild 3, nicht Bild 2";
    EXPECT_TRUE(box.Checked());
    EXPECT_FALSE(box.WasClicked());
    hilfe::Zeiger(300, 300);
    EXPECT_EQ(AN, Bild());

    Klicke(60, 60, [&] { Bild(); });
    EXPECT_EQ(AUS_DARUEBER, Bild());
    EXPECT_FALSE(box.Checked());

    // Hidden, the box flips only when it is drawn again.
    Klicke(60, 60, [&] { Bild(); });
    box.visible = false;
    Bild();
    Bild();
    EXPECT_FALSE(box.Checked());
    box.visible = true;
    Bild();
    EXPECT_TRUE(box.Checked());
}

class Gruppe : public ::testing::Test
{
protected:
    void SetUp() override
    {
        hilfe::Fenster();
        SchreibeAuswahlOrdner("radios/block");
        gruppe.GivePfad("radios");
        gruppe.GiveMouse(&maus);
        gruppe.GiveSelf(&gruppe);
        for (int i = 0; i < 3; ++i)
            gruppe.CreateButton("block", 50 + 40 * i, 200, "");
        hilfe::Zeiger(300, 400);
    }

    void Bild()
    {
        hilfe::Leeren();
        gruppe.Draw();
    }

    int Angekreuzt()
    {
        int anzahl = 0;
        for (int i = 0; i < gruppe.buttonCount; ++i)
            anzahl += gruppe.buttons[i]->Checked() ? 1 : 0;
        return anzahl;
    }

    LogFaenger log;
    VOQ_Maus maus;
    VOQ_Radio gruppe;
};

TEST_F(Gruppe, KlicksSchliessenEinanderAus)
{
    ASSERT_EQ(2, gruppe.GetLastButton());
    EXPECT_EQ(-1, gruppe.GetCheckedButton());
    EXPECT_EQ(&maus, gruppe.buttons[1]->maus);
    EXPECT_EQ(&gruppe, gruppe.buttons[1]->radio);

    Klicke(100, 210, [&] { Bild(); });
    EXPECT_EQ(-1, gruppe.GetCheckedButton()) << "erst im Bild nach dem Klick";
    Bild();
    EXPECT_EQ(1, gruppe.GetCheckedButton());

    Klicke(140, 210, [&] { Bild(); });
    Bild();
    EXPECT_EQ(2, gruppe.GetCheckedButton());
    EXPECT_EQ(1, Angekreuzt());
    // Button 1 was drawn before button 2 took the mark: the next frame shows it.
    Bild();
    EXPECT_EQ(AUS, hilfe::Pixel(100, 228));
    EXPECT_EQ(AN, hilfe::Pixel(140, 228));

    // A click on the checked button keeps it checked.
    Klicke(140, 210, [&] { Bild(); });
    Bild();
    EXPECT_EQ(2, gruppe.GetCheckedButton());
    EXPECT_EQ(1, Angekreuzt());
}

TEST_F(Gruppe, CheckNimmtDemAnderenDasKreuz)
{
    gruppe.buttons[2]->Check();
    gruppe.buttons[0]->Check();
    EXPECT_EQ(0, gruppe.GetCheckedButton());
    EXPECT_EQ(1, Angekreuzt());
    gruppe.buttons[0]->UnCheck();
    EXPECT_EQ(-1, gruppe.GetCheckedButton());
}

TEST_F(Gruppe, VolleGruppeLehntDenNaechstenKnopfAb)
{
    VOQ_Radio voll;
    voll.GivePfad("radios");
    for (int i = 0; i < VOQ_Radio::MAX_BUTTONS; ++i)
        voll.CreateButton("block", 0, 0, "");
    ASSERT_EQ(127, voll.GetLastButton());
    EXPECT_EQ(std::string::npos, log.Fehler().find("FEHLER"));
    voll.CreateButton("block", 0, 0, "");
    EXPECT_EQ(127, voll.GetLastButton());
    EXPECT_NE(std::string::npos, log.Fehler().find("VOQ_Radio - FEHLER"));
}
}  // namespace
