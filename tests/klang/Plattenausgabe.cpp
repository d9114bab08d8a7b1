#include "Plattenausgabe.h"

#include "SDL.h"
#include "SDL_mixer.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

Plattenausgabe::Plattenausgabe(const std::string& datei_) : datei(datei_)
{
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", datei.c_str(), 1);
    setenv("SDL_DISKAUDIODELAY", "0", 1);
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0) {
        offen = Mix_OpenAudio(44100, AUDIO_S16LSB, 2, 1024) == 0;
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
    std::FILE* f = std::fopen(datei.c_str(), "rb");
    if (!f) {
        return werte;
    }
    int16_t puffer[4096];
    std::size_t n;
    while ((n = std::fread(puffer, sizeof(int16_t), 4096, f)) > 0) {
        werte.insert(werte.end(), puffer, puffer + n);
    }
    std::fclose(f);
    std::remove(datei.c_str());
    return werte;
}

Aufnahme::Aufnahme(std::vector<int16_t> w) : werte(std::move(w))
{
    const std::size_t frames = werte.size() / 2;
    bool gefunden = false;
    for (std::size_t i = 0; i < frames; ++i) {
        for (int k = 0; k < 2; ++k) {
            const int a = std::abs(static_cast<int>(werte[2 * i + k]));
            spitze = a > spitze ? a : spitze;
            vollAusschlag += a >= 32767 ? 1 : 0;
            if (a > 8) {
                if (!gefunden) {
                    erster = i;
                    gefunden = true;
                }
                letzter = i + 1;
            }
        }
    }
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
