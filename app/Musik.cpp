#include "Musik.h"

#include "Globale.h"
#include "VOQ_Log.h"

#include <algorithm>
#include <atomic>
#include <cmath>
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
// The bytes of a music's file and SDL's view of them. The module player
// reads a file byte by byte, which from a file stream costs several times as
// long as from memory (an XM module of 300 KB: about 13 ms against 3), and
// the music is loaded while a screen is entered. An Ogg stream goes on
// reading while it plays, so the bytes stay until the music is freed.
struct Datei
{
    unsigned char* inhalt = nullptr;
    SDL_RWops* quelle = nullptr;
};

Datei aktuell;                       // the bytes of `music`
Mix_Music* verklingend = nullptr;    // the music that fades out
Datei verklingendDatei;

void Gib(Datei& datei)
{
    if (datei.quelle)
        SDL_FreeRW(datei.quelle);
    delete[] datei.inhalt;
    datei = Datei();
}

// The whole file into memory; false (and nothing kept) if it can't be read.
bool Lies(const char* pfad, Datei& datei)
{
    std::FILE* f = std::fopen(pfad, "rb");
    if (!f)
        return false;
    long laenge = -1;
    if (std::fseek(f, 0, SEEK_END) == 0)
        laenge = std::ftell(f);
    bool gelesen = laenge > 0 && laenge <= INT32_MAX && std::fseek(f, 0, SEEK_SET) == 0;
    if (gelesen) {
        datei.inhalt = new (std::nothrow) unsigned char[static_cast<std::size_t>(laenge)];
        gelesen = datei.inhalt
                  && std::fread(datei.inhalt, 1, static_cast<std::size_t>(laenge), f)
                         == static_cast<std::size_t>(laenge);
    }
    std::fclose(f);
    if (gelesen)
        datei.quelle = SDL_RWFromConstMem(datei.inhalt, static_cast<int>(laenge));
    if (!datei.quelle) {
        Gib(datei);
        return false;
    }
    return true;
}

// The fade: a half cosine from full to silence, then silence until the pump
// has ended it. It runs on the mixer's thread, after everything is mixed.
const int BLENDE_MS = 30;
std::atomic<long> blendeFrame{0};
long blendeFrames = 0;
int blendeKanaele = 2;

void Blende(int, void* strom, int laenge, void*)
{
    int16_t* w = static_cast<int16_t*>(strom);
    const long frames = laenge / 2 / blendeKanaele;
    long frame = blendeFrame.load();
    for (long i = 0; i < frames; ++i, ++frame) {
        const double anteil = frame < blendeFrames ? 0.5 + 0.5 * std::cos(M_PI * frame / blendeFrames) : 0.0;
        for (int k = 0; k < blendeKanaele; ++k, ++w)
            *w = static_cast<int16_t>(std::lround(*w * anteil));
    }
    blendeFrame = frame;
}

// The fade works on the 16-bit samples the game opens the mixer with.
bool KannBlenden()
{
    int rate = 0;
    Uint16 format = 0;
    int kanaele = 0;
    if (!Mix_QuerySpec(&rate, &format, &kanaele) || format != AUDIO_S16SYS || kanaele < 1)
        return false;
    blendeFrames = std::max(1L, static_cast<long>(rate) * BLENDE_MS / 1000);
    blendeKanaele = kanaele;
    return true;
}

// Under the mixer's lock, so that no mix falls between the old music's end,
// the new one's start and the end of the silence.
void BeendeBlende()
{
    SDL_LockAudio();
    Mix_FreeMusic(verklingend);
    verklingend = nullptr;
    Gib(verklingendDatei);
    if (music && playmusic)
        Mix_PlayMusic(music, -1);
    Mix_UnregisterEffect(MIX_CHANNEL_POST, Blende);
    SDL_UnlockAudio();
}
}

void WechsleMusik(const char* datei)
{
    Mix_FreeMusic(music);
    music = nullptr;
    Gib(aktuell);
    if (Lies(datei, aktuell)) {
        music = Mix_LoadMUS_RW(aktuell.quelle);
        if (!music)
            Gib(aktuell);
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

void BlendeMusikAus()
{
    if (verklingend || !music || Mix_PlayingMusic() == 0 || Mix_PausedMusic() || !KannBlenden())
        return;
    blendeFrame = 0;
    if (!Mix_RegisterEffect(MIX_CHANNEL_POST, Blende, nullptr, nullptr))
        return;
    verklingend = music;
    verklingendDatei = aktuell;
    music = nullptr;
    aktuell = Datei();
}

void HalteMusikAmLaufen()
{
    if (verklingend) {
        if (blendeFrame.load() >= blendeFrames)
            BeendeBlende();
        return;
    }
    // A music that could not be loaded is not asked for again in every frame.
    if (music && playmusic && Mix_PlayingMusic() == 0)
        Mix_PlayMusic(music, -1);
}
