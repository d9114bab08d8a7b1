// The bitmap font: glyphs from their cells, layout and colour key read back
// from a real X server; its texts, ready-made texts and settings on the
// test's clock.
#include "GrafikHilfe.h"
#include "LogFaenger.h"
#include "TestUhr.h"
#include "VOQ_OGL_Schrift.h"

#include "SDL.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <ctime>
#include <initializer_list>
#include <filesystem>
#include <string>

namespace
{
using namespace grafik;

// Every cell of the test font has a colour of its own, none of them black (the key).
Farbe Zellfarbe(int code)
{
    return Farbe{code, 255 - code, 200};
}

bool HatGlyphe(int code)
{
    return (code >= 0x20 && code <= 0x7E && code != 0x60) || code == 0x80 || code >= 0xA0;
}

// Pixels as the characters whose cells they show, '`' for black (the grave
// accent has no glyph), 'w' for white.
std::string Zeichen(std::initializer_list<std::pair<int, int>> punkte)
{
    std::string text;
    for (const auto& p : punkte) {
        const Farbe f = Pixel(p.first, p.second);
        text += f.b == 200 && f.r + f.g == 255 ? static_cast<char>(f.r) : f == SCHWARZ ? '`' : f == WEISS ? 'w' : '?';
    }
    return text;
}

class Schrift : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(StarteVideo(512, 256));
        Leere(SCHWARZ);
        std::filesystem::create_directories("schriften");
        SchreibeDatei("einstellungen.konfig", "SCHRIFTBILDER=schriften\n");
        log.Leeren();
    }

    // A 16 x 16 grid of cells of the given size, cell (c, r) in the colour of
    // code r * 16 + c, the cell of `leer` black; then Init.
    bool Lade(const std::string& name, int zelle, const std::string& beschreibung, int leer = -1)
    {
        SDL_Surface* bild = NeueFlaeche(16 * zelle, 16 * zelle, SCHWARZ);
        for (int code = 0; code < 256; ++code)
            Male(bild, (code % 16) * zelle, (code / 16) * zelle, zelle, zelle,
                 code == leer ? SCHWARZ : Zellfarbe(code));
        SpeichereBMP(bild, "schriften/" + name + ".bmp");
        std::remove(("schriften/" + name + ".konfig").c_str());
        if (!beschreibung.empty())
            SchreibeDatei("schriften/" + name + ".konfig", beschreibung);
        return s.Init(name);
    }

    std::string Masse() { return std::to_string(s.GetTextWidth()) + "x" + std::to_string(s.GetTextHeight()); }

    TestUhr uhr{1};
    LogFaenger log;
    VOQ_OGL_Schrift s;
};

TEST_F(Schrift, LayoutMitZeichenUndZeilenabstand)
{
    ASSERT_TRUE(Lade("raster", 16, "ORIGINALGROESSE=16,16\nANZEIGEGROESSE=12,20\nZEICHENABSTAND=2\nZEILENABSTAND=4\n"));
    EXPECT_EQ("#o> VOQ_OGL_Schrift\n\t>Einlesen der Pfade 'einstellungen.konfig' ...\t(erledigt)\n"
              "\t>Erstelle Texturen 'raster' ...\t(erledigt)\n",
              log.Aus());
    s.Draw(0.0f, 0.0f);
    EXPECT_EQ("0x0", Masse());
    // A at (10, 20), B 14 further right, D a line of 24 lower; the line feed draws nothing.
    s.SetText("AB\nD");
    s.Draw(10.0f, 20.0f);
    EXPECT_EQ("AA`B``DD`",
              Zeichen({{10, 20}, {21, 39}, {23, 20}, {24, 20}, {36, 20}, {10, 43}, {10, 44}, {21, 63}, {24, 44}}));
    Bildschirmfoto("layout.bmp");
    // Width: the ended line "AB\n", three cells of 16 + 2.
    EXPECT_EQ("54x44", Masse());

    // Beyond 1024 characters nothing is laid out (nor drawn); the text keeps them all.
    s.SetText((std::string(1500, 'A') + "\n" + std::string(1499, 'A')).c_str());
    s.SetSizeDraw(1, 1);
    s.SetCharAbstand(0);
    s.Draw();
    EXPECT_EQ("0x1", Masse());
    EXPECT_EQ(3000u, std::string(s.GetText()).size());

    // Sizes from a description may reach the int limits: the extent answers the limit.
    s.SetSizeDraw(INT_MAX, 1 << 30);
    s.SetCharAbstand(INT_MAX);
    s.SetLineAbstand(1 << 30);
    s.SetText("AB\nC\nD");
    s.Draw();
    EXPECT_EQ(std::to_string(INT_MAX) + "x" + std::to_string(INT_MAX), Masse());
    s.SetSizeDraw(INT_MIN, INT_MIN);
    s.SetCharAbstand(-1);
    s.SetLineAbstand(0);
    s.Draw();
    EXPECT_EQ("45x" + std::to_string(INT_MIN), Masse());
}

TEST_F(Schrift, JedesZeichenAusSeinerZelle)
{
    ASSERT_TRUE(Lade("raster", 16, "ORIGINALGROESSE=16,16\n"));
    // All bytes but NUL and the line feed, 32 a line; every byte takes a cell.
    std::string text = " ", erwartet, gezeigt;
    for (int code = 1; code < 256; ++code)
        text += std::string(1, code == '\n' ? ' ' : static_cast<char>(code)) + (code % 32 == 31 ? "\n" : "");
    s.SetText(text.c_str());
    s.Draw(0.0f, 0.0f);
    for (int code = 1; code < 256; ++code) {
        erwartet += code == '\n' ? "" : std::string(1, HatGlyphe(code) ? static_cast<char>(code) : '`');
        gezeigt += code == '\n' ? "" : Zeichen({{(code % 32) * 16 + 8, (code / 32) * 16 + 8}});
    }
    EXPECT_EQ(erwartet, gezeigt);
    Bildschirmfoto("alle_zeichen.bmp");
}

TEST_F(Schrift, FarbschluesselLeerzeichenUndOhneBeschreibung)
{
    // 'A' is (65, 190, 200): given blue first that is 200,190,65. The blank's cell (0, 2) is black.
    ASSERT_TRUE(Lade("schluessel", 16, "ORIGINALGROESSE=16,16\nUNSICHTBARKEIT=200,190,65\n", ' '));
    Leere(WEISS);
    s.SetText("A B");
    s.Draw(0.0f, 0.0f);
    // Now black is the key: the blank's cell vanishes, A shows, half transparent
    // over white; the row listed before the change is drawn as it was listed.
    s.SetTransColor(1);
    s.SetAlpha(0.5f);
    s.Draw(0.0f, 20.0f);
    EXPECT_EQ("w`Bw", Zeichen({{4, 4}, {20, 4}, {36, 4}, {20, 24}}));
    EXPECT_NEAR((65 + 255) / 2, Pixel(4, 24).r, 1);
    EXPECT_NEAR((200 + 255) / 2, Pixel(4, 24).b, 1);

    // Without a description: cells of a sixteenth of the bitmap, the key black.
    ASSERT_TRUE(Lade("ohne", 16, "", 'y'));
    EXPECT_NE(std::string::npos, log.Aus().find("Datei (ohne.konfig) kann nicht geöffnet werden oder nicht vorhanden. "
                                                "Lade/Berechne Standardwerte.\n\n"));
    Leere(WEISS);
    s.SetText("zy");
    s.Draw(0.0f, 0.0f);
    EXPECT_EQ("zw", Zeichen({{15, 15}, {16, 15}}));
}

TEST_F(Schrift, ZweiTexteEinerSchriftInEinemBild)
{
    ASSERT_TRUE(Lade("raster", 8, "ORIGINALGROESSE=8,8\n"));
    s.SetText("A");
    s.Draw(0.0f, 0.0f);
    s.WaehleText(1);
    s.SetText("B");
    s.Draw(0.0f, 20.0f);
    // A text changed while another is drawn is looked up on its own next Draw;
    // unchanged texts keep their glyphs frame after frame; hidden, nothing.
    s.SetText("D");
    s.WaehleText(0);
    s.Draw(0.0f, 0.0f);
    s.WaehleText(1);
    s.Draw(0.0f, 20.0f);
    s.WaehleText(0);
    s.Draw(0.0f, 40.0f);
    s.visible = false;
    s.Draw(0.0f, 60.0f);
    EXPECT_EQ("DA`", Zeichen({{2, 22}, {2, 42}, {2, 62}}));
}

TEST_F(Schrift, UnmoeglicheZellenWerdenAbgewiesen)
{
    EXPECT_FALSE(Lade("negativ", 4, "ORIGINALGROESSE=-4,4\n"));
    EXPECT_EQ("\n#o> VOQ_OGL_Schrift - FEHLER: ZELLGROESSE -4x4 VON 'negativ.bmp' UNGUELTIG (1 BIS 32767)!\n\n",
              log.Fehler());

    // Cells starting beyond y = 32767, which an SDL rectangle cannot reach, stay black.
    log.Leeren();
    SpeichereBMP(NeueFlaeche(16, 16 * 2200, ROT), "schriften/hoch.bmp");
    SchreibeDatei("schriften/hoch.konfig", "ORIGINALGROESSE=1,2200\nANZEIGEGROESSE=8,8\n");
    EXPECT_TRUE(s.Init("hoch"));
    EXPECT_EQ("\n#o> VOQ_OGL_Schrift - FEHLER: ZEICHEN VON 'hoch.bmp' LIEGEN JENSEITS VON 32767 PIXELN UND BLEIBEN "
              "SCHWARZ!\n\n",
              log.Fehler());
}

TEST_F(Schrift, TexteSetzenAnhaengenUndWaehlen)
{
    s.SetText("PUNKTE: ");
    s.AddText(2.5f);
    EXPECT_STREQ("PUNKTE: 2.500", s.GetText());
    s.SetText("REIHEN ", 12);
    s.AddText(-3);
    EXPECT_STREQ("REIHEN 12-3", s.GetText());
    s.SetText(7, " s");
    EXPECT_STREQ("7 s", s.GetText());
    s.SetText('Q');
    s.AddText('\0');
    s.AddText('R');
    std::string name = "N\xc4" "CHSTER";
    s.AddText(&name);
    EXPECT_STREQ("QRN\xc4" "CHSTER", s.GetText());

    // Every form marks the text changed but emptying it.
    s.visible = true;
    s.Draw();
    s.ClearText();
    EXPECT_FALSE(s.textChanged);
    s.AddText(1);
    EXPECT_TRUE(s.textChanged);

    // Texts are kept apart by number; numbers outside 0..127 keep the selection.
    s.WaehleText(127);
    s.SetText("letzter");
    s.WaehleText(128);
    s.WaehleText(-1);
    EXPECT_EQ(127, s.GetTextNummer());
    // A number written directly falls back to text 0 instead of leaving the table.
    s.textNumber = 1000;
    s.SetText("null");
    s.textNumber = 0;
    EXPECT_STREQ("null", s.GetText());
}

// A text reaching the font as UTF-8 instead of Latin-1: once a line for the
// sequence, and one per byte without a glyph, once per font. "gr\xc3\xbcn"
// alone would draw without a missing glyph. Latin-1 with glyphs, an A with
// tilde before a blank, control characters and the grave accent: no line.
TEST_F(Schrift, Utf8ZeichenWerdenEinmalGemeldet)
{
    s.visible = true;
    s.name = "schrift_012";
    s.SetText("gr\xfc\xdf \x80\xa0\xe9\xf1\xff\xc3 \xc2\t\r\x01`\x7f");
    s.Draw();
    EXPECT_EQ("", log.Fehler());
    s.SetText("gr\xc3\xbcn");
    s.Draw();
    s.SetText("gr\xc3\x9f\xc2\x81");
    s.Draw();
    s.SetText("\xc3\x9f ");
    s.Draw();
    EXPECT_EQ("\n#o> VOQ_OGL_Schrift - FEHLER: TEXT IN UTF-8 STATT LATIN-1 (0xC3 0xBC) IN 'schrift_012'\n\n"
              "\n#o> VOQ_OGL_Schrift - FEHLER: ZEICHEN 0x9F OHNE GLYPHE IN 'schrift_012'\n\n"
              "\n#o> VOQ_OGL_Schrift - FEHLER: ZEICHEN 0x81 OHNE GLYPHE IN 'schrift_012'\n\n",
              log.Fehler());
}

TEST_F(Schrift, BildrateUndUhrzeit)
{
    // The rate changes after more than 1000 ms, the time counting in whole seconds.
    const struct { std::uint32_t zeit; int frames; const char* text; } schritte[] = {
        {500, 30, "FPS: 0"}, {1001, 60, "FPS: 0"}, {1002, 60, "FPS: 60"},
        {2000, 100, "FPS: 60"}, {3001, 179, "FPS: 119"}, {5501, 279, "FPS: 50"}};
    for (const auto& f : schritte) {
        uhr.Setze(f.zeit);
        s.FetchFPS(f.frames);
        EXPECT_STREQ(f.text, s.GetText()) << "bei " << f.zeit;
    }

    // Local time on 15 January 2024 (no summer time in January).
    static std::time_t gestellt = 0;
    VOQ_OGL_Schrift::SetzeUhr([] { return gestellt; });
    std::tm tag{};
    tag.tm_year = 2024 - 1900;
    tag.tm_mday = 15;
    const std::time_t mitternacht = std::mktime(&tag);
    const struct { int sekunden; const char* text; } zeiten[] = {
        {(23 * 60 + 59) * 60 + 7, "23:59:07"}, {0, "00:00:00"}, {(9 * 60 + 5) * 60 + 3, "09:05:03"}};
    for (const auto& z : zeiten) {
        gestellt = mitternacht + z.sekunden;
        s.FetchTime();
        EXPECT_STREQ(z.text, s.GetText());
    }
    s.FetchDate();
    EXPECT_STREQ("Mon Jan 15 09:05:03 2024\n", s.GetText());
    VOQ_OGL_Schrift::SetzeUhr(nullptr);
}

TEST_F(Schrift, SchriftordnerAusDenEinstellungen)
{
    // Without a settings file the font is looked for in the shipped folder.
    std::remove("einstellungen.konfig");
    EXPECT_FALSE(s.Init("schrift_012"));
    EXPECT_EQ("daten/bilder/eingabe/schriften", s.folder);
    EXPECT_NE(std::string::npos, log.Aus().find("\t>Vorgabe für SCHRIFTBILDER: 'daten/bilder/eingabe/schriften'\n"));
    EXPECT_EQ("\n#o> VOQ_OGL_Schrift - FEHLER: Datei 'einstellungen.konfig' kann nicht geöffnet werden.\n\n"
              "\n#o> VOQ_OGL_Schrift - FEHLER: 'einstellungen.konfig' konnte nicht abgearbeitet werden!\n\n"
              "\n#o> VOQ_OGL_Schrift - FEHLER: Konnte 'schrift_012.bmp' nicht laden\n\n",
              log.Fehler());

    // Lines are read in pieces of 4095 characters: the key at the start of the
    // second piece counts. The bitmap is named without its folder.
    SchreibeDatei("einstellungen.konfig", std::string(4095, 'x') + "SCHRIFTBILDER=gibt/es/nicht\n");
    log.Leeren();
    EXPECT_FALSE(s.Init("schrift_020"));
    EXPECT_EQ("gibt/es/nicht", s.folder);
    EXPECT_EQ("\n#o> VOQ_OGL_Schrift - FEHLER: Konnte 'schrift_020.bmp' nicht laden\n\n", log.Fehler());
}
}  // namespace
