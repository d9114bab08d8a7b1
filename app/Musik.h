#pragma once

// The game's music files.
extern const char* const MUSIK_INTRO;
extern const char* const MUSIK_HAUPTMENUE;
extern const char* const MUSIK_RUHMESHALLE;
extern const char* const MUSIK_SPIEL_1;
extern const char* const MUSIK_SPIEL_2;

// Frees the current music, loads the given file into `music` and sets
// `playmusic`; the event pump starts it. A file that can't be loaded leaves
// `music` null and nothing plays. Logs the file, so a run's log shows which
// music each screen chose.
void WechsleMusik(const char* datei);

// The volume of effects and music, percent of SDL_mixer's full level; 100
// (or more) leaves the mixer as it opened. For a music changed later too.
void SetzeLautstaerke(int klaengeProzent, int musikProzent);
