#include "Plattenausgabe.h"

#include "SDL.h"
#include "SDL_mixer.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>

Plattenausgabe::Plattenausgabe(const std::string& datei_, int stueck) : datei(datei_)
{
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", datei.c_str(), 1);
    setenv("SDL_DISKAUDIODELAY", "0", 1);
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0) {
        offen = Mix_OpenAudio(44100, AUDIO_S16LSB, 2, stueck) == 0;
    }
}

Plattenausgabe::~Plattenausgabe()
{
    Schliessen();
}

std::vector<int16_t> Plattenausgabe::Schliessen()
{
    std::vector<int16_t> werte;
    if (!offen) {
        return werte;
    }
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    offen = false;
    std::ifstream f(datei, std::ios::binary | std::ios::ate);
    werte.resize(static_cast<std::size_t>(std::max<std::streamoff>(f.tellg(), 0)) / 2);
    f.seekg(0);
    f.read(reinterpret_cast<char*>(werte.data()), static_cast<std::streamsize>(werte.size() * 2));
    std::remove(datei.c_str());
    return werte;
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
