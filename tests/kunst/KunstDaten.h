#pragma once

#include <string>

struct SDL_Surface;

// What the engine will read from a generated picture: its description, read
// with the engine's own line reader and key order, and its strip bitmap.
struct Bildangaben
{
    int bildBreite = 0, bildHoehe = 0;
    int anzeigeBreite = 0, anzeigeHoehe = 0;
    int bilder = 1;
    int schluessel[3] = {255, 0, 255};  // blue, green, red
    bool pausiert = false;
    int echtBreite = 0, echtHoehe = 0;
    // font descriptions
    int zeichenabstand = 0, zeilenabstand = 0;
};

struct Pixelfarbe
{
    int r, g, b;
    bool operator==(const Pixelfarbe& o) const { return r == o.r && g == o.g && b == o.b; }
};

namespace KunstDaten
{
std::string Daten(const std::string& relativ);
// Reads base + ".konfig" as the picture and widget readers would; sizes of 0
// are resolved against the strip as the engine resolves them. False if the
// description or the bitmap is missing.
bool Lies(const std::string& basis, Bildangaben& aus, bool schrift = false);
// SDL_LoadBMP of base + ".bmp"; null if it does not load.
SDL_Surface* LadeStreifen(const std::string& basis);
Pixelfarbe Pixel(SDL_Surface* bild, int x, int y);
bool IstSchluessel(const Pixelfarbe& p, const int schluessel[3]);
// The folder the shipped settings file names under key, below the data folder.
std::string Ordner(const char* schluessel);
}
