#pragma once

#include <string>

class Leinwand;

// Writes a picture as an uncompressed 24-bit BMP (BITMAPINFOHEADER,
// bottom-up rows padded to four bytes, no colour table).
namespace BmpDatei
{
bool Schreibe(const std::string& pfad, const Leinwand& bild);
}
