#include "WidgetHilfe.h"

#include "SDL.h"
#include "SDL_opengl.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <sys/stat.h>

namespace hilfe
{
namespace
{
void Ordner(const std::string& pfad)
{
    for (std::size_t i = 0; i <= pfad.size(); ++i) {
        if (i == pfad.size() || pfad[i] == '/')
            mkdir(pfad.substr(0, i).c_str(), 0755);
    }
}

// Waits for an X event to reach SDL's live state; the X server answers
// within milliseconds, the limit only ends a test that would hang.
template <class Bedingung>
bool WarteAuf(Bedingung erfuellt, int ms = 2000)
{
    for (int i = 0; i < ms; ++i) {
        Pumpe();
        if (erfuellt())
            return true;
        SDL_Delay(1);
    }
    return false;
}
}

static int FensterHoehe()
{
    const SDL_Surface* schirm = SDL_GetVideoSurface();
    return schirm ? schirm->h : HOEHE;
}

void Fenster(int breite, int hoehe)
{
    static bool offen = false;
    if (offen)
        return;
    ASSERT_TRUE(grafik::StarteVideo(breite, hoehe));
    // The X server maps the window a moment later; only then do the warps
    // move the X pointer into it, where xdotool's presses reach the window.
    // It is mapped once a pointer moved by the X server (to points near the
    // screen's centre, inside the centred window) moves SDL's pointer too.
    int vorher = -1;
    bool imFenster = false;
    for (int versuch = 0; versuch < 100 && !imFenster; ++versuch) {
        const std::string befehl = "xdotool mousemove " + std::to_string(500 + 10 * (versuch % 2)) + " 384";
        ASSERT_EQ(0, std::system(befehl.c_str()));
        imFenster = WarteAuf([&] {
            int mx = -1;
            SDL_GetMouseState(&mx, nullptr);
            return vorher >= 0 && (mx - vorher == 10 || vorher - mx == 10);
        }, 50);
        SDL_GetMouseState(&vorher, nullptr);
    }
    ASSERT_TRUE(imFenster) << "der Zeiger kommt nicht ins Fenster";
    offen = true;
}

void SchreibeOrdner(const std::string& ordner, const Farbe farben[3], int breite, int hoehe,
                    int echtBreite, int echtHoehe, int echtIn)
{
    Ordner(ordner);
    for (int n = 1; n <= 3; ++n) {
        const std::string basis = ordner + "/" + std::to_string(n);
        ASSERT_TRUE(grafik::SpeichereBMP(grafik::NeueFlaeche(breite, hoehe, farben[n - 1]), basis + ".bmp"));
        std::ofstream konfig(basis + ".konfig");
        konfig << "# Zustandsbild " << n << "\nUNSICHTBARKEIT=255,0,255\n";
        if (n == echtIn)
            konfig << "ECHTGROESSE=" << echtBreite << "," << echtHoehe << "\n";
    }
}

void SchreibeSchrift(const std::string& ordner)
{
    Ordner(ordner);
    ASSERT_TRUE(grafik::SpeichereBMP(grafik::NeueFlaeche(160, 160, grafik::WEISS), ordner + "/testschrift.bmp"));
    std::ofstream konfig(ordner + "/testschrift.konfig");
    konfig << "ORIGINALGROESSE=10,10\nANZEIGEGROESSE=8,12\nZEICHENABSTAND=2\nUNSICHTBARKEIT=0,0,0\n";
}

std::string Bereich(int x, int y, int breite, int hoehe)
{
    std::string pixel(static_cast<std::size_t>(breite) * hoehe * 3, '\0');
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    for (int zeile = 0; zeile < hoehe; ++zeile) {
        glReadPixels(x, FensterHoehe() - 1 - (y + zeile), breite, 1, GL_RGB, GL_UNSIGNED_BYTE,
                     &pixel[static_cast<std::size_t>(zeile) * breite * 3]);
    }
    return pixel;
}

void Pumpe()
{
    SDL_Event ereignis;
    while (SDL_PollEvent(&ereignis)) {
    }
}

void Zeiger(int x, int y)
{
    SDL_WarpMouse(static_cast<Uint16>(x), static_cast<Uint16>(y));
    ASSERT_TRUE(WarteAuf([&] {
        int mx = -1, my = -1;
        SDL_GetMouseState(&mx, &my);
        return mx == x && my == y;
    })) << "Zeiger kommt nicht bei " << x << "," << y << " an";
}

void LinkeTaste(bool gedrueckt)
{
    ASSERT_EQ(0, std::system(gedrueckt ? "xdotool mousedown 1" : "xdotool mouseup 1"));
    ASSERT_TRUE(WarteAuf([&] {
        const bool links = (SDL_GetMouseState(nullptr, nullptr) & SDL_BUTTON(1)) != 0;
        return links == gedrueckt;
    })) << "Maustaste kommt nicht an";
}

void Taste(const char* xName, int symbol, bool gedrueckt)
{
    const std::string befehl = std::string("xdotool ") + (gedrueckt ? "keydown " : "keyup ") + xName;
    ASSERT_EQ(0, std::system(befehl.c_str()));
    ASSERT_TRUE(WarteAuf([&] {
        int anzahl = 0;
        const Uint8* tasten = SDL_GetKeyState(&anzahl);
        return symbol < anzahl && (tasten[symbol] != 0) == gedrueckt;
    })) << "Taste " << xName << " kommt nicht an";
}
}
