#include "Lautheit.h"

#include "KL_Filter.h"

#include <ebur128.h>

#include <algorithm>
#include <cmath>

namespace Lautheit
{
// A measure of silence answers minus infinity.
double Wert(int ergebnis, double lufs)
{
    return ergebnis == EBUR128_SUCCESS && std::isfinite(lufs) ? lufs : STILLE;
}

std::vector<int16_t> Hochpass(const std::vector<int16_t>& stereo, double grenze)
{
    std::vector<int16_t> aus(stereo.size());
    KL_Filter filter[2] = {KL_Filter(RATE, grenze, M_SQRT1_2), KL_Filter(RATE, grenze, M_SQRT1_2)};
    for (std::size_t i = 0; i < stereo.size(); ++i) {
        filter[i % 2].Schritt(stereo[i]);
        aus[i] = static_cast<int16_t>(std::clamp(std::lround(filter[i % 2].Hoch()), -32768L, 32767L));
    }
    return aus;
}

double Integriert(const std::vector<int16_t>& stereo)
{
    ebur128_state* st = ebur128_init(2, RATE, EBUR128_MODE_I);
    if (!st)
        return STILLE;
    ebur128_add_frames_short(st, stereo.data(), stereo.size() / 2);
    double lufs = STILLE;
    const int ergebnis = ebur128_loudness_global(st, &lufs);
    ebur128_destroy(&st);
    return Wert(ergebnis, lufs);
}

std::vector<double> Fenster(const std::vector<int16_t>& stereo)
{
    const std::size_t schritt = RATE / 100;
    std::vector<double> fenster;
    ebur128_state* st = ebur128_init(2, RATE, EBUR128_MODE_M);
    for (std::size_t i = 0; st && 2 * (i + schritt) <= stereo.size(); i += schritt) {
        ebur128_add_frames_short(st, stereo.data() + 2 * i, schritt);
        double lufs = STILLE;
        const int ergebnis = ebur128_loudness_window(st, 100, &lufs);
        if (i + schritt >= 10 * schritt)
            fenster.push_back(Wert(ergebnis, lufs));
    }
    ebur128_destroy(&st);
    return fenster;
}

double Anteil(std::vector<double> werte, double anteil)
{
    if (werte.empty())
        return STILLE;
    const std::size_t n = std::min(werte.size() - 1, static_cast<std::size_t>(anteil * (werte.size() - 1)));
    std::nth_element(werte.begin(), werte.begin() + n, werte.end());
    return werte[n];
}
}
