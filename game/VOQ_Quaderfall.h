#pragma once

#include "VOQ_Formen.h"
#include "VOQ_OGL_Bildlauf.h"

#include <cstdint>
#include <memory>
#include <vector>

class VOQ_Teil_Basis;

// The value of a grid cell: 0 empty, 1-7 a colour code.
using zustand = int;

// The playfield: a grid of cells, the falling piece in it, the kind that comes
// next and the seven block images. takt() is one step of gravity; timing and
// input are the caller's business.
class VOQ_Quaderfall
{
public:
    static constexpr int BLOCKBILDER = 7;
    // A side given below 1 or above this is brought into range (and logged).
    static constexpr int GROESSTE_SEITE = 1024;

    VOQ_Quaderfall(int breite, int hoehe);
    ~VOQ_Quaderfall();
    VOQ_Quaderfall(const VOQ_Quaderfall&) = delete;
    VOQ_Quaderfall& operator=(const VOQ_Quaderfall&) = delete;

    // Replaces the falling piece by a new one at column 3, row 0; TEIL_ZUFALL draws a kind.
    void neuerQuaderfall(blocktyp typ);
    // 0: the piece fell one row; otherwise it locked, and 1 + the rows dissolved.
    std::int16_t takt();
    // Dissolves every full row in one scan; the number dissolved.
    std::int16_t loesen();
    // (x, y): screen position of cell (0, 0).
    void male(int x, int y);

    // Cell access by (column, row). Outside the grid a cell reads as empty and
    // cannot be written.
    bool istBesetzt(int x, int y) const;
    // False if the cell already holds z (or lies outside the grid).
    bool setze(int x, int y, zustand z);
    std::int16_t holeFarbe(int x, int y) const;

    std::int16_t holeSpielfeldHoehe() const;
    std::int16_t holeSpielfeldBreite() const;
    blocktyp holeNaechster() const;
    // Empties the grid; piece, next kind and overflow stay.
    void leeren();
    bool ueberfuellt() const;

    // Draws the block image of colour code farbe (1-7) with its top-left corner
    // at (x, y); any other code draws nothing.
    void maleBlock(int farbe, int x, int y);

    // Whether male() shows where the falling piece would come to rest, drawn
    // behind it in images of their own: a frame and a faint face in the
    // piece's colour, so that it is never taken for a locked piece. Off after
    // construction; the images are loaded when it is first switched on.
    void zeigeSchatten(bool an);
    void maleSchattenBlock(int farbe, int x, int y);

private:
    bool imRaster(int x, int y) const;
    void verriegele();
    bool istVoll(int zeile) const;
    void entferneZeile(int zeile);

    std::vector<std::vector<int>> raster;  // [row][column]
    std::int16_t breite;
    std::int16_t hoehe;
    blocktyp naechster;
    bool erster;
    bool voll;
    VOQ_OGL_Bildlauf bilder[BLOCKBILDER];
    bool schatten;
    std::unique_ptr<VOQ_OGL_Bildlauf[]> schattenbilder;

public:
    // The falling piece, owned here; screens move and turn it directly.
    VOQ_Teil_Basis* teil;
};
