#pragma once

#include <cstddef>

struct SDL_Surface;

namespace VOQ_OGL_Zeichenliste
{
struct Zug;
}

// The OpenGL sequences that images and fonts share: the working surface of one
// frame or glyph cell, its pixels as blue-green-red-alpha with the colour key,
// the texture upload and the textured quad.
class VOQ_OGL_Textur
{
public:
    // SDL rectangles hold x and y as signed 16-bit values.
    static constexpr int GROESSTER_VERSATZ = 32767;
    // Largest frame or cell side a rectangle can address from offset 0.
    static constexpr int GROESSTE_SEITE = 32767;

    // 24 bits a pixel, masks red 0xff0000, green 0xff00, blue 0xff, no alpha mask.
    // Null if SDL refuses the size or has no memory.
    static SDL_Surface* ErzeugeArbeitsflaeche(int breite, int hoehe);

    // Bytes of the blue-green-red-alpha buffer of a surface of that size.
    static std::size_t PufferGroesse(int breite, int hoehe);

    // Fills `arbeit` black, then copies the rectangle of `quelle` at (x, y) of
    // the working surface's size onto it (SDL converts the pixel format). A null
    // `quelle` leaves the surface black. False if the blit fails.
    static bool Ausschneiden(SDL_Surface* quelle, int x, int y, SDL_Surface* arbeit);

    // Writes the working surface's pixels, row by row from the top, as blue,
    // green, red and an alpha byte: 0 where blue, green and red equal the colour
    // key (given blue first), 255 elsewhere. Follows the surface's row pitch.
    // `ziel` holds PufferGroesse bytes (of `zeilen` rows, when that is given
    // and below the surface's height). False if the surface can't be locked.
    static bool FuelleBGRA(SDL_Surface* arbeit, const int farbschluessel[3], unsigned char* ziel, int zeilen = -1);

    // The six numbered colour keys of SetTransColor(preset), blue first:
    // 1 black, 2 white, 3 magenta, 4 green, 5 (255, 0, 0), 6 (0, 0, 255).
    // False for any other number, which leaves `bgr` as it was.
    static bool Farbvorgabe(int preset, int bgr[3]);

    // Square with a power-of-two side from 1 to 4096.
    static bool IstDirektHochladbar(int breite, int hoehe);

    // Binds the texture, sets both filters to GL_NEAREST and uploads the buffer:
    // as level 0 with glTexImage2D when `direkt`, else through gluBuild2DMipmaps,
    // which scales it to power-of-two sizes. False if OpenGL reports an error.
    // A texture that a quad of the frame being listed names keeps its pixels
    // for that quad: `textur` becomes a new name, and the old one is deleted
    // once the frame is drawn.
    static bool Hochladen(unsigned int& textur, int breite, int hoehe, const unsigned char* bgra, bool direkt);

    // Fills the working surface from `quelle`, converts and uploads it in one go.
    static bool Erzeuge(unsigned int& textur, SDL_Surface* quelle, int x, int y, SDL_Surface* arbeit,
                        const int farbschluessel[3], unsigned char* puffer, bool direkt);

    // Rows of a frame cut and converted at a time by ErzeugeInBaendern, so
    // that a large frame needs no working surface of its size.
    static constexpr int BAND = 64;
    // Bytes of the buffer ErzeugeInBaendern needs for a frame of that size:
    // a band of it when it is uploaded directly, the whole frame for the
    // mipmap builder.
    static std::size_t BandPufferGroesse(int breite, int hoehe, bool direkt);
    // The frame of breite x hoehe at (x, y) of `quelle` made into the texture
    // exactly as Erzeuge makes it, but cut and converted BAND rows at a time
    // through `band` (a working surface of the frame's width and BAND rows,
    // or the frame's height if lower) into `puffer` (BandPufferGroesse bytes).
    static bool ErzeugeInBaendern(unsigned int& textur, SDL_Surface* quelle, int x, int y, int hoehe,
                                  SDL_Surface* band, const int farbschluessel[3], unsigned char* puffer, bool direkt);

    // Whether a quad of the texture at that alpha changes any pixel: not at
    // alpha 0 or below (the blend keeps what is there), nor when the texture
    // is all key colour. Owners leave such quads out, after their own steps.
    // With QF_ALLES_ZEICHNEN=1 (VOQ_OGL_Zeichenliste::Sparsam) every quad is
    // drawn, blended: the picture is the same either way, and a test compares.
    static bool AendertPixel(unsigned int textur, float alpha);

    // Describes a quad of the frame (VOQ_OGL_Zeichenliste): the texture,
    // translated to (x, y), colour (1, 1, 1, alpha); Drehe turns it about the
    // z axis; Quad gives its corners, top-left, bottom-left, bottom-right,
    // top-right, each with its texture coordinate, and adds it to the frame.
    static void Beginne(unsigned int textur, float x, float y, float alpha);
    static void Drehe(float winkel, float achse);
    static void Quad(float links, float oben, float rechts, float unten,
                     float sLinks, float tOben, float sRechts, float tUnten);

    // Draws a quad with the start-up's state. A texture without key colour at
    // alpha 1 or more hides what is below it, blended or not, so blending is
    // off for that quad and on again after it.
    static void Male(const VOQ_OGL_Zeichenliste::Zug& zug);

    // Deletes texture names, but only while the video system (and with it the
    // OpenGL context) is still up; after SDL_Quit the context is gone and took
    // its textures with it. A name that a quad of the frame being listed
    // still names is deleted when the frame is drawn or dropped
    // (LoescheFreie), so it can't come back with other pixels before.
    static void Loesche(int anzahl, const unsigned int* texturen);
    // Deletes what Loesche held back; the drawing list calls it.
    static void LoescheFreie();
};
