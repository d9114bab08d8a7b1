// The falling piece: shapes, turns, walls, floor and occupied cells.
#include "FeldHilfe.h"
#include "LogFaenger.h"
#include "VOQ_Quaderfall.h"
#include "VOQ_Teil_Basis.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <utility>

namespace
{

// A 10 x 22 field: play area rows 0-19, rows 20 and 21 stay empty.
class Teil : public ::testing::Test
{
protected:
    LogFaenger log;  // the block images are missing here
    VOQ_Quaderfall feld{10, 22};
};

using Zellen = std::set<std::pair<int, int>>;  // (row, column), moved to the top-left corner

Zellen ZellenVon(const VOQ_Teil_Basis& t)
{
    Zellen roh;
    int r0 = 4, c0 = 4;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            if (t.holeFarbe(c, r) > 0) {
                roh.insert({r, c});
                r0 = std::min(r0, r);
                c0 = std::min(c0, c);
            }
    Zellen ergebnis;
    for (auto [r, c] : roh)
        ergebnis.insert({r - r0, c - c0});
    return ergebnis;
}

// Clockwise on the screen, rows running down: (r, c) goes to (c, -r).
Zellen ImUhrzeigersinn(const Zellen& z)
{
    int r0 = 0;
    for (auto [r, c] : z)
        r0 = std::max(r0, r);
    Zellen ergebnis;
    for (auto [r, c] : z)
        ergebnis.insert({c, r0 - r});
    return ergebnis;
}

// The start shapes fix where each kind sits in its box; every turn after that
// is a clockwise quarter turn of four cells in the kind's colour, and four
// turns bring back the start shape in place.
TEST_F(Teil, StartformUndVierteldrehungenImUhrzeigersinn)
{
    const char* const START[TEILARTEN] = {
        ".1.. .1.. .1.. .1..", ".33. .33. .... ....", "..6. ..6. .66. ....", ".4.. .4.. .44. ....",
        "..22 .22. .... ....", "55.. .55. .... ....", "777. .7.. .... ....",
    };
    for (int i = 0; i < TEILARTEN; ++i) {
        const blocktyp art = static_cast<blocktyp>(i);
        SCOPED_TRACE(art);
        VOQ_Teil_Basis t(art, 3, 5, &feld);
        EXPECT_EQ(START[i], Form(t));
        for (int schritt = 0; schritt < 4; ++schritt) {
            const Zellen vorher = ZellenVon(t);
            EXPECT_EQ(4u, vorher.size());
            ASSERT_TRUE(t.drehe());
            EXPECT_EQ(ImUhrzeigersinn(vorher), ZellenVon(t)) << "Schritt " << schritt;
            EXPECT_EQ(art, Art(t));
        }
        EXPECT_EQ(START[i], Form(t));
        EXPECT_EQ(3, t.holePosX());
        EXPECT_EQ(5, t.holePosY());
    }
}

TEST_F(Teil, KastenOhneArtUndZugriffAusserhalb)
{
    VOQ_Teil_Basis t(TEIL_ZUFALL, 3, 5, &feld);
    EXPECT_EQ(".... .... .... ....", Form(t));
    VOQ_Teil_Basis j(TEIL_J, 3, 5, &feld);
    for (auto [spalte, zeile] : {std::pair{2, -1}, {-1, 2}, {4, 0}, {2, 4}})
        EXPECT_EQ(0, j.holeFarbe(spalte, zeile)) << spalte << "," << zeile;
    j.leeren();
    EXPECT_EQ(".... .... .... ....", Form(j));
    j.wandle(T_3);
    EXPECT_EQ(".7.. 777. .... ....", Form(j));
}

// Moved to a wall, a piece whose next shape would stick out refuses the turn
// (however often asked) and stays as it was; one step back it turns again,
// the refusals not counted in its sequence.
TEST_F(Teil, AnDerWandWirdDieDrehungVerweigert)
{
    struct Fall
    {
        blocktyp art;
        int drehungen, richtung, posX;
        const char* form;
        const char* zurueck;  // after a step back and a turn; null: still refused
    };
    const Fall faelle[] = {
        {TEIL_I, 0, -1, -1, ".1.. .1.. .1.. .1..", ".... .... 1111 ...."},
        {TEIL_T, 3, -1, -1, ".7.. .77. .7.. ....", "777. .7.. .... ...."},
        // The two left box columns are empty: the box reaches column -2.
        {TEIL_S, 1, -1, -2, "..2. ..22 ...2 ....", "..22 .22. .... ...."},
        {TEIL_I, 0, 1, 8, ".1.. .1.. .1.. .1..", nullptr},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.form);
        VOQ_Teil_Basis t(f.art, 3, 5, &feld);
        for (int i = 0; i < f.drehungen; ++i)
            ASSERT_TRUE(t.drehe());
        for (int i = 0; i < 20 && (f.richtung < 0 ? t.links() : t.rechts()); ++i) {
        }
        EXPECT_EQ(f.posX, t.holePosX());
        EXPECT_FALSE(t.drehe());
        EXPECT_FALSE(t.drehe());
        EXPECT_EQ(f.form, Form(t));
        ASSERT_TRUE(f.richtung < 0 ? t.rechts() : t.links());
        EXPECT_EQ(f.zurueck != nullptr, t.drehe());
        EXPECT_EQ(f.zurueck ? f.zurueck : f.form, Form(t));
    }

    // A box that starts two columns left of the field never turns, though
    // S_2 would find its cells inside.
    VOQ_Teil_Basis draussen(TEIL_S, -2, 5, &feld);
    EXPECT_FALSE(draussen.drehe());
    EXPECT_EQ("..22 .22. .... ....", Form(draussen));
}

TEST_F(Teil, AmBodenDrehtNurWasImSpielbereichBleibt)
{
    VOQ_Teil_Basis liegend(TEIL_I, 3, 0, &feld);
    ASSERT_TRUE(liegend.drehe());
    FallenLassen(liegend);
    EXPECT_EQ(17, liegend.holePosY()) << "Zellen in Zeile 19";
    EXPECT_FALSE(liegend.drehe()) << "stehend ragte es in Zeile 20";
    EXPECT_EQ(".... .... 1111 ....", Form(liegend));

    VOQ_Teil_Basis stehend(TEIL_I, 3, 0, &feld);
    FallenLassen(stehend);
    EXPECT_EQ(16, stehend.holePosY()) << "unterste Zelle in Zeile 19";
    EXPECT_TRUE(stehend.drehe());

    // The square turns in the air, but at the floor its empty box rows would
    // lie below row 20; its cells never change, even in a replaced box.
    VOQ_Teil_Basis o(TEIL_O, 3, 5, &feld);
    EXPECT_TRUE(o.drehe());
    FallenLassen(o);
    EXPECT_EQ(18, o.holePosY());
    EXPECT_FALSE(o.drehe());
    VOQ_Teil_Basis umgebaut(TEIL_O, 3, 5, &feld);
    umgebaut.wandle(Z_1);
    EXPECT_TRUE(umgebaut.drehe());
    EXPECT_EQ("55.. .55. .... ....", Form(umgebaut));
}

// Falling stops on the floor row and on cells right below; side moves stop
// at the walls and at cells, never at the floor.
TEST_F(Teil, BodenWaendeUndBesetzteZellenHaltenDasTeil)
{
    VOQ_Teil_Basis t(TEIL_T, 3, 0, &feld);
    EXPECT_EQ(18, FallenLassen(t)) << "Stiel in Zeile 19";
    feld.setze(4, 10, 2);
    feld.setze(6, 6, 2);  // beside the square's path
    VOQ_Teil_Basis o(TEIL_O, 3, 0, &feld);
    EXPECT_EQ(8, FallenLassen(o)) << "Zellen in den Zeilen 8 und 9";

    feld.leeren();
    VOQ_Teil_Basis l(TEIL_L, 3, 0, &feld);
    FallenLassen(l);
    ASSERT_EQ(17, l.holePosY());
    EXPECT_TRUE(l.links()) << "auch am Boden";
    // L_1 occupies box columns 1 and 2; at posX 2 its foot is in column 4.
    feld.setze(5, 19, 4);
    feld.setze(0, 17, 4);
    EXPECT_FALSE(l.rechts()) << "Fuss trifft die Zelle in Spalte 5";
    EXPECT_TRUE(l.links());
    EXPECT_TRUE(l.links());
    EXPECT_FALSE(l.links()) << "Spitze trifft die Zelle in Spalte 0";
    EXPECT_EQ(0, l.holePosX());
    feld.setze(0, 17, 0);
    EXPECT_TRUE(l.links());
    EXPECT_FALSE(l.links()) << "linke Wand";
    EXPECT_EQ(-1, l.holePosX());
    EXPECT_EQ(17, l.holePosY());
}

TEST_F(Teil, VerweigerteDrehungSetztDieFolgeRichtigFort)
{
    // J at index 1; J_3 would need box cell (row 0, column 1).
    VOQ_Teil_Basis j(TEIL_J, 3, 5, &feld);
    ASSERT_TRUE(j.drehe());
    feld.setze(4, 5, 2);
    EXPECT_FALSE(j.drehe());
    EXPECT_EQ(".... .6.. .666 ....", Form(j));
    feld.setze(4, 5, 0);
    EXPECT_TRUE(j.drehe());
    EXPECT_EQ(".66. .6.. .6.. ....", Form(j)) << "J_3, nicht J_4";

    // At index 3 the refused step would have wrapped to 0.
    ASSERT_TRUE(j.drehe());
    feld.setze(5, 5, 2);  // J_1's top cell
    EXPECT_FALSE(j.drehe());
    EXPECT_FALSE(j.drehe());
    feld.setze(5, 5, 0);
    EXPECT_TRUE(j.drehe());
    EXPECT_EQ("..6. ..6. .66. ....", Form(j)) << "J_1";
    EXPECT_TRUE(j.drehe());
    EXPECT_EQ(".... .6.. .666 ....", Form(j)) << "J_2";
}

TEST_F(Teil, DrehungInBesetzteZelleWirdVerweigert)
{
    // T_2 needs box cell (row 2, column 1); an occupied cell under an empty
    // box cell is no obstacle.
    feld.setze(4, 7, 3);
    VOQ_Teil_Basis t(TEIL_T, 3, 5, &feld);
    EXPECT_FALSE(t.drehe());
    EXPECT_EQ("777. .7.. .... ....", Form(t));
    feld.setze(4, 7, 0);
    feld.setze(6, 7, 3);
    EXPECT_TRUE(t.drehe());
}

TEST_F(Teil, OhneSpielfeldBewegtSichNichts)
{
    VOQ_Teil_Basis t(TEIL_T, 3, 0, nullptr);
    EXPECT_FALSE(t.senke());
    EXPECT_FALSE(t.links());
    EXPECT_FALSE(t.rechts());
    EXPECT_FALSE(t.drehe());
    EXPECT_EQ("777. .7.. .... ....", Form(t));
    t.male(0, 0);
}

}
