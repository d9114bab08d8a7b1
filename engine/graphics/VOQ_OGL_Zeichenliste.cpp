#include "VOQ_OGL_Zeichenliste.h"

#include "VOQ_OGL_Init.h"
#include "VOQ_OGL_Textur.h"

#include "SDL.h"
#include "SDL_opengl.h"

#include <cstdlib>

namespace
{
std::vector<VOQ_OGL_Zeichenliste::Zug> neu;
std::vector<VOQ_OGL_Zeichenliste::Zug> gezeigt;
// Nothing has been shown yet, so nothing can be kept.
bool verworfen = true;
// The video mode the picture on show was drawn in.
int modus = -1;
unsigned long bilder = 0;
// -1 until the environment has been asked.
int sparsam = -1;

bool Gleich(const float* a, const float* b)
{
    return a[0] == b[0] && a[1] == b[1] && a[2] == b[2] && a[3] == b[3];
}

void MaleAlle(const std::vector<VOQ_OGL_Zeichenliste::Zug>& zuege)
{
    for (const VOQ_OGL_Zeichenliste::Zug& zug : zuege)
        VOQ_OGL_Textur::Male(zug);
}

// The same quads as the frame on the display, and nothing since that could
// have changed their pixels.
bool ZeigtSchon()
{
    return !verworfen && modus == VOQ_OGL_Init::Modusnummer() && VOQ_OGL_Zeichenliste::Sparsam()
        && neu == gezeigt;
}

// The listed quads are drawn or dropped: what waited for them may go.
void Vergiss()
{
    neu.clear();
    VOQ_OGL_Textur::LoescheFreie();
}
}

bool VOQ_OGL_Zeichenliste::operator==(const Zug& a, const Zug& b)
{
    return a.textur == b.textur && a.x == b.x && a.y == b.y && a.alpha == b.alpha && a.winkel == b.winkel
        && a.achse == b.achse && Gleich(a.ecken, b.ecken) && Gleich(a.koordinaten, b.koordinaten);
}

bool VOQ_OGL_Zeichenliste::Sparsam()
{
    if (sparsam < 0) {
        const char* wert = std::getenv("QF_ALLES_ZEICHNEN");
        sparsam = !(wert && wert[0] == '1');
    }
    return sparsam == 1;
}

void VOQ_OGL_Zeichenliste::Beginne()
{
    Vergiss();
}

void VOQ_OGL_Zeichenliste::Nimm(const Zug& zug)
{
    neu.push_back(zug);
}

bool VOQ_OGL_Zeichenliste::Verwendet(unsigned int textur)
{
    for (const Zug& zug : neu)
        if (zug.textur == textur)
            return true;
    return false;
}

void VOQ_OGL_Zeichenliste::Male()
{
    MaleAlle(neu);
    Vergiss();
}

bool VOQ_OGL_Zeichenliste::Zeige()
{
    ++bilder;
    if (ZeigtSchon()) {
        Vergiss();
        return false;
    }
    glClear(GL_COLOR_BUFFER_BIT);
    MaleAlle(neu);
    SDL_GL_SwapBuffers();
    gezeigt.swap(neu);
    verworfen = false;
    modus = VOQ_OGL_Init::Modusnummer();
    // After the flag: a name deleted now may come back under a quad on show.
    Vergiss();
    return true;
}

void VOQ_OGL_Zeichenliste::Verwirf()
{
    verworfen = true;
}

unsigned long VOQ_OGL_Zeichenliste::Bilder()
{
    return bilder;
}
