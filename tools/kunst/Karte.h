#pragma once

#include "Farbe.h"

class Leinwand;

// A white panel with rounded corners and a soft shadow, for opaque pictures.
namespace Karte
{
void Male(Leinwand& bild, int x0, int y0, int x1, int y1, double radius, Farbe grund);
}
