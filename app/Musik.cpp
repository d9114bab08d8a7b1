#include "Musik.h"

#include "Globale.h"
#include "VOQ_Log.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <new>
#include <string>

const char* const MUSIK_INTRO = "daten/geraeuschkulisse/musik/intro_logo.ogg";
const char* const MUSIK_HAUPTMENUE = "daten/geraeuschkulisse/musik/hauptmenue.xm";
const char* const MUSIK_RUHMESHALLE = "daten/geraeuschkulisse/musik/ruhmeshalle.ogg";
const char* const MUSIK_SPIEL_1 = "daten/geraeuschkulisse/musik/spiel_1.xm";
const char* const MUSIK_SPIEL_2 = "daten/geraeuschkulisse/musik/spiel_2.xm";

namespace
{
// The bytes of the current music's file and SDL's view of them. The module
// player reads a file byte by byte, which from a file stream costs several
// times as long as from memory (an XM module of 300 KB: about 13 ms against
// 3), and the music is loaded while a screen is entered. An Ogg stream goes
// on reading while it plays, so the bytes stay until the music is freed.
unsigned char* dateiInhalt = nullptr;
SDL_RWops* quelle = nullptr;

void GibDatei()
{
    if (quelle)
        SDL_FreeRW(quelle);
    quelle = nullptr;
    delete[] dateiInhalt;
    dateiInhalt = nullptr;
}

// The whole file into memory; false (and nothing kept) if it can't be read.
bool LeseDatei(const char* datei)
{
    std::FILE* f = std::fopen(datei, "rb");
    if (!f)
        return false;
    long laenge = -1;
    if (std::fseek(f, 0, SEEK_END) == 0)
        laenge = std::ftell(f);
    bool gelesen = laenge > 0 && laenge <= INT32_MAX && std::fseek(f, 0, SEEK_SET) == 0;
    if (gelesen) {
        dateiInhalt = new (std::nothrow) unsigned char[static_cast<std::size_t>(laenge)];
        gelesen = dateiInhalt
                  && std::fread(dateiInhalt, 1, static_cast<std::size_t>(laenge), f)
                         == static_cast<std::size_t>(laenge);
    }
    std::fclose(f);
    if (gelesen)
        quelle = SDL_RWFromConstMem(dateiInhalt, static_cast<int>(laenge));
    if (!quelle) {
        GibDatei();
        return false;
    }
    return true;
}
}

void WechsleMusik(const char* datei)
{
    Mix_FreeMusic(music);
    music = nullptr;
    GibDatei();
    if (LeseDatei(datei)) {
        music = Mix_LoadMUS_RW(quelle);
        if (!music)
            GibDatei();
    }
    playmusic = true;
    VOQ_Log::Aus(std::string("#o> Musik '") + datei + "'\n");
}

void SetzeLautstaerke(int klaengeProzent, int musikProzent)
{
    if (klaengeProzent >= 100 && musikProzent >= 100)
        return;
    if (klaengeProzent < 100)
        Mix_Volume(-1, MIX_MAX_VOLUME * std::max(klaengeProzent, 0) / 100);
    if (musikProzent < 100)
        Mix_VolumeMusic(MIX_MAX_VOLUME * std::max(musikProzent, 0) / 100);
    VOQ_Log::Aus("#o> Lautstärke: Klänge " + std::to_string(klaengeProzent) + " %, Musik "
                 + std::to_string(musikProzent) + " %\n");
}
