#include "Plattenausgabe.h"

#include "SDL.h"
#include "SDL_mixer.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <utility>

Plattenausgabe::Plattenausgabe(const std::string& datei_, int stueck, bool echtzeit) : datei(datei_)
{
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", datei.c_str(), 1);
    if (echtzeit)
        unsetenv("SDL_DISKAUDIODELAY");
    else
        setenv("SDL_DISKAUDIODELAY", "0", 1);
    offen = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0 && Mix_OpenAudio(44100, AUDIO_S16LSB, 2, stueck) == 0;
    if (offen)
        Mix_SetPostMix(Mitschnitt, this);
}

// Runs on the mixer's thread.
void Plattenausgabe::Mitschnitt(void* selbst, unsigned char* strom, int laenge)
{
    Plattenausgabe& p = *static_cast<Plattenausgabe*>(selbst);
    const int16_t* w = reinterpret_cast<const int16_t*>(strom);
    for (int i = 0; i < laenge / 2 && p.ersterKlang == SIZE_MAX; ++i) {
        if (w[i] != 0)
            p.ersterKlang = p.werte.size() + static_cast<std::size_t>(i);
    }
    p.werte.insert(p.werte.end(), w, w + laenge / 2);
}

std::size_t Plattenausgabe::Frames(bool mitKlang) const
{
    SDL_LockAudio();
    const std::size_t von = mitKlang ? std::min(ersterKlang, werte.size()) : 0;
    const std::size_t frames = (werte.size() - von) / 2;
    SDL_UnlockAudio();
    return frames;
}

std::vector<int16_t> Plattenausgabe::Schliessen()
{
    if (offen) {
        Mix_CloseAudio();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        offen = false;
        std::remove(datei.c_str());
    }
    return std::exchange(werte, {});
}
