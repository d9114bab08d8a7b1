#pragma once

class Ausgabe;
class Leinwand;

// The title picture "QUADERFALL": letters built of bevelled blocks.
namespace Titel
{
// Draws the word with blocks of side zelle (a multiple of 4, so that the
// game's quarter-size copy samples every bevel) starting at (x, y).
void Wort(Leinwand& bild, int x, int y, int zelle);
bool Mache(Ausgabe& aus);
}
