#pragma once

#include <vector>

// One frame's quads, kept until the frame ends. A frame that would draw
// exactly what the window already shows is neither drawn nor swapped: the
// window keeps its picture, and the software renderer its time.
namespace VOQ_OGL_Zeichenliste
{
// One textured quad: texture, translation, alpha, the turn about the z axis
// (achse 0: not turned), corners left, top, right, bottom and the texture
// coordinates of the left, top, right and bottom edges.
struct Zug {
    unsigned int textur = 0;
    float x = 0.0f, y = 0.0f, alpha = 1.0f;
    float winkel = 0.0f, achse = 0.0f;
    float ecken[4] = {0.0f, 0.0f, 0.0f, 0.0f};
    float koordinaten[4] = {0.0f, 0.0f, 0.0f, 0.0f};
};

bool operator==(const Zug& a, const Zug& b);

// False when QF_ALLES_ZEICHNEN=1 is set: then every frame is drawn and every
// quad drawn blended, as the game always did (a test compares the two).
bool Sparsam();

// A new frame: it starts from the cleared window.
void Beginne();

// Adds a quad to the frame.
void Nimm(const Zug& zug);

// Draws the quads added since the last call onto what the window's back
// buffer holds, without clearing it, and forgets them.
void Male();

// Ends the frame: clears, draws and swaps, unless the window already shows
// this very frame. True if it drew.
bool Zeige();

// The window's picture can't be trusted any more (uncovered, a new video
// mode, a texture changed): the next frame is drawn whatever it holds.
void Verwirf();

// Frames ended with Zeige, drawn or not.
unsigned long Bilder();
}
