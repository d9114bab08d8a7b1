#pragma once

#include <memory>

class VOQ_Quaderfall;

// The eight playfields (10 columns, 32 rows) that decorate the menu screens:
// in the main menu their pieces fall from above the window and pile up; on
// the help, about and controller screens the first piece of each field only
// turns near the top of its field.
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

    explicit Zierfelder(Anordnung anordnung);
    ~Zierfelder();
    Zierfelder(const Zierfelder&) = delete;
    Zierfelder& operator=(const Zierfelder&) = delete;

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
    const int (*positionen)[2];
    std::unique_ptr<VOQ_Quaderfall> felder[ANZAHL];
};
