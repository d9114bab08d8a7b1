#pragma once

#include <initializer_list>
#include <iosfwd>
#include <string>
#include <utility>

struct SDL_Surface;

// Shared by every test that draws: a window with the game's OpenGL state,
// bitmaps and widget folders made on the spot, pixels read back from the
// frame before the swap, and the real mouse and keyboard driven through the
// X server with xdotool.
namespace grafik
{
struct Farbe
{
    int r, g, b;
    bool operator==(const Farbe& o) const { return r == o.r && g == o.g && b == o.b; }
};
std::string Text(const Farbe& f);
void PrintTo(const Farbe& f, std::ostream* aus);

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
// Starts a frame cleared to a colour (quads not yet drawn are dropped).
void Leere(const Farbe& f);

// A 24-bit surface filled with one colour; rectangles painted on it.
SDL_Surface* NeueFlaeche(int breite, int hoehe, const Farbe& f);
void Male(SDL_Surface* flaeche, int x, int y, int breite, int hoehe, const Farbe& f);
// Saves and frees the surface.
bool SpeichereBMP(SDL_Surface* flaeche, const std::string& pfad);
void SchreibeDatei(const std::string& pfad, const std::string& inhalt);

// Colour of a window pixel, (0, 0) the top-left corner as the engine counts.
Farbe Pixel(int x, int y);
// Pixels as letters: Rot, Gelb, Blau, Weiss, Tuerkis, Magenta, schwarZ, '.'
// for green (the drawing tests' background), '?' for any other colour.
std::string Farben(std::initializer_list<std::pair<int, int>> punkte);
// Whole window as BMP, for looking at it.
bool Bildschirmfoto(const std::string& pfad);

// The widget tests' window, BREITE x HOEHE, opened once per process; it
// returns once the X server's pointer reaches into it.
constexpr int BREITE = 1024;
constexpr int HOEHE = 768;
void Fenster();

// A widget image folder: three single-colour state images of breite x hoehe,
// ECHTGROESSE written into the description of image echtIn (1..3) only.
void SchreibeOrdner(const std::string& ordner, const Farbe farben[3], int breite, int hoehe,
                    int echtBreite, int echtHoehe, int echtIn = 1);
// A font "testschrift" in ordner: every glyph a full white cell of 10 x 10,
// drawn 8 x 12 with a spacing of 2, so a character cell is 10 pixels wide.
void SchreibeSchrift(const std::string& ordner);

// Moves the pointer and waits until SDL reports it there.
void Zeiger(int x, int y);
// Presses or releases the left mouse button (or a key by its X name, symbol
// being the SDL key to watch) and waits until SDL's live state shows it.
void LinkeTaste(bool gedrueckt);
void Taste(const char* xName, int symbol, bool gedrueckt);
// Takes pending events off SDL's queue, so the live states are current.
void Pumpe();
}  // namespace grafik
