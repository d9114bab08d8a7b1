#pragma once

#include "Farbe.h"

class Ausgabe;
class Leinwand;

// The seven block images and the seven time bars, one per block colour.
namespace Bloecke
{
// A bevelled block of side s at (x, y): dark rim, light top and left edges,
// dark bottom and right edges of width kante (rim included), a calm face.
void Male(Leinwand& bild, int x, int y, int s, int kante, Farbe basis);

bool Mache(Ausgabe& aus);
}
