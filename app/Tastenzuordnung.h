#pragma once

// Assigning controller buttons to rotate, pause and drop, one frame at a
// time. In assignment mode the first held button of the frame is written to
// the action of the current step; the step moves on only in the frame in
// which a press begins. So a button still held after its press is also
// written to the next action, until a new press takes that one.
class Tastenzuordnung
{
public:
    enum Schritt { GERAETEWAHL = 0, DREHEN = 1, PAUSE = 2, STURZ = 3, FERTIG = 4 };

    // The three button numbers it writes (-1: not assigned).
    Tastenzuordnung(short* drehen, short* pause, short* sturz);

    // Step 0 chooses the device; with fewer than two controllers there is
    // nothing to choose and step 1 follows at once. True while the device is
    // still to be chosen.
    bool Geraetewahl(int steuerungen);

    void Einschalten();

    // One frame. gehalten: the lowest-numbered button of controller 0 held
    // in this frame, -1 for none. A button seen in step 4 ends the
    // assignment mode.
    void Einzelbild(int gehalten);

    int GetSchritt() const;
    bool IstAktiv() const;
    bool WarGedrueckt() const;

private:
    short* ziel[3];
    short schritt;
    bool aktiv;
    bool gedrueckt;
    bool warGedrueckt;
};
