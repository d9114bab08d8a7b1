#pragma once

#include "VOQ_Formen.h"

#include <initializer_list>
#include <string>

class VOQ_Quaderfall;
class VOQ_Teil_Basis;

// Pictures of grids and boxes for the model's tests: one character a cell,
// '.' empty, '1'-'7' a colour code.

// Writes the given rows into the grid, the first at row `ab`.
void Zeichne(VOQ_Quaderfall& feld, int ab, std::initializer_list<const char*> zeilen);
// Rows von..bis of the grid, each followed by a line end.
std::string Bild(const VOQ_Quaderfall& feld, int von, int bis);
// The box of a piece, rows separated by blanks: "..6. ..6. .66. ....".
std::string Form(const VOQ_Teil_Basis& teil);
// The kind whose colour the piece's cells carry; TEIL_ZUFALL for an empty box.
blocktyp Art(const VOQ_Teil_Basis& teil);
// The colour code of a kind.
int Farbe(blocktyp art);
// senke() until it refuses; the number of rows fallen.
int FallenLassen(VOQ_Teil_Basis& teil);
// takt() until the piece locks; its result.
int Aufschlagen(VOQ_Quaderfall& feld);
