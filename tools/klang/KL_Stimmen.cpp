#include "KL_Stimmen.h"

#include "KL_Filter.h"
#include "KL_Noten.h"
#include "KL_Puffer.h"
#include "KL_Zufall.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace
{
constexpr double ZWEI_PI = 2.0 * M_PI;

// A saw with its step smoothed (polyBLEP), so high notes do not alias.
double Saege(double phase, double schritt)
{
    double w = 2.0 * phase - 1.0;
    if (phase < schritt) {
        const double x = phase / schritt;
        w -= x + x - x * x - 1.0;
    } else if (phase > 1.0 - schritt) {
        const double x = (phase - 1.0) / schritt;
        w -= x * x + x + x + 1.0;
    }
    return w;
}

// Attack, hold to the end of the note, release; 0 outside.
double Huelle(double t, double dauer, double anschlag, double ausklang)
{
    if (t < 0.0 || t > dauer + ausklang) {
        return 0.0;
    }
    const double an = std::min(1.0, t / anschlag);
    const double aus = t <= dauer ? 1.0 : 1.0 - (t - dauer) / ausklang;
    return an * aus * aus;
}
}

KL_Stimmen::KL_Stimmen(KL_Puffer& ziel_) : ziel(ziel_)
{
}

void KL_Stimmen::Schreibe(std::size_t frame, double wert, double panorama)
{
    const double winkel = (std::clamp(panorama, -1.0, 1.0) + 1.0) * M_PI / 4.0;
    ziel.Addiere(frame, 0, static_cast<float>(wert * std::cos(winkel)));
    ziel.Addiere(frame, 1, static_cast<float>(wert * std::sin(winkel)));
}

void KL_Stimmen::Spiele(Art art, double ab, double dauer, double frequenz, double staerke, double panorama)
{
    ++saat;
    switch (art) {
    case BLECH: Blech(ab, dauer, frequenz, staerke, panorama); break;
    case STREICHER: Streicher(ab, dauer, frequenz, staerke, panorama); break;
    case GLOCKE: Glocke(ab, frequenz, staerke, panorama); break;
    case BASS: Bass(ab, dauer, frequenz, staerke, panorama); break;
    case PAUKE: Pauke(ab, frequenz, staerke, panorama); break;
    case SCHNARRE: Schnarre(ab, staerke, panorama); break;
    case BECKEN: Becken(ab, dauer, staerke, panorama); break;
    case ANSTIEG: Anstieg(ab, dauer, staerke); break;
    }
}

void KL_Stimmen::Zeile(Art art, const std::string& zeile, double ab, double schritt, double staerke,
                       double panorama, int transponieren)
{
    const std::vector<KL_Noten::Schritt> schritte = KL_Noten::Zeile(zeile);
    for (std::size_t i = 0; i < schritte.size(); ++i) {
        const KL_Noten::Schritt& s = schritte[i];
        if (s.note <= 0 || s.note == KL_Noten::LOSLASSEN) {
            continue;
        }
        std::size_t ende = i + 1;
        while (ende < schritte.size() && schritte[ende].note == 0) {
            ++ende;
        }
        const double laut = s.lautstaerke >= 0 ? staerke * s.lautstaerke / 64.0 : staerke;
        Spiele(art, ab + i * schritt, (ende - i) * schritt, KL_Noten::Frequenz(s.note + transponieren), laut,
               panorama);
    }
}

void KL_Stimmen::Blech(double ab, double dauer, double f, double staerke, double pan)
{
    const int rate = ziel.Rate();
    const double ausklang = 0.12;
    const std::size_t anfang = static_cast<std::size_t>(ab * rate);
    const std::size_t n = static_cast<std::size_t>((dauer + ausklang) * rate);
    KL_Filter filter(rate, 800.0, 0.9);
    double p1 = 0.0, p2 = 0.37;
    for (std::size_t i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / rate;
        const double vibrato = 1.0 + 0.004 * std::sin(ZWEI_PI * 5.2 * t) * std::min(1.0, std::max(0.0, t - 0.25) / 0.3);
        const double s1 = f * vibrato / rate, s2 = f * 1.004 * vibrato / rate;
        p1 += s1; p1 -= std::floor(p1);
        p2 += s2; p2 -= std::floor(p2);
        // The brass "blat": the filter opens on the attack and settles.
        const double oeffnung = 1.0 - std::exp(-t / 0.025);
        filter.Setze(f * (1.5 + 4.0 * oeffnung * (0.6 + 0.4 * std::exp(-t / 0.3))) + 300.0, 0.9);
        filter.Schritt(Saege(p1, s1) + Saege(p2, s2));
        Schreibe(anfang + i, 0.5 * staerke * Huelle(t, dauer, 0.03, ausklang) * filter.Tief(), pan);
    }
}

void KL_Stimmen::Streicher(double ab, double dauer, double f, double staerke, double pan)
{
    const int rate = ziel.Rate();
    const double ausklang = 0.35;
    const std::size_t anfang = static_cast<std::size_t>(ab * rate);
    const std::size_t n = static_cast<std::size_t>((dauer + ausklang) * rate);
    KL_Filter filter(rate, std::min(f * 4.0, 3200.0), 0.7);
    const double verstimmung[] = {0.996, 1.0, 1.0045};
    double phase[] = {0.1, 0.5, 0.8};
    for (std::size_t i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / rate;
        const double vibrato = 1.0 + 0.003 * std::sin(ZWEI_PI * 4.8 * t + saat);
        double w = 0.0;
        for (int k = 0; k < 3; ++k) {
            const double s = f * verstimmung[k] * vibrato / rate;
            phase[k] += s;
            phase[k] -= std::floor(phase[k]);
            w += Saege(phase[k], s);
        }
        filter.Schritt(w);
        Schreibe(anfang + i, 0.25 * staerke * Huelle(t, dauer, 0.18, ausklang) * filter.Tief(), pan);
    }
}

void KL_Stimmen::Glocke(double ab, double f, double staerke, double pan)
{
    const int rate = ziel.Rate();
    const std::size_t anfang = static_cast<std::size_t>(ab * rate);
    const std::size_t n = static_cast<std::size_t>(1.6 * rate);
    const double teile[][3] = {{1.0, 1.0, 0.9}, {2.0, 0.35, 0.5}, {2.76, 0.3, 0.3}, {5.4, 0.15, 0.12}, {8.93, 0.06, 0.05}};
    for (std::size_t i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / rate;
        double w = 0.0;
        for (const auto& teil : teile) {
            if (f * teil[0] < rate * 0.45) {
                w += teil[1] * std::exp(-t / teil[2]) * std::sin(ZWEI_PI * f * teil[0] * t);
            }
        }
        const double ende = std::min(1.0, (1.6 - t) / 0.05);
        Schreibe(anfang + i, 0.3 * staerke * std::min(1.0, t / 0.001) * ende * w, pan);
    }
}

void KL_Stimmen::Bass(double ab, double dauer, double f, double staerke, double pan)
{
    const int rate = ziel.Rate();
    const double ausklang = 0.08;
    const std::size_t anfang = static_cast<std::size_t>(ab * rate);
    const std::size_t n = static_cast<std::size_t>((dauer + ausklang) * rate);
    KL_Filter filter(rate, 600.0, 0.8);
    double phase = 0.0;
    for (std::size_t i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / rate;
        const double s = f / rate;
        phase += s;
        phase -= std::floor(phase);
        filter.Setze(f * 2.0 + 900.0 * std::exp(-t / 0.06), 0.8);
        filter.Schritt(Saege(phase, s));
        const double w = filter.Tief() + 0.5 * std::sin(ZWEI_PI * phase);
        const double abfall = 0.55 + 0.45 * std::exp(-t / 0.15);
        Schreibe(anfang + i, 0.45 * staerke * abfall * Huelle(t, dauer, 0.008, ausklang) * w, pan);
    }
}

void KL_Stimmen::Pauke(double ab, double f, double staerke, double pan)
{
    const int rate = ziel.Rate();
    const std::size_t anfang = static_cast<std::size_t>(ab * rate);
    const std::size_t n = static_cast<std::size_t>(1.2 * rate);
    KL_Zufall zufall(saat * 7919u);
    KL_Filter filter(rate, 400.0, 0.7);
    double phase = 0.0;
    for (std::size_t i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / rate;
        phase += ZWEI_PI * f * (1.0 + 0.08 * std::exp(-t / 0.05)) / rate;
        filter.Schritt(zufall.Rauschen());
        const double w = (std::sin(phase) + 0.3 * std::sin(1.5 * phase)) * std::exp(-t / 0.45)
                       + 1.5 * filter.Tief() * std::exp(-t / 0.04);
        const double ende = std::min(1.0, (1.2 - t) / 0.05);
        Schreibe(anfang + i, 0.6 * staerke * std::min(1.0, t / 0.002) * ende * w, pan);
    }
}

void KL_Stimmen::Schnarre(double ab, double staerke, double pan)
{
    const int rate = ziel.Rate();
    const std::size_t anfang = static_cast<std::size_t>(ab * rate);
    const std::size_t n = static_cast<std::size_t>(0.3 * rate);
    KL_Zufall zufall(saat * 104729u);
    KL_Filter filter(rate, 4000.0, 0.6);
    for (std::size_t i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / rate;
        filter.Schritt(zufall.Rauschen());
        const double w = 0.5 * std::sin(ZWEI_PI * 200.0 * t) * std::exp(-t / 0.03) + 1.4 * filter.Band() * std::exp(-t / 0.07);
        const double ende = std::min(1.0, (0.3 - t) / 0.02);
        Schreibe(anfang + i, 0.4 * staerke * std::min(1.0, t / 0.001) * ende * w, pan);
    }
}

void KL_Stimmen::Becken(double ab, double dauer, double staerke, double pan)
{
    const int rate = ziel.Rate();
    const std::size_t anfang = static_cast<std::size_t>(ab * rate);
    const std::size_t n = static_cast<std::size_t>(dauer * rate);
    KL_Zufall zufall(saat * 15485863u);
    KL_Filter filter(rate, 6000.0, 0.5);
    for (std::size_t i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / rate;
        filter.Schritt(zufall.Rauschen());
        const double ende = std::min(1.0, (dauer - t) / 0.1);
        Schreibe(anfang + i, 0.35 * staerke * std::min(1.0, t / 0.002) * ende * std::exp(-t / (dauer * 0.35)) * filter.Hoch(), pan);
    }
}

void KL_Stimmen::Anstieg(double ab, double dauer, double staerke)
{
    const int rate = ziel.Rate();
    const std::size_t anfang = static_cast<std::size_t>(ab * rate);
    const std::size_t n = static_cast<std::size_t>(dauer * rate);
    KL_Zufall links(saat * 31u), rechts(saat * 37u);
    KL_Filter fl(rate, 300.0, 2.0), fr(rate, 300.0, 2.0);
    for (std::size_t i = 0; i < n; ++i) {
        const double anteil = static_cast<double>(i) / n;
        const double ecke = 300.0 * std::pow(20.0, anteil);
        fl.Setze(ecke, 2.0);
        fr.Setze(ecke * 1.05, 2.0);
        fl.Schritt(links.Rauschen());
        fr.Schritt(rechts.Rauschen());
        const double huelle = staerke * anteil * anteil * std::min(1.0, (1.0 - anteil) * n / (0.03 * rate));
        ziel.Addiere(anfang + i, 0, static_cast<float>(0.5 * huelle * fl.Band()));
        ziel.Addiere(anfang + i, 1, static_cast<float>(0.5 * huelle * fr.Band()));
    }
}
