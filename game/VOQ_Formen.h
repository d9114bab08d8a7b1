#pragma once

#include <cstdint>

// Piece kinds. The cells of a kind carry its colour code (1-7, 0 is an empty
// cell); the playfield draws colour code c with its block image c - 1.
enum blocktyp : std::int32_t
{
    TEIL_I = 0,      // colour 1
    TEIL_O = 1,      // colour 3
    TEIL_J = 2,      // colour 6
    TEIL_L = 3,      // colour 4
    TEIL_S = 4,      // colour 2
    TEIL_Z = 5,      // colour 5
    TEIL_T = 6,      // colour 7
    TEIL_ZUFALL = 7  // not a kind: the playfield chooses one at random
};

constexpr int TEILARTEN = 7;

// The shapes as 4x4 boxes, [row][column], row 0 at the top. Each step of a
// kind's sequence is a quarter turn clockwise as seen on the screen.
extern const int I_1[4][4];
extern const int I_2[4][4];
extern const int O_1[4][4];
extern const int J_1[4][4];
extern const int J_2[4][4];
extern const int J_3[4][4];
extern const int J_4[4][4];
extern const int L_1[4][4];
extern const int L_2[4][4];
extern const int L_3[4][4];
extern const int L_4[4][4];
extern const int S_1[4][4];
extern const int S_2[4][4];
extern const int Z_1[4][4];
extern const int Z_2[4][4];
extern const int T_1[4][4];
extern const int T_2[4][4];
extern const int T_3[4][4];
extern const int T_4[4][4];

// The shape of a kind at rotation index 0-3; null for anything that is not a
// kind or an index.
const int (*VOQ_Form(blocktyp typ, int drehung))[4];
