#pragma once

#include "VOQ_Formen.h"

#include <cstdint>

class VOQ_Quaderfall;

// The falling piece of a playfield: a 4x4 box of colour codes at a position
// in the grid. Every move is tested against the playfield's walls, floor and
// occupied cells; a move that does not fit is refused, never shifted.
class VOQ_Teil_Basis
{
public:
    // Screen pixels from one cell to the next, whatever size the block images have.
    static constexpr int SCHRITT = 32;

    // (x, y): grid column and row of the box's top-left cell. A typ that is no
    // kind leaves the box empty.
    VOQ_Teil_Basis(blocktyp typ, std::int16_t x, std::int16_t y, VOQ_Quaderfall* feld);
    ~VOQ_Teil_Basis();

    void leeren();
    void wandle(const int (*quelle)[4]);
    // (x, y): screen position of the playfield's cell (0, 0).
    void male(int x, int y);
    // The piece's cells where it would come to rest, in the playfield's
    // shadow images.
    void maleSchatten(int x, int y);

    // Each answers whether the piece moved; a refused move leaves it unchanged.
    bool drehe();
    bool senke();
    bool links();
    bool rechts();

    std::int16_t holePosX() const;
    std::int16_t holePosY() const;
    // The row posY would reach if the piece fell now as far as it can: where
    // a hard drop locks it.
    std::int16_t holeLandeZeile() const;
    // The box cell at column spalte, row zeile; 0 outside the box.
    std::int16_t holeFarbe(int spalte, int zeile) const;

private:
    bool belegt(int zeile, int spalte) const;
    bool feldBesetzt(int spalte, int zeile) const;
    bool stoesstAn(int dx, int dy) const;
    bool passt() const;
    int unterkante() const;
    int linkeSpalte() const;
    int rechteKante() const;

    int form[4][4];
    std::int16_t drehung;
    std::int16_t posX;
    std::int16_t posY;
    VOQ_Quaderfall* spielfeld;
    blocktyp typ;
};
