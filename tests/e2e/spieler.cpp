// A player for the end-to-end tests: reads the playfield off the screen of
// the running game (the X root window), works out where the falling piece
// should go and prints the keys that put it there. It keeps the grid it
// expects in a state file and compares it with the screen at every turn, so
// a key that moved the piece wrongly, a lost key, a wrong lock or a wrongly
// dissolved row ends the test.
//
//   qf_spieler lerne ZUSTAND        expects what lies below row 4 (the falling
//                                   piece stands in rows 0 to 3, and something
//                                   lies below)
//   qf_spieler teil ZUSTAND         prints the falling piece: kind, column and
//                                   row of its box, its shape (the number of
//                                   turns, counted modulo the kind's shapes)
//                                   and the leftmost column of its cells
//   qf_spieler plane ZUSTAND ZIEL   prints the keys for the falling piece, each
//                                   as KEY:COLUMN:SHAPE, the box column and
//                                   shape the piece must show after it, and
//                                   "space" last; once ZIEL rows are dissolved
//                                   it only drops the piece, and "ENDE" follows
//                                   the drop that ends the game. The grid after
//                                   the drop goes to ZUSTAND.neu, to replace
//                                   ZUSTAND once space is pressed
//   qf_spieler reihen ZUSTAND       prints the rows dissolved so far
//
// Exit code 0 done, 2 the screen does not show a consistent picture yet (try
// again), 1 the screen contradicts the expected grid. Run it in a directory
// without daten/: the playfields it plans with must not load images.
// QF_DATEN_DIR names the game's data, for the colours of the blocks.
#include "VOQ_Formen.h"
#include "VOQ_Log.h"
#include "VOQ_Quaderfall.h"
#include "VOQ_Teil_Basis.h"

#include "SDL.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

namespace
{
const int SPALTEN = 10;
const int ZEILEN = 20;
const int FELD_X = 340;
const int FELD_Y = 100;
const int ZELLE = 32;

using Raster = std::vector<std::vector<int>>;  // [row][column], 0 or a colour code

struct Farbe
{
    int r, g, b;
};

// Colour code c is drawn with block image c - 1.
const char* const BLOCKBILDER[7] = {"rot", "gruen", "blau", "lila", "braun", "gelb", "grau"};
const blocktyp ART_DER_FARBE[8] = {TEIL_ZUFALL, TEIL_I, TEIL_S, TEIL_O, TEIL_L, TEIL_Z, TEIL_J, TEIL_T};

Raster Leer()
{
    return Raster(ZEILEN, std::vector<int>(SPALTEN, 0));
}

bool LiesBlockfarben(Farbe farben[7])
{
    const char* daten = std::getenv("QF_DATEN_DIR");
    if (!daten)
        return false;
    for (int i = 0; i < 7; ++i) {
        const std::string pfad = std::string(daten) + "/bilder/block_" + BLOCKBILDER[i] + ".bmp";
        SDL_Surface* bild = SDL_LoadBMP(pfad.c_str());
        if (!bild)
            return false;
        SDL_Surface* rgb = SDL_CreateRGBSurface(SDL_SWSURFACE, 1, 1, 32, 0xff0000, 0xff00, 0xff, 0);
        SDL_Rect mitte = {static_cast<Sint16>(bild->w / 2), static_cast<Sint16>(bild->h / 2), 1, 1};
        SDL_BlitSurface(bild, &mitte, rgb, nullptr);
        const Uint32 p = *static_cast<Uint32*>(rgb->pixels);
        farben[i] = {static_cast<int>((p >> 16) & 0xff), static_cast<int>((p >> 8) & 0xff),
                     static_cast<int>(p & 0xff)};
        SDL_FreeSurface(rgb);
        SDL_FreeSurface(bild);
    }
    return true;
}

int Abstand(const Farbe& a, const Farbe& b)
{
    return std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b);
}

// The cell centres of the playfield as the screen shows them now.
bool LiesBildschirm(Raster& raster)
{
    Farbe farben[7];
    if (!LiesBlockfarben(farben)) {
        std::cerr << "Blockbilder nicht lesbar (QF_DATEN_DIR)\n";
        return false;
    }
    Display* anzeige = XOpenDisplay(nullptr);
    if (!anzeige) {
        std::cerr << "keine Anzeige\n";
        return false;
    }
    XImage* bild = XGetImage(anzeige, DefaultRootWindow(anzeige), FELD_X, FELD_Y,
                             SPALTEN * ZELLE, ZEILEN * ZELLE, AllPlanes, ZPixmap);
    if (!bild) {
        XCloseDisplay(anzeige);
        return false;
    }
    raster = Leer();
    for (int z = 0; z < ZEILEN; ++z)
        for (int s = 0; s < SPALTEN; ++s) {
            const unsigned long p = XGetPixel(bild, s * ZELLE + ZELLE / 2, z * ZELLE + ZELLE / 2);
            const Farbe f = {static_cast<int>((p & bild->red_mask) >> 16),
                             static_cast<int>((p & bild->green_mask) >> 8),
                             static_cast<int>(p & bild->blue_mask)};
            for (int i = 0; i < 7; ++i)
                if (Abstand(f, farben[i]) < 24)
                    raster[z][s] = i + 1;
        }
    XDestroyImage(bild);
    XCloseDisplay(anzeige);
    return true;
}

std::string Bild(const Raster& raster)
{
    std::string text;
    for (const auto& zeile : raster) {
        for (int zelle : zeile)
            text += zelle ? static_cast<char>('0' + zelle) : '.';
        text += '\n';
    }
    return text;
}

struct Zustand
{
    Raster raster = Leer();
    int reihen = 0;
};

Zustand LiesZustand(const std::string& pfad)
{
    Zustand z;
    std::ifstream ein(pfad);
    std::string zeile;
    for (int r = 0; r < ZEILEN && std::getline(ein, zeile); ++r)
        for (int s = 0; s < SPALTEN && s < static_cast<int>(zeile.size()); ++s)
            z.raster[r][s] = zeile[s] == '.' ? 0 : zeile[s] - '0';
    ein >> z.reihen;
    return z;
}

void SchreibeZustand(const std::string& pfad, const Zustand& z)
{
    std::ofstream aus(pfad);
    aus << Bild(z.raster) << z.reihen << "\n";
}

struct Teil
{
    blocktyp art = TEIL_ZUFALL;
    int spalte = 0;  // the box's position
    int zeile = 0;
    int form = 0;    // turns made, modulo the kind's number of shapes
    int links = 0;   // the leftmost column of its cells
};

using Kasten = std::vector<std::vector<int>>;  // [row][column] of a 4x4 box

// The distinct shapes of a kind in the order of its turns, as the model turns it.
std::vector<Kasten> Formen(blocktyp art)
{
    VOQ_Quaderfall feld(SPALTEN, ZEILEN + 2);
    feld.neuerQuaderfall(art);
    for (int i = 0; i < 5; ++i)
        feld.teil->senke();
    std::vector<Kasten> formen;
    for (int d = 0; d < 4; ++d) {
        Kasten k(4, std::vector<int>(4, 0));
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 4; ++c)
                k[r][c] = feld.teil->holeFarbe(c, r);
        if (!formen.empty() && k == formen.front())
            break;
        formen.push_back(k);
        feld.teil->drehe();
    }
    return formen;
}

// The falling piece: the four cells the screen shows beyond the expected grid,
// in its starting shape. 0 when found, else the exit code.
int FindeTeil(const Raster& gesehen, const Raster& erwartet, Teil& teil)
{
    std::vector<std::pair<int, int>> zellen;
    int farbe = 0;
    for (int r = 0; r < ZEILEN; ++r)
        for (int s = 0; s < SPALTEN; ++s) {
            if (erwartet[r][s] && gesehen[r][s] != erwartet[r][s])
                return 2;  // a cell of the grid is missing or differs
            if (!erwartet[r][s] && gesehen[r][s]) {
                zellen.push_back({r, s});
                if (farbe && farbe != gesehen[r][s])
                    return 2;
                farbe = gesehen[r][s];
            }
        }
    if (zellen.size() != 4)
        return 2;
    teil.art = ART_DER_FARBE[farbe];
    teil.links = SPALTEN;
    for (const auto& zelle : zellen)
        teil.links = std::min(teil.links, zelle.second);
    // Which shape stands where: each shape of the kind matched against the cells.
    const std::vector<Kasten> formen = Formen(teil.art);
    for (std::size_t f = 0; f < formen.size(); ++f)
        for (int dy = -3; dy <= ZEILEN; ++dy)
            for (int dx = -3; dx <= SPALTEN; ++dx) {
                int treffer = 0;
                for (const auto& [r, s] : zellen) {
                    const int zr = r - dy;
                    const int zs = s - dx;
                    if (zr >= 0 && zr < 4 && zs >= 0 && zs < 4 && formen[f][zr][zs])
                        ++treffer;
                }
                if (treffer == 4) {
                    teil.spalte = dx;
                    teil.zeile = dy;
                    teil.form = static_cast<int>(f);
                    return 0;
                }
            }
    return 2;
}

struct Plan
{
    int drehungen = 0;
    int schritte = 0;  // < 0 left
    bool gueltig = false;
    double wert = 0;
    Raster ergebnis;
    int reihen = 0;
    bool voll = false;
};

// The game's own rules decide: the move is played on a playfield of the model.
Plan Spiele(const Raster& raster, const Teil& teil, int drehungen, int schritte)
{
    Plan plan;
    plan.drehungen = drehungen;
    plan.schritte = schritte;
    VOQ_Quaderfall feld(SPALTEN, ZEILEN + 2);
    for (int r = 0; r < ZEILEN; ++r)
        for (int s = 0; s < SPALTEN; ++s)
            feld.setze(s, r, raster[r][s]);
    feld.neuerQuaderfall(teil.art);
    VOQ_Teil_Basis& t = *feld.teil;
    for (int y = 0; y < teil.zeile; ++y)
        if (!t.senke())
            return plan;
    for (int x = 3; x > teil.spalte; --x)
        if (!t.links())
            return plan;
    for (int x = 3; x < teil.spalte; ++x)
        if (!t.rechts())
            return plan;
    for (int d = 0; d < teil.form; ++d)
        if (!t.drehe())
            return plan;
    for (int d = 0; d < drehungen; ++d)
        if (!t.drehe())
            return plan;
    for (int s = 0; s < std::abs(schritte); ++s)
        if (!(schritte < 0 ? t.links() : t.rechts()))
            return plan;
    int n = 0;
    for (int i = 0; n == 0 && i < 100; ++i)
        n = feld.takt();
    plan.gueltig = n > 0;
    plan.reihen = n - 1;
    plan.voll = feld.ueberfuellt();
    plan.ergebnis = Leer();
    for (int r = 0; r < ZEILEN; ++r)
        for (int s = 0; s < SPALTEN; ++s)
            plan.ergebnis[r][s] = feld.holeFarbe(s, r);
    return plan;
}

// Low, even and without holes, and rows dissolved.
double Bewerte(const Plan& plan)
{
    int hoehen[SPALTEN] = {};
    int loecher = 0;
    for (int s = 0; s < SPALTEN; ++s) {
        bool oben = false;
        for (int r = 0; r < ZEILEN; ++r) {
            if (plan.ergebnis[r][s]) {
                if (!oben)
                    hoehen[s] = ZEILEN - r;
                oben = true;
            } else if (oben) {
                ++loecher;
            }
        }
    }
    int summe = 0;
    int unebenheit = 0;
    for (int s = 0; s < SPALTEN; ++s) {
        summe += hoehen[s];
        if (s > 0)
            unebenheit += std::abs(hoehen[s] - hoehen[s - 1]);
    }
    return -0.51 * summe + 0.76 * plan.reihen - 0.36 * loecher - 0.18 * unebenheit;
}

Plan BesterPlan(const Raster& raster, const Teil& teil, bool nurFallen)
{
    if (nurFallen)
        return Spiele(raster, teil, 0, 0);
    Plan bester;
    for (int d = 0; d < 4; ++d)
        for (int s = -6; s <= 6; ++s) {
            Plan plan = Spiele(raster, teil, d, s);
            if (!plan.gueltig)
                continue;
            plan.wert = Bewerte(plan);
            if (!bester.gueltig || plan.wert > bester.wert)
                bester = plan;
        }
    return bester;
}

int Lerne(const std::string& pfad)
{
    Raster gesehen;
    if (!LiesBildschirm(gesehen))
        return 1;
    Zustand z;
    bool etwas = false;
    for (int r = 4; r < ZEILEN; ++r) {
        z.raster[r] = gesehen[r];
        for (int zelle : gesehen[r])
            etwas = etwas || zelle;
    }
    if (!etwas)
        return 2;
    Teil teil;
    const int ergebnis = FindeTeil(gesehen, z.raster, teil);
    if (ergebnis != 0)
        return ergebnis;
    SchreibeZustand(pfad, z);
    std::cout << Bild(gesehen);
    return 0;
}

int ZeigeTeil(const std::string& pfad)
{
    Raster gesehen;
    if (!LiesBildschirm(gesehen))
        return 1;
    Teil teil;
    const int ergebnis = FindeTeil(gesehen, LiesZustand(pfad).raster, teil);
    if (ergebnis != 0) {
        std::cerr << Bild(gesehen);
        return ergebnis;
    }
    std::cout << teil.art << " " << teil.spalte << " " << teil.zeile << " " << teil.form << " "
              << teil.links << "\n";
    return 0;
}

int Plane(const std::string& pfad, int ziel)
{
    Raster gesehen;
    if (!LiesBildschirm(gesehen))
        return 1;
    Zustand z = LiesZustand(pfad);
    Teil teil;
    const int ergebnis = FindeTeil(gesehen, z.raster, teil);
    if (ergebnis != 0) {
        std::cerr << "erwartet:\n" << Bild(z.raster) << "gesehen:\n" << Bild(gesehen);
        return ergebnis;
    }
    const Plan plan = BesterPlan(z.raster, teil, z.reihen >= ziel);
    if (!plan.gueltig) {
        std::cerr << "kein Zug moeglich\n";
        return 1;
    }
    const int formen = static_cast<int>(Formen(teil.art).size());
    int form = teil.form;
    for (int d = 0; d < plan.drehungen; ++d) {
        form = (form + 1) % formen;
        std::cout << "Up:" << teil.spalte << ":" << form << " ";
    }
    const int richtung = plan.schritte < 0 ? -1 : 1;
    for (int s = 1; s <= std::abs(plan.schritte); ++s)
        std::cout << (richtung < 0 ? "Left:" : "Right:") << teil.spalte + richtung * s << ":" << form
                  << " ";
    std::cout << "space" << (plan.voll ? " ENDE" : "") << "\n";
    // The grid after the drop; it holds only once space has been pressed.
    z.raster = plan.ergebnis;
    z.reihen += plan.reihen;
    SchreibeZustand(pfad + ".neu", z);
    return 0;
}

void Still(VOQ_Log::Strom, const std::string&) {}
}

int main(int argc, char** argv)
{
    VOQ_Log::SetzeSenke(Still);
    const std::string befehl = argc > 1 ? argv[1] : "";
    const std::string zustand = argc > 2 ? argv[2] : "";
    if (befehl == "lerne" && argc == 3)
        return Lerne(zustand);
    if (befehl == "teil" && argc == 3)
        return ZeigeTeil(zustand);
    if (befehl == "plane" && argc == 4)
        return Plane(zustand, std::atoi(argv[3]));
    if (befehl == "reihen" && argc == 3) {
        std::cout << LiesZustand(zustand).reihen << "\n";
        return 0;
    }
    std::cerr << "Aufruf: qf_spieler lerne|teil|plane|reihen ZUSTAND [ZIEL]\n";
    return 1;
}
