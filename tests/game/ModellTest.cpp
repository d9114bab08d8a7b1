// The game model: the falling piece (its shapes, the rules that refuse a turn,
// its moves against walls, floor and cells) and the playfield (locking,
// dissolving rows, overflow, cell access, odd sizes, the random kinds).
#include "FeldHilfe.h"
#include "LogFaenger.h"
#include "VOQ_Quaderfall.h"
#include "VOQ_Teil_Basis.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <ctime>
#include <string>
#include <utility>
#include <vector>

namespace
{

using Zellen = std::vector<std::pair<int, int>>;  // (column, row)

// The picture of a grid of 22 rows with the given rows from row `ab` on and all others empty.
std::string Raster(int breite, int ab, std::initializer_list<const char*> zeilen)
{
    std::string bild;
    for (int zeile = 0; zeile < 22; ++zeile) {
        const bool gegeben = zeile >= ab && zeile - ab < static_cast<int>(zeilen.size());
        bild += (gegeben ? std::string(zeilen.begin()[zeile - ab]) : std::string(breite, '.')) + "\n";
    }
    return bild;
}

// A 10 x 22 field: play area rows 0-19, rows 20 and 21 stay empty.
class Modell : public ::testing::Test
{
protected:
    LogFaenger log;  // the block images are missing here
    VOQ_Quaderfall feld{10, 22};

    void Besetze(const Zellen& zellen)
    {
        feld.leeren();
        for (auto [x, y] : zellen)
            feld.setze(x, y, 2);
    }
};

// Each kind's shape at rotation index 0 to 3.
const char* const FOLGE[TEILARTEN][4] = {
    {".1.. .1.. .1.. .1..", ".... .... 1111 ....", ".1.. .1.. .1.. .1..", ".... .... 1111 ...."},
    {".33. .33. .... ....", ".33. .33. .... ....", ".33. .33. .... ....", ".33. .33. .... ...."},
    {"..6. ..6. .66. ....", ".... .6.. .666 ....", ".66. .6.. .6.. ....", ".... .666 ...6 ...."},
    {".4.. .4.. .44. ....", ".... .444 .4.. ....", ".44. ..4. ..4. ....", ".... ...4 .444 ...."},
    {"..22 .22. .... ....", "..2. ..22 ...2 ....", "..22 .22. .... ....", "..2. ..22 ...2 ...."},
    {"55.. .55. .... ....", ".5.. 55.. 5... ....", "55.. .55. .... ....", ".5.. 55.. 5... ...."},
    {"777. .7.. .... ....", ".7.. 77.. .7.. ....", ".7.. 777. .... ....", ".7.. .77. .7.. ...."},
};

TEST_F(Modell, JedeArtDrehtDurchIhreFormen)
{
    for (int art = 0; art < TEILARTEN; ++art) {
        VOQ_Teil_Basis t(static_cast<blocktyp>(art), 3, 5, &feld);
        for (int drehung = 0; drehung <= 4; ++drehung) {
            EXPECT_EQ(FOLGE[art][drehung % 4], Form(t)) << "Art " << art << ", Drehung " << drehung;
            EXPECT_TRUE(drehung == 4 || t.drehe());
        }
    }
    EXPECT_EQ(".... .... .... ....", Form(VOQ_Teil_Basis(TEIL_ZUFALL, 3, 5, &feld)));
    VOQ_Teil_Basis ohneFeld(TEIL_T, 3, 0, nullptr);
    EXPECT_FALSE(ohneFeld.senke() || ohneFeld.links() || ohneFeld.rechts() || ohneFeld.drehe());
    ohneFeld.male(0, 0);
}

// Moves of one piece from row 0 among occupied cells. A turn is refused if
// for the new shape (i) an occupied cell meets a grid cell, (ii) any box row
// lies below row 20, (iii) a cell lies right of the field, (iv) the box starts
// left of column -1 or a cell lies left of the field, or (v) an I piece's box
// leaves the play area. Falling stops with the lowest cell in row 19 or on a
// cell right below; side moves stop at the walls and at cells beside, never at
// the floor. A refused move leaves the piece as it was, however often asked.
TEST_F(Modell, ZuegeGegenWaendeBodenUndZellen)
{
    struct Fall { const char* was; blocktyp art; int x; Zellen zellen; const char* zuege; int nachX, nachY, drehung; };
    const Fall faelle[] = {
        {"(i) Zelle unter der neuen Form", TEIL_T, 3, {{4, 2}}, "xx", 3, 0, 0},
        {"(i) Zelle unter leerem Kastenfeld", TEIL_T, 3, {{6, 2}}, "d", 3, 0, 1},
        {"(ii) Quadrat am Boden", TEIL_O, 3, {}, "Sxx", 3, 18, 0},
        {"(ii) unterste Kastenzeile in Zeile 20", TEIL_L, 3, {}, "Sd", 3, 17, 1},
        {"(iii) Zelle in Spalte 10", TEIL_L, 3, {}, "Rxx", 7, 0, 0},
        {"(iii) nur leere Kastenspalte jenseits", TEIL_T, 3, {}, "Rd", 7, 0, 1},
        {"(iv) Zelle in Spalte -1", TEIL_I, 3, {}, "Lxx", -1, 0, 0},
        {"(iv) leere Kastenspalte in Spalte -1", TEIL_L, 3, {}, "Ld", -1, 0, 1},
        {"(iv) Kasten ab Spalte -2", TEIL_S, -2, {}, "xx", -2, 0, 0},
        {"(v) liegendes I am Boden", TEIL_I, 3, {}, "dSxx", 3, 17, 1},
        {"(v) stehendes I am Boden", TEIL_I, 3, {}, "Sd", 3, 16, 1},
        {"Quadrat auf eine Zelle, eine daneben", TEIL_O, 3, {{4, 10}, {6, 6}}, "S", 3, 8, 0},
        {"T an die linke Wand", TEIL_T, 3, {}, "L", 0, 0, 0},
        {"I an die rechte Wand", TEIL_I, 3, {}, "R", 8, 0, 0},
        {"L am Boden nach links bis an eine Zelle", TEIL_L, 3, {{0, 17}}, "SL", 0, 17, 0},
        {"L am Boden nach rechts bis an eine Zelle", TEIL_L, 3, {{7, 19}}, "SR", 4, 17, 0},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.was);
        Besetze(f.zellen);
        VOQ_Teil_Basis t(f.art, static_cast<std::int16_t>(f.x), 0, &feld);
        EXPECT_TRUE(Ziehe(t, f.zuege));
        EXPECT_EQ(FOLGE[f.art][f.drehung], Form(t));
        EXPECT_EQ(f.nachX, t.holePosX());
        EXPECT_EQ(f.nachY, t.holePosY());
    }
}

// Where the shadow shows a piece: the cells a hard drop locks it in, on rubble
// and on the floor, turned and moved.
TEST_F(Modell, LandezeileIstWoDerSturzEinrastet)
{
    for (const char* zuege : {"", "d", "LLL", "ddRRR", "dddL", "RRRRS"}) {
        SCOPED_TRACE(zuege);
        feld.leeren();
        Zeichne(feld, 14, {"......1...", "..2.......", "22........", ".......7..", "..5555...."});
        feld.neuerQuaderfall(TEIL_L);
        ASSERT_TRUE(Ziehe(*feld.teil, zuege));
        const VOQ_Teil_Basis vorher = *feld.teil;
        const int lande = feld.teil->holeLandeZeile();
        EXPECT_EQ(1, Aufschlagen(feld));
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 4; ++c)
                EXPECT_TRUE(!vorher.holeFarbe(c, r) || feld.holeFarbe(vorher.holePosX() + c, lande + r) == 4)
                    << c << "," << r << " bei Zeile " << lande;
    }
}

// A refused turn goes back to the index it had, also when the step wrapped
// from 3 to 0: the next turn shows the shape that follows the current one.
TEST_F(Modell, VerweigerteDrehungZaehltNicht)
{
    VOQ_Teil_Basis j(TEIL_J, 3, 5, &feld);
    for (int danach : {2, 0}) {
        Besetze({});
        ASSERT_TRUE(j.drehe());
        Besetze({{4, 5}, {5, 5}});  // the top cells of J_3 and J_1
        EXPECT_TRUE(Ziehe(j, "xx"));
        Besetze({});
        EXPECT_TRUE(j.drehe());
        EXPECT_EQ(FOLGE[TEIL_J][danach], Form(j));
    }
}

// One piece on a field with rubble, moved and dropped until it locks: the cells
// it fills (never one already occupied, never one outside the grid), the rows
// that dissolve, and whether the game is lost: locked at its start place
// (column 3, row 0, also after a move and back) without completing a row.
TEST(Spielfeld, EinrastenLoesenUeberlauf)
{
    using Zeilen = std::initializer_list<const char*>;
    // Rubble and picture from row ab on, all other rows empty.
    struct Fall { const char* was; int breite, ab; Zeilen schutt; blocktyp art; const char* zuege; int takt;
                  bool voll; Zeilen bild; };
    const Zeilen start = {"..........", "..........", ".333333333"};
    const Fall faelle[] = {
        {"T bis Zeile 19", 10, 17, {}, TEIL_T, "d", 1, false, {"....7.....", "...77.....", "....7....."}},
        {"ueber besetzten Zellen", 10, 0, {"..........", "....7.....", "...25.....", "...2......"}, TEIL_O, "", 1,
         true, {"....33....", "....73....", "...25.....", "...2......"}},
        {"zwei Reihen", 10, 15, {"1.........", "22........", "3333.33333", "4.44.4444.", "5555.55555"}, TEIL_I, "",
         3, false, {"..........", "..........", "1.........", "22..1.....", "4.4414444."}},
        {"vier Reihen", 10, 15, {"...7......", "2222.22222", "3333.33333", "4444.44444", "5555.55555"}, TEIL_I, "",
         5, false, {"..........", "..........", "..........", "..........", "...7......"}},
        {"am Startplatz", 10, 0, start, TEIL_O, "", 1, true, {"....33....", "....33....", ".333333333"}},
        {"am Startplatz mit Reihe", 10, 0, {"..........", "3333..3333", "....3....."}, TEIL_O, "", 2, false,
         {"..........", "....33....", "....3....."}},
        {"zur Seite", 10, 0, start, TEIL_O, "r", 1, false, {".....33...", ".....33...", ".333333333"}},
        {"zur Seite und zurueck", 10, 0, start, TEIL_O, "lr", 1, true, {"....33....", "....33....", ".333333333"}},
        {"Kasten links ueber den Rand", 10, 17, {}, TEIL_S, "dL", 1, false, {"2.........", "22........", ".2........"}},
        {"Kasten rechts ueber den Rand", 10, 16, {}, TEIL_I, "R", 1, false,
         {".........1", ".........1", ".........1", ".........1"}},
        {"drei Spalten, Start jenseits", 3, 18, {}, TEIL_O, "RL", 1, false, {"33.", "33."}},
    };
    LogFaenger log;
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.was);
        VOQ_Quaderfall feld(f.breite, 22);
        Zeichne(feld, f.ab, f.schutt);
        feld.neuerQuaderfall(f.art);
        ASSERT_TRUE(Ziehe(*feld.teil, f.zuege));
        EXPECT_EQ(f.takt, Aufschlagen(feld));
        EXPECT_EQ(f.voll, feld.ueberfuellt());
        EXPECT_EQ(Raster(f.breite, f.ab, f.bild), Bild(feld, 0, 21));
    }
}

// Full rows dissolve in one top-down scan, the two bottom rows too; each row
// above moves down by the number of dissolved rows below it.
TEST_F(Modell, LoesenRaeumtAlleVollenReihen)
{
    Zeichne(feld, 0, {"7777777777", "6.........", "5555555555", "4444444444", ".3........", "2222222222"});
    Zeichne(feld, 20, {"1111111111", "1111111111"});
    EXPECT_EQ(6, feld.loesen());
    EXPECT_EQ(Raster(10, 6, {"6.........", ".3........"}), Bild(feld, 0, 21));
    EXPECT_EQ(0, feld.loesen());
}

TEST_F(Modell, ZellenNurImRaster)
{
    EXPECT_TRUE(feld.setze(2, 3, 5) && !feld.setze(2, 3, 5)) << "true only for a change";
    EXPECT_TRUE(feld.istBesetzt(2, 3) && !feld.istBesetzt(3, 2)) << "(column, row)";
    const int orte[][2] = {{-1, 0}, {10, 0}, {0, -1}, {0, 22}, {INT_MIN, 5}, {5, INT_MAX}};
    for (const auto& ort : orte)
        EXPECT_FALSE(feld.setze(ort[0], ort[1], 4) || feld.istBesetzt(ort[0], ort[1])) << ort[0] << "," << ort[1];
    EXPECT_EQ(Raster(10, 3, {"..5......."}), Bild(feld, 0, 21));
}

// A size outside 1..1024 is logged and brought into range; a field too low for
// a piece to stand on its floor row lets it rest at once.
TEST_F(Modell, UngewoehnlicheGroessen)
{
    VOQ_Quaderfall klein(0, -1);
    EXPECT_NE(std::string::npos, log.Fehler().find("FEHLER: SPIELFELDGROESSE 0x-1 UNGUELTIG, VERWENDE 1x1!"));
    EXPECT_EQ(1, klein.holeSpielfeldBreite());
    EXPECT_EQ(1, klein.holeSpielfeldHoehe());
    for (int hoehe = 1; hoehe <= 6; ++hoehe) {
        VOQ_Quaderfall niedrig(10, hoehe);
        for (int art = 0; art < TEILARTEN; ++art) {
            niedrig.neuerQuaderfall(static_cast<blocktyp>(art));
            EXPECT_GT(Aufschlagen(niedrig), 0) << hoehe << " Zeilen, Art " << art;
        }
    }
}

// The first playfield of the run seeds the generator with the clock (unseeded
// it would draw as after srand(1)). This environment builds it before any
// test, so that it really is the first.
struct ErstesFeld : ::testing::Environment
{
    void SetUp() override
    {
        LogFaenger log;
        vorher = std::time(nullptr);
        VOQ_Quaderfall feld(10, 22);
        danach = std::rand();
        nachher = std::time(nullptr);
    }
    inline static std::time_t vorher = 0, nachher = 0;
    inline static int danach = -1;
};
::testing::Environment* const ERSTES = ::testing::AddGlobalTestEnvironment(new ErstesFeld);

// Construction draws the piece, then the next kind; each lock moves the next
// kind in and draws one; a named kind draws nothing; later fields never seed.
TEST_F(Modell, ZufallGesaetEinmalUndGezogenInDieserReihenfolge)
{
    // Seeded with time(NULL), two numbers drawn: the next is the third.
    bool uhrzeit = false;
    for (std::time_t t = ErstesFeld::vorher; t <= ErstesFeld::nachher; ++t) {
        std::srand(static_cast<unsigned>(t));
        const int zahlen[3] = {std::rand(), std::rand(), std::rand()};
        uhrzeit = uhrzeit || zahlen[2] == ErstesFeld::danach;
    }
    EXPECT_TRUE(uhrzeit);

    std::srand(32);  // kinds 3 5 1 4 2: all different, none a T
    const int r[5] = {std::rand(), std::rand(), std::rand(), std::rand(), std::rand()};
    std::srand(32);
    VOQ_Quaderfall f(10, 22);
    EXPECT_EQ(FOLGE[r[0] % 7][0], Form(*f.teil));
    EXPECT_EQ(r[1] % 7, f.holeNaechster());
    Aufschlagen(f);
    EXPECT_EQ(FOLGE[r[1] % 7][0], Form(*f.teil));
    EXPECT_EQ(r[2] % 7, f.holeNaechster());
    f.neuerQuaderfall(TEIL_T);
    EXPECT_EQ(FOLGE[TEIL_T][0], Form(*f.teil));
    f.neuerQuaderfall(TEIL_ZUFALL);
    EXPECT_EQ(FOLGE[r[3] % 7][0], Form(*f.teil));
    EXPECT_EQ(r[2] % 7, f.holeNaechster());
    EXPECT_EQ(r[4], std::rand());
}

}
