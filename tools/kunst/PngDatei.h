#pragma once

#include <cstdint>
#include <string>
#include <vector>

class Leinwand;

// Writes a picture with an alpha channel as a PNG file: 8 bits a channel,
// colour type 6 (RGBA), no interlace. Each row gets the filter that makes it
// compress best by the usual guess (smallest sum of the filtered bytes taken
// as signed values); zlib does the compression.
namespace PngDatei
{
// deckung holds one alpha byte per pixel, rows from the top; false if its
// size does not match the picture or the file cannot be written.
bool Schreibe(const std::string& pfad, const Leinwand& bild, const std::vector<std::uint8_t>& deckung);
}
