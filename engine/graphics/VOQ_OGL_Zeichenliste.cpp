#include "VOQ_OGL_Zeichenliste.h"

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
    return !verworfen && VOQ_OGL_Zeichenliste::Sparsam() && neu == gezeigt;
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
    neu.clear();
}

void VOQ_OGL_Zeichenliste::Nimm(const Zug& zug)
{
    neu.push_back(zug);
}

void VOQ_OGL_Zeichenliste::Male()
{
    MaleAlle(neu);
    neu.clear();
}

bool VOQ_OGL_Zeichenliste::Zeige()
{
    ++bilder;
    if (ZeigtSchon()) {
        neu.clear();
        return false;
    }
    glClear(GL_COLOR_BUFFER_BIT);
    MaleAlle(neu);
    SDL_GL_SwapBuffers();
    gezeigt.swap(neu);
    neu.clear();
    verworfen = false;
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
