#pragma once

#include "VOQ_OGL_Bildlauf.h"

class VOQ_Button;
struct Mix_Chunk;

// What the menu screens (main menu, help, about, controller settings) share:
// the white background, the title, the frame rate and the black veil that
// fades out so that the screen fades in; and the steps each of them takes
// with the input manager and the shared counters (the buttons of the game
// and hall-of-fame screens are made and asked the same way).
class Menuekulisse
{
public:
    // Loads the background (drawn at 1024 x 768), the veil (fading out from
    // now on) and the title. A missing image is left out of the picture.
    void Lade();

    // Event pump and a cleared frame.
    static void BeginneEinzelbild();
    // White background, frame rate at (5, 5), title at (0, 32).
    void MaleGrund();
    // Buttons, check boxes, radio groups and text fields.
    static void MaleWidgets();
    // Cursor, the veil over everything, then the finished frame to the screen.
    void SchliesseEinzelbild();
    static void SchliesseEinzelbild(VOQ_OGL_Bildlauf& schleier);

    // Removes the widgets of the previous screen; shows the cursor (no
    // landscape scrolling) and hands it to the input manager.
    static void RaeumeEingabe();
    // A button at (x, y) with the click sound; null when the input manager
    // has no room for it (nothing is drawn or clicked then).
    static VOQ_Button* Knopf(int x, int y, const char* text);
    // The same with another click sound.
    static VOQ_Button* Knopf(int x, int y, const char* text, Mix_Chunk* klick);
    static bool Geklickt(VOQ_Button* knopf);

    // Polls counter `slot` of GAME_ZAEHLER; when it has run out, restarts it
    // with CountDownFrom(start, ms) and answers true.
    static bool Abgelaufen(int slot, int start, int ms);
    static void StarteZaehler(int slot, int start, int ms);

private:
    VOQ_OGL_Bildlauf weiss;
    VOQ_OGL_Bildlauf schwarz;
    VOQ_OGL_Bildlauf titel;
};
