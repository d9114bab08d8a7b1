// The text field, created and typed into through the input manager, in a
// real window: clicks through the X server, the pointer read back from SDL.
#include "LogFaenger.h"
#include "VOQ_Edit.h"
#include "VOQ_OGL_Eingabe.h"
#include "VOQ_OGL_Schrift.h"
#include "WidgetHilfe.h"

#include "SDL.h"

#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <string>

namespace
{
using hilfe::Farbe;

const Farbe NORMAL{120, 0, 0};
const Farbe DARUEBER{0, 120, 0};
const Farbe GEWAEHLT{0, 0, 120};

// A field of 200 x 30 at (100, 100); the font cell is 10 pixels wide.
constexpr int X = 100, Y = 100, W = 200, H = 30;

class Textfeld : public ::testing::Test
{
protected:
    void SetUp() override
    {
        hilfe::Fenster();
        hilfe::SchreibeEinstellungen("SCHRIFTBILDER=schriften\nTEXTEINGABEBILDER=felder\n");
        hilfe::SchreibeSchrift("schriften");
        const Farbe farben[3] = {NORMAL, DARUEBER, GEWAEHLT};
        hilfe::SchreibeOrdner("felder/block", farben, W, H, W, H);
        ASSERT_TRUE(schrift.Init("testschrift"));

        eingabe.reset(new VOQ_OGL_Eingabe());
        eingabe->GiveSchrift(&schrift);
        eingabe->GiveMouse(&eingabe->maus);
        eingabe->CreateEdit("block", X, Y, "");
        feld = eingabe->edits[eingabe->GetLastEdit()];
        hilfe::Zeiger(400, 300);
    }

    void TearDown() override
    {
        if (SDL_GetMouseState(nullptr, nullptr) & SDL_BUTTON(1))
            hilfe::LinkeTaste(false);
    }

    void Tippe(const std::string& tasten)
    {
        for (char c : tasten) {
            eingabe->InputBuffer(static_cast<unsigned char>(c), 2);
            eingabe->InputBuffer(static_cast<unsigned char>(c), 3);
        }
    }

    void Druecke(int taste) { eingabe->InputBuffer(taste, 2); }

    Farbe Bild()
    {
        hilfe::Leeren();
        eingabe->DrawEdits();
        return hilfe::Pixel(X + W - 2, Y + H - 2);
    }

    LogFaenger log;
    VOQ_OGL_Schrift schrift;
    std::unique_ptr<VOQ_OGL_Eingabe> eingabe;
    VOQ_Edit* feld = nullptr;
};

TEST_F(Textfeld, ZweihundertPixelFassenNeunzehnZeichen)
{
    ASSERT_EQ(19, feld->GetTextSize());
    feld->Select();
    Tippe("abcdefghijklmnopqrst");
    EXPECT_EQ("abcdefghijklmnopqrs", feld->GetText()) << "der zwanzigste Anschlag faellt weg";

    // SetText cuts, and Cancel after more typing returns to exactly the cut text.
    feld->SetText("0123456789012345678901234");
    EXPECT_EQ("0123456789012345678", feld->GetText());
    Druecke(SDLK_BACKSPACE);
    Druecke(SDLK_BACKSPACE);
    Tippe("x");
    Druecke(SDLK_ESCAPE);
    EXPECT_EQ("0123456789012345678", feld->GetText());
    EXPECT_FALSE(feld->IsSelected());
}

TEST_F(Textfeld, SchriftzellenAnDerZahlengrenzeFassenKeinZeichen)
{
    // Cell sizes come from the font's description; near the int limit not
    // even one cell fits, and a cell of no width leaves the limit as it was.
    VOQ_OGL_Schrift riesig;
    riesig.SetSizeDraw(INT_MAX, 12);
    riesig.SetCharAbstand(INT_MAX);
    feld->GiveSchrift(&riesig);
    EXPECT_EQ(0, feld->GetTextSize());

    feld->SetTextSize(7);
    riesig.SetSizeDraw(INT_MIN, 12);
    riesig.SetCharAbstand(0);
    feld->GiveSchrift(&riesig);
    EXPECT_EQ(7, feld->GetTextSize());
}

// Escape returns to the text at selection, Return keeps the typing, Delete
// empties the field and what it would return to.
TEST_F(Textfeld, EscapeStelltHerReturnBestaetigtEntfernenLeert)
{
    feld->SetText("NAME");
    feld->Select();
    Tippe("abc");
    Druecke(SDLK_ESCAPE);
    EXPECT_EQ("NAME", feld->GetText());
    feld->Select();
    Tippe("abc");
    Druecke(SDLK_KP_ENTER);
    EXPECT_EQ("NAMEabc", feld->GetText());
    feld->Select();
    Tippe("de");
    Druecke(SDLK_ESCAPE);
    EXPECT_EQ("NAMEabc", feld->GetText()) << "zurueck zum Text beim Waehlen";

    feld->Select();
    Druecke(SDLK_DELETE);
    EXPECT_TRUE(feld->IsSelected());
    EXPECT_EQ("", feld->GetText());
    Druecke(SDLK_BACKSPACE);
    EXPECT_TRUE(feld->IsSelected());
    Druecke(SDLK_ESCAPE);
    EXPECT_EQ("", feld->GetText());
}

TEST_F(Textfeld, NurDruckbareZeichenUndWahlweiseNurZiffern)
{
    feld->Select();
    const int tasten[] = {SDLK_UP, SDLK_LEFT, SDLK_F1, SDLK_KP0, SDLK_KP_PERIOD, SDLK_RSHIFT, SDLK_LCTRL,
                          SDLK_TAB, 0, 1, SDLK_PAUSE, 300, 512};
    for (int taste : tasten) {
        eingabe->InputBuffer(taste, 2);
        eingabe->InputBuffer(taste, 3);
    }
    EXPECT_EQ("", feld->GetText());
    Tippe("a ~");
    eingabe->InputBuffer(0xE4, 2);  // a key with a Latin-1 letter
    EXPECT_EQ("a ~\xe4", feld->GetText());

    feld->SetText("");
    feld->SetOnlyNumerics(true);
    Druecke(SDLK_LSHIFT);
    Tippe("a1z9{");  // '{': a shifted symbol above the digits
    eingabe->InputBuffer(SDLK_LSHIFT, 3);
    Tippe("/:5");
    EXPECT_EQ("195", feld->GetText());
}

TEST_F(Textfeld, KlickWaehltImNaechstenBildUndHaeltDenZeigerInDerEcke)
{
    EXPECT_EQ(NORMAL, Bild());
    hilfe::Zeiger(X + 50, Y + 10);
    EXPECT_EQ(DARUEBER, Bild());
    hilfe::LinkeTaste(true);
    EXPECT_EQ(GEWAEHLT, Bild());
    hilfe::LinkeTaste(false);
    Bild();
    EXPECT_TRUE(feld->WasClicked());
    EXPECT_TRUE(feld->WasClicked()) << "Fragen loescht nicht";
    EXPECT_FALSE(feld->IsSelected());

    Bild();
    EXPECT_FALSE(feld->WasClicked());
    EXPECT_TRUE(feld->IsSelected());
    EXPECT_FALSE(eingabe->maus.visible);
    EXPECT_EQ(0, eingabe->GetSelectedEdit());
    hilfe::Pumpe();
    EXPECT_EQ(0, eingabe->maus.GetPosX());
    EXPECT_EQ(0, eingabe->maus.GetPosY());

    // Moved away, the pointer goes back to the corner at every Draw.
    hilfe::Zeiger(500, 400);
    EXPECT_EQ(GEWAEHLT, Bild()) << "gewaehlt, Zeiger daneben: Bild 3";
    hilfe::Pumpe();
    EXPECT_EQ(0, eingabe->maus.GetPosX());
    EXPECT_EQ(0, eingabe->maus.GetPosY());

    Tippe("ok");
    Druecke(SDLK_RETURN);
    EXPECT_FALSE(feld->IsSelected());
    EXPECT_TRUE(eingabe->maus.visible);
    hilfe::Pumpe();
    EXPECT_EQ(X + 50, eingabe->maus.GetPosX()) << "zurueck, wo der Zeiger beim Waehlen war";
    EXPECT_EQ(Y + 10, eingabe->maus.GetPosY());
    EXPECT_EQ(0, eingabe->GetInput()) << "die Bestaetigung ist verbraucht";
    EXPECT_EQ(0, eingabe->GetKeyDown());
    EXPECT_EQ("ok", feld->GetText());

    hilfe::Zeiger(500, 400);
    EXPECT_EQ(NORMAL, Bild());
}

TEST_F(Textfeld, TextWirdAlsBeschriftungGezeichnet)
{
    feld->SetText("AB");
    hilfe::Leeren();
    feld->Draw();
    // From half a cell in, centred in the 30 pixels: rows 9 .. 20.
    EXPECT_EQ((Farbe{255, 255, 255}), hilfe::Pixel(X + 5, Y + 9));
    EXPECT_EQ((Farbe{255, 255, 255}), hilfe::Pixel(X + 22, Y + 20));
    EXPECT_EQ(NORMAL, hilfe::Pixel(X + 25, Y + 15));
    EXPECT_EQ(NORMAL, hilfe::Pixel(X + 5, Y + 21));
}
}  // namespace
