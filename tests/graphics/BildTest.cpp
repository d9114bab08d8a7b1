// The animated image and the store its images share, in a real X server:
// load, draw, read the pixels back. Time comes from the test's clock.
#include "GrafikHilfe.h"
#include "LogFaenger.h"
#include "TestUhr.h"
#include "VOQ_OGL_Bildlauf.h"
#include "VOQ_OGL_Bildspeicher.h"
#include "VOQ_OGL_Zeichenliste.h"

#include "SDL.h"
#include "SDL_opengl.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <ctime>
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace
{
using namespace grafik;

// A wall clock an hour ahead: files written by the test count as old enough to be kept.
std::int64_t Spaeter()
{
    return (static_cast<std::int64_t>(std::time(nullptr)) + 3600) * 1000000000LL;
}

class Bild : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(StarteVideo(256, 256));
        VOQ_OGL_Bildspeicher::Leeren();
        VOQ_OGL_Bildspeicher::SetzeUhr(Spaeter);
        Leere(GRUEN);
        log.Leeren();
    }

    void TearDown() override { VOQ_OGL_Bildspeicher::SetzeUhr(nullptr); }

    // Bitmap "name.bmp" and, unless empty, description "name.konfig".
    static void Lege(const std::string& name, SDL_Surface* bild, const std::string& beschreibung = "")
    {
        SpeichereBMP(bild, name + ".bmp");
        std::remove((name + ".konfig").c_str());
        if (!beschreibung.empty())
            SchreibeDatei(name + ".konfig", beschreibung);
    }

    static bool Lade(VOQ_OGL_Bildlauf& b, const std::string& name, SDL_Surface* bild,
                     const std::string& beschreibung = "")
    {
        Lege(name, bild, beschreibung);
        return b.Init(name);
    }

    // A strip of `anzahl` frames of w x h, frame i in farben[i] with its right half in rechts.
    static SDL_Surface* Streifen(int w, int h, std::initializer_list<Farbe> farben, const Farbe& rechts)
    {
        SDL_Surface* s = NeueFlaeche(w * static_cast<int>(farben.size()), h, rechts);
        int i = 0;
        for (const Farbe& f : farben)
            Male(s, w * i++, 0, w / 2, h, f);
        return s;
    }

    // The image drawn alone at (x, y), then the given pixels.
    static std::string Zeige(VOQ_OGL_Bildlauf& b, int x, int y, std::initializer_list<std::pair<int, int>> punkte)
    {
        Leere(GRUEN);
        b.Draw(x, y);
        return Farben(punkte);
    }

    static std::string Stand(VOQ_OGL_Bildlauf& b)
    {
        char text[160];
        std::snprintf(text, sizeof text, "%d %dx%d/%dx%d %dms %d,%d,%d a%.2f%s%s", b.GetBildAnzahl(), b.GetWidthTex(),
                      b.GetHeightTex(), b.GetWidthDraw(), b.GetHeightDraw(), b.GetVerzoegerung(), b.keyColour[0],
                      b.keyColour[1], b.keyColour[2], b.GetAlpha(), b.paused ? " pausiert" : "",
                      b.playOnce ? " einmal" : "");
        return text;
    }

    TestUhr uhr{0};
    LogFaenger log;
};

TEST_F(Bild, BeschreibungUndFarbschluessel)
{
    VOQ_OGL_Bildlauf b;
    // A key only at the line's start with '=' right behind it; the first key
    // of the order found in a line decides; values not read stay; the last wins.
    ASSERT_TRUE(Lade(b, "regeln", NeueFlaeche(64, 16, ROT),
                     " BILDERANZAHL=4\nBILDERANZAHL = 4\n#BILDERANZAHL=4\n\nVERZOEGERUNG=100\r\nVERZOEGERUNG=300\n"
                     "ANZEIGEGROESSE=20,10 statt ORIGINALGROESSE\nUNSICHTBARKEIT=1,2\nPAUSIERT=2\nEINMAL=2\n"
                     "DURCHSICHTIGKEIT=0.25\nDURCHSICHTIGKEIT=x\nORIGINALGROESSE=16\n"));
    EXPECT_EQ("1 16x16/16x16 300ms 1,2,255 a0.25", Stand(b));
    // Init starts from the defaults again.
    ASSERT_TRUE(Lade(b, "regeln", NeueFlaeche(64, 16, ROT),
                     "BILDERANZAHL=4\nORIGINALGROESSE=16,16\nPAUSIERT=1\nEINMAL=1\nUNSICHTBARKEIT=1,2,3\n"));
    EXPECT_EQ("4 16x16/16x16 500ms 1,2,3 a1.00 pausiert einmal", Stand(b));

    // The key is given blue first: 0,0,255 is red; a new key fills the same textures anew.
    ASSERT_TRUE(Lade(b, "schluessel", Streifen(64, 64, {ROT}, BLAU), "UNSICHTBARKEIT=0,0,255\n"));
    const unsigned int name = b.textures[0];
    EXPECT_EQ(".B", Zeige(b, 0, 0, {{10, 10}, {50, 10}}));
    b.SetTransColor(255, 0, 0);
    EXPECT_EQ("R.", Zeige(b, 0, 0, {{10, 10}, {50, 10}}));
    b.SetTransColor(6);
    EXPECT_EQ(".B", Zeige(b, 0, 0, {{10, 10}, {50, 10}}));
    EXPECT_EQ(name, b.textures[0]);

    // A missing bitmap: the error line.
    EXPECT_FALSE(b.Init("gibt_es_nicht"));
    EXPECT_EQ("\n#o> VOQ_OGL_Bildlauf - FEHLER: KANN GRAFIK 'gibt_es_nicht.bmp' NICHT LADEN!\n\n", log.Fehler());
}

// Mirrored, turned half a turn about no axis, turned backwards: the quarters land where they should.
TEST_F(Bild, SpiegelnUndDrehen)
{
    SDL_Surface* s = Streifen(32, 32, {ROT}, BLAU);
    Male(s, 0, 16, 16, 16, WEISS);
    Male(s, 16, 16, 16, 16, GELB);
    VOQ_OGL_Bildlauf b;
    ASSERT_TRUE(Lade(b, "viertel", s));
    // The quarters red, blue, white, yellow as they are drawn.
    const auto ecken = [&] { return Zeige(b, 8, 8, {{10, 10}, {37, 10}, {10, 37}, {37, 37}}); };
    b.mirrorX = true;
    EXPECT_EQ("BRGW", ecken());
    b.mirrorY = true;
    EXPECT_EQ("GWBR", ecken());
    b.mirrorX = b.mirrorY = false;

    b.rotationOn = true;
    b.SetRotation(180.0f);
    b.SetRotationSpeed(0.0f);
    EXPECT_EQ("GWBR", ecken()) << "a speed of 0 still shows the image";
    // The speed is the axis: -1 turns the other way, so +90 shows as -90 does.
    b.SetRotationSpeed(-1.0f);
    b.SetRotation(90.0f);
    EXPECT_EQ("BGRW", ecken());

    // 350 + 10 is 0; 355 + 10 stays 365 until a Draw wraps it.
    b.SetRotation(350.0f);
    b.AddRotation(10.0f);
    EXPECT_FLOAT_EQ(0.0f, b.GetRotationPos());
    b.SetRotation(355.0f);
    b.AddRotation(10.0f);
    EXPECT_FLOAT_EQ(365.0f, b.GetRotationPos());
    b.SetRotation(360.0f);
    b.Draw(0, 0);
    EXPECT_FLOAT_EQ(0.0f, b.GetRotationPos());
}

TEST_F(Bild, BilderFolgenDerZeitImmerWiederOderEinmal)
{
    const std::string lauf = "ORIGINALGROESSE=16,16\nBILDERANZAHL=3\nVERZOEGERUNG=100\n";
    VOQ_OGL_Bildlauf b;
    uhr.Setze(1000);
    ASSERT_TRUE(Lade(b, "lauf", Streifen(16, 16, {ROT, BLAU, WEISS}, ROT), lauf));
    // After a load the last change counts as tick 0; a change needs more than the delay.
    const std::pair<std::uint32_t, const char*> schritte[] = {
        {1000, "B"}, {1100, "B"}, {1101, "W"}, {1201, "W"}, {1202, "R"}, {1303, "B"}};
    for (const auto& s : schritte) {
        uhr.Setze(s.first);
        EXPECT_EQ(s.second, Zeige(b, 0, 0, {{4, 4}})) << "bei " << s.first;
    }
    // Hidden, the animation goes on; paused, it stands.
    b.visible = false;
    uhr.Setze(1404);
    EXPECT_EQ(".", Zeige(b, 0, 0, {{4, 4}}));
    b.visible = true;
    b.paused = true;
    uhr.Setze(5000);
    EXPECT_EQ("W", Zeige(b, 0, 0, {{4, 4}}));

    // Played once, it ends without a frame and stays so.
    uhr.Setze(0);
    ASSERT_TRUE(Lade(b, "lauf", Streifen(16, 16, {ROT, BLAU, WEISS}, ROT), lauf + "EINMAL=1\n"));
    for (std::uint32_t zeit : {101u, 202u, 303u, 800u, 1300u}) {
        uhr.Setze(zeit);
        b.Draw(0, 0);
    }
    EXPECT_EQ(".", Zeige(b, 0, 0, {{4, 4}}));
}

// A frame the window already shows is neither drawn nor swapped again; any
// change of a quad, pixels loaded under a texture name, a window uncovered or
// a new video mode has it drawn.
TEST_F(Bild, NurEinGeaendertesBildWirdGezeichnet)
{
    using VOQ_OGL_Zeichenliste::Zug;
    const auto zeige = [](std::initializer_list<Zug> zuege) {
        VOQ_OGL_Zeichenliste::Beginne();
        for (const Zug& z : zuege)
            VOQ_OGL_Zeichenliste::Nimm(z);
        return VOQ_OGL_Zeichenliste::Zeige();
    };
    Zug zug;
    zug.textur = 1;
    zug.achse = 1.0f;
    for (int i = 0; i < 4; ++i)
        zug.ecken[i] = zug.koordinaten[i] = static_cast<float>(i);
    VOQ_OGL_Zeichenliste::Verwirf();
    EXPECT_TRUE(zeige({zug}));
    EXPECT_FALSE(zeige({zug}));
    EXPECT_TRUE(zeige({zug, zug}));
    EXPECT_TRUE(zeige({zug}));
    std::vector<Zug> anders(14, zug);
    float Zug::*const werte[] = {&Zug::x, &Zug::y, &Zug::alpha, &Zug::winkel, &Zug::achse};
    for (int i = 0; i < 5; ++i)
        anders[i].*werte[i] += 0.5f;
    for (int i = 0; i < 4; ++i) {
        anders[5 + i].ecken[i] += 0.5f;
        anders[9 + i].koordinaten[i] += 0.5f;
    }
    anders[13].textur = 2;
    for (const Zug& z : anders) {
        EXPECT_TRUE(zeige({z}));
        EXPECT_TRUE(zeige({zug}));
    }
    VOQ_OGL_Bildlauf b;
    ASSERT_TRUE(Lade(b, "neu", NeueFlaeche(16, 16, ROT)));
    EXPECT_TRUE(zeige({zug}));
    VOQ_OGL_Zeichenliste::Verwirf();
    EXPECT_TRUE(zeige({zug}));
    EXPECT_FALSE(zeige({zug}));
    ASSERT_TRUE(StarteVideo(256, 256));
    EXPECT_TRUE(zeige({zug})) << "a new video mode";

    // A quad names its texture until the frame is drawn: the image reloaded
    // (its old names deleted) and given another key after it was listed leave
    // that quad as it was.
    VOQ_OGL_Bildspeicher::SetzeUhr(nullptr);
    ASSERT_TRUE(Lade(b, "vorher", NeueFlaeche(16, 16, ROT)));
    Leere(GRUEN);
    b.Draw(0, 0);
    ASSERT_TRUE(Lade(b, "nachher", NeueFlaeche(16, 16, BLAU)));
    b.Draw(20, 0);
    b.SetTransColor(255, 0, 0);
    b.Draw(40, 0);
    EXPECT_EQ("RB.", Farben({{4, 4}, {24, 4}, {44, 4}}));
}

TEST_F(Bild, EinUndAusblendenInHundertSchritten)
{
    VOQ_OGL_Bildlauf b;
    ASSERT_TRUE(Lade(b, "blende", NeueFlaeche(16, 16, WEISS)));
    // Draws every 11 ms until the fade ends: how many it took.
    const auto blende = [&](bool& laeuft) {
        int zeichnungen = 0;
        for (; laeuft && zeichnungen < 500; ++zeichnungen) {
            uhr.Weiter(11);
            b.Draw(0, 0);
        }
        return zeichnungen;
    };
    uhr.Setze(1000);
    b.Einblenden();
    b.Draw(0, 0);
    uhr.Weiter(10);
    b.Draw(0, 0);
    EXPECT_NEAR(0.01f, b.GetAlpha(), 1e-5) << "one step at once, the next more than 10 ms later";
    blende(b.fadingIn);
    b.Ausblenden();
    EXPECT_EQ(100, blende(b.fadingOut));
}

TEST_F(Bild, MitteUngeradeGroesseUndAnimPosGrenzen)
{
    // 31 x 31 centred at 100,100: a 30 x 30 quad from 85 to 114.
    VOQ_OGL_Bildlauf b;
    ASSERT_TRUE(Lade(b, "mitte", NeueFlaeche(31, 31, ROT)));
    Leere(GRUEN);
    b.DrawCenter(100, 100);
    EXPECT_EQ("RR..", Farben({{85, 85}, {114, 114}, {84, 100}, {115, 115}}));

    // SetAnimPos from frame 2: its answer and the frame after it; NextAnim after the last frame.
    ASSERT_TRUE(Lade(b, "grenzen", Streifen(8, 8, {ROT, BLAU, WEISS}, ROT), "ORIGINALGROESSE=8,8\nBILDERANZAHL=3\n"));
    std::string antworten;
    for (int n : {0, 3, 4, -1}) {
        b.SetAnimPos(2);
        const bool gilt = b.SetAnimPos(n);
        antworten += std::to_string(gilt) + std::to_string(b.GetAnimPos()) + " ";
    }
    b.SetAnimPos(3);
    const bool weiter = b.NextAnim();
    EXPECT_EQ("10 13 01 01 01", antworten + std::to_string(weiter) + std::to_string(b.GetAnimPos()));
    // Owners write frameCount directly: a frame without a texture draws nothing.
    b.frameCount = 5;
    b.paused = true;
    b.SetAnimPos(5);
    EXPECT_EQ(".", Zeige(b, 0, 0, {{2, 2}}));
}

TEST_F(Bild, AutomatischeDrehungMitUebertrag)
{
    VOQ_OGL_Bildlauf b;
    ASSERT_TRUE(Lade(b, "kreisel", NeueFlaeche(16, 16, WEISS)));
    b.SetAutoRotating(true);
    // At speed 1 a step is due at a progress of 1000 (5 ms); what lies beyond lowers the next threshold.
    const std::pair<std::uint32_t, float> schritte[] = {
        {4, 0.0f}, {6, 1.8f}, {10, 3.6f}, {15, 3.6f}, {10000, 5.4f}};
    for (const auto& s : schritte) {
        uhr.Setze(s.first);
        b.Draw(0, 0);
        EXPECT_NEAR(s.second, b.GetRotationPos(), 1e-4) << "bei " << s.first;
    }
}

// Square power-of-two frames are uploaded directly, others through the
// mipmap builder; every width keeps its rows (scaled widths their last row,
// widths no multiple of 4 their padded rows; the third row is the key).
TEST_F(Bild, HochladenUndJedeBildbreite)
{
    const auto ebenenbreite = [](unsigned int textur, int ebene) {
        GLint breite = -1;
        glBindTexture(GL_TEXTURE_2D, textur);
        glGetTexLevelParameteriv(GL_TEXTURE_2D, ebene, GL_TEXTURE_WIDTH, &breite);
        return breite;
    };
    Lege("q64", NeueFlaeche(64, 64, ROT));
    Lege("r64x32", NeueFlaeche(64, 32, ROT));
    VOQ_OGL_Bildlauf direkt("q64"), flach("r64x32");
    EXPECT_EQ(0, ebenenbreite(direkt.textures[0], 1)) << "direct: level 0 only";
    EXPECT_EQ(32, ebenenbreite(flach.textures[0], 1));

    // 128 x 128 and 200 x 128 are made in bands of 64 rows.
    const int letzte[][2] = {{200, 32}, {24, 8}, {17, 2}, {128, 128}, {200, 128}};
    for (const auto& f : letzte) {
        SDL_Surface* s = NeueFlaeche(f[0], f[1], ROT);
        Male(s, 0, f[1] - 1, f[0], 1, BLAU);
        Lege("letzte", s);
        VOQ_OGL_Bildlauf b("letzte");
        EXPECT_EQ("BBR.", Zeige(b, 2, 2, {{2 + f[0] / 2, 1 + f[1]}, {3, 1 + f[1]}, {3, f[1]}, {2 + f[0], 2}}))
            << f[0] << "x" << f[1];
    }
    for (int breite : {3, 5, 1, 2}) {
        SDL_Surface* s = NeueFlaeche(breite, 4, GELB);
        Male(s, 0, 0, breite, 1, ROT);
        Male(s, 0, 1, breite, 1, BLAU);
        Male(s, 0, 2, breite, 1, MAGENTA);
        Lege("breite", s, "ANZEIGEGROESSE=8,32\n");
        VOQ_OGL_Bildlauf b("breite");
        EXPECT_EQ("RB.G", Zeige(b, 4, 10, {{5, 14}, {5, 22}, {5, 30}, {5, 38}})) << "Breite " << breite;
    }
}

TEST_F(Bild, UnmoeglicheBeschreibungenWerdenAbgewiesen)
{
    VOQ_OGL_Bildlauf b;
    Lade(b, "null", NeueFlaeche(16, 16, ROT), "BILDERANZAHL=3\nBILDERANZAHL=0\n");
    EXPECT_EQ("\n#o> VOQ_OGL_Bildlauf - FEHLER: BILDERANZAHL 0 IN 'null.konfig' UNGUELTIG - MINDESTENS 1 BILD!\n\n",
              log.Fehler());

    // Frame 1024 of 2000 would start at x = 32768: the strip is cut there.
    log.Leeren();
    ASSERT_TRUE(Lade(b, "lang", Streifen(32, 32, {ROT, BLAU}, BLAU), "ORIGINALGROESSE=32,32\nBILDERANZAHL=2000\n"));
    EXPECT_EQ("\n#o> VOQ_OGL_Bildlauf - FEHLER: BILDERANZAHL 2000 VON 'lang.bmp' LIEGT JENSEITS X=32767"
              " - NUR 1024 BILDER!\n\n",
              log.Fehler());

    for (const char* beschreibung : {"ORIGINALGROESSE=-5,10\n", "ORIGINALGROESSE=10,-1\n",
                                     "ORIGINALGROESSE=40000,8\n", "ORIGINALGROESSE=8,2147483647\n"}) {
        log.Leeren();
        EXPECT_FALSE(Lade(b, "unmoeglich", NeueFlaeche(16, 16, ROT), beschreibung)) << beschreibung;
        EXPECT_EQ(0u, log.Fehler().find("\n#o> VOQ_OGL_Bildlauf - FEHLER: BILDGROESSE ")) << beschreibung;
        b.SetTransColor(1);  // nothing to rebuild, nothing to break
    }
}

// Images of one file share strip and textures; the store keeps what the last
// image gave back for the next screen, the oldest going first when it is full.
TEST_F(Bild, BilderEinerDateiTeilenSichStreifenUndTexturen)
{
    Lege("block", Streifen(32, 32, {ROT}, BLAU));
    const int vorher = VOQ_OGL_Bildspeicher::Ladevorgaenge();
    auto a = std::make_unique<VOQ_OGL_Bildlauf>("block");
    auto b = std::make_unique<VOQ_OGL_Bildlauf>("block");
    EXPECT_EQ(vorher + 1, VOQ_OGL_Bildspeicher::Ladevorgaenge());
    EXPECT_EQ(a->textures[0], b->textures[0]);

    // The last image gives the strip back to the store, which keeps it for the next.
    a.reset();
    b.reset();
    VOQ_OGL_Bildlauf c("block");
    EXPECT_EQ(0u, VOQ_OGL_Bildspeicher::Vorrat());
    // Made, its frames give up the strip's pixels: another key reads the file again.
    c.SetTransColor(1);
    EXPECT_EQ(vorher + 2, VOQ_OGL_Bildspeicher::Ladevorgaenge());

    // A file written just now may change again unseen: neither shared nor kept.
    VOQ_OGL_Bildspeicher::SetzeUhr(nullptr);
    Lege("frisch", Streifen(32, 32, {ROT}, BLAU));
    VOQ_OGL_Bildlauf e("frisch"), f("frisch");
    EXPECT_NE(e.textures[0], f.textures[0]);
}

TEST_F(Bild, DerVorratGibtDasAeltesteAuf)
{
    // 1024 x 1024: the texture comes to 4 MB; the strip's pixels are given up.
    const char* const namen[] = {"gross_a", "gross_b", "gross_c", "gross_d", "gross_e"};
    for (const char* name : namen)
        ASSERT_TRUE(SpeichereBMP(NeueFlaeche(1024, 1024, ROT), std::string(name) + ".bmp"));
    const int vorher = VOQ_OGL_Bildspeicher::Ladevorgaenge();
    for (const char* name : namen)
        ASSERT_TRUE(VOQ_OGL_Bildlauf(name).loaded);
    EXPECT_LE(VOQ_OGL_Bildspeicher::Vorrat(), VOQ_OGL_Bildspeicher::VORRAT);
    { VOQ_OGL_Bildlauf e("gross_e"); }
    EXPECT_EQ(vorher + 5, VOQ_OGL_Bildspeicher::Ladevorgaenge()) << "the last one is kept";
    { VOQ_OGL_Bildlauf a("gross_a"); }
    EXPECT_EQ(vorher + 6, VOQ_OGL_Bildspeicher::Ladevorgaenge()) << "the first one is not";
}
}  // namespace
