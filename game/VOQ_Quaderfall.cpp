#include "VOQ_Quaderfall.h"

#include "VOQ_Log.h"
#include "VOQ_Teil_Basis.h"

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <string>

namespace
{
// Image i draws colour code i + 1.
const char* const BLOCKPFADE[VOQ_Quaderfall::BLOCKBILDER] = {
    "daten/bilder/block_rot",   "daten/bilder/block_gruen", "daten/bilder/block_blau",
    "daten/bilder/block_lila",  "daten/bilder/block_braun", "daten/bilder/block_gelb",
    "daten/bilder/block_grau",
};
const char* const SCHATTENPFADE[VOQ_Quaderfall::BLOCKBILDER] = {
    "daten/bilder/schatten_rot",   "daten/bilder/schatten_gruen", "daten/bilder/schatten_blau",
    "daten/bilder/schatten_lila",  "daten/bilder/schatten_braun", "daten/bilder/schatten_gelb",
    "daten/bilder/schatten_grau",
};

const std::int16_t STARTSPALTE = 3;
const std::int16_t STARTZEILE = 0;

int Seite(int wert)
{
    return std::clamp(wert, 1, VOQ_Quaderfall::GROESSTE_SEITE);
}

blocktyp Zufallsart()
{
    return static_cast<blocktyp>(std::rand() % TEILARTEN);
}
}

VOQ_Quaderfall::VOQ_Quaderfall(int breite_, int hoehe_)
    : breite(static_cast<std::int16_t>(Seite(breite_))),
      hoehe(static_cast<std::int16_t>(Seite(hoehe_))),
      naechster(TEIL_I),
      erster(true),
      voll(false),
      schatten(false),
      teil(nullptr)
{
    static bool tmp_zufallsgen = false;
    if (!tmp_zufallsgen) {
        std::srand(static_cast<unsigned>(std::time(nullptr)));
        tmp_zufallsgen = true;
    }

    if (breite != breite_ || hoehe != hoehe_)
        VOQ_Log::Fehler("\n#o> VOQ_Quaderfall - FEHLER: SPIELFELDGROESSE " + std::to_string(breite_) + "x" +
                        std::to_string(hoehe_) + " UNGUELTIG, VERWENDE " + std::to_string(breite) + "x" +
                        std::to_string(hoehe) + "!\n\n");
    raster.assign(hoehe, std::vector<int>(breite, 0));

    for (int i = 0; i < BLOCKBILDER; ++i)
        bilder[i].Init(BLOCKPFADE[i]);

    neuerQuaderfall(TEIL_ZUFALL);
}

VOQ_Quaderfall::~VOQ_Quaderfall()
{
    delete teil;
}

// The new piece takes the place of the old one: the game screen replaces
// the preview's piece in every frame, and that is no reason for the heap.
void VOQ_Quaderfall::neuerQuaderfall(blocktyp typ)
{
    if (typ == TEIL_ZUFALL)
        typ = Zufallsart();
    if (erster) {
        naechster = Zufallsart();
        erster = false;
    }
    const VOQ_Teil_Basis neu(typ, STARTSPALTE, STARTZEILE, this);
    if (teil)
        *teil = neu;
    else
        teil = new VOQ_Teil_Basis(neu);
}

std::int16_t VOQ_Quaderfall::takt()
{
    if (teil->senke())
        return 0;

    const int x = teil->holePosX();
    const int y = teil->holePosY();
    verriegele();
    const std::int16_t n = loesen();

    // Locked where it appeared, whatever it did on the way, and no row
    // gained: the field is full. A piece that locks in row 0 after a side
    // move does not end the game.
    if (y == STARTZEILE && x == STARTSPALTE && n == 0)
        voll = true;

    neuerQuaderfall(naechster);
    naechster = Zufallsart();
    return static_cast<std::int16_t>(n + 1);
}

std::int16_t VOQ_Quaderfall::loesen()
{
    std::int16_t geloest = 0;
    // Only rows above the current one move, so a top-down scan misses none.
    for (int zeile = 0; zeile < hoehe; ++zeile) {
        if (istVoll(zeile)) {
            entferneZeile(zeile);
            ++geloest;
        }
    }
    return geloest;
}

void VOQ_Quaderfall::male(int x, int y)
{
    // The grid steps by the first block image's width; an image that could not
    // be loaded gives none, and the piece's own step keeps the stack in place.
    int s = bilder[0].GetWidthDraw();
    if (s <= 0)
        s = VOQ_Teil_Basis::SCHRITT;
    for (int r = 0; r < hoehe; ++r)
        for (int c = 0; c < breite; ++c)
            maleBlock(raster[r][c], x + s * c, y + s * r);
    if (schatten)
        teil->maleSchatten(x, y);
    teil->male(x, y);
}

bool VOQ_Quaderfall::istBesetzt(int x, int y) const
{
    return holeFarbe(x, y) > 0;
}

bool VOQ_Quaderfall::setze(int x, int y, zustand z)
{
    if (!imRaster(x, y) || raster[y][x] == z)
        return false;
    raster[y][x] = z;
    return true;
}

std::int16_t VOQ_Quaderfall::holeFarbe(int x, int y) const
{
    if (!imRaster(x, y))
        return 0;
    return static_cast<std::int16_t>(raster[y][x]);
}

std::int16_t VOQ_Quaderfall::holeSpielfeldHoehe() const
{
    return hoehe;
}

std::int16_t VOQ_Quaderfall::holeSpielfeldBreite() const
{
    return breite;
}

blocktyp VOQ_Quaderfall::holeNaechster() const
{
    return naechster;
}

void VOQ_Quaderfall::leeren()
{
    for (std::vector<int>& zeile : raster)
        std::fill(zeile.begin(), zeile.end(), 0);
}

bool VOQ_Quaderfall::ueberfuellt() const
{
    return voll;
}

void VOQ_Quaderfall::maleBlock(int farbe, int x, int y)
{
    if (farbe < 1 || farbe > BLOCKBILDER)
        return;
    bilder[farbe - 1].Draw(x, y);
}

void VOQ_Quaderfall::zeigeSchatten(bool an)
{
    schatten = an;
    if (!an || schattenbilder)
        return;
    schattenbilder = std::make_unique<VOQ_OGL_Bildlauf[]>(BLOCKBILDER);
    for (int i = 0; i < BLOCKBILDER; ++i)
        schattenbilder[i].Init(SCHATTENPFADE[i]);
}

void VOQ_Quaderfall::maleSchattenBlock(int farbe, int x, int y)
{
    if (!schattenbilder || farbe < 1 || farbe > BLOCKBILDER)
        return;
    schattenbilder[farbe - 1].Draw(x, y);
}

bool VOQ_Quaderfall::imRaster(int x, int y) const
{
    return x >= 0 && x < breite && y >= 0 && y < hoehe;
}

// Copies the piece's box into the grid. Only empty cells inside the grid take
// a value; an occupied cell is never overwritten.
void VOQ_Quaderfall::verriegele()
{
    const int x = teil->holePosX();
    const int y = teil->holePosY();
    for (int yy = y; yy < y + 4; ++yy)
        for (int xx = x; xx < x + 4; ++xx)
            if (imRaster(xx, yy) && raster[yy][xx] == 0)
                raster[yy][xx] = teil->holeFarbe(xx - x, yy - y);
}

bool VOQ_Quaderfall::istVoll(int zeile) const
{
    int besetzt = 0;
    for (int c = 0; c < breite; ++c)
        if (raster[zeile][c] > 0)
            ++besetzt;
    return besetzt == breite;
}

// Everything above the row moves down by one; row 0 becomes empty.
void VOQ_Quaderfall::entferneZeile(int zeile)
{
    for (int r = zeile; r > 0; --r)
        raster[r] = raster[r - 1];
    std::fill(raster[0].begin(), raster[0].end(), 0);
}
