#pragma once

// Start-up of the engine and the game in their fixed order. False when no
// window could be opened: nothing can be drawn then.
bool ProgrammStart();
// Calls the screen of `menunummer` again and again until `done` is set.
void Bildschirmschleife();
// Closes the controller and logs the end.
void ProgrammEnde();
