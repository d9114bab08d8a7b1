#include "KL_Filter.h"

#include <algorithm>
#include <cmath>

KL_Filter::KL_Filter(double rate_, double grenzfrequenz, double guete) : rate(rate_)
{
    Setze(grenzfrequenz, guete);
}

void KL_Filter::Setze(double grenzfrequenz, double guete)
{
    const double f = std::clamp(grenzfrequenz, 10.0, rate * 0.49);
    g = std::tan(M_PI * f / rate);
    k = 1.0 / std::max(guete, 0.1);
    a1 = 1.0 / (1.0 + g * (g + k));
    a2 = g * a1;
    a3 = g * a2;
}

void KL_Filter::Schritt(double eingang)
{
    const double v3 = eingang - s2;
    const double v1 = a1 * s1 + a2 * v3;
    const double v2 = s2 + a2 * s1 + a3 * v3;
    s1 = 2.0 * v1 - s1;
    s2 = 2.0 * v2 - s2;
    band = v1;
    tief = v2;
    hoch = eingang - k * v1 - v2;
}
