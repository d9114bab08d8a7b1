// The input manager with its widgets and its cursor in a real window: the
// live mouse state pressed and released through the X server, the state
// images read back from the frame, keys handed over as the event pump does.
#include "GrafikHilfe.h"
#include "LogFaenger.h"
#include "TestUhr.h"
#include "VOQ_Bedienelement.h"
#include "VOQ_Button.h"
#include "VOQ_CheckBox.h"
#include "VOQ_Edit.h"
#include "VOQ_OGL_Eingabe.h"
#include "VOQ_OGL_Init.h"
#include "VOQ_OGL_Landschaft.h"
#include "VOQ_OGL_Schrift.h"
#include "VOQ_Radio.h"
#include "VOQ_RadioButton.h"

#include "SDL.h"
#include "SDL_mixer.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <dlfcn.h>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace
{
using namespace grafik;

// The state images 1, 2, 3 of every widget folder: R, G, B as Farben reads them.
const Farbe BILDER[3] = {ROT, GELB, BLAU};
// Acts in a list of keys: select the text field, shift down, shift up.
constexpr int WAEHLEN = -1, UMSCHALT = -2, LOS = -3;

// Frame i (from 1) of the cursor image.
Farbe Rahmen(int i)
{
    return Farbe{20 * i, 100, 50};
}

// One frame of a script: the pointer moved (unless x < 0), the acts done in
// order, the widget drawn, then what it shows. Acts: d/u press/release the
// left button, k both between two frames, s a simulated click, h/v hide/show,
// c a click left unasked.
struct Schritt { int x, y; const char* tat; const char* zeigt; };

class Eingabe : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Fenster();
        SchreibeDatei("einstellungen.konfig",
                      "SCHRIFTBILDER=schriften\nSCHALTFLAECHENBILDER=knoepfe\nMAUSZEIGERBILDER=z\n"
                      "ANWAEHLFLAECHENBILDER=kreuze\nEINZELWAEHLFLAECHENBILDER=radios\nTEXTEINGABEBILDER=felder\n"
                      "AUFLOESUNG=1024,768\n");
        SchreibeSchrift("schriften");
        SchreibeOrdner("knoepfe/block", BILDER, 120, 40, 120, 40, 3);
        SchreibeOrdner("kreuze/block", BILDER, 30, 30, 30, 30);
        SchreibeOrdner("radios/block", BILDER, 30, 30, 30, 30);
        SchreibeOrdner("felder/block", BILDER, 200, 30, 200, 30);
        // The cursor: nine paused frames of 16 x 16, the tile markers of 32 x 32.
        std::filesystem::create_directories("z");
        SDL_Surface* zeiger = NeueFlaeche(9 * 16, 16, SCHWARZ);
        for (int i = 0; i < 9; ++i)
            Male(zeiger, i * 16, 0, 16, 16, Rahmen(i + 1));
        ASSERT_TRUE(SpeichereBMP(zeiger, "z/pfeil.bmp"));
        SchreibeDatei("z/pfeil.konfig", "ORIGINALGROESSE=16,16\nBILDERANZAHL=9\nPAUSIERT=1\n");
        ASSERT_TRUE(SpeichereBMP(NeueFlaeche(32, 32, ROT), "z/feldmarkierung1.bmp"));
        ASSERT_TRUE(SpeichereBMP(NeueFlaeche(32, 32, BLAU), "z/feldmarkierung9.bmp"));
        ASSERT_TRUE(schrift.Init("testschrift"));
        e.reset(new VOQ_OGL_Eingabe());
        e->GiveSchrift(&schrift);
        e->GiveMouse(&e->maus);
        Zeiger(600, 600);
        log.Leeren();
    }

    void TearDown() override
    {
        if (SDL_GetMouseState(nullptr, nullptr) & SDL_BUTTON(1))
            LinkeTaste(false);
    }

    void Spiele(const std::vector<Schritt>& schritte, bool& sichtbar, bool& geklickt,
                const std::function<void()>& zeichne, const std::function<std::string()>& zustand)
    {
        for (std::size_t i = 0; i < schritte.size(); ++i) {
            const Schritt& s = schritte[i];
            if (s.x >= 0)
                Zeiger(s.x, s.y);
            for (const char* t = s.tat; *t; ++t) {
                if (*t == 'd' || *t == 'k')
                    LinkeTaste(true);
                if (*t == 'u' || *t == 'k')
                    LinkeTaste(false);
                e->maus.simClicked = e->maus.simClicked || *t == 's';
                sichtbar = *t == 'h' ? false : *t == 'v' ? true : sichtbar;
                geklickt = geklickt || *t == 'c';
            }
            Leere(SCHWARZ);
            zeichne();
            EXPECT_EQ(s.zeigt, zustand()) << "Schritt " << i << " bei " << s.x << "," << s.y << " " << s.tat;
        }
    }

    void Tippe(const std::vector<int>& tasten, VOQ_Edit* feld)
    {
        for (int t : tasten) {
            if (t == WAEHLEN) {
                feld->Select();
            } else if (t == UMSCHALT || t == LOS) {
                e->InputBuffer(SDLK_LSHIFT, t == UMSCHALT ? 2 : 3);
            } else {
                e->InputBuffer(t, 2);
                e->InputBuffer(t, 3);
            }
        }
    }

    // The cursor drawn with the pointer at (x, y): its frame, '?' unless it is
    // centred there, and the landscape's scroll position.
    std::string Zeige(int x, int y)
    {
        Zeiger(x, y);
        Leere(SCHWARZ);
        e->maus.Draw();
        int rahmen = 0;
        for (int i = 1; i <= 9; ++i)
            rahmen = Pixel(x, y) == Rahmen(i) ? i : rahmen;
        const bool mittig = x < 9 || y < 8 || (Pixel(x - 8, y - 8) == Pixel(x, y) && !(Pixel(x - 9, y) == Pixel(x, y)));
        return std::to_string(rahmen) + (mittig ? " " : "? ") + std::to_string(land.GetPosX()) + ","
               + std::to_string(land.GetPosY());
    }

    LogFaenger log;
    TestUhr uhr{1000};
    VOQ_OGL_Init video;
    VOQ_OGL_Landschaft land;
    VOQ_OGL_Schrift schrift;
    std::unique_ptr<VOQ_OGL_Eingabe> e;
};

TEST_F(Eingabe, KnopfKlickIstDrueckenUndLoslassenDarueber)
{
    e->CreateButton("block", 100, 100, "");
    VOQ_Button& k = *e->buttons[0];
    // The image (R, G, B for 1, 2, 3; Z none), then k for WasClicked (! if a second ask still
    // answers), s for a pending simulated click.
    Spiele({{600, 600, "", "R"}, {110, 110, "", "G"}, {-1, -1, "d", "B"}, {-1, -1, "", "B"}, {-1, -1, "u", "Gk"},
            {-1, -1, "c", "G"},                                           // clicked lasts one frame
            {-1, -1, "d", "B"}, {240, 110, "", "R"}, {-1, -1, "u", "R"},  // dragged off: no click
            {110, 110, "k", "G"}, {-1, -1, "", "G"},                      // between two frames: unseen
            {240, 110, "d", "R"}, {110, 110, "", "B"}, {-1, -1, "u", "Gk"},                   // dragged on: a click
            {220, 140, "", "G"}, {221, 140, "", "R"}, {100, 99, "", "R"}, {100, 100, "", "G"},  // edges
            {110, 110, "s", "B"}, {-1, -1, "", "Gk"}, {-1, -1, "s", "B"}, {-1, -1, "s", "B"}, {-1, -1, "", "Gk"},
            {240, 110, "s", "Rs"},                      // beside, a simulated click stays pending
            {110, 110, "d", "Bs"}, {-1, -1, "u", "B"},  // and with the left button held too
            {-1, -1, "", "Gk"}, {-1, -1, "d", "B"}, {-1, -1, "hu", "Z"}, {-1, -1, "", "Z"},
            {-1, -1, "v", "Gk"}},  // hidden it keeps its press
           k.visible, k.clicked, [&] { e->DrawButtons(); },
           [&] {
               std::string z = Farben({{217, 137}});
               z += k.WasClicked() ? "k" : "";
               z += k.WasClicked() ? "!" : "";
               return z + (e->maus.simClicked ? "s" : "");
           });
}

TEST_F(Eingabe, AnkreuzfeldKipptEinBildNachDemKlick)
{
    e->CreateCheckBox("block", 50, 50, "");
    VOQ_CheckBox& box = *e->checkBoxes[0];
    // Image, k for WasClicked (which does not clear), x for checked.
    Spiele({{60, 60, "d", "B"}, {-1, -1, "u", "Gk"}, {-1, -1, "", "Bx"}, {300, 300, "", "Bx"}, {60, 60, "d", "Bx"},
            {-1, -1, "u", "Bkx"}, {-1, -1, "", "G"}, {-1, -1, "d", "B"}, {-1, -1, "u", "Gk"}, {-1, -1, "h", "Zk"},
            {-1, -1, "", "Zk"}, {-1, -1, "v", "Bx"}},
           box.visible, box.clicked, [&] { e->DrawCheckBoxes(); },
           [&] {
               return Farben({{78, 78}}) + (box.WasClicked() ? "k" : "") + (box.Checked() ? "x" : "");
           });
}

TEST_F(Eingabe, RadioKnoepfeSchliessenEinanderAus)
{
    e->CreateRadio();
    VOQ_Radio& gruppe = *e->radios[0];
    for (int i = 0; i < 3; ++i)
        gruppe.CreateButton("block", 50 + 40 * i, 200, "");
    EXPECT_EQ(&e->maus, gruppe.buttons[2]->maus);
    bool egal = false;
    // The three images, then the checked button. Button 1 is drawn before
    // button 2 takes the mark, so only the next frame shows it unchecked.
    Spiele({{100, 210, "d", "RBR -1"}, {-1, -1, "u", "RGR -1"}, {-1, -1, "", "RBR 1"}, {140, 210, "d", "RBB 1"},
            {-1, -1, "u", "RBG 1"}, {-1, -1, "", "RBB 2"}, {-1, -1, "", "RRB 2"}, {-1, -1, "d", "RRB 2"},
            {-1, -1, "u", "RRB 2"}, {-1, -1, "", "RRB 2"}},
           egal, egal, [&] { e->DrawRadios(); },
           [&] {
               return Farben({{78, 228}, {118, 228}, {158, 228}}) + " "
                      + std::to_string(gruppe.GetCheckedButton());
           });
    // A full group refuses the next button instead of writing beyond its table.
    for (int i = gruppe.GetLastButton(); i < VOQ_Radio::MAX_BUTTONS; ++i)
        gruppe.CreateButton("block", 0, 0, "");
    EXPECT_EQ(VOQ_Radio::MAX_BUTTONS - 1, gruppe.GetLastButton());
}

// A click size read from a description may reach the int limits.
TEST(Klickflaeche, RaenderGehoerenDazuBisZurZahlengrenze)
{
    const int faelle[][7] = {
        {416, 302, 412, 300, INT_MAX, 5, 1},     {416, 302, 412, 300, 5, INT_MAX, 1},
        {INT_MAX, 302, 412, 300, INT_MAX, 5, 1}, {411, 302, 412, 300, INT_MAX, 5, 0},
        {416, 302, 412, 300, INT_MIN, 5, 0},     {416, 302, 412, 300, 5, INT_MIN, 0},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(f[6] == 1, VOQ_Bedienelement::Ueber(f[0], f[1], f[2], f[3], f[4], f[5])) << f[0] << " " << f[4];
}

TEST_F(Eingabe, BeschriftungKlangUndBildordner)
{
    e->CreateButton("block", 100, 100, "AB");
    VOQ_Button& k = *e->buttons[0];
    Leere(SCHWARZ);
    k.Draw();
    // Cell 10 wide (8 + 2), glyphs 8 x 12: "A" from x + 5 to x + 12, rows y + 14 .. y + 25, "B" from x + 15.
    EXPECT_EQ("RWWRWRR", Farben({{104, 120}, {105, 114}, {112, 125}, {113, 120}, {115, 120}, {105, 113}, {105, 126}}));

    // The click sound plays once a click, and only after SetSoundClick.
    ASSERT_EQ(0, Mix_OpenAudio(22050, AUDIO_S16LSB, 2, 1024));
    std::vector<Uint8> stille(22050 * 4 * 2, 1);
    Mix_Chunk* klang = Mix_QuickLoad_RAW(stille.data(), static_cast<Uint32>(stille.size()));
    Zeiger(110, 110);
    for (int schritt = 0; schritt < 3; ++schritt) {
        if (schritt == 1)
            k.SetSoundClick(klang);
        if (schritt == 2)
            k.ClearSoundClick();
        Mix_HaltChannel(-1);
        LinkeTaste(true);
        k.Draw();
        LinkeTaste(false);
        k.Draw();
        EXPECT_EQ(schritt == 1 ? 1 : 0, Mix_Playing(-1)) << schritt;
    }
    Mix_FreeChunk(klang);
    Mix_CloseAudio();

    // The last ECHTGROESSE read counts, file 3 last; what a line leaves out stays.
    SchreibeDatei("knoepfe/block/1.konfig", "ECHTGROESSE=70,30\n");
    SchreibeDatei("knoepfe/block/3.konfig", "ECHTGROESSE=80\n");
    ASSERT_TRUE(k.Init("knoepfe/block"));
    EXPECT_EQ("80x30", std::to_string(k.GetWidth()) + "x" + std::to_string(k.GetHeight()));

    // A folder without a description: the error, and nothing loaded after it.
    SchreibeDatei("knoepfe/block/1.konfig", "");
    std::remove("knoepfe/block/2.konfig");
    log.Leeren();
    e->CreateButton("block", 300, 300, "");
    VOQ_Button& kaputt = *e->buttons[1];
    EXPECT_EQ(0u, log.Aus().find("#o> VOQ_OGL_Eingabe\n\t>Einlesen der Schaltflaeche 'knoepfe/block' ..."));
    EXPECT_EQ(120, kaputt.bilder[0].GetWidthTex());
    EXPECT_EQ(0, kaputt.bilder[2].GetWidthTex());
}

// Each event, then the four queries: GetInput, GetKeyDown, GetKeyUp, GetAllInput.
TEST_F(Eingabe, TastenpufferUmschaltUndKopie)
{
    const auto abfragen = [&](VOQ_OGL_Eingabe& m) {
        return std::to_string(m.GetInput()) + " " + std::to_string(m.GetKeyDown()) + " "
               + std::to_string(m.GetKeyUp()) + " " + std::to_string(m.GetAllInput());
    };
    const struct { int taste, art; const char* danach; } ereignisse[] = {
        {'a', 2, "97 97 0 97"},      {SDLK_RSHIFT, 2, "303 303 0 303"},  {'a', 2, "65 97 0 65"},
        {'z', 2, "90 122 0 90"},     {'1', 2, "49 49 0 49"},             {SDLK_RSHIFT, 3, "303 49 303 303"},
        {'b', 2, "98 98 303 98"},    {SDLK_LSHIFT, 2, "304 304 303 304"}, {'b', 2, "66 98 303 66"},
        {SDLK_LSHIFT, 3, "304 98 304 304"}, {'x', 3, "120 98 120 120"},  {0, 2, "0 0 120 0"},
    };
    for (const auto& ev : ereignisse) {
        e->InputBuffer(ev.taste, ev.art);
        EXPECT_EQ(ev.danach, abfragen(*e)) << ev.taste << "/" << ev.art;
    }
    // While a field is selected the three key queries answer -1; the live key
    // state answers all the same.
    e->CreateEdit("block", 0, 0, "");
    e->CreateEdit("block", 0, 40, "");
    VOQ_Edit* feld = e->edits[1];
    feld->Select();
    e->InputBuffer('q', 2);
    EXPECT_EQ("-1 -1 -1 113", abfragen(*e));
    Taste("b", SDLK_b, true);
    EXPECT_TRUE(e->isKeyDown(SDLK_b));
    EXPECT_FALSE(e->isKeyDown(SDLK_c));
    Taste("b", SDLK_b, false);
    EXPECT_FALSE(e->isKeyDown(SDLK_b) || e->isKeyDown(-1) || e->isKeyDown(100000));

    // A copy buffer gets every event and applies it to its own field: Return
    // ends the editing there and is consumed.
    VOQ_OGL_Eingabe zweite;
    zweite.GiveSchrift(&schrift);
    zweite.CreateEdit("block", 0, 0, "");
    zweite.edits[0]->Select();
    e->SetCopyBuffer(&zweite);
    Tippe({UMSCHALT, 'h', LOS, 'i', SDLK_RETURN}, feld);
    e->RemCopyBuffer();
    e->InputBuffer('y', 2);
    EXPECT_EQ("13 0 13 13", abfragen(zweite));
}

// Keys typed into a field 200 pixels wide (19 characters with a cell of 10):
// what it holds after each row.
TEST_F(Eingabe, TextfeldBestaetigenAbbrechenLeeren)
{
    e->CreateEdit("block", 100, 100, "0123456789012345678901234");
    VOQ_Edit* feld = e->edits[0];
    const struct { std::vector<int> tasten; const char* text; } faelle[] = {
        {{}, "0123456789012345678"},
        {{WAEHLEN, '\b', '\b', 'x', 'y', 'z', 27}, "0123456789012345678"},
        {{WAEHLEN, '\b', '\b', 'x', 'y', 'z'}, "01234567890123456xy"},
        {{SDLK_KP_ENTER, WAEHLEN, 'a', 27}, "01234567890123456xy"},
        {{WAEHLEN, 127, '\b'}, ""},
        {{27}, ""},
        {{WAEHLEN, SDLK_UP, SDLK_F1, SDLK_KP0, SDLK_RSHIFT, SDLK_TAB, 0, 1, 300, 512, 'a', ' ', '~', 0xE4}, "a ~\xe4"},
    };
    for (const auto& f : faelle) {
        Tippe(f.tasten, feld);
        EXPECT_EQ(f.text, feld->GetText());
    }
    // Numbers only: letters and the shifted symbols beyond the digits are left out.
    feld->SetText("");
    feld->SetOnlyNumerics(true);
    Tippe({UMSCHALT, 'a', '1', 'z', '9', '{', LOS, '/', ':', '5'}, feld);
    // By the key, not the layout's character: Shift+2 is a 2, a key that makes a 7 is not.
    e->InputBuffer('2', 2, '"');
    e->InputBuffer('&', 2, '7');
    EXPECT_EQ("1952", feld->GetText());

    // Font cells near the int limit fit no character; a cell of no width leaves the limit.
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

TEST_F(Eingabe, TextfeldKlickWaehltImNaechstenBildUndHaeltDenZeigerInDerEcke)
{
    e->CreateEdit("block", 100, 100, "");
    VOQ_Edit* feld = e->edits[0];
    // The image at the field's corner, k for WasClicked, S for selected, then where the pointer is.
    const auto bild = [&] {
        Leere(SCHWARZ);
        e->DrawEdits();
        std::string z = Farben({{297, 127}}) + (feld->WasClicked() ? "k" : "") + (feld->IsSelected() ? "S" : "");
        Pumpe();
        return z + " " + std::to_string(e->maus.GetPosX()) + "," + std::to_string(e->maus.GetPosY());
    };
    EXPECT_EQ("R 600,600", bild());
    Zeiger(150, 110);
    EXPECT_EQ("G 150,110", bild());
    LinkeTaste(true);
    EXPECT_EQ("B 150,110", bild());
    LinkeTaste(false);
    EXPECT_EQ("Gk 150,110", bild());
    EXPECT_EQ("GS 0,0", bild()) << "selected in the next frame, the pointer in the corner";
    Zeiger(500, 400);
    EXPECT_EQ("BS 0,0", bild()) << "and back there at every frame";
    Tippe({'o', 'k', SDLK_RETURN}, feld);
    Pumpe();
    EXPECT_TRUE(e->maus.visible);
    EXPECT_EQ("ok 150", feld->GetText() + " " + std::to_string(e->maus.GetPosX())) << "back where it was";
    Zeiger(500, 400);
    EXPECT_EQ("R 500,400", bild());
}

TEST_F(Eingabe, PfadeAusDerEinstellungsdateiUndVolleListen)
{
    SchreibeDatei("einstellungen.konfig", "# MAUSZEIGERBILDER=kommentar\nMAUSZEIGERBILDER=daten/zeiger\n"
                                          "EINZELWAEHLFLAECHENBILDER=daten/radios ANWAEHLFLAECHENBILDER=x\n"
                                          "ANWAEHLFLAECHENBILDER=  daten/kreuze\n SCHALTFLAECHENBILDER=verschoben\n"
                                          "SCHALTFLAECHENBILDER=daten/knoepfe\nTEXTEINGABEBILDER=daten/alt\n"
                                          "TEXTEINGABEBILDER="
                                          + std::string(5000, 'l') + "\n");
    VOQ_OGL_Eingabe mit;
    // The 5000 characters come in pieces of 4095: the first piece is read, the rest holds no key.
    EXPECT_EQ("daten/zeiger daten/radios daten/kreuze daten/knoepfe " + std::string(4095 - 18, 'l'),
              mit.maus.pfad + " " + mit.radioPfad + " " + mit.checkBoxPfad + " " + mit.buttonPfad + " " + mit.editPfad);
    EXPECT_EQ("#o> VOQ_OGL_Eingabe\n\t>Einlesen der Pfade 'einstellungen.konfig' ...\t(erledigt)\n", log.Aus());
    mit.CreateRadio();
    EXPECT_EQ("daten/radios", mit.radios[0]->pfad);
    // Without a settings file the folders are the shipped ones, and the log says so.
    std::remove("einstellungen.konfig");
    log.Leeren();
    VOQ_OGL_Eingabe ohne;
    EXPECT_EQ("\n#o> VOQ_OGL_Eingabe - FEHLER: Datei 'einstellungen.konfig' kann nicht geöffnet werden.\n\n",
              log.Fehler());
    EXPECT_EQ("daten/bilder/eingabe/mauszeiger daten/bilder/eingabe/einzelwaehlflaechen "
              "daten/bilder/eingabe/anwaehlflaechen daten/bilder/eingabe/schaltflaechen daten/bilder/eingabe/texteingaben",
              ohne.maus.pfad + " " + ohne.radioPfad + " " + ohne.checkBoxPfad + " " + ohne.buttonPfad + " "
                  + ohne.editPfad);
    EXPECT_NE(std::string::npos, log.Aus().find("\t>Vorgabe für TEXTEINGABEBILDER: 'daten/bilder/eingabe/texteingaben'\n"));

    // The lists own their widgets; a cleared one starts again at slot 0, a full one refuses.
    EXPECT_EQ(-1, e->GetLastButton());
    e->CreateButton("block", 10, 20, "");
    e->ClearButtons();
    EXPECT_EQ(nullptr, e->buttons[0]);
    for (int i = 0; i <= VOQ_OGL_Eingabe::MAX_WIDGETS; ++i)
        e->CreateCheckBox("block", i, 0, "");
    EXPECT_EQ(VOQ_OGL_Eingabe::MAX_WIDGETS - 1, e->GetLastCheckBox());
}

// Without landscape handling always frame 1; with it the frame of the edge or
// corner the pointer is on. It needs landscape, video settings and the flag.
TEST_F(Eingabe, MauszeigerRahmenScrollenUndKachelmarkierung)
{
    // The system pointer is hidden behind an empty cursor: switched off in a
    // grabbed window (as a full screen is) it would put SDL2 into relative
    // mouse mode, which absolute pointers can't move.
    SDL_WM_GrabInput(SDL_GRAB_ON);
    e->maus.Init("pfeil");
    const auto relativ = reinterpret_cast<SDL_bool (*)()>(
        dlsym(dlopen("libSDL2-2.0.so.0", RTLD_NOW | RTLD_NOLOAD), "SDL_GetRelativeMouseMode"));
    ASSERT_NE(nullptr, relativ);
    EXPECT_FALSE(relativ());
    SDL_WM_GrabInput(SDL_GRAB_OFF);
    EXPECT_EQ(std::string(8, '\0'), std::string(reinterpret_cast<const char*>(SDL_GetCursor()->mask), 8));
    // A landscape at (100, 100): 10 x 8 tiles of 32 x 32 shown, of a map of
    // 16 x 20 tiles, scrolled to column 3, row 5.
    ASSERT_TRUE(video.LeseEinstellungen("einstellungen.konfig"));
    land.SetKachelGroesse(32, 32);
    land.SetSpielFeldGroesse(16, 20);
    land.Draw(100, 100, 10, 8);
    land.SetPosXY(3, 5);
    e->maus.GiveInit(&video);
    e->maus.GiveLandschaft(&land);
    const int R = BREITE - 1, U = HOEHE - 1;
    const int faelle[][3] = {{0, 0, 6},   {R, 0, 7},   {0, U, 8}, {R, U, 9}, {300, 0, 2},
                             {300, U, 3}, {R, 200, 4}, {0, 200, 5}, {1, 1, 1}, {R - 1, U - 1, 1}};
    for (bool mit : {true, false}) {
        e->maus.scrollLand = mit;
        for (const auto& f : faelle) {
            uhr.Weiter(5);  // all within one scroll interval: nothing moves
            EXPECT_EQ(std::to_string(mit ? f[2] : 1) + " 3,5", Zeige(f[0], f[1])) << f[0] << "," << f[1];
        }
    }

    // One scroll step at most every 75 ms, by the frame of the Draw before.
    e->maus.scrollLand = true;
    uhr.Setze(2000);
    EXPECT_EQ("7 3,5", Zeige(BREITE - 1, 0)) << "the frame before was 1";
    uhr.Setze(2074);
    EXPECT_EQ("7 3,5", Zeige(BREITE - 1, 0)) << "74 ms are not more than 74";
    uhr.Setze(2075);
    EXPECT_EQ("7 4,4", Zeige(BREITE - 1, 0));
    uhr.Weiter(100);
    EXPECT_EQ("8 5,3", Zeige(0, HOEHE - 1)) << "by the frame of the Draw before";
    uhr.Weiter(100);
    EXPECT_EQ("8 4,4", Zeige(0, HOEHE - 1));
    // An arrow key held scrolls as well, after the step for the frame before.
    Taste("Up", SDLK_UP, true);
    for (const char* erwartet : {"1 3,4", "1 3,3", "1 3,2"}) {
        uhr.Weiter(100);
        EXPECT_EQ(erwartet, Zeige(300, 50));
    }
    Taste("Up", SDLK_UP, false);
    uhr.Weiter(100);
    EXPECT_EQ("1 3,2", Zeige(300, 50));

    // Hidden, it neither draws nor scrolls, and keeps what it knew.
    Zeige(150, 150);
    e->maus.visible = false;
    uhr.Weiter(1000);
    EXPECT_EQ("0 3,2", Zeige(0, 0));
    e->maus.visible = true;
    land.SetPosXY(3, 5);
    e->maus.SetFeldMarkierung(true);
    // Tile (2, 3) of the view: pixels 164..195, 196..227; the map's column 5, row 8.
    const auto marke = [&](int groesse) {
        e->maus.SetFeldGroesse(groesse);
        Zeige(169, 197);
        return Farben({{164, 227}, {195, 220}, {196, 220}});
    };
    EXPECT_EQ("RRZ", marke(1));
    VOQ_Maus& m = e->maus;
    EXPECT_EQ("2,3 5,8", std::to_string(m.GetDrawLandPosX()) + "," + std::to_string(m.GetDrawLandPosY()) + " "
                             + std::to_string(m.GetLandPosX()) + "," + std::to_string(m.GetLandPosY()));
    EXPECT_EQ("BBZ", marke(9));
    EXPECT_EQ("ZZZ", marke(2)) << "no marker of size 2";
    e->maus.SetFeldMarkierung(false);
    EXPECT_EQ("ZZZ", marke(1));

    // Right of the map, though inside the visible columns: not over the landscape.
    land.SetSpielFeldGroesse(6, 20);
    for (int x : {100 + 32 * 6, 100 + 32 * 6 - 1, 99}) {
        Zeige(x, 150);
        EXPECT_EQ(x == 100 + 32 * 6 - 1, e->maus.OverLand()) << x;
    }
}
}  // namespace
