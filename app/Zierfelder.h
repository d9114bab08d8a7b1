#pragma once

#include <memory>

class VOQ_Quaderfall;

// The eight playfields (10 columns, 32 rows) that decorate the menu screens:
// in the main menu their pieces fall from above the window and pile up; on
// the help, about and controller screens the first piece of each field only
// turns near the top of its field.
//
// Their clock is counter 0 of the game's counters, which moves the pieces
// every 100 ms, and counter 1, which empties the grids about every 14 s
// (the controller screen keeps counter 1 for its own blinking).
class Zierfelder
{
public:
    static constexpr int ANZAHL = 8;

    // Where the eight fields stand (screen position of cell (0, 0)).
    enum Anordnung {
        HAUPTMENUE,  // above the window, the pieces fall into view
        HILFE,       // also the controller settings
        UEBER,
    };

    enum Uhren { BEWEGEN_UND_LEEREN, NUR_BEWEGEN };

    // Also arms the clock's counters.
    Zierfelder(Anordnung anordnung, Uhren uhren);
    ~Zierfelder();
    Zierfelder(const Zierfelder&) = delete;
    Zierfelder& operator=(const Zierfelder&) = delete;

    // One frame of the clock: moves the pieces (a row down in the main
    // menu, a quarter turn elsewhere) and empties the grids when their
    // counters run out.
    void Laufe();

    // One step of gravity in every field, in the order of construction.
    void Fallen();
    // One quarter turn of every field's falling piece.
    void Drehen();
    // Empties every grid; the falling pieces stay.
    void Leeren();
    // Every field gets a new piece of random kind.
    void NeueTeile();
    // Draws the fields in their order: later ones cover earlier ones.
    void Male();

private:
    Anordnung anordnung;
    Uhren uhren;
    const int (*positionen)[2];
    std::unique_ptr<VOQ_Quaderfall> felder[ANZAHL];
};
