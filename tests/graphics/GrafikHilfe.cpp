#include "GrafikHilfe.h"

#include "VOQ_OGL_Init.h"

#include "SDL.h"
#include "SDL_opengl.h"

#include <fstream>
#include <vector>

namespace grafik
{
namespace
{
VOQ_OGL_Init init;

int FensterHoehe()
{
    SDL_Surface* schirm = SDL_GetVideoSurface();
    return schirm ? schirm->h : 0;
}

Uint32 Wert(SDL_Surface* flaeche, const Farbe& f)
{
    return SDL_MapRGB(flaeche->format, static_cast<Uint8>(f.r), static_cast<Uint8>(f.g), static_cast<Uint8>(f.b));
}
}

std::string Text(const Farbe& f)
{
    return "(" + std::to_string(f.r) + "," + std::to_string(f.g) + "," + std::to_string(f.b) + ")";
}

bool StarteVideo(int breite, int hoehe)
{
    return init.InitVideo(breite, hoehe, 32, false) && SDL_GetVideoSurface() != nullptr;
}

void Leere(const Farbe& f)
{
    glClearColor(f.r / 255.0f, f.g / 255.0f, f.b / 255.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
}

SDL_Surface* NeueFlaeche(int breite, int hoehe, const Farbe& f)
{
    SDL_Surface* flaeche = SDL_CreateRGBSurface(SDL_SWSURFACE, breite, hoehe, 24, 0xff0000, 0xff00, 0xff, 0);
    if (flaeche)
        SDL_FillRect(flaeche, nullptr, Wert(flaeche, f));
    return flaeche;
}

void Male(SDL_Surface* flaeche, int x, int y, int breite, int hoehe, const Farbe& f)
{
    SDL_Rect r;
    r.x = static_cast<Sint16>(x);
    r.y = static_cast<Sint16>(y);
    r.w = static_cast<Uint16>(breite);
    r.h = static_cast<Uint16>(hoehe);
    SDL_FillRect(flaeche, &r, Wert(flaeche, f));
}

bool SpeichereBMP(SDL_Surface* flaeche, const std::string& pfad)
{
    if (!flaeche)
        return false;
    const bool gelungen = SDL_SaveBMP(flaeche, pfad.c_str()) == 0;
    SDL_FreeSurface(flaeche);
    return gelungen;
}

void SchreibeDatei(const std::string& pfad, const std::string& inhalt)
{
    std::ofstream aus(pfad, std::ios::binary);
    aus << inhalt;
}

Farbe Pixel(int x, int y)
{
    unsigned char p[4] = {0, 0, 0, 0};
    glReadPixels(x, FensterHoehe() - 1 - y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, p);
    return Farbe{p[0], p[1], p[2]};
}

bool Bildschirmfoto(const std::string& pfad)
{
    SDL_Surface* schirm = SDL_GetVideoSurface();
    if (!schirm)
        return false;
    const int w = schirm->w;
    const int h = schirm->h;
    std::vector<unsigned char> gl(static_cast<std::size_t>(w) * h * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, w, h, GL_RGB, GL_UNSIGNED_BYTE, gl.data());
    glPixelStorei(GL_PACK_ALIGNMENT, 4);

    SDL_Surface* bild = NeueFlaeche(w, h, SCHWARZ);
    if (!bild)
        return false;
    SDL_LockSurface(bild);
    for (int zeile = 0; zeile < h; ++zeile) {
        const unsigned char* q = gl.data() + static_cast<std::size_t>(h - 1 - zeile) * w * 3;
        unsigned char* z = static_cast<unsigned char*>(bild->pixels) + static_cast<std::size_t>(zeile) * bild->pitch;
        for (int spalte = 0; spalte < w; ++spalte, q += 3, z += 3) {
            z[0] = q[2];
            z[1] = q[1];
            z[2] = q[0];
        }
    }
    SDL_UnlockSurface(bild);
    return SpeichereBMP(bild, pfad);
}
}  // namespace grafik
