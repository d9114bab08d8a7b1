#include "Lautheit.h"

#include <ebur128.h>

#include <algorithm>
#include <cmath>

namespace Lautheit
{
namespace
{
constexpr std::size_t SCHRITT = RATE / 100;  // 10 ms

// A measure of silence answers minus infinity.
double Wert(int ergebnis, double lufs)
{
    return ergebnis == EBUR128_SUCCESS && std::isfinite(lufs) ? lufs : STILLE;
}
}

std::vector<float> AlsFloat(const std::vector<int16_t>& stereo)
{
    std::vector<float> f(stereo.size());
    std::transform(stereo.begin(), stereo.end(), f.begin(), [](int16_t w) { return w / 32768.0f; });
    return f;
}

std::vector<float> Hochpass(const std::vector<float>& stereo, double grenze)
{
    // The biquad of the Audio EQ Cookbook, Q = 1/sqrt(2).
    const double w = 2.0 * M_PI * grenze / RATE;
    const double alpha = std::sin(w) / std::sqrt(2.0);
    const double a0 = 1.0 + alpha;
    const double b0 = (1.0 + std::cos(w)) / 2.0 / a0, b1 = -2.0 * b0, b2 = b0;
    const double a1 = -2.0 * std::cos(w) / a0, a2 = (1.0 - alpha) / a0;
    std::vector<float> aus(stereo.size());
    for (std::size_t k = 0; k < 2; ++k) {
        double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
        for (std::size_t i = k; i < stereo.size(); i += 2) {
            const double y = b0 * stereo[i] + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
            x2 = x1;
            x1 = stereo[i];
            y2 = y1;
            y1 = y;
            aus[i] = static_cast<float>(y);
        }
    }
    return aus;
}

double Integriert(const std::vector<float>& stereo)
{
    ebur128_state* st = ebur128_init(2, RATE, EBUR128_MODE_I);
    double lufs = STILLE;
    if (st) {
        ebur128_add_frames_float(st, stereo.data(), stereo.size() / 2);
        const int ergebnis = ebur128_loudness_global(st, &lufs);
        lufs = Wert(ergebnis, lufs);
        ebur128_destroy(&st);
    }
    return lufs;
}

std::vector<double> Fenster(const std::vector<float>& stereo)
{
    std::vector<double> fenster;
    ebur128_state* st = ebur128_init(2, RATE, EBUR128_MODE_M);
    if (!st)
        return fenster;
    const std::size_t frames = stereo.size() / 2;
    for (std::size_t i = 0; i + SCHRITT <= frames; i += SCHRITT) {
        ebur128_add_frames_float(st, stereo.data() + 2 * i, SCHRITT);
        double lufs = STILLE;
        if (i + SCHRITT >= 10 * SCHRITT) {
            const int ergebnis = ebur128_loudness_window(st, 100, &lufs);
            fenster.push_back(Wert(ergebnis, lufs));
        }
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
