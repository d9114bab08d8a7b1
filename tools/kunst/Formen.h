#pragma once

#include "Leinwand.h"

#include <utility>
#include <vector>

// Signed distance functions (negative inside, in pixels) of the shapes the
// pictures are built from. Coordinates are pixel edges: a box from 0 to 4
// covers the pixels 0..3.
namespace Formen
{
using Punkt = std::pair<double, double>;

Leinwand::Abstand Kreis(double cx, double cy, double r);
Leinwand::Abstand Ellipse(double cx, double cy, double rx, double ry);
Leinwand::Abstand RundRechteck(double x0, double y0, double x1, double y1, double r);
Leinwand::Abstand Vieleck(std::vector<Punkt> ecken);
// The band of the given width around the border of a shape.
Leinwand::Abstand Ring(Leinwand::Abstand form, double breite);
// The shape grown (positive) or shrunk (negative) by d pixels.
Leinwand::Abstand Versetzt(Leinwand::Abstand form, double d);
Leinwand::Abstand Vereinigt(Leinwand::Abstand a, Leinwand::Abstand b);
Leinwand::Abstand Ohne(Leinwand::Abstand a, Leinwand::Abstand b);
// Turns the points by winkel degrees (clockwise on screen) around (cx, cy).
std::vector<Punkt> Gedreht(const std::vector<Punkt>& ecken, double cx, double cy, double winkel);
}
