// The button in a real window: the live mouse state pressed and released
// through the X server, the state images read back from the frame.
#include "LogFaenger.h"
#include "VOQ_Bedienelement.h"
#include "VOQ_Button.h"
#include "VOQ_Maus.h"
#include "VOQ_OGL_Schrift.h"
#include "WidgetHilfe.h"

#include "SDL.h"
#include "SDL_mixer.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <vector>

namespace
{
using hilfe::Farbe;

const Farbe NORMAL{200, 0, 0};
const Farbe DARUEBER{0, 200, 0};
const Farbe GEDRUECKT{0, 0, 200};
const Farbe SCHWARZ{0, 0, 0};
const Farbe WEISS{255, 255, 255};

// Button at (100, 100), images 120 x 40, click size 120 x 40 from image 3's description.
constexpr int X = 100, Y = 100, W = 120, H = 40;

class Knopf : public ::testing::Test
{
protected:
    void SetUp() override
    {
        hilfe::Fenster();
        const Farbe farben[3] = {NORMAL, DARUEBER, GEDRUECKT};
        hilfe::SchreibeOrdner("knoepfe/block", farben, W, H, W, H, 3);
        ASSERT_TRUE(knopf.Init("knoepfe/block"));
        knopf.GiveMouse(&maus);
        knopf.SetPosXY(X, Y);
        hilfe::Zeiger(10, 10);
    }

    void TearDown() override
    {
        if (SDL_GetMouseState(nullptr, nullptr) & SDL_BUTTON(1))
            hilfe::LinkeTaste(false);
    }

    // One frame: draw, then the colour of a corner away from the caption.
    Farbe Bild()
    {
        hilfe::Leeren();
        knopf.Draw();
        return hilfe::Pixel(X + W - 3, Y + H - 3);
    }

    LogFaenger log;
    VOQ_Maus maus;
    VOQ_Button knopf;
};

TEST_F(Knopf, KlickIstDrueckenUndLoslassenDarueber)
{
    EXPECT_EQ(NORMAL, Bild());
    hilfe::Zeiger(X + 10, Y + 10);
    EXPECT_EQ(DARUEBER, Bild());
    EXPECT_TRUE(knopf.IsMouseOver());

    hilfe::LinkeTaste(true);
    for (int frame = 0; frame < 3; ++frame) {
        EXPECT_EQ(GEDRUECKT, Bild());
        EXPECT_TRUE(knopf.IsClick());
        EXPECT_FALSE(knopf.WasClicked()) << "gedrueckt ist noch kein Klick";
    }
    hilfe::LinkeTaste(false);
    EXPECT_EQ(DARUEBER, Bild());
    EXPECT_TRUE(knopf.WasClicked());
    EXPECT_FALSE(knopf.WasClicked()) << "WasClicked nimmt den Klick";

    // Exactly one frame: the next Draw has no click, even unasked.
    Bild();
    knopf.clicked = true;
    Bild();
    EXPECT_FALSE(knopf.WasClicked());
}

TEST_F(Knopf, OhneDruckUndLoslassenDarueberKeinKlick)
{
    hilfe::Zeiger(X + 10, Y + 10);
    hilfe::LinkeTaste(true);
    EXPECT_EQ(GEDRUECKT, Bild());
    hilfe::Zeiger(X + W + 20, Y + 10);
    EXPECT_EQ(NORMAL, Bild());
    EXPECT_FALSE(knopf.IsClick());
    hilfe::LinkeTaste(false);
    Bild();
    EXPECT_FALSE(knopf.WasClicked());

    // A press and release between two frames goes unseen.
    hilfe::Zeiger(X + 10, Y + 10);
    Bild();
    hilfe::LinkeTaste(true);
    hilfe::LinkeTaste(false);
    Bild();
    Bild();
    EXPECT_FALSE(knopf.WasClicked());

    // A press dragged onto the button counts once a Draw sees it held there.
    hilfe::Zeiger(X + W + 20, Y + 10);
    hilfe::LinkeTaste(true);
    Bild();
    hilfe::Zeiger(X + 10, Y + 10);
    EXPECT_EQ(GEDRUECKT, Bild());
    hilfe::LinkeTaste(false);
    Bild();
    EXPECT_TRUE(knopf.WasClicked());
}

TEST_F(Knopf, RechteUndUntereKanteGehoerenDazu)
{
    const int orte[][3] = {{X + W, Y + H, 1}, {X + W + 1, Y + H, 0}, {X, Y - 1, 0}, {X, Y, 1}};
    for (const auto& ort : orte) {
        hilfe::Zeiger(ort[0], ort[1]);
        Bild();
        EXPECT_EQ(ort[2] == 1, knopf.IsMouseOver()) << ort[0] << "," << ort[1];
    }
}

TEST(Klickflaeche, GroessenBisZurZahlengrenze)
{
    // A click size read from a description file may reach the int limits.
    const int faelle[][7] = {
        {416, 302, 412, 300, INT_MAX, 5, 1},     {416, 302, 412, 300, 5, INT_MAX, 1},
        {INT_MAX, 302, 412, 300, INT_MAX, 5, 1}, {411, 302, 412, 300, INT_MAX, 5, 0},
        {416, 302, 412, 300, INT_MIN, 5, 0},     {416, 302, 412, 300, 5, INT_MIN, 0},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(f[6] == 1, VOQ_Bedienelement::Ueber(f[0], f[1], f[2], f[3], f[4], f[5])) << f[0] << " " << f[4];
}

TEST_F(Knopf, VersteckterKnopfZeichnetNichtsUndBehaeltSeineFlaggen)
{
    hilfe::Zeiger(X + 10, Y + 10);
    hilfe::LinkeTaste(true);
    Bild();
    knopf.visible = false;
    hilfe::LinkeTaste(false);
    EXPECT_EQ(SCHWARZ, Bild());
    EXPECT_TRUE(knopf.IsClick());
    EXPECT_TRUE(knopf.IsMouseOver());
    EXPECT_FALSE(knopf.WasClicked());

    // Shown again, the press kept in click completes now.
    knopf.visible = true;
    Bild();
    EXPECT_TRUE(knopf.WasClicked());
}

TEST_F(Knopf, SimulierterKlick)
{
    hilfe::Zeiger(X + 10, Y + 10);
    Bild();
    maus.SimClick();
    EXPECT_EQ(GEDRUECKT, Bild());
    EXPECT_FALSE(maus.simClicked) << "der Knopf nimmt den Klick";
    EXPECT_EQ(DARUEBER, Bild());
    EXPECT_TRUE(knopf.WasClicked());

    // Held in every frame (controller button held): pressed until it is let go.
    for (int frame = 0; frame < 3; ++frame) {
        maus.SimClick();
        EXPECT_EQ(GEDRUECKT, Bild());
    }
    Bild();
    EXPECT_TRUE(knopf.WasClicked());

    // Beside the button the click stays pending; with the left button held it is not taken.
    hilfe::Zeiger(X + W + 20, Y);
    maus.SimClick();
    Bild();
    EXPECT_TRUE(maus.simClicked);
    hilfe::Zeiger(X + 10, Y + 10);
    hilfe::LinkeTaste(true);
    Bild();
    EXPECT_TRUE(maus.simClicked);
}

TEST_F(Knopf, KlangEinmalProKlickUndNurMitSetSoundClick)
{
    ASSERT_EQ(0, Mix_OpenAudio(22050, AUDIO_S16LSB, 2, 1024));
    std::vector<Uint8> stille(22050 * 4 * 2, 1);  // two seconds
    Mix_Chunk* klang = Mix_QuickLoad_RAW(stille.data(), static_cast<Uint32>(stille.size()));
    ASSERT_NE(nullptr, klang);
    // Clicks once with sound, without and with it cleared: the channels playing after each.
    hilfe::Zeiger(X + 10, Y + 10);
    for (int schritt = 0; schritt < 3; ++schritt) {
        if (schritt == 1)
            knopf.SetSoundClick(klang);
        if (schritt == 2) {
            Mix_HaltChannel(-1);
            knopf.ClearSoundClick();
        }
        hilfe::LinkeTaste(true);
        Bild();
        hilfe::LinkeTaste(false);
        Bild();
        EXPECT_TRUE(knopf.WasClicked());
        Bild();
        EXPECT_EQ(schritt == 1 ? 1 : 0, Mix_Playing(-1)) << schritt;
    }
    Mix_FreeChunk(klang);
    Mix_CloseAudio();
}

TEST_F(Knopf, BeschriftungHalbeZelleEingeruecktUndSenkrechtMittig)
{
    hilfe::SchreibeEinstellungen("SCHRIFTBILDER=schriften\n");
    hilfe::SchreibeSchrift("schriften");
    VOQ_OGL_Schrift schrift;
    ASSERT_TRUE(schrift.Init("testschrift"));
    knopf.GiveSchrift(&schrift);
    knopf.SetText("AB");

    hilfe::Leeren();
    knopf.Draw();
    // Cell 10 wide (8 + 2), glyphs 8 x 12: "A" from x + 5, rows y + 20 - 6 .. y + 25.
    EXPECT_EQ(NORMAL, hilfe::Pixel(X + 4, Y + 20));
    EXPECT_EQ(WEISS, hilfe::Pixel(X + 5, Y + 14));
    EXPECT_EQ(WEISS, hilfe::Pixel(X + 12, Y + 25));
    EXPECT_EQ(NORMAL, hilfe::Pixel(X + 13, Y + 20)) << "Abstand zwischen A und B";
    EXPECT_EQ(WEISS, hilfe::Pixel(X + 15, Y + 20));
    EXPECT_EQ(NORMAL, hilfe::Pixel(X + 5, Y + 13));
    EXPECT_EQ(NORMAL, hilfe::Pixel(X + 5, Y + 26));

    // A caption of any length is handed over without a fixed buffer.
    knopf.SetText(std::string(5000, 'X'));
    hilfe::Leeren();
    knopf.Draw();
    EXPECT_EQ(WEISS, hilfe::Pixel(X + 100, Y + 20));
}

TEST_F(Knopf, OrdnerOhneBeschreibungMeldetUndBehaeltDieBilderDavor)
{
    std::remove("knoepfe/block/2.konfig");
    VOQ_Button kaputt;
    log.Leeren();
    EXPECT_FALSE(kaputt.Init("knoepfe/block"));
    EXPECT_EQ(0u, log.Aus().find("#o> VOQ_OGL_Eingabe\n\t>Einlesen der Schaltflaeche 'knoepfe/block' ..."));
    EXPECT_EQ(std::string::npos, log.Aus().find("2.bmp")) << "nach dem Fehler wird nichts mehr geladen";
    EXPECT_EQ("\n#o> VOQ_OGL_Eingabe - FEHLER: Datei 'knoepfe/block/2.konfig' kann nicht geöffnet "
              "werden.\n\n",
              log.Fehler());
    EXPECT_EQ(W, kaputt.bilder[0].GetWidthTex());
    EXPECT_EQ(0, kaputt.bilder[2].GetWidthTex());
    EXPECT_EQ(0, kaputt.GetWidth()) << "ECHTGROESSE stand erst in der dritten Datei";

    // Without ECHTGROESSE the click rectangle is the single pixel (x, y).
    kaputt.GiveMouse(&maus);
    kaputt.SetPosXY(300, 300);
    hilfe::Zeiger(300, 300);
    kaputt.Draw();
    EXPECT_TRUE(kaputt.IsMouseOver());
    hilfe::Zeiger(301, 300);
    kaputt.Draw();
    EXPECT_FALSE(kaputt.IsMouseOver());
}

TEST_F(Knopf, LetzteEchtgroesseGiltUndKommentareZaehlenNicht)
{
    {
        std::FILE* datei = std::fopen("knoepfe/block/1.konfig", "a");
        ASSERT_NE(nullptr, datei);
        std::fputs("#ECHTGROESSE=5,5\n ECHTGROESSE=6,6\nECHTGROESSE=70,30\n", datei);
        std::fclose(datei);
    }
    VOQ_Button b;
    ASSERT_TRUE(b.Init("knoepfe/block"));
    EXPECT_EQ(W, b.GetWidth()) << "Datei 3 wird zuletzt gelesen";
    EXPECT_EQ(H, b.GetHeight());

    std::remove("knoepfe/block/3.konfig");
    std::FILE* datei = std::fopen("knoepfe/block/3.konfig", "w");
    ASSERT_NE(nullptr, datei);
    std::fclose(datei);
    VOQ_Button c;
    ASSERT_TRUE(c.Init("knoepfe/block"));
    EXPECT_EQ(70, c.GetWidth());
    EXPECT_EQ(30, c.GetHeight());
}
}  // namespace
