#include "Plattenausgabe.h"

#include "SDL.h"
#include "SDL_mixer.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <utility>

static std::atomic<bool> musikZuEnde{false};

Plattenausgabe::Plattenausgabe(const std::string& datei_, int stueck, bool bisMusikEnde_)
    : datei(datei_), bisMusikEnde(bisMusikEnde_)
{
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", datei.c_str(), 1);
    setenv("SDL_DISKAUDIODELAY", "0", 1);
    offen = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0 && Mix_OpenAudio(44100, AUDIO_S16LSB, 2, stueck) == 0;
    if (offen) {
        musikZuEnde = false;
        Mix_HookMusicFinished([] { musikZuEnde = true; });
        Mix_SetPostMix(Mitschnitt, this);
    }
}

// Runs on the mixer's thread, after the music finished hook of the same mix.
void Plattenausgabe::Mitschnitt(void* selbst, unsigned char* strom, int laenge)
{
    Plattenausgabe& p = *static_cast<Plattenausgabe*>(selbst);
    const int16_t* w = reinterpret_cast<const int16_t*>(strom);
    if (!p.warZuEnde) {
        p.werte.insert(p.werte.end(), w, w + laenge / 2);
    }
    p.warZuEnde = p.bisMusikEnde && musikZuEnde;
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

Aufnahme::Aufnahme(std::vector<int16_t> w) : werte(std::move(w))
{
    erster = werte.size();
    // Whole frames only, both channels.
    for (std::size_t i = 0; i < werte.size() / 2 * 2; ++i) {
        const int a = std::abs(static_cast<int>(werte[i]));
        spitze = std::max(spitze, a);
        vollAusschlag += a >= 32767 ? 1 : 0;
        if (a > 8) {
            erster = std::min(erster, i / 2);
            letzter = i / 2 + 1;
        }
    }
    erster = std::min(erster, letzter);
}

double Aufnahme::Pegel(std::size_t von, std::size_t bis) const
{
    double summe = 0.0;
    std::size_t n = 0;
    for (std::size_t i = von; i < bis && 2 * i + 1 < werte.size(); ++i, n += 2) {
        summe += static_cast<double>(werte[2 * i]) * werte[2 * i] + static_cast<double>(werte[2 * i + 1]) * werte[2 * i + 1];
    }
    return n ? 10.0 * std::log10(summe / n / (32768.0 * 32768.0) + 1e-12) : -120.0;
}
