#pragma once

#include <vector>

// One frame's quads, listed as images and fonts draw and drawn when the
// frame ends (Zeige): cleared, every quad, swapped.
//
// When a frame is kept: its list is, quad for quad, the list of the frame on
// show (texture names, places, alpha, turns, corners, coordinates), and
// nothing has made the picture on show stale since. Then it is neither drawn
// nor swapped: the window keeps its picture, and the software renderer its
// time.
//
// What makes the picture on show stale: whatever changes what the same list
// would draw, or what the window holds, without changing the list: pixels
// uploaded under a texture name or a name deleted (it may come back with
// other pixels), a change of video mode (a new mode, window to full screen
// and back), the window uncovered or resized.
//
// Who says so: the engine, for what it does itself: VOQ_OGL_Textur for every
// texture it fills or deletes, this list for every change of video mode
// (VOQ_OGL_Init::Modusnummer). The event pump, by Verwirf(), for what only
// the window system knows (uncovered, resized). Code that changes textures
// or the OpenGL state past the engine must call Verwirf() as well.
//
// A listed quad names its texture until the frame is drawn, so a texture is
// deleted only once no quad of the frame being listed refers to it, and one
// filled anew meanwhile gets a fresh name (VOQ_OGL_Textur): a quad always
// draws what its texture held when it was listed.
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

// Whether a quad of the frame being listed, not drawn yet, names the texture.
bool Verwendet(unsigned int textur);

// Draws the quads added since the last call onto what the window's back
// buffer holds, without clearing it, and forgets them.
void Male();

// Ends the frame: clears, draws and swaps, unless the window already shows
// this very frame. True if it drew.
bool Zeige();

// The window's picture can't be trusted any more (see above): the next
// frame is drawn whatever it holds.
void Verwirf();

// Frames ended with Zeige, drawn or not.
unsigned long Bilder();
}
