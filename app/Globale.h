#pragma once

// The objects and variables that live for the whole run and that every screen
// shares. Screens talk to each other only through these.

#include "SDL.h"
#include "SDL_mixer.h"

#include "Spieleinstellungen.h"
#include "VOQ_OGL_Eingabe.h"
#include "VOQ_OGL_Init.h"
#include "VOQ_OGL_Schrift.h"
#include "VOQ_OGL_Zaehler.h"

// Screen numbers.
enum Bildschirm {
    MENU_INTRO = 0,
    MENU_HAUPT = 10,
    MENU_BESTENLISTE = 30,
    MENU_AUSWERTUNG = 50,
    MENU_UEBER = 70,
    MENU_HILFE = 80,
    MENU_GAMEPAD = 90,
    MENU_SPIEL = 100,
};

// Engine objects, constructed in this order before main and destroyed in reverse.
extern VOQ_OGL_Schrift schrift_12;
extern VOQ_OGL_Schrift schrift_20;
extern VOQ_OGL_Init GAME_INIT;
extern VOQ_OGL_Zaehler GAME_ZAEHLER;
extern VOQ_OGL_Eingabe GAME_EINGABE;

extern int menunummer;
extern int lastmenu;
extern bool done;
extern Mix_Music* music;
extern bool playmusic;
extern int frames;
extern SDL_Joystick* joy;
extern bool joy_mouse;
extern short joy_drehen;
extern short joy_pause;
extern short joy_sturz;
extern int ereignis_delay;
extern int punktestand;
// The settings file's lines about playing, read at start-up.
extern Spieleinstellungen SPIEL_EINSTELLUNGEN;

extern Mix_Chunk* snd_mausklick;
extern Mix_Chunk* snd_mausklick001;
extern Mix_Chunk* snd_mausklick002;
extern Mix_Chunk* snd_dreh;
extern Mix_Chunk* snd_aufschlag;
extern Mix_Chunk* snd_bonus;
extern Mix_Chunk* snd_stufe;
extern Mix_Chunk* snd_pause;
extern Mix_Chunk* snd_spielende;

// Stores the number of the next screen; the calling screen ends its own loop.
void SetMenuNummer(int nummer);
