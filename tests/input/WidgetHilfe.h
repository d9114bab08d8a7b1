#pragma once

// What the input tests share beyond the drawing helpers (GrafikHilfe.h): a
// real window, widget image folders and a font made on the spot, and the real
// mouse and keyboard driven through SDL and xdotool.

#include "GrafikHilfe.h"

#include <string>

namespace hilfe
{
constexpr int BREITE = 640;
constexpr int HOEHE = 480;

using grafik::Bildschirmfoto;
using grafik::Farbe;
using grafik::Pixel;

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
inline void SchreibeEinstellungen(const std::string& inhalt)
{
    grafik::SchreibeDatei("einstellungen.konfig", inhalt);
}

inline void Leeren()
{
    grafik::Leere(grafik::SCHWARZ);
}

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
