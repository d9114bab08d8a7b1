#include "Musik.h"

#include "Globale.h"
#include "VOQ_Log.h"

#include <string>

const char* const MUSIK_INTRO = "daten/geraeuschkulisse/musik/intro_logo.ogg";
const char* const MUSIK_HAUPTMENUE = "daten/geraeuschkulisse/musik/hauptmenue.xm";
const char* const MUSIK_RUHMESHALLE = "daten/geraeuschkulisse/musik/ruhmeshalle.ogg";
const char* const MUSIK_SPIEL_1 = "daten/geraeuschkulisse/musik/spiel_1.xm";
const char* const MUSIK_SPIEL_2 = "daten/geraeuschkulisse/musik/spiel_2.xm";

void WechsleMusik(const char* datei)
{
    Mix_FreeMusic(music);
    music = Mix_LoadMUS(datei);
    playmusic = true;
    VOQ_Log::Aus(std::string("#o> Musik '") + datei + "'\n");
}
