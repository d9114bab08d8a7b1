#include "GrafikHilfe.h"

#include "VOQ_OGL_Init.h"
#include "VOQ_OGL_Zeichenliste.h"

#include "SDL.h"
#include "SDL_opengl.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <ostream>

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
}  // namespace

std::string Text(const Farbe& f)
{
    return "(" + std::to_string(f.r) + "," + std::to_string(f.g) + "," + std::to_string(f.b) + ")";
}

void PrintTo(const Farbe& f, std::ostream* aus)
{
    *aus << Text(f);
}

bool StarteVideo(int breite, int hoehe)
{
    return init.InitVideo(breite, hoehe, 32, false) && SDL_GetVideoSurface() != nullptr;
}

void Leere(const Farbe& f)
{
    VOQ_OGL_Zeichenliste::Beginne();
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
    VOQ_OGL_Zeichenliste::Male();
    unsigned char p[4] = {0, 0, 0, 0};
    glReadPixels(x, FensterHoehe() - 1 - y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, p);
    return Farbe{p[0], p[1], p[2]};
}

std::string Farben(std::initializer_list<std::pair<int, int>> punkte)
{
    const std::pair<Farbe, char> namen[] = {{ROT, 'R'},     {GELB, 'G'},    {BLAU, 'B'},    {WEISS, 'W'},
                                            {TUERKIS, 'T'}, {MAGENTA, 'M'}, {SCHWARZ, 'Z'}, {GRUEN, '.'}};
    std::string text;
    for (const auto& p : punkte) {
        const Farbe f = Pixel(p.first, p.second);
        char c = '?';
        for (const auto& n : namen)
            c = f == n.first ? n.second : c;
        text += c;
    }
    return text;
}

bool Bildschirmfoto(const std::string& pfad)
{
    SDL_Surface* schirm = SDL_GetVideoSurface();
    SDL_Surface* bild = schirm ? NeueFlaeche(schirm->w, schirm->h, SCHWARZ) : nullptr;
    if (!bild)
        return false;
    VOQ_OGL_Zeichenliste::Male();
    // Row by row, as OpenGL counts rows from the bottom.
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    for (int zeile = 0; zeile < bild->h; ++zeile)
        glReadPixels(0, bild->h - 1 - zeile, bild->w, 1, GL_BGR, GL_UNSIGNED_BYTE,
                     static_cast<unsigned char*>(bild->pixels) + static_cast<std::size_t>(zeile) * bild->pitch);
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    return SpeichereBMP(bild, pfad);
}

void Fenster()
{
    static bool offen = false;
    if (offen)
        return;
    ASSERT_TRUE(StarteVideo(BREITE, HOEHE));
    // The X server maps the window a moment later; only then do the warps
    // move the X pointer into it, where xdotool's presses reach the window.
    // It is mapped once a pointer moved by the X server moves SDL's pointer too.
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
    std::filesystem::create_directories(ordner);
    for (int n = 1; n <= 3; ++n) {
        const std::string basis = ordner + "/" + std::to_string(n);
        ASSERT_TRUE(SpeichereBMP(NeueFlaeche(breite, hoehe, farben[n - 1]), basis + ".bmp"));
        std::string konfig = "# Zustandsbild " + std::to_string(n) + "\nUNSICHTBARKEIT=255,0,255\n";
        if (n == echtIn)
            konfig += "ECHTGROESSE=" + std::to_string(echtBreite) + "," + std::to_string(echtHoehe) + "\n";
        SchreibeDatei(basis + ".konfig", konfig);
    }
}

void SchreibeSchrift(const std::string& ordner)
{
    std::filesystem::create_directories(ordner);
    ASSERT_TRUE(SpeichereBMP(NeueFlaeche(160, 160, WEISS), ordner + "/testschrift.bmp"));
    SchreibeDatei(ordner + "/testschrift.konfig",
                  "ORIGINALGROESSE=10,10\nANZEIGEGROESSE=8,12\nZEICHENABSTAND=2\nUNSICHTBARKEIT=0,0,0\n");
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
        return ((SDL_GetMouseState(nullptr, nullptr) & SDL_BUTTON(1)) != 0) == gedrueckt;
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
}  // namespace grafik
