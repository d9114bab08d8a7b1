#pragma once

// What the input tests share: a real window, widget image folders and a font
// made on the spot, pixels read back, and the real mouse and keyboard driven
// through SDL and xdotool.

#include <cstdint>
#include <string>

namespace hilfe
{
constexpr int BREITE = 640;
constexpr int HOEHE = 480;

struct Farbe
{
    std::uint8_t r, g, b;
    bool operator==(const Farbe& o) const { return r == o.r && g == o.g && b == o.b; }
};

// Opens the test window (640 x 480 unless told) once per process.
void Fenster(int breite = BREITE, int hoehe = HOEHE);

// A widget image folder: three single-colour state images of breite x hoehe
// pixels, the click size ECHTGROESSE written into the description of image
// echtIn (1..3) only.
void SchreibeOrdner(const std::string& ordner, const Farbe farben[3], int breite, int hoehe,
                    int echtBreite, int echtHoehe, int echtIn = 1);

// A font "testschrift" in ordner: every glyph a full white cell of 10 x 10,
// drawn 8 x 12 with a spacing of 2, so a character cell is 10 pixels wide.
void SchreibeSchrift(const std::string& ordner);

// "einstellungen.konfig" in the working directory with the given lines.
void SchreibeEinstellungen(const std::string& inhalt);

void Leeren();
Farbe Pixel(int x, int y);
// Writes the back buffer as a BMP.
bool Bildschirmfoto(const std::string& datei);
// The pixels of a rectangle, row by row from its top, three bytes each.
std::string Bereich(int x, int y, int breite, int hoehe);

// Moves the pointer and waits until SDL reports it there.
void Zeiger(int x, int y);
// Presses or releases the left mouse button through the X server and waits
// until SDL's live button state shows it.
void LinkeTaste(bool gedrueckt);
// The same for a key, by its X key name; symbol is the SDL key to watch.
void Taste(const char* xName, int symbol, bool gedrueckt);
// Takes pending events off SDL's queue, so the live states are current.
void Pumpe();
}
