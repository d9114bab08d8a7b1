#pragma once

#include <cstdint>
#include <string>
#include <vector>

class Leinwand;

// The game's icon for the desktop: a dark rounded tile holding a small well
// of five by five cells, a stack with a T-shaped gap, and the T piece above
// it that will fill the gap and dissolve two rows.
namespace Symbol
{
// The sizes written as PNG, in pixels.
extern const int GROESSEN[6];

// The icon at groesse x groesse pixels; deckung gets one alpha byte a pixel.
Leinwand Male(int groesse, std::vector<std::uint8_t>& deckung);

// The same icon as SVG text on a canvas of 256 x 256 units, laid out as the
// 256-pixel picture.
std::string Svg();

// Writes the icon into ordner in the layout of an icon theme:
// <n>x<n>/apps/quaderfall.png for each size and scalable/apps/quaderfall.svg.
bool Mache(const std::string& ordner);
}
