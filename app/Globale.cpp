#include "Globale.h"

// The order of these five definitions is the order of construction.
VOQ_OGL_Schrift schrift_12;
VOQ_OGL_Schrift schrift_20;
VOQ_OGL_Init GAME_INIT;
VOQ_OGL_Zaehler GAME_ZAEHLER;
VOQ_OGL_Eingabe GAME_EINGABE;

int menunummer = MENU_INTRO;
int lastmenu = 0;
bool done = false;
Mix_Music* music = nullptr;
bool playmusic = false;
int frames = 0;
SDL_Joystick* joy = nullptr;
bool joy_mouse = false;
short joy_drehen = -1;
short joy_pause = -1;
short joy_sturz = -1;
int ereignis_delay = 1;
int punktestand = 0;
Spieleinstellungen SPIEL_EINSTELLUNGEN;

Mix_Chunk* snd_mausklick = nullptr;
Mix_Chunk* snd_mausklick001 = nullptr;
Mix_Chunk* snd_mausklick002 = nullptr;
Mix_Chunk* snd_dreh = nullptr;
Mix_Chunk* snd_aufschlag = nullptr;
Mix_Chunk* snd_bonus = nullptr;
Mix_Chunk* snd_stufe = nullptr;
Mix_Chunk* snd_pause = nullptr;
Mix_Chunk* snd_spielende = nullptr;

void SetMenuNummer(int nummer)
{
    menunummer = nummer;
}
