// The font's texts, ready-made texts, layout measures and file handling, without a display.
#include "LogFaenger.h"
#include "TestUhr.h"
#include "VOQ_OGL_Schrift.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>

namespace
{

std::unique_ptr<VOQ_OGL_Schrift> NeueSchrift()
{
    return std::unique_ptr<VOQ_OGL_Schrift>(new VOQ_OGL_Schrift());
}

// An unloaded font still lays out and looks up its glyphs when made visible.
std::unique_ptr<VOQ_OGL_Schrift> Ausgelegt(int breite, int hoehe, int zeichenabstand, int zeilenabstand)
{
    std::unique_ptr<VOQ_OGL_Schrift> s = NeueSchrift();
    s->visible = true;
    s->SetSizeDraw(breite, hoehe);
    s->SetCharAbstand(zeichenabstand);
    s->SetLineAbstand(zeilenabstand);
    return s;
}

void Schreibe(const std::string& pfad, const std::string& inhalt)
{
    std::ofstream aus(pfad, std::ios::binary);
    aus << inhalt;
}

TEST(SchriftText, SetzenUndAnhaengen)
{
    std::unique_ptr<VOQ_OGL_Schrift> s = NeueSchrift();
    s->SetText("PUNKTE: ");
    s->AddText(2.5f);
    EXPECT_STREQ("PUNKTE: 2.500", s->GetText());
    s->SetText("X");
    s->AddText(-3);
    EXPECT_STREQ("X-3", s->GetText());
    s->SetText("REIHEN ", 12);
    EXPECT_STREQ("REIHEN 12", s->GetText());
    s->SetText(7, " s");
    EXPECT_STREQ("7 s", s->GetText());
    s->SetText(0.125f, "m");
    EXPECT_STREQ("0.125m", s->GetText());
    s->SetText('Q');
    s->AddText('\0');
    s->AddText('R');
    EXPECT_STREQ("QR", s->GetText());
    std::string name = "N\xc4" "CHSTER";
    s->SetText(&name);
    s->AddText(&name);
    EXPECT_STREQ("N\xc4" "CHSTERN\xc4" "CHSTER", s->GetText());

    // Texts are kept apart by number.
    s->WaehleText(5);
    s->SetText("fuenf");
    s->WaehleText(0);
    EXPECT_STREQ("N\xc4" "CHSTERN\xc4" "CHSTER", s->GetText());
    s->WaehleText(5);
    EXPECT_STREQ("fuenf", s->GetText());

    // Every form marks the text changed but emptying it.
    s->visible = true;
    s->Draw();
    EXPECT_FALSE(s->textChanged);
    s->ClearText();
    EXPECT_FALSE(s->textChanged);
    s->AddText(1);
    EXPECT_TRUE(s->textChanged);
}

TEST(SchriftText, TextnummernAusserhalbBleibenOhneWirkung)
{
    LogFaenger log;
    std::unique_ptr<VOQ_OGL_Schrift> s = NeueSchrift();
    s->WaehleText(127);
    s->SetText("letzter");
    s->WaehleText(128);
    EXPECT_EQ(127, s->GetTextNummer());
    s->WaehleText(-1);
    EXPECT_EQ(127, s->GetTextNummer());
    EXPECT_STREQ("letzter", s->GetText());
    EXPECT_EQ("\n#o> VOQ_OGL_Schrift - FEHLER: TEXTNUMMER 128 AUSSERHALB VON 0 BIS 127 - TEXT 127 BLEIBT GEWAEHLT!\n\n"
              "\n#o> VOQ_OGL_Schrift - FEHLER: TEXTNUMMER -1 AUSSERHALB VON 0 BIS 127 - TEXT 127 BLEIBT GEWAEHLT!\n\n",
              log.Fehler());

    // A number written directly falls back to text 0 instead of leaving the table.
    s->textNumber = 1000;
    s->SetText("null");
    s->textNumber = 0;
    EXPECT_STREQ("null", s->GetText());
}

TEST(SchriftText, LayoutMasseUndLangeTexte)
{
    std::unique_ptr<VOQ_OGL_Schrift> s = Ausgelegt(12, 20, 2, 4);
    s->Draw();
    EXPECT_EQ(0, s->GetTextWidth());
    EXPECT_EQ(0, s->GetTextHeight());

    s->SetText("AB\nD");
    s->Draw(10.0f, 20.0f);
    EXPECT_EQ(2 * 12 + 2, s->GetTextWidth());
    EXPECT_EQ(2 * 20 + 4, s->GetTextHeight());
    EXPECT_EQ(3, s->widestLine) << "Zeilen mit Zeilenvorschub, der Vorschub mitgezaehlt";
    EXPECT_EQ(2, s->line);

    s->SetText("A\nBCDE\nFG");
    s->Draw();
    EXPECT_EQ(4 * 12 + 3 * 2, s->GetTextWidth());
    EXPECT_EQ(3 * 20 + 2 * 4, s->GetTextHeight());

    // Beyond 1024 characters nothing is laid out (nor drawn), and the tables stay whole.
    s->WaehleText(127);
    s->SetText(std::string(3000, 'A').c_str());
    s->SetSizeDraw(1, 1);
    s->SetCharAbstand(0);
    s->Draw();
    EXPECT_EQ(1024, s->GetTextWidth());
    EXPECT_EQ(127, s->GetTextNummer());
    EXPECT_EQ(3000u, std::string(s->GetText()).size());
}

TEST(SchriftText, MasseAnDerZahlengrenzeBleibenAnDerGrenze)
{
    // Sizes and spacing come from the description file: an extent beyond
    // the int range answers the limit instead of wrapping around.
    std::unique_ptr<VOQ_OGL_Schrift> s = Ausgelegt(INT_MAX, 1 << 30, INT_MAX, 1 << 30);
    s->SetText("AB\nC\nD");
    s->Draw(10.0f, 20.0f);
    EXPECT_EQ(INT_MAX, s->GetTextWidth());
    EXPECT_EQ(INT_MAX, s->GetTextHeight());

    s->SetSizeDraw(INT_MIN, INT_MIN);
    s->SetCharAbstand(-1);
    s->SetLineAbstand(0);
    s->Draw();
    EXPECT_EQ(INT_MIN, s->GetTextWidth());
    EXPECT_EQ(INT_MIN, s->GetTextHeight());
}

TEST(SchriftText, Utf8ZeichenWerdenEinmalGemeldet)
{
    LogFaenger log;
    std::unique_ptr<VOQ_OGL_Schrift> s = Ausgelegt(8, 8, 0, 0);
    s->name = "schrift_012";
    s->SetText("gr\xc3\xbc\xc3\x9f");  // "grüß" as UTF-8
    s->Draw();
    EXPECT_EQ("\n#o> VOQ_OGL_Schrift - FEHLER: ZEICHEN 0xC3 OHNE GLYPHE IN 'schrift_012'\n\n"
              "\n#o> VOQ_OGL_Schrift - FEHLER: ZEICHEN 0xBC OHNE GLYPHE IN 'schrift_012'\n\n"
              "\n#o> VOQ_OGL_Schrift - FEHLER: ZEICHEN 0x9F OHNE GLYPHE IN 'schrift_012'\n\n",
              log.Fehler());

    log.Leeren();
    s->SetText("\xc3\xa4 ");
    s->Draw();
    EXPECT_EQ("\n#o> VOQ_OGL_Schrift - FEHLER: ZEICHEN 0xA4 OHNE GLYPHE IN 'schrift_012'\n\n", log.Fehler())
        << "0xC3 ist schon gemeldet";

    // Latin-1 with glyphs, control characters and the grave accent: no line.
    log.Leeren();
    s->SetText("gr\xfc\xdf \x80\t\r\x01`\x7f");
    s->Draw();
    EXPECT_EQ("", log.Fehler());

    // Another font reports for itself.
    std::unique_ptr<VOQ_OGL_Schrift> t = Ausgelegt(8, 8, 0, 0);
    t->name = "schrift_020";
    t->SetText("\xc3");
    t->Draw();
    EXPECT_EQ("\n#o> VOQ_OGL_Schrift - FEHLER: ZEICHEN 0xC3 OHNE GLYPHE IN 'schrift_020'\n\n", log.Fehler());
}

TEST(SchriftText, BildrateZaehltGanzeSekunden)
{
    TestUhr uhr(1);
    std::unique_ptr<VOQ_OGL_Schrift> s = NeueSchrift();
    uhr.Setze(500);
    s->FetchFPS(30);
    EXPECT_STREQ("FPS: 0", s->GetText());
    EXPECT_TRUE(s->textChanged);

    uhr.Setze(1001);
    s->FetchFPS(60);
    EXPECT_STREQ("FPS: 0", s->GetText()) << "genau 1000 ms: noch keine Rechnung";
    uhr.Setze(1002);
    s->FetchFPS(60);
    EXPECT_STREQ("FPS: 60", s->GetText());
    EXPECT_EQ(60, s->GetFPS());

    uhr.Setze(2000);
    s->FetchFPS(100);
    EXPECT_STREQ("FPS: 60", s->GetText()) << "zwischen den Rechnungen bleibt die Zahl";
    uhr.Setze(1002 + 1999);
    s->FetchFPS(60 + 119);
    EXPECT_STREQ("FPS: 119", s->GetText()) << "1999 ms zaehlen als eine Sekunde";
    uhr.Setze(1002 + 1999 + 2500);
    s->FetchFPS(179 + 100);
    EXPECT_EQ(50, s->GetFPS());
}

// 15 January 2024 at the given local time.
std::time_t Ortszeit(int stunde, int minute, int sekunde)
{
    std::tm t{};
    t.tm_year = 2024 - 1900;
    t.tm_mday = 15;
    t.tm_hour = stunde;
    t.tm_min = minute;
    t.tm_sec = sekunde;
    t.tm_isdst = -1;
    return std::mktime(&t);
}

std::time_t gestellt = 0;
std::time_t GestellteUhr()
{
    return gestellt;
}

TEST(SchriftText, UhrzeitUndDatum)
{
    VOQ_OGL_Schrift::SetzeUhr(GestellteUhr);
    std::unique_ptr<VOQ_OGL_Schrift> s = NeueSchrift();
    struct Fall { int h, m, sek; const char* text; };
    const Fall faelle[] = {{23, 59, 7, "23:59:07"}, {0, 0, 0, "00:00:00"}, {9, 5, 3, "09:05:03"}};
    for (const Fall& f : faelle) {
        gestellt = Ortszeit(f.h, f.m, f.sek);
        s->SetText("alt");
        s->textChanged = false;
        s->FetchTime();
        EXPECT_STREQ(f.text, s->GetText());
        EXPECT_TRUE(s->textChanged);
    }
    gestellt = Ortszeit(23, 59, 7);
    s->FetchDate();
    EXPECT_STREQ("Mon Jan 15 23:59:07 2024\n", s->GetText());
    VOQ_OGL_Schrift::SetzeUhr(nullptr);
}

TEST(SchriftText, SchriftordnerAusDenEinstellungen)
{
    LogFaenger log;
    std::unique_ptr<VOQ_OGL_Schrift> s = NeueSchrift();
    std::remove("einstellungen.konfig");
    EXPECT_FALSE(s->Init("schrift_012"));
    EXPECT_FALSE(s->Inited());
    EXPECT_TRUE(s->visible);
    EXPECT_EQ("#o> VOQ_OGL_Schrift\n\t>Einlesen der Pfade 'einstellungen.konfig' ...", log.Aus());
    EXPECT_EQ("\n#o> VOQ_OGL_Schrift - FEHLER: Datei 'einstellungen.konfig' kann nicht geöffnet werden.\n\n"
              "\n#o> VOQ_OGL_Schrift - FEHLER: 'einstellungen.konfig' konnte nicht abgearbeitet werden!\n\n",
              log.Fehler());

    Schreibe("einstellungen.konfig",
             "# SCHRIFTBILDER=kommentar\n"
             "AUFLOESUNG=800,600\n"
             "SCHRIFTBILDER=daten/erste\n"
             " SCHRIFTBILDER=falsch\n"
             "SCHRIFTBILDER = falsch\n"
             "SCHRIFTBILDER=daten/schriften   # Rest\n"
             "MAUSZEIGERBILDER=daten/maus\n");
    ASSERT_TRUE(s->InitPfade());
    EXPECT_EQ("daten/schriften", s->folder);

    // Lines are read in pieces of 4095 characters: the key at the start of the
    // second piece counts, the same line split at 127 would hide it.
    Schreibe("einstellungen.konfig", std::string(4095, 'x') + "SCHRIFTBILDER=gibt/es/nicht\n");
    log.Leeren();
    EXPECT_FALSE(s->Init("schrift_020"));
    EXPECT_EQ("gibt/es/nicht", s->folder);
    // The bitmap is named without its folder in the message.
    EXPECT_EQ("\n#o> VOQ_OGL_Schrift - FEHLER: Konnte 'schrift_020.bmp' nicht laden\n\n", log.Fehler());
    s->SetText("abc");
    s->Draw(0.0f, 0.0f);
    std::remove("einstellungen.konfig");
}

}  // namespace
