#include "KL_Puffer.h"

#include <algorithm>
#include <cmath>

KL_Puffer::KL_Puffer(int kanaele_, int rate_, std::size_t frames_)
    : kanaele(kanaele_ < 1 ? 1 : (kanaele_ > 2 ? 2 : kanaele_)), rate(rate_), frames(frames_),
      daten(frames_ * static_cast<std::size_t>(kanaele), 0.0f)
{
}

float KL_Puffer::Wert(std::size_t frame, int kanal) const
{
    if (frame >= frames || kanal < 0 || kanal >= kanaele) {
        return 0.0f;
    }
    return daten[frame * kanaele + kanal];
}

void KL_Puffer::Addiere(std::size_t frame, int kanal, float wert)
{
    if (kanal < 0 || kanal >= kanaele || frames == 0) {
        return;
    }
    if (frame >= frames) {
        if (!rundlauf) {
            return;
        }
        frame %= frames;
    }
    daten[frame * kanaele + kanal] += wert;
}

void KL_Puffer::Einblenden(double sekunden)
{
    const std::size_t n = std::min(frames, static_cast<std::size_t>(sekunden * rate));
    for (std::size_t i = 0; i < n; ++i) {
        const float g = static_cast<float>(0.5 - 0.5 * std::cos(M_PI * i / n));
        for (int k = 0; k < kanaele; ++k) {
            daten[i * kanaele + k] *= g;
        }
    }
}

void KL_Puffer::Ausblenden(double sekunden)
{
    const std::size_t n = std::min(frames, static_cast<std::size_t>(sekunden * rate));
    for (std::size_t i = 0; i < n; ++i) {
        const float g = static_cast<float>(0.5 - 0.5 * std::cos(M_PI * i / n));
        const std::size_t f = frames - 1 - i;
        for (int k = 0; k < kanaele; ++k) {
            daten[f * kanaele + k] *= g;
        }
    }
}

void KL_Puffer::Verstaerke(double faktor)
{
    for (float& w : daten) {
        w = static_cast<float>(w * faktor);
    }
}

double KL_Puffer::Spitze() const
{
    double spitze = 0.0;
    for (float w : daten) {
        spitze = std::max(spitze, static_cast<double>(std::fabs(w)));
    }
    return spitze;
}

double KL_Puffer::LautestesFenster(double sekunden) const
{
    const std::size_t fenster = std::max<std::size_t>(1, static_cast<std::size_t>(sekunden * rate)) * kanaele;
    const std::size_t n = daten.size();
    if (n == 0) {
        return 0.0;
    }
    const std::size_t breite = std::min(fenster, n);
    double summe = 0.0;
    for (std::size_t i = 0; i < breite; ++i) {
        summe += static_cast<double>(daten[i]) * daten[i];
    }
    double beste = summe;
    for (std::size_t i = breite; i < n; ++i) {
        summe += static_cast<double>(daten[i]) * daten[i];
        summe -= static_cast<double>(daten[i - breite]) * daten[i - breite];
        beste = std::max(beste, summe);
    }
    return std::sqrt(std::max(beste, 0.0) / breite);
}
