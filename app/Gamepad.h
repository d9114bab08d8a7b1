#pragma once

// The controller file "stg.konfig": the buttons assigned to rotate, pause and drop.

// Reads the file into joy_drehen, joy_pause and joy_sturz. Without a file
// button 0 rotates and the other two keep their values.
void GamepadEinlesen();
// Writes the three numbers; a file that can't be written is left alone.
void GamepadSchreiben();
