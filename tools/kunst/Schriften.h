#pragma once

#include <cstdint>
#include <string>
#include <vector>

class Ausgabe;

// The two bitmap fonts of the game, "schrift_012" and "schrift_020", drawn
// from a monospaced TrueType face into 16 x 16-cell sheets in Latin-1 order.
namespace Schriften
{
// The 191 byte codes the game's fonts have glyphs for, in table order.
std::vector<std::uint8_t> Zeichentabelle();
// The Unicode character of a Latin-1 byte (0x80 is the euro sign).
std::uint32_t Unicode(std::uint8_t code);

bool Mache(Ausgabe& aus, const std::string& monoFett);
}
