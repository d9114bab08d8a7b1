#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct FT_LibraryRec_;
struct FT_FaceRec_;

// One rendered glyph: coverage 0..255 per pixel, rows from the top, placed
// relative to the pen position on the baseline.
struct Glyphe
{
    int breite = 0, hoehe = 0;
    int links = 0;     // pen to the left edge of the bitmap
    int oben = 0;      // baseline to the top row of the bitmap (upwards)
    int vorschub = 0;  // advance in whole pixels
    std::vector<std::uint8_t> deckung;
};

// A TrueType face opened with FreeType at one pixel size.
class Schriftsatz
{
public:
    Schriftsatz();
    ~Schriftsatz();
    Schriftsatz(const Schriftsatz&) = delete;
    Schriftsatz& operator=(const Schriftsatz&) = delete;

    bool Oeffne(const std::string& datei, int pixelgroesse);
    // einfarbig: monochrome hinting and rendering (coverage only 0 or 255),
    // otherwise anti-aliased; staerker widens the strokes horizontally by that
    // many 64ths of a pixel. False if the face has no glyph for the character.
    bool Lade(std::uint32_t zeichen, bool einfarbig, int staerker, Glyphe& aus);

private:
    FT_LibraryRec_* bibliothek = nullptr;
    FT_FaceRec_* gesicht = nullptr;
};
