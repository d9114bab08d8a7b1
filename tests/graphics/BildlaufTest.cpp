// The animated image in a real X server: load, draw, read the pixels back.
#include "GrafikHilfe.h"
#include "LogFaenger.h"
#include "TestUhr.h"
#include "VOQ_OGL_Bildlauf.h"

#include "SDL.h"
#include "SDL_opengl.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace
{
using grafik::Farbe;
using grafik::Pixel;

const Farbe HINTERGRUND = grafik::GRUEN;

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

#define EXPECT_FARBE(erwartet, x, y) \
    EXPECT_EQ(grafik::Text(erwartet), grafik::Text(Pixel(x, y))) << "bei (" << (x) << "," << (y) << ")"

TEST_F(Bildlauf, OhneBeschreibungEinBildInVollerGroesse)
{
    SDL_Surface* s = grafik::NeueFlaeche(40, 24, grafik::ROT);
    grafik::Male(s, 20, 0, 20, 24, grafik::MAGENTA);
    Lege("voll", s);

    VOQ_OGL_Bildlauf b;
    ASSERT_TRUE(b.Init("voll"));
    EXPECT_EQ(1, b.GetBildAnzahl());
    EXPECT_EQ(40, b.GetWidthTex());
    EXPECT_EQ(24, b.GetHeightTex());
    EXPECT_EQ(40, b.GetWidthDraw());
    EXPECT_EQ(24, b.GetHeightDraw());
    EXPECT_EQ(500, b.GetVerzoegerung());
    EXPECT_FLOAT_EQ(1.0f, b.GetAlpha());
    EXPECT_EQ(255, b.keyColour[0]);
    EXPECT_EQ(0, b.keyColour[1]);
    EXPECT_EQ(255, b.keyColour[2]);
    EXPECT_TRUE(b.visible);
    EXPECT_EQ(1, b.GetAnimPos());
    EXPECT_EQ("#o> VOQ_OGL_Bildlauf - Lade Texturen 'voll.bmp' ...\t(erledigt)\n", log.Aus());
    EXPECT_EQ("", log.Fehler());

    b.Draw(10, 20);
    EXPECT_FARBE(grafik::ROT, 10, 20);
    EXPECT_FARBE(grafik::ROT, 29, 43);
    EXPECT_FARBE(HINTERGRUND, 30, 20) << "Magenta ist der vorgegebene Farbschluessel";
    EXPECT_FARBE(HINTERGRUND, 9, 20);
    EXPECT_FARBE(HINTERGRUND, 10, 44);
}

TEST_F(Bildlauf, FehlendeGrafikMeldetUndZeichnetNichts)
{
    VOQ_OGL_Bildlauf b;
    EXPECT_FALSE(b.Init("gibt_es_nicht"));
    EXPECT_EQ("\n#o> VOQ_OGL_Bildlauf - FEHLER: KANN GRAFIK 'gibt_es_nicht.bmp' NICHT LADEN!\n\n", log.Fehler());
    EXPECT_EQ("", log.Aus());
    b.Draw(0, 0);
    EXPECT_FARBE(HINTERGRUND, 0, 0);

    // A reload that fails leaves nothing of the earlier image to draw.
    Lege("erst", grafik::NeueFlaeche(8, 8, grafik::ROT));
    ASSERT_TRUE(b.Init("erst"));
    b.Draw(0, 0);
    EXPECT_FARBE(grafik::ROT, 0, 0);
    grafik::Leere(HINTERGRUND);
    EXPECT_FALSE(b.Init("gibt_es_nicht"));
    b.Draw(0, 0);
    EXPECT_FARBE(HINTERGRUND, 0, 0);
}

TEST_F(Bildlauf, BeschreibungszeilenNurAbZeilenanfang)
{
    Lege("regeln", grafik::NeueFlaeche(64, 16, grafik::ROT),
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
    EXPECT_EQ(16, b.GetWidthTex());
    EXPECT_EQ(1, b.keyColour[0]);
    EXPECT_EQ(2, b.keyColour[1]);
    EXPECT_EQ(255, b.keyColour[2]);
    EXPECT_FALSE(b.paused);
    EXPECT_TRUE(b.playOnce);
    EXPECT_FLOAT_EQ(0.25f, b.GetAlpha());

    Lege("regeln", grafik::NeueFlaeche(64, 16, grafik::ROT), "BILDERANZAHL=4\nORIGINALGROESSE=16,16\nPAUSIERT=1\n");
    ASSERT_TRUE(b.Init("regeln"));
    EXPECT_EQ(4, b.GetBildAnzahl());
    EXPECT_TRUE(b.paused);
    EXPECT_FALSE(b.playOnce) << "Init setzt den Zustand zurueck";
    EXPECT_EQ(500, b.GetVerzoegerung());
    EXPECT_EQ("", log.Fehler());
}

TEST_F(Bildlauf, VierBilderAusEinemStreifen)
{
    const Farbe farben[] = {grafik::ROT, grafik::BLAU, grafik::WEISS, grafik::GELB,
                            grafik::TUERKIS, grafik::ROT, grafik::BLAU, grafik::WEISS};
    Lege("vier", Streifen(32, 32, 4, farben), "ORIGINALGROESSE=32,32\nBILDERANZAHL=4\n");
    VOQ_OGL_Bildlauf b;
    ASSERT_TRUE(b.Init("vier"));
    ASSERT_EQ(4, b.GetBildAnzahl());
    b.paused = true;
    for (int i = 0; i < 4; ++i) {
        ASSERT_TRUE(b.SetAnimPos(i + 1));
        grafik::Leere(HINTERGRUND);
        b.Draw(50, 60);
        EXPECT_FARBE(farben[2 * i], 50, 60) << "Bild " << i + 1;
        EXPECT_FARBE(farben[2 * i], 65, 91);
        EXPECT_FARBE(farben[2 * i + 1], 66, 60);
        EXPECT_FARBE(farben[2 * i + 1], 81, 91);
        EXPECT_FARBE(HINTERGRUND, 82, 60);
    }
}

TEST_F(Bildlauf, FarbschluesselInBlauGruenRot)
{
    SDL_Surface* s = grafik::NeueFlaeche(64, 64, grafik::ROT);
    grafik::Male(s, 32, 0, 32, 64, grafik::BLAU);
    Lege("schluessel", s, "UNSICHTBARKEIT=0,0,255\n");
    VOQ_OGL_Bildlauf b;
    ASSERT_TRUE(b.Init("schluessel"));
    const unsigned int name = b.textures[0];

    b.Draw(0, 0);
    EXPECT_FARBE(HINTERGRUND, 10, 10) << "0,0,255 ist Rot, nicht Blau";
    EXPECT_FARBE(grafik::BLAU, 50, 10);

    b.SetTransColor(255, 0, 0);
    grafik::Leere(HINTERGRUND);
    b.Draw(0, 0);
    EXPECT_FARBE(grafik::ROT, 10, 10);
    EXPECT_FARBE(HINTERGRUND, 50, 10);

    b.SetTransColor(6);
    grafik::Leere(HINTERGRUND);
    b.Draw(0, 0);
    EXPECT_FARBE(HINTERGRUND, 10, 10);
    EXPECT_FARBE(grafik::BLAU, 50, 10);
    EXPECT_EQ(name, b.textures[0]) << "ein neuer Schluessel fuellt die Texturen neu, ohne neue Namen";

    b.SetTransColor(7);
    EXPECT_EQ(0, b.keyColour[0]);
    EXPECT_EQ(255, b.keyColour[2]);
    EXPECT_EQ("", log.Fehler());
}

TEST_F(Bildlauf, HalbDurchsichtigUndSchluesselBleibtUnsichtbar)
{
    SDL_Surface* s = grafik::NeueFlaeche(32, 32, grafik::WEISS);
    grafik::Male(s, 16, 0, 16, 32, grafik::MAGENTA);
    Lege("halb", s, "DURCHSICHTIGKEIT=0.5\n");
    VOQ_OGL_Bildlauf b;
    ASSERT_TRUE(b.Init("halb"));
    b.Draw(0, 0);
    const Farbe p = Pixel(5, 5);
    EXPECT_NEAR(128, p.r, 1);
    EXPECT_EQ(255, p.g);
    EXPECT_NEAR(128, p.b, 1);
    EXPECT_FARBE(HINTERGRUND, 20, 5);
    grafik::Bildschirmfoto("halb_durchsichtig.bmp");
}

TEST_F(Bildlauf, Spiegeln)
{
    SDL_Surface* s = grafik::NeueFlaeche(32, 32, grafik::ROT);
    grafik::Male(s, 16, 0, 16, 16, grafik::BLAU);
    grafik::Male(s, 0, 16, 16, 16, grafik::WEISS);
    grafik::Male(s, 16, 16, 16, 16, grafik::GELB);
    Lege("viertel", s);
    VOQ_OGL_Bildlauf b;
    ASSERT_TRUE(b.Init("viertel"));

    struct Fall { bool x, y; Farbe ol, or_, ul, ur; };
    const Fall faelle[] = {
        {false, false, grafik::ROT, grafik::BLAU, grafik::WEISS, grafik::GELB},
        {true, false, grafik::BLAU, grafik::ROT, grafik::GELB, grafik::WEISS},
        {false, true, grafik::WEISS, grafik::GELB, grafik::ROT, grafik::BLAU},
        {true, true, grafik::GELB, grafik::WEISS, grafik::BLAU, grafik::ROT},
    };
    int spalte = 0;
    for (const Fall& f : faelle) {
        b.mirrorX = f.x;
        b.mirrorY = f.y;
        const int x0 = 8 + spalte * 40;
        b.Draw(x0, 8);
        EXPECT_FARBE(f.ol, x0 + 1, 9) << f.x << f.y;
        EXPECT_FARBE(f.or_, x0 + 30, 9) << f.x << f.y;
        EXPECT_FARBE(f.ul, x0 + 1, 38) << f.x << f.y;
        EXPECT_FARBE(f.ur, x0 + 30, 38) << f.x << f.y;
        ++spalte;
    }
    grafik::Bildschirmfoto("spiegeln.bmp");
}

TEST_F(Bildlauf, BilderFolgenDerZeit)
{
    const Farbe farben[] = {grafik::ROT, grafik::ROT, grafik::BLAU, grafik::BLAU, grafik::WEISS, grafik::WEISS};
    Lege("lauf", Streifen(16, 16, 3, farben), "ORIGINALGROESSE=16,16\nBILDERANZAHL=3\nVERZOEGERUNG=100\n");
    VOQ_OGL_Bildlauf b;
    uhr.Setze(1000);
    ASSERT_TRUE(b.Init("lauf"));

    struct Schritt { std::uint32_t zeit; int bild; Farbe farbe; };
    const Schritt schritte[] = {
        {1000, 2, grafik::BLAU},   // after a load the last change counts as tick 0
        {1050, 2, grafik::BLAU},
        {1100, 2, grafik::BLAU},   // exactly the delay: not yet
        {1101, 3, grafik::WEISS},
        {1201, 3, grafik::WEISS},
        {1202, 1, grafik::ROT},
        {1303, 2, grafik::BLAU},
    };
    for (const Schritt& s : schritte) {
        uhr.Setze(s.zeit);
        grafik::Leere(HINTERGRUND);
        b.Draw(0, 0);
        EXPECT_EQ(s.bild, b.GetAnimPos()) << "bei " << s.zeit;
        EXPECT_FARBE(s.farbe, 4, 4) << "bei " << s.zeit;
    }

    // Hidden, the animation goes on; paused, it stands.
    b.visible = false;
    uhr.Setze(1404);
    grafik::Leere(HINTERGRUND);
    b.Draw(0, 0);
    EXPECT_EQ(3, b.GetAnimPos());
    EXPECT_FARBE(HINTERGRUND, 4, 4);
    b.visible = true;
    b.paused = true;
    uhr.Setze(5000);
    b.Draw(0, 0);
    EXPECT_EQ(3, b.GetAnimPos());
}

TEST_F(Bildlauf, EinmalAbspielenEndetOhneBild)
{
    const Farbe farben[] = {grafik::ROT, grafik::ROT, grafik::BLAU, grafik::BLAU, grafik::WEISS, grafik::WEISS};
    Lege("einmal", Streifen(16, 16, 3, farben), "ORIGINALGROESSE=16,16\nBILDERANZAHL=3\nVERZOEGERUNG=100\nEINMAL=1\n");
    VOQ_OGL_Bildlauf b;
    ASSERT_TRUE(b.Init("einmal"));
    ASSERT_TRUE(b.playOnce);
    uhr.Setze(101);
    b.Draw(0, 0);
    uhr.Setze(202);
    b.Draw(0, 0);
    ASSERT_EQ(3, b.GetAnimPos());

    uhr.Setze(303);
    grafik::Leere(HINTERGRUND);
    b.Draw(0, 0);
    EXPECT_TRUE(b.paused);
    EXPECT_EQ(0, b.GetAnimPos());
    EXPECT_FARBE(HINTERGRUND, 4, 4);

    // It stays without a frame until the owner starts it again.
    for (int i = 0; i < 3; ++i) {
        uhr.Weiter(500);
        b.Draw(0, 0);
    }
    EXPECT_EQ(0, b.GetAnimPos());
    EXPECT_FARBE(HINTERGRUND, 4, 4);

    b.SetAnimPos(1);
    b.paused = false;
    b.Draw(0, 0);
    EXPECT_EQ(2, b.GetAnimPos());
    EXPECT_FARBE(grafik::BLAU, 4, 4);
}

TEST_F(Bildlauf, EinUndAusblendenInHundertSchritten)
{
    Lege("blende", grafik::NeueFlaeche(16, 16, grafik::WEISS));
    VOQ_OGL_Bildlauf b;
    ASSERT_TRUE(b.Init("blende"));
    uhr.Setze(1000);

    b.Einblenden();
    EXPECT_TRUE(b.fadingIn);
    b.Draw(0, 0);
    EXPECT_NEAR(0.01f, b.GetAlpha(), 1e-5);
    uhr.Weiter(10);
    b.Draw(0, 0);
    EXPECT_NEAR(0.01f, b.GetAlpha(), 1e-5) << "ein Schritt braucht mehr als 10 ms";
    int zeichnungen = 1;
    while (b.fadingIn && zeichnungen < 500) {
        uhr.Weiter(11);
        b.Draw(0, 0);
        ++zeichnungen;
    }
    EXPECT_EQ(100, zeichnungen);
    EXPECT_FALSE(b.fadingIn);
    EXPECT_FLOAT_EQ(1.0f, b.GetAlpha());

    b.Ausblenden();
    zeichnungen = 0;
    while (b.fadingOut && zeichnungen < 500) {
        uhr.Weiter(11);
        b.Draw(0, 0);
        ++zeichnungen;
        if (zeichnungen == 50) {
            EXPECT_NEAR(0.5f, b.GetAlpha(), 1e-5);
        }
    }
    EXPECT_EQ(100, zeichnungen);
    EXPECT_FLOAT_EQ(0.0f, b.GetAlpha());

    uhr.Weiter(100);
    grafik::Leere(HINTERGRUND);
    b.Draw(0, 0);
    EXPECT_FLOAT_EQ(0.0f, b.GetAlpha()) << "ausgeblendet bleibt es bei 0";
    EXPECT_FARBE(HINTERGRUND, 4, 4);
}

TEST_F(Bildlauf, DrawCenterMitUngeraderGroesse)
{
    Lege("mitte", grafik::NeueFlaeche(31, 31, grafik::ROT));
    VOQ_OGL_Bildlauf b;
    ASSERT_TRUE(b.Init("mitte"));
    b.DrawCenter(100, 100);
    EXPECT_EQ(85, b.x);
    EXPECT_EQ(85, b.y);
    EXPECT_EQ(100, b.GetCenterX());
    EXPECT_EQ(100, b.GetCenterY());
    // A 30 x 30 quad centred at 100,100.
    EXPECT_FARBE(grafik::ROT, 85, 85);
    EXPECT_FARBE(grafik::ROT, 114, 114);
    EXPECT_FARBE(HINTERGRUND, 84, 100);
    EXPECT_FARBE(HINTERGRUND, 115, 100);
    EXPECT_FARBE(HINTERGRUND, 100, 115);
}

TEST_F(Bildlauf, AnimPosGrenzen)
{
    const Farbe farben[] = {grafik::ROT, grafik::ROT, grafik::BLAU, grafik::BLAU, grafik::WEISS, grafik::WEISS};
    Lege("grenzen", Streifen(8, 8, 3, farben), "ORIGINALGROESSE=8,8\nBILDERANZAHL=3\n");
    VOQ_OGL_Bildlauf b;
    ASSERT_TRUE(b.Init("grenzen"));
    EXPECT_TRUE(b.SetAnimPos(0));
    EXPECT_EQ(0, b.GetAnimPos());
    EXPECT_TRUE(b.SetAnimPos(3));
    EXPECT_FALSE(b.NextAnim());
    EXPECT_EQ(1, b.GetAnimPos());
    EXPECT_TRUE(b.NextAnim());
    EXPECT_EQ(2, b.GetAnimPos());
    EXPECT_FALSE(b.SetAnimPos(4));
    EXPECT_EQ(1, b.GetAnimPos());
    b.SetAnimPos(2);
    EXPECT_FALSE(b.SetAnimPos(-1));
    EXPECT_EQ(1, b.GetAnimPos());

    // Owners write frameCount directly: a frame without a texture draws nothing.
    b.frameCount = 5;
    b.paused = true;
    ASSERT_TRUE(b.SetAnimPos(5));
    b.Draw(0, 0);
    EXPECT_FARBE(HINTERGRUND, 2, 2);
}

TEST_F(Bildlauf, DrehungUndIhrUmlauf)
{
    SDL_Surface* s = grafik::NeueFlaeche(32, 32, grafik::ROT);
    grafik::Male(s, 16, 0, 16, 16, grafik::BLAU);
    grafik::Male(s, 0, 16, 16, 16, grafik::WEISS);
    grafik::Male(s, 16, 16, 16, 16, grafik::GELB);
    Lege("dreh", s);
    VOQ_OGL_Bildlauf b;
    ASSERT_TRUE(b.Init("dreh"));

    b.SetRotation(350.0f);
    b.AddRotation(10.0f);
    EXPECT_FLOAT_EQ(0.0f, b.GetRotationPos());
    b.SetRotation(355.0f);
    b.AddRotation(10.0f);
    EXPECT_FLOAT_EQ(365.0f, b.GetRotationPos());
    b.Draw(0, 0);
    EXPECT_FLOAT_EQ(365.0f, b.GetRotationPos()) << "ohne rotationOn bleibt der Winkel";
    b.rotationOn = true;
    b.Draw(0, 0);
    EXPECT_FLOAT_EQ(0.0f, b.GetRotationPos());
    EXPECT_FLOAT_EQ(0.0f, b.angle);

    // Half a turn puts the bottom right quarter at the top left.
    b.SetRotation(180.0f);
    grafik::Leere(HINTERGRUND);
    b.Draw(100, 100);
    EXPECT_FARBE(grafik::GELB, 102, 102);
    EXPECT_FARBE(grafik::ROT, 129, 129);

    // A zero speed has no axis of its own: the image still shows, turned by its angle about +z.
    b.SetRotationSpeed(0.0f);
    grafik::Leere(HINTERGRUND);
    b.Draw(100, 100);
    EXPECT_FARBE(grafik::GELB, 102, 102);

    // A negative speed turns the other way: -90 degrees look like +270.
    const auto Ecke = [&](float speed, float winkel) {
        b.SetRotationSpeed(speed);
        b.SetRotation(winkel);
        grafik::Leere(HINTERGRUND);
        b.Draw(100, 100);
        return grafik::Text(Pixel(102, 102));
    };
    EXPECT_EQ(Ecke(1.0f, 270.0f), Ecke(-1.0f, 90.0f));
    EXPECT_NE(Ecke(1.0f, 90.0f), Ecke(-1.0f, 90.0f));
}

TEST_F(Bildlauf, AutomatischeDrehungMitUebertrag)
{
    Lege("kreisel", grafik::NeueFlaeche(16, 16, grafik::WEISS));
    VOQ_OGL_Bildlauf b;
    ASSERT_TRUE(b.Init("kreisel"));
    b.SetAutoRotating(true);
    EXPECT_TRUE(b.rotationOn);

    struct Schritt { std::uint32_t zeit; float winkel; };
    const Schritt rechts[] = {
        {0, 0.0f},    // 0 ms: no progress
        {4, 0.0f},    // 800 < 1000
        {6, 1.8f},    // 1200: a step, the 200 beyond lower the next threshold to 800
        {10, 3.6f},   // 800 >= 800
        {15, 3.6f},   // 1000 < 1200
        {16, 5.4f},   // 1200
    };
    for (const Schritt& s : rechts) {
        uhr.Setze(s.zeit);
        b.Draw(0, 0);
        EXPECT_NEAR(s.winkel, b.GetRotationPos(), 1e-4) << "bei " << s.zeit;
    }

    // Long pause: still one step per Draw.
    uhr.Setze(10000);
    b.Draw(0, 0);
    EXPECT_NEAR(7.2f, b.GetRotationPos(), 1e-4);

    b.SetRotateLeft();
    b.SetAutoRotating(true);
    b.SetRotationSpeed(2.0f);
    uhr.Setze(10003);  // 600 ms-units at double speed: 1200
    b.Draw(0, 0);
    EXPECT_NEAR(5.4f, b.GetRotationPos(), 1e-4);

    b.SetAutoRotating(false);
    uhr.Setze(20000);
    b.Draw(0, 0);
    EXPECT_NEAR(5.4f, b.GetRotationPos(), 1e-4);
    EXPECT_TRUE(b.rotationOn);
}

TEST_F(Bildlauf, QuadratischeZweierpotenzDirektSonstMipmaps)
{
    Lege("q64", grafik::NeueFlaeche(64, 64, grafik::ROT));
    Lege("r64x32", grafik::NeueFlaeche(64, 32, grafik::ROT));
    Lege("q48", grafik::NeueFlaeche(48, 48, grafik::ROT));
    VOQ_OGL_Bildlauf direkt, flach, krumm;
    ASSERT_TRUE(direkt.Init("q64"));
    ASSERT_TRUE(flach.Init("r64x32"));
    ASSERT_TRUE(krumm.Init("q48"));

    EXPECT_EQ(64, Ebenenbreite(direkt.textures[0], 0));
    EXPECT_EQ(0, Ebenenbreite(direkt.textures[0], 1)) << "direkt: nur Ebene 0";
    EXPECT_EQ(64, Ebenenbreite(flach.textures[0], 0));
    EXPECT_EQ(32, Ebenenbreite(flach.textures[0], 1));
    const GLint breite48 = Ebenenbreite(krumm.textures[0], 0);
    EXPECT_NE(48, breite48) << "auf eine Zweierpotenz skaliert";
    EXPECT_EQ(0, breite48 & (breite48 - 1));
    EXPECT_GT(Ebenenbreite(krumm.textures[0], 1), 0);

    // Whatever the path, the frame is drawn at its draw size.
    krumm.Draw(0, 0);
    EXPECT_FARBE(grafik::ROT, 47, 47);
    EXPECT_FARBE(HINTERGRUND, 48, 47);
}

TEST_F(Bildlauf, SkalierteBilderBehaltenIhreLetzteZeile)
{
    // Widths that are scaled to a power of two while the height already is one.
    struct Fall { int w, h; };
    const Fall faelle[] = {{200, 32}, {24, 8}, {17, 2}, {100, 64}};
    int y0 = 2;
    for (const Fall& f : faelle) {
        SDL_Surface* s = grafik::NeueFlaeche(f.w, f.h, grafik::ROT);
        grafik::Male(s, 0, f.h - 1, f.w, 1, grafik::BLAU);
        const std::string name = "letzte" + std::to_string(f.w) + "x" + std::to_string(f.h);
        Lege(name, s);
        VOQ_OGL_Bildlauf b;
        ASSERT_TRUE(b.Init(name));
        b.Draw(2, y0);
        EXPECT_FARBE(grafik::BLAU, 2 + f.w / 2, y0 + f.h - 1) << f.w << "x" << f.h;
        EXPECT_FARBE(grafik::BLAU, 3, y0 + f.h - 1) << f.w << "x" << f.h;
        if (f.h > 1) {
            EXPECT_FARBE(grafik::ROT, 3, y0 + f.h - 2) << f.w << "x" << f.h;
        }
        y0 += f.h + 4;
    }
}

TEST_F(Bildlauf, UngeradeBildbreitenFolgenDemZeilenabstand)
{
    // Rows of one colour each; the third is the colour key. Widths that are no
    // multiple of 4 give padded surface rows.
    const Farbe reihen[] = {grafik::ROT, grafik::BLAU, grafik::MAGENTA, grafik::GELB};
    const int breiten[] = {3, 5, 33, 1, 2, 7};
    int x0 = 4;
    for (int breite : breiten) {
        SDL_Surface* s = grafik::NeueFlaeche(breite, 4, grafik::SCHWARZ);
        for (int r = 0; r < 4; ++r)
            grafik::Male(s, 0, r, breite, 1, reihen[r]);
        const std::string name = "breite" + std::to_string(breite);
        Lege(name, s, "ANZEIGEGROESSE=8,32\n");
        VOQ_OGL_Bildlauf b;
        ASSERT_TRUE(b.Init(name)) << breite;
        b.Draw(x0, 10);
        for (int r = 0; r < 4; ++r) {
            const Farbe erwartet = r == 2 ? HINTERGRUND : reihen[r];
            EXPECT_FARBE(erwartet, x0 + 1, 10 + r * 8 + 4) << "Breite " << breite << ", Zeile " << r;
        }
        x0 += 12;
    }
    EXPECT_EQ("", log.Fehler());
}

TEST_F(Bildlauf, UngueltigeBilderanzahlWirdAbgewiesen)
{
    Lege("null", grafik::NeueFlaeche(16, 16, grafik::ROT), "BILDERANZAHL=0\n");
    VOQ_OGL_Bildlauf b;
    EXPECT_TRUE(b.Init("null"));
    EXPECT_EQ(1, b.GetBildAnzahl());
    EXPECT_EQ("\n#o> VOQ_OGL_Bildlauf - FEHLER: BILDERANZAHL 0 IN 'null.konfig' UNGUELTIG - MINDESTENS 1 BILD!\n\n",
              log.Fehler());
    b.Draw(0, 0);
    EXPECT_FARBE(grafik::ROT, 4, 4);

    log.Leeren();
    Lege("negativ", grafik::NeueFlaeche(16, 16, grafik::ROT), "BILDERANZAHL=3\nBILDERANZAHL=-3\n");
    EXPECT_TRUE(b.Init("negativ"));
    EXPECT_EQ(3, b.GetBildAnzahl()) << "die abgewiesene Zeile laesst den Wert davor";
    EXPECT_NE(std::string::npos, log.Fehler().find("BILDERANZAHL -3"));
}

TEST_F(Bildlauf, UnmoeglicheBildgroesseLaesstDasBildUngeladen)
{
    const char* const beschreibungen[] = {
        "ORIGINALGROESSE=-5,10\n",
        "ORIGINALGROESSE=10,-1\n",
        "ORIGINALGROESSE=40000,8\n",
        "ORIGINALGROESSE=8,2147483647\n",
    };
    for (const char* beschreibung : beschreibungen) {
        Lege("unmoeglich", grafik::NeueFlaeche(16, 16, grafik::ROT), beschreibung);
        log.Leeren();
        VOQ_OGL_Bildlauf b;
        EXPECT_FALSE(b.Init("unmoeglich")) << beschreibung;
        EXPECT_NE(std::string::npos, log.Fehler().find("\n#o> VOQ_OGL_Bildlauf - FEHLER: BILDGROESSE ")) << beschreibung;
        EXPECT_FALSE(b.loaded);
        grafik::Leere(HINTERGRUND);
        b.Draw(0, 0);
        EXPECT_FARBE(HINTERGRUND, 4, 4) << beschreibung;
        b.SetTransColor(1);  // nothing to rebuild, nothing to break
    }
}

TEST_F(Bildlauf, BilderJenseitsDesRechteckbereichsWerdenAbgeschnitten)
{
    SDL_Surface* s = grafik::NeueFlaeche(64, 32, grafik::ROT);
    grafik::Male(s, 32, 0, 32, 32, grafik::BLAU);
    Lege("lang", s, "ORIGINALGROESSE=32,32\nBILDERANZAHL=2000\n");
    VOQ_OGL_Bildlauf b;
    ASSERT_TRUE(b.Init("lang"));
    // Frame 1024 would start at x = 32768.
    EXPECT_EQ(1024, b.GetBildAnzahl());
    EXPECT_EQ("\n#o> VOQ_OGL_Bildlauf - FEHLER: BILDERANZAHL 2000 VON 'lang.bmp' LIEGT JENSEITS X=32767"
              " - NUR 1024 BILDER!\n\n",
              log.Fehler());
    b.paused = true;
    b.SetAnimPos(2);
    b.Draw(0, 0);
    EXPECT_FARBE(grafik::BLAU, 4, 4);
    b.SetAnimPos(1024);
    b.Draw(0, 0);
    EXPECT_FARBE(grafik::SCHWARZ, 4, 4) << "ausserhalb der Grafik ist das Bild schwarz";
}

}  // namespace
