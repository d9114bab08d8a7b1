#pragma once

#include <cstdint>

class VOQ_OGL_Zaehler;
class VOQ_Quaderfall;

// The rules of one game, apart from drawing, sound and devices: gravity, the
// hard and the soft drop, side moves with auto-repeat, turns, the score and
// the time bar with the speed level. All timing comes from four counters of a
// registry, polled once per frame by the calls below and re-armed as they run
// out: 0 gravity, 1 soft drop and auto-repeat steps, 2 time bar, 3 the delay
// before auto-repeat. The game screen calls these in the order of its frame;
// the answers tell it which sound to play and what to show.
class Spielregeln
{
public:
    // What a takt() of the playfield did, for the sound it makes.
    enum Aufprall { KEINER, AUFSCHLAG, BONUS };

    static constexpr int SCHWERKRAFT_MS = 500;
    static constexpr int GEHALTEN_MS = 100;
    static constexpr int ZEITLAUF_MS = 300;
    static constexpr int WIEDERHOLUNG_MS = 300;
    static constexpr int HOECHSTE_STUFE = 7;
    // The bar's drawn height at which the next level begins.
    static constexpr int BALKEN_VOLL = 635;

    // Uses the playfield, the first four counters of uhren (the missing ones
    // are created) and the score it adds dissolved rows to.
    Spielregeln(VOQ_Quaderfall& feld, VOQ_OGL_Zaehler& uhren, int& punkte);

    // A new game: counters 0 to 2 armed, score 0, level 1, bar height 1,
    // auto-repeat off. Counter 3 keeps its state.
    void Beginne();

    // Scores a takt() result n: 1 a lock without a full row, n > 1 a lock that
    // dissolved n - 1 rows, each one point.
    Aufprall Werte(int n);

    // When counter 0 runs out: re-arms it for the level and, unless paused,
    // lets the piece fall one row.
    Aufprall Schwerkraft(bool pausiert);
    // takt() until the piece locks.
    Aufprall Fallenlassen();
    // A side press moves the piece at once and starts the auto-repeat delay;
    // left wins when both are pressed.
    void Seitendruck(bool links, bool rechts);
    // Auto-repeat goes off when no direction is held, and on when the delay
    // has run out.
    void Wiederholung(bool richtungGehalten);
    bool Drehe();
    // When counter 1 runs out, what held keys do: the soft drop while down is
    // held, then one repeated side step (right before left) while
    // auto-repeat is on.
    Aufprall GehalteneTasten(bool untenGehalten, bool rechtsGehalten, bool linksGehalten);
    // When counter 2 runs out: the bar grows by one; when it is full the
    // level rises (true). The top level keeps its bar full.
    bool Zeitlauf();

    std::int16_t Stufe() const;
    int Balkenhoehe() const;
    bool Wiederholt() const;
    // The time bar's image for a level.
    static const char* Balkenbild(int stufe);

private:
    VOQ_Quaderfall& feld;
    VOQ_OGL_Zaehler& uhren;
    int& punkte;
    std::int16_t stufe;
    int balken;
    bool wiederholung;

    bool Abgelaufen(int uhr);
    void Stelle(int uhr, int ms);
    void SteigeAuf();
};
