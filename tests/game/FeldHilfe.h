#pragma once

#include "VOQ_Formen.h"

#include <initializer_list>
#include <string>

class VOQ_Quaderfall;
class VOQ_Teil_Basis;

// Pictures of grids and boxes for the model's tests: one character a cell,
// '.' empty, '1'-'7' a colour code.

// Writes the rows into the grid, the first at row `ab`.
void Zeichne(VOQ_Quaderfall& feld, int ab, std::initializer_list<const char*> zeilen);
// Rows von..bis of the grid, each ended by a line end.
std::string Bild(const VOQ_Quaderfall& feld, int von, int bis);
// The box, rows separated by blanks: "..6. ..6. .66. ....". A "!" is added for
// every cell around the box that does not read as empty.
std::string Form(const VOQ_Teil_Basis& teil);
// Moves of the piece: d turn, l left, r right, s down, each of which must
// succeed (else the answer is false), and x a turn that must be refused;
// D, L, R and S again and again until refused.
bool Ziehe(VOQ_Teil_Basis& teil, const char* zuege);
// takt() until the piece locks; its result.
int Aufschlagen(VOQ_Quaderfall& feld);
