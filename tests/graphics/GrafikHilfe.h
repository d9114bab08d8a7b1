#pragma once

#include <string>

struct SDL_Surface;

// Shared by the drawing tests: a window with the game's OpenGL state, test
// bitmaps made on the spot, and pixels read back from the frame before the swap.
namespace grafik
{
struct Farbe
{
    int r, g, b;
    bool operator==(const Farbe& o) const { return r == o.r && g == o.g && b == o.b; }
};
std::string Text(const Farbe& f);

const Farbe ROT{255, 0, 0};
const Farbe GRUEN{0, 255, 0};
const Farbe BLAU{0, 0, 255};
const Farbe WEISS{255, 255, 255};
const Farbe SCHWARZ{0, 0, 0};
const Farbe GELB{255, 255, 0};
const Farbe MAGENTA{255, 0, 255};
const Farbe TUERKIS{0, 255, 255};

// Opens the window as the game does (VOQ_OGL_Init::InitVideo, windowed, 32 bits).
bool StarteVideo(int breite, int hoehe);
// Clears the frame to a colour.
void Leere(const Farbe& f);

// A 24-bit surface filled with one colour; rectangles painted on it.
SDL_Surface* NeueFlaeche(int breite, int hoehe, const Farbe& f);
void Male(SDL_Surface* flaeche, int x, int y, int breite, int hoehe, const Farbe& f);
// Saves and frees the surface.
bool SpeichereBMP(SDL_Surface* flaeche, const std::string& pfad);
void SchreibeDatei(const std::string& pfad, const std::string& inhalt);

// Colour of a window pixel, (0, 0) the top-left corner as the engine counts.
Farbe Pixel(int x, int y);
// Whole window as BMP, for looking at it.
bool Bildschirmfoto(const std::string& pfad);
}  // namespace grafik
