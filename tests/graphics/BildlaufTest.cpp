// The animated image in a real X server: load, draw, read the pixels back.
#include "GrafikHilfe.h"
#include "LogFaenger.h"
#include "TestUhr.h"
#include "VOQ_OGL_Bildlauf.h"

#include "SDL.h"
#include "SDL_opengl.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <initializer_list>
#include <string>

namespace
{
using grafik::Farbe;
using grafik::Pixel;
using grafik::ROT;
using grafik::BLAU;
using grafik::WEISS;
using grafik::GELB;

const Farbe HINTERGRUND = grafik::GRUEN;

// Three frames of one colour each: red, blue, white.
const Farbe DREI[] = {ROT, ROT, BLAU, BLAU, WEISS, WEISS};

class Bildlauf : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(grafik::StarteVideo(256, 256));
        grafik::Leere(HINTERGRUND);
        log.Leeren();
    }

    // Bitmap "name.bmp" and, unless empty, description "name.konfig".
    static void Lege(const std::string& name, SDL_Surface* bild, const std::string& beschreibung = "")
    {
        ASSERT_TRUE(grafik::SpeichereBMP(bild, name + ".bmp"));
        std::remove((name + ".konfig").c_str());
        if (!beschreibung.empty())
            grafik::SchreibeDatei(name + ".konfig", beschreibung);
    }

    // A strip of `anzahl` frames of w x h: left half farben[2i], right half farben[2i+1].
    static SDL_Surface* Streifen(int w, int h, int anzahl, const Farbe* farben)
    {
        SDL_Surface* s = grafik::NeueFlaeche(w * anzahl, h, grafik::SCHWARZ);
        for (int i = 0; i < anzahl; ++i) {
            grafik::Male(s, i * w, 0, w / 2, h, farben[2 * i]);
            grafik::Male(s, i * w + w / 2, 0, w - w / 2, h, farben[2 * i + 1]);
        }
        return s;
    }

    // The frame drawn alone at (x, y), then the colour at (px, py).
    static std::string Zeige(VOQ_OGL_Bildlauf& b, int x, int y, int px, int py)
    {
        grafik::Leere(HINTERGRUND);
        b.Draw(x, y);
        return grafik::Text(Pixel(px, py));
    }

    static GLint Ebenenbreite(unsigned int textur, int ebene)
    {
        GLint breite = -1;
        glBindTexture(GL_TEXTURE_2D, textur);
        glGetTexLevelParameteriv(GL_TEXTURE_2D, ebene, GL_TEXTURE_WIDTH, &breite);
        return breite;
    }

    TestUhr uhr{0};
    LogFaenger log;
};

std::string Texte(std::initializer_list<Farbe> farben)
{
    std::string text;
    for (const Farbe& f : farben)
        text += grafik::Text(f);
    return text;
}

#define EXPECT_FARBE(erwartet, x, y) \
    EXPECT_EQ(grafik::Text(erwartet), grafik::Text(Pixel(x, y))) << "bei (" << (x) << "," << (y) << ")"

TEST_F(Bildlauf, OhneBeschreibungEinBildInVollerGroesse)
{
    SDL_Surface* s = grafik::NeueFlaeche(40, 24, ROT);
    grafik::Male(s, 20, 0, 20, 24, grafik::MAGENTA);
    Lege("voll", s);

    VOQ_OGL_Bildlauf b;
    ASSERT_TRUE(b.Init("voll"));
    EXPECT_EQ(1, b.GetBildAnzahl());
    EXPECT_EQ(500, b.GetVerzoegerung());
    EXPECT_FLOAT_EQ(1.0f, b.GetAlpha());
    EXPECT_EQ("#o> VOQ_OGL_Bildlauf - Lade Texturen 'voll.bmp' ...\t(erledigt)\n", log.Aus());
    EXPECT_EQ("", log.Fehler());

    b.Draw(10, 20);
    EXPECT_FARBE(ROT, 10, 20);
    EXPECT_FARBE(ROT, 29, 43);
    EXPECT_FARBE(HINTERGRUND, 30, 20) << "Magenta ist der vorgegebene Farbschluessel";
    EXPECT_FARBE(HINTERGRUND, 10, 44);
}

TEST_F(Bildlauf, FehlendeGrafikMeldetUndZeichnetNichts)
{
    VOQ_OGL_Bildlauf b;
    EXPECT_FALSE(b.Init("gibt_es_nicht"));
    EXPECT_EQ("\n#o> VOQ_OGL_Bildlauf - FEHLER: KANN GRAFIK 'gibt_es_nicht.bmp' NICHT LADEN!\n\n", log.Fehler());
    EXPECT_EQ("", log.Aus());
    EXPECT_EQ(grafik::Text(HINTERGRUND), Zeige(b, 0, 0, 0, 0));

    // A reload that fails leaves nothing of the earlier image to draw.
    Lege("erst", grafik::NeueFlaeche(8, 8, ROT));
    ASSERT_TRUE(b.Init("erst"));
    EXPECT_EQ(grafik::Text(ROT), Zeige(b, 0, 0, 0, 0));
    EXPECT_FALSE(b.Init("gibt_es_nicht"));
    EXPECT_EQ(grafik::Text(HINTERGRUND), Zeige(b, 0, 0, 0, 0));
}

TEST_F(Bildlauf, BeschreibungszeilenNurAbZeilenanfang)
{
    Lege("regeln", grafik::NeueFlaeche(64, 16, ROT),
         " BILDERANZAHL=4\n"
         "BILDERANZAHL = 4\n"
         "#BILDERANZAHL=4\n"
         "\n"
         "VERZOEGERUNG=100\r\n"
         "VERZOEGERUNG=300\n"
         "ANZEIGEGROESSE=20,10 statt ORIGINALGROESSE\n"
         "UNSICHTBARKEIT=1,2\n"
         "PAUSIERT=2\n"
         "EINMAL=1\n"
         "DURCHSICHTIGKEIT=0.25\n"
         "ORIGINALGROESSE=16\n");
    VOQ_OGL_Bildlauf b;
    ASSERT_TRUE(b.Init("regeln"));
    EXPECT_EQ(1, b.GetBildAnzahl()) << "Leerzeichen vor dem Schluessel, um das '=' und '#' gelten nicht";
    EXPECT_EQ(300, b.GetVerzoegerung()) << "die letzte Zeile gewinnt";
    EXPECT_EQ(16, b.GetWidthDraw()) << "eine Zeile mit ORIGINALGROESSE wird nach dessen Muster gelesen";
    EXPECT_EQ(16, b.GetHeightTex()) << "ein fehlender zweiter Wert laesst das Feld, wie es war (0: Bildhoehe)";
    EXPECT_EQ(1, b.keyColour[0]);
    EXPECT_EQ(2, b.keyColour[1]);
    EXPECT_EQ(255, b.keyColour[2]);
    EXPECT_FALSE(b.paused);
    EXPECT_TRUE(b.playOnce);
    EXPECT_FLOAT_EQ(0.25f, b.GetAlpha());

    Lege("regeln", grafik::NeueFlaeche(64, 16, ROT), "BILDERANZAHL=4\nORIGINALGROESSE=16,16\nPAUSIERT=1\n");
    ASSERT_TRUE(b.Init("regeln"));
    EXPECT_EQ(4, b.GetBildAnzahl());
    EXPECT_TRUE(b.paused);
    EXPECT_FALSE(b.playOnce) << "Init setzt den Zustand zurueck";
    EXPECT_EQ(500, b.GetVerzoegerung());
    EXPECT_EQ("", log.Fehler());
}

TEST_F(Bildlauf, VierBilderAusEinemStreifen)
{
    const Farbe farben[] = {ROT, BLAU, WEISS, GELB, grafik::TUERKIS, ROT, BLAU, WEISS};
    Lege("vier", Streifen(32, 32, 4, farben), "ORIGINALGROESSE=32,32\nBILDERANZAHL=4\n");
    VOQ_OGL_Bildlauf b;
    ASSERT_TRUE(b.Init("vier"));
    ASSERT_EQ(4, b.GetBildAnzahl());
    b.paused = true;
    for (int i = 0; i < 4; ++i) {
        ASSERT_TRUE(b.SetAnimPos(i + 1));
        EXPECT_EQ(grafik::Text(farben[2 * i]), Zeige(b, 50, 60, 65, 91)) << "Bild " << i + 1;
        EXPECT_FARBE(farben[2 * i + 1], 66, 60) << "Bild " << i + 1;
        EXPECT_FARBE(HINTERGRUND, 82, 60);
    }
}

TEST_F(Bildlauf, FarbschluesselInBlauGruenRotUndDurchsichtigkeit)
{
    SDL_Surface* s = grafik::NeueFlaeche(64, 64, ROT);
    grafik::Male(s, 32, 0, 32, 64, BLAU);
    Lege("schluessel", s, "UNSICHTBARKEIT=0,0,255\n");
    VOQ_OGL_Bildlauf b;
    ASSERT_TRUE(b.Init("schluessel"));
    const unsigned int name = b.textures[0];
    EXPECT_EQ(grafik::Text(HINTERGRUND), Zeige(b, 0, 0, 10, 10)) << "0,0,255 ist Rot, nicht Blau";
    EXPECT_FARBE(BLAU, 50, 10);
    b.SetTransColor(255, 0, 0);
    EXPECT_EQ(grafik::Text(ROT), Zeige(b, 0, 0, 10, 10));
    EXPECT_FARBE(HINTERGRUND, 50, 10);
    b.SetTransColor(6);
    EXPECT_EQ(grafik::Text(HINTERGRUND), Zeige(b, 0, 0, 10, 10));
    EXPECT_EQ(name, b.textures[0]) << "ein neuer Schluessel fuellt die Texturen neu, ohne neue Namen";

    // Half transparent over green; the key stays invisible.
    SDL_Surface* h = grafik::NeueFlaeche(32, 32, WEISS);
    grafik::Male(h, 16, 0, 16, 32, grafik::MAGENTA);
    Lege("halb", h, "DURCHSICHTIGKEIT=0.5\n");
    ASSERT_TRUE(b.Init("halb"));
    Zeige(b, 0, 0, 0, 0);
    const Farbe p = Pixel(5, 5);
    EXPECT_NEAR(128, p.r, 1);
    EXPECT_EQ(255, p.g);
    EXPECT_NEAR(128, p.b, 1);
    EXPECT_FARBE(HINTERGRUND, 20, 5);
    EXPECT_EQ("", log.Fehler());
}

// Mirrored, turned by half a turn, turned backwards: the quarters land where
// they should. A zero speed has no axis of its own and still shows the image.
TEST_F(Bildlauf, SpiegelnUndDrehen)
{
    SDL_Surface* s = grafik::NeueFlaeche(32, 32, ROT);
    grafik::Male(s, 16, 0, 16, 16, BLAU);
    grafik::Male(s, 0, 16, 16, 16, WEISS);
    grafik::Male(s, 16, 16, 16, 16, GELB);
    Lege("viertel", s);
    VOQ_OGL_Bildlauf b;
    ASSERT_TRUE(b.Init("viertel"));
    const auto Ecken = [&] {
        const std::string links = Zeige(b, 8, 8, 10, 10);
        return links + grafik::Text(Pixel(37, 10)) + grafik::Text(Pixel(10, 37)) + grafik::Text(Pixel(37, 37));
    };
    const std::string gerade = Ecken();
    EXPECT_EQ(Texte({ROT, BLAU, WEISS, GELB}), gerade);
    b.mirrorX = true;
    EXPECT_EQ(Texte({BLAU, ROT, GELB, WEISS}), Ecken());
    b.mirrorY = true;
    const std::string beide = Ecken();
    EXPECT_EQ(Texte({GELB, WEISS, BLAU, ROT}), beide);
    b.mirrorX = b.mirrorY = false;

    b.rotationOn = true;
    b.SetRotation(180.0f);
    EXPECT_EQ(beide, Ecken());
    b.SetRotationSpeed(0.0f);
    EXPECT_EQ(beide, Ecken());
    b.SetRotationSpeed(-1.0f);
    b.SetRotation(90.0f);
    const std::string rueckwaerts = Ecken();
    b.SetRotationSpeed(1.0f);
    b.SetRotation(270.0f);
    EXPECT_EQ(rueckwaerts, Ecken()) << "-90 Grad sehen aus wie +270";
    EXPECT_NE(gerade, rueckwaerts);

    // A shown angle of 360 or more comes back to 0 when drawn.
    b.SetRotation(355.0f);
    b.AddRotation(10.0f);
    b.Draw(0, 0);
    EXPECT_FLOAT_EQ(0.0f, b.GetRotationPos());
}

TEST_F(Bildlauf, BilderFolgenDerZeitImmerWiederOderEinmal)
{
    Lege("lauf", Streifen(16, 16, 3, DREI), "ORIGINALGROESSE=16,16\nBILDERANZAHL=3\nVERZOEGERUNG=100\n");
    VOQ_OGL_Bildlauf b;
    uhr.Setze(1000);
    ASSERT_TRUE(b.Init("lauf"));
    struct Schritt { std::uint32_t zeit; int bild; };
    const Schritt schritte[] = {
        {1000, 2},  // after a load the last change counts as tick 0
        {1100, 2},  // exactly the delay: not yet
        {1101, 3}, {1201, 3}, {1202, 1}, {1303, 2},
    };
    for (const Schritt& s : schritte) {
        uhr.Setze(s.zeit);
        EXPECT_EQ(grafik::Text(DREI[2 * (s.bild - 1)]), Zeige(b, 0, 0, 4, 4)) << "bei " << s.zeit;
        EXPECT_EQ(s.bild, b.GetAnimPos()) << "bei " << s.zeit;
    }
    // Hidden, the animation goes on; paused, it stands.
    b.visible = false;
    uhr.Setze(1404);
    EXPECT_EQ(grafik::Text(HINTERGRUND), Zeige(b, 0, 0, 4, 4));
    EXPECT_EQ(3, b.GetAnimPos());
    b.visible = true;
    b.paused = true;
    uhr.Setze(5000);
    b.Draw(0, 0);
    EXPECT_EQ(3, b.GetAnimPos());

    // Played once, it ends without a frame and stays so until started again.
    Lege("lauf", Streifen(16, 16, 3, DREI), "ORIGINALGROESSE=16,16\nBILDERANZAHL=3\nVERZOEGERUNG=100\nEINMAL=1\n");
    uhr.Setze(0);
    ASSERT_TRUE(b.Init("lauf"));
    for (std::uint32_t zeit : {101u, 202u, 303u, 800u, 1300u}) {
        uhr.Setze(zeit);
        b.Draw(0, 0);
    }
    EXPECT_TRUE(b.paused);
    EXPECT_EQ(0, b.GetAnimPos());
    EXPECT_EQ(grafik::Text(HINTERGRUND), Zeige(b, 0, 0, 4, 4));
    b.SetAnimPos(1);
    b.paused = false;
    EXPECT_EQ(grafik::Text(BLAU), Zeige(b, 0, 0, 4, 4));
}

TEST_F(Bildlauf, EinUndAusblendenInHundertSchritten)
{
    Lege("blende", grafik::NeueFlaeche(16, 16, WEISS));
    VOQ_OGL_Bildlauf b;
    ASSERT_TRUE(b.Init("blende"));
    uhr.Setze(1000);
    b.Einblenden();
    b.Draw(0, 0);
    EXPECT_NEAR(0.01f, b.GetAlpha(), 1e-5);
    uhr.Weiter(10);
    b.Draw(0, 0);
    EXPECT_NEAR(0.01f, b.GetAlpha(), 1e-5) << "ein Schritt braucht mehr als 10 ms";
    int zeichnungen = 1;
    for (; b.fadingIn && zeichnungen < 500; ++zeichnungen) {
        uhr.Weiter(11);
        b.Draw(0, 0);
    }
    EXPECT_EQ(100, zeichnungen);
    EXPECT_FLOAT_EQ(1.0f, b.GetAlpha());

    b.Ausblenden();
    for (zeichnungen = 0; b.fadingOut && zeichnungen < 500; ++zeichnungen) {
        uhr.Weiter(11);
        b.Draw(0, 0);
        if (zeichnungen == 49) {
            EXPECT_NEAR(0.5f, b.GetAlpha(), 1e-5);
        }
    }
    EXPECT_EQ(100, zeichnungen);
    uhr.Weiter(100);
    EXPECT_EQ(grafik::Text(HINTERGRUND), Zeige(b, 0, 0, 4, 4));
    EXPECT_FLOAT_EQ(0.0f, b.GetAlpha()) << "ausgeblendet bleibt es bei 0";
}

TEST_F(Bildlauf, DrawCenterMitUngeraderGroesse)
{
    Lege("mitte", grafik::NeueFlaeche(31, 31, ROT));
    VOQ_OGL_Bildlauf b;
    ASSERT_TRUE(b.Init("mitte"));
    b.DrawCenter(100, 100);
    EXPECT_EQ(100, b.GetCenterX());
    EXPECT_EQ(100, b.GetCenterY());
    // A 30 x 30 quad centred at 100,100.
    EXPECT_FARBE(ROT, 85, 85);
    EXPECT_FARBE(ROT, 114, 114);
    EXPECT_FARBE(HINTERGRUND, 84, 100);
    EXPECT_FARBE(HINTERGRUND, 115, 115);
}

TEST_F(Bildlauf, AnimPosGrenzen)
{
    Lege("grenzen", Streifen(8, 8, 3, DREI), "ORIGINALGROESSE=8,8\nBILDERANZAHL=3\n");
    VOQ_OGL_Bildlauf b;
    ASSERT_TRUE(b.Init("grenzen"));
    EXPECT_TRUE(b.SetAnimPos(0));
    EXPECT_TRUE(b.SetAnimPos(3));
    EXPECT_FALSE(b.NextAnim()) << "nach dem letzten wieder das erste";
    EXPECT_EQ(1, b.GetAnimPos());
    EXPECT_TRUE(b.NextAnim());
    EXPECT_EQ(2, b.GetAnimPos());
    for (int falsch : {4, -1}) {
        EXPECT_FALSE(b.SetAnimPos(falsch));
        EXPECT_EQ(1, b.GetAnimPos()) << falsch;
    }

    // Owners write frameCount directly: a frame without a texture draws nothing.
    b.frameCount = 5;
    b.paused = true;
    ASSERT_TRUE(b.SetAnimPos(5));
    EXPECT_EQ(grafik::Text(HINTERGRUND), Zeige(b, 0, 0, 2, 2));
}

TEST_F(Bildlauf, AutomatischeDrehungMitUebertrag)
{
    Lege("kreisel", grafik::NeueFlaeche(16, 16, WEISS));
    VOQ_OGL_Bildlauf b;
    ASSERT_TRUE(b.Init("kreisel"));
    b.SetAutoRotating(true);
    struct Schritt { std::uint32_t zeit; float winkel; };
    const Schritt schritte[] = {
        {4, 0.0f},      // 800 < 1000
        {6, 1.8f},      // 1200: a step, the 200 beyond lower the next threshold to 800
        {10, 3.6f},     // 800 >= 800
        {15, 3.6f},     // 1000 < 1200
        {10000, 5.4f},  // a long pause: still one step per Draw
    };
    for (const Schritt& s : schritte) {
        uhr.Setze(s.zeit);
        b.Draw(0, 0);
        EXPECT_NEAR(s.winkel, b.GetRotationPos(), 1e-4) << "bei " << s.zeit;
    }
    b.SetAutoRotating(false);
    uhr.Setze(20000);
    b.Draw(0, 0);
    EXPECT_NEAR(5.4f, b.GetRotationPos(), 1e-4);
}

TEST_F(Bildlauf, QuadratischeZweierpotenzDirektSonstMipmaps)
{
    Lege("q64", grafik::NeueFlaeche(64, 64, ROT));
    Lege("r64x32", grafik::NeueFlaeche(64, 32, ROT));
    Lege("q48", grafik::NeueFlaeche(48, 48, ROT));
    VOQ_OGL_Bildlauf direkt("q64"), flach("r64x32"), krumm("q48");
    EXPECT_EQ(64, Ebenenbreite(direkt.textures[0], 0));
    EXPECT_EQ(0, Ebenenbreite(direkt.textures[0], 1)) << "direkt: nur Ebene 0";
    EXPECT_EQ(32, Ebenenbreite(flach.textures[0], 1));
    const GLint breite48 = Ebenenbreite(krumm.textures[0], 0);
    EXPECT_NE(48, breite48) << "auf eine Zweierpotenz skaliert";
    EXPECT_EQ(0, breite48 & (breite48 - 1));
    EXPECT_GT(Ebenenbreite(krumm.textures[0], 1), 0);

    // Whatever the path, the frame is drawn at its draw size.
    EXPECT_EQ(grafik::Text(ROT), Zeige(krumm, 0, 0, 47, 47));
    EXPECT_FARBE(HINTERGRUND, 48, 47);
}

// Scaled widths keep their last row (the height already a power of two);
// widths that are no multiple of 4 give padded surface rows and still draw
// row by row (the third row is the colour key).
TEST_F(Bildlauf, JedeBildbreiteBehaeltIhreZeilen)
{
    const int letzte[][2] = {{200, 32}, {24, 8}, {17, 2}, {100, 64}};
    for (const auto& f : letzte) {
        SDL_Surface* s = grafik::NeueFlaeche(f[0], f[1], ROT);
        grafik::Male(s, 0, f[1] - 1, f[0], 1, BLAU);
        const std::string name = "letzte" + std::to_string(f[0]);
        Lege(name, s);
        VOQ_OGL_Bildlauf b;
        ASSERT_TRUE(b.Init(name));
        EXPECT_EQ(grafik::Text(BLAU), Zeige(b, 2, 2, 2 + f[0] / 2, 2 + f[1] - 1)) << f[0] << "x" << f[1];
        EXPECT_FARBE(BLAU, 3, 2 + f[1] - 1) << f[0] << "x" << f[1];
        EXPECT_FARBE(ROT, 3, 2 + f[1] - 2) << f[0] << "x" << f[1];
    }

    const Farbe reihen[] = {ROT, BLAU, grafik::MAGENTA, GELB};
    for (int breite : {3, 5, 33, 1, 2, 7}) {
        SDL_Surface* s = grafik::NeueFlaeche(breite, 4, grafik::SCHWARZ);
        for (int r = 0; r < 4; ++r)
            grafik::Male(s, 0, r, breite, 1, reihen[r]);
        const std::string name = "breite" + std::to_string(breite);
        Lege(name, s, "ANZEIGEGROESSE=8,32\n");
        VOQ_OGL_Bildlauf b;
        ASSERT_TRUE(b.Init(name));
        Zeige(b, 4, 10, 0, 0);
        for (int r = 0; r < 4; ++r)
            EXPECT_FARBE(r == 2 ? HINTERGRUND : reihen[r], 5, 10 + r * 8 + 4) << "Breite " << breite << ", Zeile " << r;
    }
    EXPECT_EQ("", log.Fehler());
}

TEST_F(Bildlauf, UngueltigeBilderanzahlWirdAbgewiesen)
{
    Lege("null", grafik::NeueFlaeche(16, 16, ROT), "BILDERANZAHL=0\n");
    VOQ_OGL_Bildlauf b;
    EXPECT_TRUE(b.Init("null"));
    EXPECT_EQ(1, b.GetBildAnzahl());
    EXPECT_EQ("\n#o> VOQ_OGL_Bildlauf - FEHLER: BILDERANZAHL 0 IN 'null.konfig' UNGUELTIG - MINDESTENS 1 BILD!\n\n",
              log.Fehler());
    EXPECT_EQ(grafik::Text(ROT), Zeige(b, 0, 0, 4, 4));

    log.Leeren();
    Lege("negativ", grafik::NeueFlaeche(16, 16, ROT), "BILDERANZAHL=3\nBILDERANZAHL=-3\n");
    EXPECT_TRUE(b.Init("negativ"));
    EXPECT_EQ(3, b.GetBildAnzahl()) << "die abgewiesene Zeile laesst den Wert davor";
    EXPECT_NE(std::string::npos, log.Fehler().find("BILDERANZAHL -3"));

    // Frame 1024 of 2000 would start at x = 32768: the strip is cut there.
    SDL_Surface* s = grafik::NeueFlaeche(64, 32, ROT);
    grafik::Male(s, 32, 0, 32, 32, BLAU);
    Lege("lang", s, "ORIGINALGROESSE=32,32\nBILDERANZAHL=2000\n");
    log.Leeren();
    ASSERT_TRUE(b.Init("lang"));
    EXPECT_EQ(1024, b.GetBildAnzahl());
    EXPECT_EQ("\n#o> VOQ_OGL_Bildlauf - FEHLER: BILDERANZAHL 2000 VON 'lang.bmp' LIEGT JENSEITS X=32767"
              " - NUR 1024 BILDER!\n\n",
              log.Fehler());
    b.paused = true;
    b.SetAnimPos(2);
    EXPECT_EQ(grafik::Text(BLAU), Zeige(b, 0, 0, 4, 4));
    b.SetAnimPos(1024);
    EXPECT_EQ(grafik::Text(grafik::SCHWARZ), Zeige(b, 0, 0, 4, 4)) << "ausserhalb der Grafik ist das Bild schwarz";
}

TEST_F(Bildlauf, UnmoeglicheBildgroesseLaesstDasBildUngeladen)
{
    for (const char* beschreibung : {"ORIGINALGROESSE=-5,10\n", "ORIGINALGROESSE=10,-1\n",
                                     "ORIGINALGROESSE=40000,8\n", "ORIGINALGROESSE=8,2147483647\n"}) {
        Lege("unmoeglich", grafik::NeueFlaeche(16, 16, ROT), beschreibung);
        log.Leeren();
        VOQ_OGL_Bildlauf b;
        EXPECT_FALSE(b.Init("unmoeglich")) << beschreibung;
        EXPECT_NE(std::string::npos, log.Fehler().find("\n#o> VOQ_OGL_Bildlauf - FEHLER: BILDGROESSE ")) << beschreibung;
        EXPECT_FALSE(b.loaded);
        EXPECT_EQ(grafik::Text(HINTERGRUND), Zeige(b, 0, 0, 4, 4)) << beschreibung;
        b.SetTransColor(1);  // nothing to rebuild, nothing to break
    }
}

}  // namespace
