#pragma once

#include "Farbe.h"

class Ausgabe;
class Leinwand;

// The seven block images, their shadows (where a piece would land) and the
// seven time bars, one each per block colour.
namespace Bloecke
{
// A bevelled block of side s at (x, y): dark rim, light top and left edges,
// dark bottom and right edges of width kante (rim included), a calm face.
void Male(Leinwand& bild, int x, int y, int s, int kante, Farbe basis);

// Neighbours of a block that belong to the same shape.
enum Nachbar
{
    OBEN = 1,
    LINKS = 2,
    UNTEN = 4,
    RECHTS = 8
};

// As Male, for blocks that join others to one shape: the rim and the bevel
// only where no neighbour is; towards a neighbour a faint seam.
void MaleVerbunden(Leinwand& bild, int x, int y, int s, int kante, Farbe basis, int nachbarn);

bool Mache(Ausgabe& aus);
}
