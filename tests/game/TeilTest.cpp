// The falling piece: shapes, turns, walls, floor and occupied cells.
#include "FeldHilfe.h"
#include "LogFaenger.h"
#include "VOQ_Quaderfall.h"
#include "VOQ_Teil_Basis.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <utility>
#include <vector>

namespace
{

// A 10 x 22 field: play area rows 0-19, rows 20 and 21 stay empty.
class Teil : public ::testing::Test
{
protected:
    LogFaenger log;  // the block images are missing here
    VOQ_Quaderfall feld{10, 22};
};

struct Drehfolge
{
    blocktyp art;
    const char* formen[5];  // after 0 to 4 turns
};

const Drehfolge FOLGEN[] = {
    {TEIL_I, {".1.. .1.. .1.. .1..", ".... .... 1111 ....", ".1.. .1.. .1.. .1..", ".... .... 1111 ....",
              ".1.. .1.. .1.. .1.."}},
    {TEIL_O, {".33. .33. .... ....", ".33. .33. .... ....", ".33. .33. .... ....", ".33. .33. .... ....",
              ".33. .33. .... ...."}},
    {TEIL_J, {"..6. ..6. .66. ....", ".... .6.. .666 ....", ".66. .6.. .6.. ....", ".... .666 ...6 ....",
              "..6. ..6. .66. ...."}},
    {TEIL_L, {".4.. .4.. .44. ....", ".... .444 .4.. ....", ".44. ..4. ..4. ....", ".... ...4 .444 ....",
              ".4.. .4.. .44. ...."}},
    {TEIL_S, {"..22 .22. .... ....", "..2. ..22 ...2 ....", "..22 .22. .... ....", "..2. ..22 ...2 ....",
              "..22 .22. .... ...."}},
    {TEIL_Z, {"55.. .55. .... ....", ".5.. 55.. 5... ....", "55.. .55. .... ....", ".5.. 55.. 5... ....",
              "55.. .55. .... ...."}},
    {TEIL_T, {"777. .7.. .... ....", ".7.. 77.. .7.. ....", ".7.. 777. .... ....", ".7.. .77. .7.. ....",
              "777. .7.. .... ...."}},
};

TEST_F(Teil, JedeArtDurchlaeuftIhreDrehfolge)
{
    for (const Drehfolge& folge : FOLGEN) {
        SCOPED_TRACE(folge.art);
        VOQ_Teil_Basis t(folge.art, 3, 5, &feld);
        EXPECT_EQ(folge.formen[0], Form(t));
        for (int i = 1; i <= 4; ++i) {
            EXPECT_TRUE(t.drehe());
            EXPECT_EQ(folge.formen[i], Form(t)) << "nach " << i << " Drehungen";
        }
        EXPECT_EQ(3, t.holePosX());
        EXPECT_EQ(5, t.holePosY());
    }
}

using Zellen = std::set<std::pair<int, int>>;  // (row, column), moved to the top-left corner

Zellen ZellenVon(const VOQ_Teil_Basis& t)
{
    std::vector<std::pair<int, int>> z;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            if (t.holeFarbe(c, r) > 0)
                z.push_back({r, c});
    int r0 = 4, c0 = 4;
    for (auto [r, c] : z) {
        r0 = std::min(r0, r);
        c0 = std::min(c0, c);
    }
    Zellen ergebnis;
    for (auto [r, c] : z)
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

TEST_F(Teil, JederSchrittIstEineVierteldrehungImUhrzeigersinn)
{
    for (int art = 0; art < TEILARTEN; ++art) {
        SCOPED_TRACE(art);
        VOQ_Teil_Basis t(static_cast<blocktyp>(art), 3, 5, &feld);
        for (int i = 0; i < 4; ++i) {
            const Zellen vorher = ZellenVon(t);
            EXPECT_EQ(4u, vorher.size());
            ASSERT_TRUE(t.drehe());
            EXPECT_EQ(ImUhrzeigersinn(vorher), ZellenVon(t)) << "Schritt " << i;
        }
    }
}

TEST_F(Teil, KastenOhneArtUndZugriffAusserhalb)
{
    VOQ_Teil_Basis t(TEIL_ZUFALL, 3, 5, &feld);
    EXPECT_EQ(".... .... .... ....", Form(t));
    EXPECT_EQ(0, t.holeFarbe(-1, 0));
    VOQ_Teil_Basis j(TEIL_J, 3, 5, &feld);
    EXPECT_EQ(0, j.holeFarbe(2, -1)) << "ueber dem Kasten";
    EXPECT_EQ(0, j.holeFarbe(4, 0)) << "rechts neben dem Kasten";
    EXPECT_EQ(0, j.holeFarbe(2, 4)) << "unter dem Kasten";
    j.leeren();
    EXPECT_EQ(".... .... .... ....", Form(j));
    j.wandle(T_3);
    EXPECT_EQ(".7.. 777. .... ....", Form(j));
}

// Piece at the left wall: moved left until it refuses.
int AnDieLinkeWand(VOQ_Teil_Basis& t)
{
    int schritte = 0;
    while (t.links() && schritte < 20)
        ++schritte;
    return schritte;
}

TEST_F(Teil, SenkrechtesIAnDerLinkenWandDrehtNicht)
{
    VOQ_Teil_Basis t(TEIL_I, 3, 5, &feld);
    EXPECT_EQ(4, AnDieLinkeWand(t));
    EXPECT_EQ(-1, t.holePosX());
    EXPECT_FALSE(t.drehe()) << "die liegende Form ragte in Spalte -1";
    EXPECT_EQ(".1.. .1.. .1.. .1..", Form(t));
    ASSERT_TRUE(t.rechts());
    EXPECT_TRUE(t.drehe());
    EXPECT_EQ(".... .... 1111 ....", Form(t));
}

TEST_F(Teil, T4AnDerLinkenWandDrehtNicht)
{
    VOQ_Teil_Basis t(TEIL_T, 3, 5, &feld);
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(t.drehe());
    AnDieLinkeWand(t);
    EXPECT_EQ(-1, t.holePosX());
    EXPECT_FALSE(t.drehe());
    EXPECT_EQ(".7.. .77. .7.. ....", Form(t));
}

TEST_F(Teil, SenkrechtesSAnDerLinkenWandDrehtGarNicht)
{
    VOQ_Teil_Basis t(TEIL_S, 3, 5, &feld);
    ASSERT_TRUE(t.drehe());
    AnDieLinkeWand(t);
    EXPECT_EQ(-2, t.holePosX()) << "die zwei linken Spalten des Kastens sind leer";
    EXPECT_FALSE(t.drehe());
    EXPECT_FALSE(t.drehe());
    EXPECT_EQ("..2. ..22 ...2 ....", Form(t));
    ASSERT_TRUE(t.rechts());
    EXPECT_TRUE(t.drehe());
    EXPECT_EQ("..22 .22. .... ....", Form(t)) << "weiter mit S_1, die verweigerten zaehlen nicht";

    // Placed with its box two columns left of the field: S_2 would find its
    // cells inside, but a box that starts so far out never turns.
    VOQ_Teil_Basis draussen(TEIL_S, -2, 5, &feld);
    EXPECT_FALSE(draussen.drehe());
    EXPECT_EQ("..22 .22. .... ....", Form(draussen));
}

TEST_F(Teil, SenkrechtesIAnDerRechtenWandDrehtNicht)
{
    VOQ_Teil_Basis t(TEIL_I, 3, 5, &feld);
    int schritte = 0;
    while (t.rechts() && schritte < 20)
        ++schritte;
    EXPECT_EQ(5, schritte);
    EXPECT_EQ(8, t.holePosX()) << "Zelle in Spalte 9";
    EXPECT_FALSE(t.drehe()) << "die liegende Form ragte in die Spalten 10 und 11";
    EXPECT_EQ(".1.. .1.. .1.. .1..", Form(t));
}

TEST_F(Teil, LiegendesIAmBodenDrehtNichtStehendesSchon)
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
    EXPECT_EQ(".... .... 1111 ....", Form(stehend));
}

TEST_F(Teil, OQuadratDrehtInDerLuftAberNichtAmBoden)
{
    VOQ_Teil_Basis o(TEIL_O, 3, 5, &feld);
    EXPECT_TRUE(o.drehe());
    EXPECT_EQ(".33. .33. .... ....", Form(o));
    FallenLassen(o);
    EXPECT_EQ(18, o.holePosY());
    EXPECT_FALSE(o.drehe()) << "die leeren Kastenzeilen laegen unter Zeile 20";
    EXPECT_EQ(18, o.holePosY());

    // Its cells never change, even when its box has been replaced.
    VOQ_Teil_Basis umgebaut(TEIL_O, 3, 5, &feld);
    umgebaut.wandle(Z_1);
    EXPECT_TRUE(umgebaut.drehe());
    EXPECT_EQ("55.. .55. .... ....", Form(umgebaut));
}

TEST_F(Teil, SenkeRuhtAufBodenUndBesetztenZellen)
{
    VOQ_Teil_Basis t(TEIL_T, 3, 0, &feld);
    EXPECT_EQ(18, FallenLassen(t));
    EXPECT_EQ(18, t.holePosY()) << "Stiel in Zeile 19";
    EXPECT_FALSE(t.senke());
    EXPECT_EQ(18, t.holePosY());

    // Cells right below the piece hold it; a cell beside its path does not.
    feld.setze(4, 10, 2);
    feld.setze(6, 6, 2);
    VOQ_Teil_Basis o(TEIL_O, 3, 0, &feld);
    EXPECT_EQ(8, FallenLassen(o));
    EXPECT_EQ(8, o.holePosY()) << "Zellen in den Zeilen 8 und 9";
}

TEST_F(Teil, SeitwaertsAnWandUndZellenAberNieGegenDenBoden)
{
    VOQ_Teil_Basis t(TEIL_L, 3, 0, &feld);
    FallenLassen(t);
    ASSERT_EQ(17, t.holePosY());
    EXPECT_TRUE(t.links()) << "auch am Boden";
    EXPECT_EQ(17, t.holePosY());

    // L_1 occupies box columns 1 and 2; at posX 2 its foot is in column 4.
    feld.setze(5, 19, 4);
    feld.setze(0, 17, 4);
    EXPECT_FALSE(t.rechts()) << "Fuss trifft die Zelle in Spalte 5";
    EXPECT_EQ(2, t.holePosX());
    EXPECT_TRUE(t.links());
    EXPECT_TRUE(t.links());
    EXPECT_FALSE(t.links()) << "Spitze trifft die Zelle in Spalte 0";
    EXPECT_EQ(0, t.holePosX());
    EXPECT_EQ(17, t.holePosY());

    feld.setze(0, 17, 0);
    EXPECT_TRUE(t.links());
    EXPECT_FALSE(t.links()) << "linke Wand";
    EXPECT_EQ(-1, t.holePosX());
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
    EXPECT_FALSE(j.drehe()) << "zweimal verweigert";
    EXPECT_EQ(".... .666 ...6 ....", Form(j));
    feld.setze(5, 5, 0);
    EXPECT_TRUE(j.drehe());
    EXPECT_EQ("..6. ..6. .66. ....", Form(j)) << "J_1";
    EXPECT_TRUE(j.drehe());
    EXPECT_EQ(".... .6.. .666 ....", Form(j)) << "J_2";
}

TEST_F(Teil, DrehungInBesetzteZelleWirdVerweigert)
{
    // T_2 needs box cell (row 2, column 1); T_1 does not cover it.
    feld.setze(4, 7, 3);
    VOQ_Teil_Basis t(TEIL_T, 3, 5, &feld);
    EXPECT_FALSE(t.drehe());
    EXPECT_EQ("777. .7.. .... ....", Form(t));
    // An occupied cell under an empty box cell is no obstacle.
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
