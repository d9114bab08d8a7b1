#include "VOQ_Teil_Basis.h"

#include "VOQ_Quaderfall.h"

#include <cstring>

VOQ_Teil_Basis::VOQ_Teil_Basis(blocktyp typ, std::int16_t x, std::int16_t y, VOQ_Quaderfall* feld)
    : drehung(0), posX(x), posY(y), spielfeld(feld), typ(typ)
{
    leeren();
    wandle(VOQ_Form(typ, 0));
}

VOQ_Teil_Basis::~VOQ_Teil_Basis() = default;

void VOQ_Teil_Basis::leeren()
{
    std::memset(form, 0, sizeof form);
}

void VOQ_Teil_Basis::wandle(const int (*quelle)[4])
{
    if (quelle)
        std::memcpy(form, quelle, sizeof form);
}

void VOQ_Teil_Basis::male(int x, int y)
{
    if (!spielfeld)
        return;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            if (belegt(r, c))
                spielfeld->maleBlock(form[r][c], x + (posX + c) * SCHRITT, y + (posY + r) * SCHRITT);
}

void VOQ_Teil_Basis::maleSchatten(int x, int y)
{
    if (!spielfeld)
        return;
    const int zeile = holeLandeZeile();
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            if (belegt(r, c))
                spielfeld->maleSchattenBlock(form[r][c], x + (posX + c) * SCHRITT, y + (zeile + r) * SCHRITT);
}

bool VOQ_Teil_Basis::drehe()
{
    int vorher[4][4];
    std::memcpy(vorher, form, sizeof form);

    drehung += 1;
    if (drehung == 4)
        drehung = 0;
    // The square looks the same at every turn; its cells stay as they are.
    if (typ != TEIL_O)
        wandle(VOQ_Form(typ, drehung));

    if (passt())
        return true;

    std::memcpy(form, vorher, sizeof form);
    // A 0 reached by wrapping goes back to -1, which the next turn takes as 3.
    drehung -= 1;
    return false;
}

bool VOQ_Teil_Basis::senke()
{
    if (!spielfeld)
        return false;
    // The two bottom rows are never entered. ">=" rather than "==": a piece
    // placed below the floor (in a field too low for it) rests too.
    if (posY + unterkante() >= spielfeld->holeSpielfeldHoehe() - 2)
        return false;
    if (stoesstAn(0, 1))
        return false;
    ++posY;
    return true;
}

bool VOQ_Teil_Basis::links()
{
    if (!spielfeld)
        return false;
    if (posX + linkeSpalte() <= 0)
        return false;
    if (stoesstAn(-1, 0))
        return false;
    --posX;
    return true;
}

bool VOQ_Teil_Basis::rechts()
{
    if (!spielfeld)
        return false;
    if (posX + rechteKante() >= spielfeld->holeSpielfeldBreite())
        return false;
    if (stoesstAn(1, 0))
        return false;
    ++posX;
    return true;
}

std::int16_t VOQ_Teil_Basis::holePosX() const
{
    return posX;
}

std::int16_t VOQ_Teil_Basis::holePosY() const
{
    return posY;
}

// senke() on a copy: it stops at the floor of the grid, so the loop ends.
std::int16_t VOQ_Teil_Basis::holeLandeZeile() const
{
    VOQ_Teil_Basis probe(*this);
    while (probe.senke()) {
    }
    return probe.posY;
}

std::int16_t VOQ_Teil_Basis::holeFarbe(int spalte, int zeile) const
{
    if (spalte < 0 || spalte > 3 || zeile < 0 || zeile > 3)
        return 0;
    return static_cast<std::int16_t>(form[zeile][spalte]);
}

bool VOQ_Teil_Basis::belegt(int zeile, int spalte) const
{
    return form[zeile][spalte] > 0;
}

// Cells outside the grid read as empty.
bool VOQ_Teil_Basis::feldBesetzt(int spalte, int zeile) const
{
    return spielfeld->holeFarbe(spalte, zeile) > 0;
}

// Whether an occupied cell of the piece, moved by (dx, dy), meets an occupied grid cell.
bool VOQ_Teil_Basis::stoesstAn(int dx, int dy) const
{
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            if (belegt(r, c) && feldBesetzt(posX + c + dx, posY + r + dy))
                return true;
    return false;
}

// The refusal rules of a turn, tested cell by cell on the new shape.
bool VOQ_Teil_Basis::passt() const
{
    if (!spielfeld)
        return false;
    const int hoehe = spielfeld->holeSpielfeldHoehe();
    const int breite = spielfeld->holeSpielfeldBreite();
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            const bool zelle = belegt(r, c);
            const int spalte = posX + c;
            const int zeile = posY + r;
            if (zelle && feldBesetzt(spalte, zeile))
                return false;
            // No box row, empty or not, may lie below row H - 2.
            if (zeile > hoehe - 2)
                return false;
            if (zelle && spalte >= breite)
                return false;
            if (spalte < -1 || (zelle && spalte < 0))
                return false;
            // The long piece turns only while its whole box lies in the play area.
            if (typ == TEIL_I && zeile > hoehe - 3)
                return false;
        }
    }
    return true;
}

// 1 + the lowest box row with an occupied cell; 0 for an empty box.
int VOQ_Teil_Basis::unterkante() const
{
    for (int r = 3; r >= 0; --r)
        for (int c = 0; c < 4; ++c)
            if (belegt(r, c))
                return r + 1;
    return 0;
}

// The leftmost box column with an occupied cell; 0 for an empty box.
int VOQ_Teil_Basis::linkeSpalte() const
{
    for (int c = 0; c < 4; ++c)
        for (int r = 0; r < 4; ++r)
            if (belegt(r, c))
                return c;
    return 0;
}

// 1 + the rightmost occupied box column, searched from column 3 down to 1.
int VOQ_Teil_Basis::rechteKante() const
{
    for (int c = 3; c >= 1; --c)
        for (int r = 0; r < 4; ++r)
            if (belegt(r, c))
                return c + 1;
    return 1;
}
