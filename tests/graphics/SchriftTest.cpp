// The bitmap font in a real X server: glyphs from their cells, layout, colour key.
#include "GrafikHilfe.h"
#include "LogFaenger.h"
#include "VOQ_OGL_Schrift.h"

#include "SDL.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

namespace
{
using grafik::Farbe;
using grafik::Pixel;

const Farbe HINTERGRUND = grafik::SCHWARZ;

// Every cell of the test font has a colour of its own, none of them black (the key).
Farbe Zellfarbe(int code)
{
    return Farbe{code, 255 - code, 200};
}

bool HatGlyphe(int code)
{
    static const int weitere[] = {0xDF, 0x80, 0xA7, 0xE4, 0xC4, 0xF6, 0xD6, 0xFC, 0xDC,
                                  0xA9, 0xAE, 0xB5, 0xE6, 0xC6, 0xF8, 0xD8, 0xE5, 0xC5};
    if (code >= 0x20 && code <= 0x7E)
        return code != 0x60;
    for (int w : weitere) {
        if (w == code)
            return true;
    }
    return false;
}

class Schrift : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(grafik::StarteVideo(512, 256));
        grafik::Leere(HINTERGRUND);
        std::filesystem::create_directories("schriften");
        grafik::SchreibeDatei("einstellungen.konfig", "SCHRIFTBILDER=schriften\n");
        log.Leeren();
    }

    // A 16 x 16 grid of cells of the given size, cell (c, r) in the colour of code r * 16 + c.
    static SDL_Surface* Raster(int zelle)
    {
        SDL_Surface* s = grafik::NeueFlaeche(16 * zelle, 16 * zelle, HINTERGRUND);
        for (int code = 0; code < 256; ++code)
            grafik::Male(s, (code % 16) * zelle, (code / 16) * zelle, zelle, zelle, Zellfarbe(code));
        return s;
    }

    static void Lege(const std::string& name, SDL_Surface* bild, const std::string& beschreibung)
    {
        ASSERT_TRUE(grafik::SpeichereBMP(bild, "schriften/" + name + ".bmp"));
        std::remove(("schriften/" + name + ".konfig").c_str());
        if (!beschreibung.empty())
            grafik::SchreibeDatei("schriften/" + name + ".konfig", beschreibung);
    }

    static std::unique_ptr<VOQ_OGL_Schrift> Lade(const std::string& name)
    {
        std::unique_ptr<VOQ_OGL_Schrift> s(new VOQ_OGL_Schrift());
        EXPECT_TRUE(s->Init(name));
        return s;
    }

    LogFaenger log;
};

#define EXPECT_FARBE(erwartet, x, y) \
    EXPECT_EQ(grafik::Text(erwartet), grafik::Text(Pixel(x, y))) << "bei (" << (x) << "," << (y) << ")"

TEST_F(Schrift, LayoutMitZeichenUndZeilenabstand)
{
    Lege("raster", Raster(16), "ORIGINALGROESSE=16,16\nANZEIGEGROESSE=12,20\nZEICHENABSTAND=2\nZEILENABSTAND=4\n");
    std::unique_ptr<VOQ_OGL_Schrift> s = Lade("raster");
    ASSERT_TRUE(s->Inited());
    EXPECT_EQ("#o> VOQ_OGL_Schrift\n\t>Einlesen der Pfade 'einstellungen.konfig' ...\t(erledigt)\n"
              "\t>Erstelle Texturen 'raster' ...\t(erledigt)\n",
              log.Aus());
    EXPECT_EQ("", log.Fehler());
    s->SetText("AB\nD");
    s->Draw(10.0f, 20.0f);
    EXPECT_FARBE(Zellfarbe('A'), 10, 20);
    EXPECT_FARBE(Zellfarbe('A'), 21, 39);
    EXPECT_FARBE(HINTERGRUND, 23, 20) << "Zeichenabstand";
    EXPECT_FARBE(Zellfarbe('B'), 24, 20);
    EXPECT_FARBE(HINTERGRUND, 36, 20);
    EXPECT_FARBE(HINTERGRUND, 10, 43) << "Zeilenabstand";
    EXPECT_FARBE(Zellfarbe('D'), 10, 44);
    EXPECT_FARBE(Zellfarbe('D'), 21, 63);
    EXPECT_FARBE(HINTERGRUND, 24, 44) << "der Zeilenvorschub zeichnet nichts";
    grafik::Bildschirmfoto("layout.bmp");
}

TEST_F(Schrift, JedesZeichenAusSeinerZelle)
{
    Lege("raster", Raster(16), "ORIGINALGROESSE=16,16\n");
    std::unique_ptr<VOQ_OGL_Schrift> s = Lade("raster");
    ASSERT_EQ(112, s->GetZeichenAnzahl());

    // All bytes but NUL and the line feed, 32 a line; every byte takes a cell.
    std::string text = " ";
    for (int code = 1; code < 256; ++code) {
        text += code == '\n' ? ' ' : static_cast<char>(code);
        if (code % 32 == 31)
            text += '\n';
    }
    s->SetText(text.c_str());
    s->Draw(0.0f, 0.0f);
    for (int code = 1; code < 256; ++code) {
        const Farbe erwartet = HatGlyphe(code) ? Zellfarbe(code) : HINTERGRUND;
        if (code != '\n') {
            EXPECT_FARBE(erwartet, (code % 32) * 16 + 8, (code / 32) * 16 + 8) << "Zeichen 0x" << std::hex << code;
        }
    }
    grafik::Bildschirmfoto("alle_zeichen.bmp");

    // Bytes from 0x80 on without a glyph each give one error line.
    int meldungen = 0;
    for (std::size_t pos = log.Fehler().find("OHNE GLYPHE"); pos != std::string::npos;
         pos = log.Fehler().find("OHNE GLYPHE", pos + 1))
        ++meldungen;
    EXPECT_EQ(128 - 18, meldungen);
}

TEST_F(Schrift, FarbschluesselUndLeerzeichen)
{
    SDL_Surface* raster = Raster(16);
    grafik::Male(raster, 0, 2 * 16, 16, 16, grafik::SCHWARZ);  // the blank's cell (0, 2)
    // 'A' is (65, 190, 200): given blue first that is 200,190,65.
    Lege("schluessel", raster, "ORIGINALGROESSE=16,16\nUNSICHTBARKEIT=200,190,65\nDURCHSICHTIGKEIT=1.0\n");
    std::unique_ptr<VOQ_OGL_Schrift> s = Lade("schluessel");
    s->SetText("A B");
    s->Draw(0.0f, 0.0f);
    EXPECT_FARBE(HINTERGRUND, 4, 4) << "A hat die Schluesselfarbe";
    EXPECT_FARBE(grafik::SCHWARZ, 20, 4);
    EXPECT_FARBE(Zellfarbe('B'), 36, 4);

    // Now black is the key: the blank's black cell vanishes, A shows.
    grafik::Leere(grafik::WEISS);
    s->SetTransColor(1);
    s->Draw(0.0f, 0.0f);
    EXPECT_FARBE(Zellfarbe('A'), 4, 4);
    EXPECT_FARBE(grafik::WEISS, 20, 4);

    // Half transparent over white.
    grafik::Leere(grafik::WEISS);
    s->SetAlpha(0.5f);
    s->Draw(0.0f, 0.0f);
    const Farbe p = Pixel(4, 4);
    EXPECT_NEAR((65 + 255) / 2, p.r, 1);
    EXPECT_NEAR((200 + 255) / 2, p.b, 1);
}

TEST_F(Schrift, OhneBeschreibungSechzehntelDerGrafik)
{
    Lege("ohne", Raster(16), "");
    std::unique_ptr<VOQ_OGL_Schrift> s = Lade("ohne");
    EXPECT_EQ(16, s->GetWidthDraw());
    EXPECT_EQ(0, s->GetCharAbstand());
    EXPECT_NE(std::string::npos,
              log.Aus().find("Datei (ohne.konfig) kann nicht geöffnet werden oder nicht vorhanden. "
                             "Lade/Berechne Standardwerte.\n\n"));
    s->SetText("z");
    s->Draw(0.0f, 0.0f);
    EXPECT_FARBE(Zellfarbe('z'), 15, 15);
    EXPECT_FARBE(HINTERGRUND, 16, 15);
}

TEST_F(Schrift, ZweiTexteEinerSchriftInEinemBild)
{
    Lege("raster", Raster(8), "ORIGINALGROESSE=8,8\n");
    std::unique_ptr<VOQ_OGL_Schrift> s = Lade("raster");
    s->WaehleText(0);
    s->SetText("A");
    s->Draw(0.0f, 0.0f);
    s->WaehleText(1);
    s->SetText("B");
    s->Draw(0.0f, 20.0f);
    EXPECT_FARBE(Zellfarbe('A'), 2, 2);
    EXPECT_FARBE(Zellfarbe('B'), 2, 22);

    // A text changed while another is selected is looked up on its own next Draw.
    s->SetText("D");
    s->WaehleText(0);
    s->Draw(0.0f, 0.0f);
    s->WaehleText(1);
    grafik::Leere(HINTERGRUND);
    s->Draw(0.0f, 20.0f);
    EXPECT_FARBE(Zellfarbe('D'), 2, 22);

    // Unchanged texts keep their glyphs frame after frame.
    s->WaehleText(0);
    s->Draw(0.0f, 40.0f);
    EXPECT_FARBE(Zellfarbe('A'), 2, 42);
    s->visible = false;
    grafik::Leere(HINTERGRUND);
    s->Draw(0.0f, 40.0f);
    EXPECT_FARBE(HINTERGRUND, 2, 42);
}

TEST_F(Schrift, UnmoeglicheZellenWerdenAbgewiesen)
{
    Lege("negativ", Raster(4), "ORIGINALGROESSE=-4,4\n");
    VOQ_OGL_Schrift s;
    EXPECT_FALSE(s.Init("negativ"));
    EXPECT_FALSE(s.Inited());
    EXPECT_EQ("\n#o> VOQ_OGL_Schrift - FEHLER: ZELLGROESSE -4x4 VON 'negativ.bmp' UNGUELTIG (1 BIS 32767)!\n\n",
              log.Fehler());
    s.SetText("abc");
    s.Draw(0.0f, 0.0f);
    EXPECT_FARBE(HINTERGRUND, 1, 1);

    // Cells starting beyond y = 32767 stay black (and so transparent with the black key).
    log.Leeren();
    SDL_Surface* hoch = grafik::NeueFlaeche(16, 16 * 2200, grafik::ROT);
    ASSERT_NE(nullptr, hoch);
    Lege("hoch", hoch, "ORIGINALGROESSE=1,2200\nANZEIGEGROESSE=8,8\n");
    ASSERT_TRUE(s.Init("hoch"));
    EXPECT_EQ("\n#o> VOQ_OGL_Schrift - FEHLER: ZEICHEN VON 'hoch.bmp' LIEGEN JENSEITS VON 32767 PIXELN UND BLEIBEN "
              "SCHWARZ!\n\n",
              log.Fehler());
    s.SetText("a\xfc");  // rows 6 and 15
    s.Draw(0.0f, 0.0f);
    EXPECT_FARBE(grafik::ROT, 2, 2);
    EXPECT_FARBE(HINTERGRUND, 10, 2);
}

}  // namespace
