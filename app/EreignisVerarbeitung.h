#pragma once

// The event pump, called exactly once per frame: hands key presses and
// releases to the input manager, lets the controller steer the pointer in the
// menus, keeps the music going, counts the frame and sleeps a millisecond.
void EreignisVerarbeitung();

// True when the window lost the input focus since the pump before.
bool FokusVerloren();

// From now on SIGTERM and SIGINT end the program: the next pump sets `done`,
// the screen shown leaves and the program shuts down as after a quit. SDL
// would turn them into a close request, which the game ignores.
void FangeBeendenSignale();

// One pointer step of the controller's hat: 20 pixels per axis, diagonal for
// the diagonal positions, kept inside a window of breite x hoehe pixels.
void ZeigerSchritt(int hut, int& x, int& y, int breite, int hoehe);
