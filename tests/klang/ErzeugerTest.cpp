// The generator writes the same bytes on every run, and those are the files
// the build put into daten/. Also the note shorthand the pieces are written in.

#include "KL_Noten.h"
#include "KL_Satz.h"
#include "KL_Xm.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace
{
namespace fs = std::filesystem;

const char* const ALLE[] = {"klaenge/mausklick.wav", "klaenge/steinklopf.wav", "klaenge/maus_klack.wav",
                            "klaenge/block_dreh.wav", "klaenge/block_aufschlag.wav", "klaenge/bonus.wav",
                            "klaenge/stufe.wav", "klaenge/pause.wav", "klaenge/spielende.wav",
                            "musik/intro_logo.ogg", "musik/ruhmeshalle.ogg", "musik/hauptmenue.xm",
                            "musik/spiel_1.xm", "musik/spiel_2.xm"};

std::vector<char> Inhalt(const fs::path& pfad)
{
    std::ifstream ein(pfad, std::ios::binary);
    return std::vector<char>((std::istreambuf_iterator<char>(ein)), std::istreambuf_iterator<char>());
}

bool Erzeuge(const std::string& ziel)
{
    fs::remove_all(ziel);
    const std::string befehl = std::string("'") + QF_KLANG_PROGRAMM + "' '" + ziel + "'";
    return std::system(befehl.c_str()) == 0;
}

TEST(Erzeuger, ZweiLaeufeGebenDieselbenBytes)
{
    ASSERT_TRUE(Erzeuge("lauf_1"));
    ASSERT_TRUE(Erzeuge("lauf_2"));
    for (const char* datei : ALLE) {
        SCOPED_TRACE(datei);
        const std::vector<char> eins = Inhalt(fs::path("lauf_1") / datei);
        ASSERT_FALSE(eins.empty());
        EXPECT_EQ(eins, Inhalt(fs::path("lauf_2") / datei));
        EXPECT_EQ(eins, Inhalt(fs::path(QF_DATEN_DIR) / "geraeuschkulisse" / datei)) << "daten/ is stale";
    }
    fs::remove_all("lauf_1");
    fs::remove_all("lauf_2");
}

TEST(Erzeuger, OhneZielGibtFehler)
{
    const std::string befehl = std::string("'") + QF_KLANG_PROGRAMM + "' 2>/dev/null";
    EXPECT_NE(0, std::system(befehl.c_str()));
}

TEST(Notenschrift, NotennamenUndZeilen)
{
    EXPECT_EQ(49, KL_Noten::Note("C4"));
    EXPECT_EQ(58, KL_Noten::Note("A4"));
    EXPECT_EQ(KL_Noten::Note("A#3"), KL_Noten::Note("Bb3"));
    EXPECT_EQ(0, KL_Noten::Note("H4"));
    EXPECT_EQ(0, KL_Noten::Note("C9"));
    EXPECT_EQ(0, KL_Noten::Note("C"));
    EXPECT_NEAR(440.0, KL_Noten::Frequenz(58), 1e-9);

    const std::vector<KL_Noten::Schritt> z = KL_Noten::Zeile("E5 . = | G#4:20 C4:99");
    ASSERT_EQ(5u, z.size());
    EXPECT_EQ(KL_Noten::Note("E5"), z[0].note);
    EXPECT_EQ(0, z[1].note);
    EXPECT_EQ(KL_Noten::LOSLASSEN, z[2].note);
    EXPECT_EQ(20, z[3].lautstaerke);
    EXPECT_EQ(64, z[4].lautstaerke);
}

TEST(Notenschrift, Akkorde)
{
    const KL_Noten::Akkord bbm6 = KL_Noten::AkkordAus("Bbm6");
    EXPECT_EQ(10, bbm6.grundton);
    EXPECT_EQ((std::vector<int>{0, 3, 7, 9}), bbm6.intervalle);
    EXPECT_EQ((std::vector<int>{0, 4, 7, 11}), KL_Noten::AkkordAus("Fmaj7").intervalle);
    EXPECT_EQ((std::vector<int>{0, 4, 7}), KL_Noten::AkkordAus("Q7").intervalle);
}

TEST(Satz, StimmenFigurenUndAkkordeLandenImMuster)
{
    KL_Satz s(5, 2);
    s.Stimme(0, 1, "C5 . = A4:10", 40);
    s.Figur(1, 2, {"Am", "G7"}, "1 . 5 . 7 8' 3,", 13, 50);
    s.Akkorde(2, 3, 3, {"Fmaj7"}, "x...=", 55, 30);
    s.Stimme(4, 1, "C4 C4 C4", 40, 31);  // runs over the last row: dropped
    const KL_XmMuster& m = s.Muster();
    auto zelle = [&](int kanal, int zeile) { return m.zellen[static_cast<std::size_t>(zeile) * 5 + kanal]; };

    EXPECT_EQ(KL_Noten::Note("C5"), zelle(0, 0).note);
    EXPECT_EQ(0x10 + 40, zelle(0, 0).lautstaerke);
    EXPECT_EQ(KL_Noten::LOSLASSEN, zelle(0, 2).note);
    EXPECT_EQ(0, zelle(0, 2).instrument);
    EXPECT_EQ(0x10 + 10, zelle(0, 3).lautstaerke);

    EXPECT_EQ(KL_Noten::Note("A1"), zelle(1, 0).note);
    EXPECT_EQ(KL_Noten::Note("E2"), zelle(1, 2).note);
    EXPECT_EQ(KL_Noten::Note("A2"), zelle(1, 4).note);   // 7 of a triad: the octave
    EXPECT_EQ(KL_Noten::Note("A3"), zelle(1, 5).note);   // 8' two octaves up
    EXPECT_EQ(KL_Noten::Note("C1"), zelle(1, 6).note);   // 3, an octave down
    EXPECT_EQ(KL_Noten::Note("G1"), zelle(1, 16).note);  // next bar, next chord
    EXPECT_EQ(KL_Noten::Note("F2"), zelle(1, 20).note);  // the seventh of G7

    // Fmaj7 between C4 and B4 in three voices: the fifth gives way, the
    // seventh stays; lowest tone in the first channel.
    EXPECT_EQ(KL_Noten::Note("E4"), zelle(2, 0).note);
    EXPECT_EQ(KL_Noten::Note("F4"), zelle(3, 0).note);
    EXPECT_EQ(KL_Noten::Note("A4"), zelle(4, 0).note);
    EXPECT_EQ(KL_Noten::LOSLASSEN, zelle(2, 4).note);
    EXPECT_EQ(KL_Noten::LOSLASSEN, zelle(4, 4).note);
    EXPECT_EQ(KL_Noten::Note("C4"), zelle(4, 31).note);
}

TEST(XmModul, SpielzeitFolgtTempowechseln)
{
    KL_XmModul modul("t", 2, 6, 125);
    KL_XmMuster m;
    m.zeilen = 4;
    m.zellen.resize(8);
    m.zellen[2].effekt = 0x0f;  // row 1: speed 3
    m.zellen[2].parameter = 3;
    m.zellen[5].effekt = 0x0f;  // row 2: 250 beats a minute
    m.zellen[5].parameter = 250;
    const int n = modul.NeuesMuster(m);
    modul.Reihenfolge({n, n, 7});
    ASSERT_EQ(2u, modul.Folge().size());
    // Rows: 6 ticks at 125, then 3 at 125, 3 at 250, 3 at 250; the second
    // pass keeps speed 3 and 250 from its first row on.
    const double tick125 = 2.5 / 125.0, tick250 = 2.5 / 250.0;
    EXPECT_NEAR(6 * tick125 + 3 * tick125 + 6 * tick250 + 12 * tick250, modul.Spielzeit(), 1e-9);
    const std::vector<uint8_t> b = modul.Bytes();
    ASSERT_GT(b.size(), 80u);
    EXPECT_EQ(std::string("Extended Module: "), std::string(b.begin(), b.begin() + 17));
    EXPECT_EQ(2, b[64]);  // song length
}
}
