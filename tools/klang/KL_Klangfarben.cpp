#include "KL_Klangfarben.h"

#include "KL_Filter.h"
#include "KL_Noten.h"
#include "KL_Zufall.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>

namespace KL_Klangfarben
{
namespace
{
constexpr double ZWEI_PI = 2.0 * M_PI;

// One oscillator of a loop: `zyklen` periods of its fundamental fit the loop
// exactly; amplitude of harmonic h is spektrum(h, frequency).
struct Oszillator
{
    int zyklen;
    std::function<double(int, double)> spektrum;
    uint32_t phasenSaat;
};

// The sum of the oscillators at every frame of one loop of `laenge`.
std::vector<double> Periode(int laenge, double grundfrequenz, int grundzyklen, const std::vector<Oszillator>& osz,
                            double grenze)
{
    std::vector<double> werte(static_cast<std::size_t>(laenge), 0.0);
    for (const Oszillator& o : osz) {
        KL_Zufall zufall(o.phasenSaat);
        const double f0 = grundfrequenz * o.zyklen / grundzyklen;
        for (int h = 1; h * f0 < grenze; ++h) {
            const double a = o.spektrum(h, h * f0);
            const double phase = ZWEI_PI * zufall.Einheit();
            if (std::fabs(a) < 1e-5) {
                continue;
            }
            const double schritt = ZWEI_PI * h * o.zyklen / laenge;
            for (int n = 0; n < laenge; ++n) {
                werte[static_cast<std::size_t>(n)] += a * std::sin(schritt * n + phase);
            }
        }
    }
    return werte;
}

// A looped sample: frames [0, anschlag) blend from `hell` to the steady
// `dunkel` as `verlauf` falls from 1 to 0 (a closing filter), plus an extra
// attack noise `zusatz`; then one loop of `dunkel`.
struct Bauplan
{
    int basisNote = 49;
    int grundzyklen = 128;
    double anschlagSekunden = 0.15;
    double grenze = 7000.0;
    std::vector<Oszillator> dunkel;
    std::vector<Oszillator> hell;
    std::function<double(double)> verlauf;      // seconds -> 0..1
    std::function<double(double)> zusatz;        // seconds -> value, decays by the loop
};

double Grundfrequenz(int basisNote)
{
    return KL_Noten::Frequenz(basisNote);
}

int8_t RelativNote(int basisNote)
{
    return static_cast<int8_t>(24 + 49 - basisNote);
}

std::vector<int16_t> Ganzzahlig(const std::vector<double>& werte, double spitzeZiel)
{
    double spitze = 1e-9;
    for (double w : werte) {
        spitze = std::max(spitze, std::fabs(w));
    }
    std::vector<int16_t> probe;
    probe.reserve(werte.size());
    for (double w : werte) {
        probe.push_back(static_cast<int16_t>(std::lround(w / spitze * spitzeZiel * 32767.0)));
    }
    return probe;
}

KL_XmInstrument Schleifenprobe(const std::string& name, const Bauplan& plan)
{
    const double f = Grundfrequenz(plan.basisNote);
    const int laenge = static_cast<int>(std::lround(plan.grundzyklen * PROBENRATE / f));
    const double fLoop = plan.grundzyklen * PROBENRATE / laenge;
    const std::vector<double> dunkel = Periode(laenge, fLoop, plan.grundzyklen, plan.dunkel, plan.grenze);
    const std::vector<double> hell =
        plan.hell.empty() ? dunkel : Periode(laenge, fLoop, plan.grundzyklen, plan.hell, plan.grenze);

    const int anschlag = std::max(1, static_cast<int>(plan.anschlagSekunden * PROBENRATE));
    std::vector<double> werte(static_cast<std::size_t>(anschlag + laenge));
    for (int n = 0; n < anschlag + laenge; ++n) {
        const std::size_t p = static_cast<std::size_t>(n % laenge);
        double w = dunkel[p];
        if (n < anschlag) {
            const double t = n / PROBENRATE;
            // Ends at exactly 0 where the loop begins.
            const double fenster = 0.5 + 0.5 * std::cos(M_PI * n / anschlag);
            const double v = plan.verlauf ? plan.verlauf(t) * fenster : 0.0;
            w += (hell[p] - dunkel[p]) * v;
            if (plan.zusatz) {
                w += plan.zusatz(t) * fenster;
            }
        }
        werte[static_cast<std::size_t>(n)] = w;
    }

    KL_XmInstrument in;
    in.name = name;
    in.probe = Ganzzahlig(werte, 0.9);
    in.schleifenAnfang = static_cast<uint32_t>(anschlag);
    in.schleifenLaenge = static_cast<uint32_t>(laenge);
    in.relativNote = RelativNote(plan.basisNote);
    return in;
}

// A one-shot sample played at C-4, with a short fade at its end.
KL_XmInstrument Einzelprobe(const std::string& name, double sekunden, const std::function<double(double)>& klang,
                            double spitzeZiel = 0.9)
{
    const int n = static_cast<int>(sekunden * PROBENRATE);
    std::vector<double> werte(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        werte[static_cast<std::size_t>(i)] = klang(i / PROBENRATE);
    }
    const int rampe = std::min(n, static_cast<int>(0.005 * PROBENRATE));
    for (int i = 0; i < rampe; ++i) {
        werte[static_cast<std::size_t>(n - 1 - i)] *= static_cast<double>(i) / rampe;
    }
    KL_XmInstrument in;
    in.name = name;
    in.probe = Ganzzahlig(werte, spitzeZiel);
    in.relativNote = RelativNote(49);
    return in;
}

// A saw through a gentle low pass of the given corner.
std::function<double(int, double)> WeicheSaege(double ecke, double steilheit = 2.0)
{
    return [ecke, steilheit](int h, double f) { return 1.0 / h / (1.0 + std::pow(f / ecke, steilheit)); };
}

std::function<double(int, double)> Puls(double tastgrad, double ecke)
{
    return [tastgrad, ecke](int h, double f) {
        return std::sin(M_PI * h * tastgrad) / h / (1.0 + std::pow(f / ecke, 2.0));
    };
}

KL_XmHuelle Huelle(std::vector<std::pair<uint16_t, uint16_t>> punkte, int halten)
{
    KL_XmHuelle h;
    h.punkte = std::move(punkte);
    h.halten = halten;
    return h;
}

// Noise through a filter, the same on every run.
class Rauschquelle
{
public:
    Rauschquelle(uint32_t saat, double ecke, double guete) : zufall(saat), filter(PROBENRATE, ecke, guete) {}
    double Hoch() { filter.Schritt(zufall.Rauschen()); return filter.Hoch(); }
    double Band() { filter.Schritt(zufall.Rauschen()); return filter.Band(); }
    double Tief() { filter.Schritt(zufall.Rauschen()); return filter.Tief(); }

private:
    KL_Zufall zufall;
    KL_Filter filter;
};
}

KL_XmInstrument Bass()
{
    Bauplan p;
    p.basisNote = 25;  // C-2
    p.grundzyklen = 32;
    p.anschlagSekunden = 0.18;
    p.grenze = 5000.0;
    p.dunkel = {{32, WeicheSaege(420.0), 11}, {32, [](int h, double) { return h == 1 ? 0.6 : 0.0; }, 12}};
    p.hell = {{32, WeicheSaege(2400.0), 11}, {32, [](int h, double) { return h == 1 ? 0.6 : 0.0; }, 12}};
    p.verlauf = [](double t) { return std::exp(-t / 0.05); };
    KL_XmInstrument in = Schleifenprobe("Bass", p);
    in.huelle = Huelle({{0, 64}, {8, 50}, {40, 40}, {48, 0}}, 2);
    in.ausklang = 0x0c00;
    return in;
}

KL_XmInstrument Rundbass()
{
    Bauplan p;
    p.basisNote = 25;
    p.grundzyklen = 32;
    p.anschlagSekunden = 0.12;
    p.grenze = 3000.0;
    p.dunkel = {{32, [](int h, double) { return h == 1 ? 1.0 : (h == 2 ? 0.18 : (h == 3 ? 0.06 : 0.0)); }, 21}};
    p.hell = {{32, WeicheSaege(900.0, 3.0), 22}};
    p.verlauf = [](double t) { return 0.5 * std::exp(-t / 0.03); };
    KL_XmInstrument in = Schleifenprobe("Rundbass", p);
    in.huelle = Huelle({{0, 64}, {20, 52}, {80, 40}, {90, 0}}, 2);
    in.ausklang = 0x0800;
    return in;
}

KL_XmInstrument Melodie()
{
    Bauplan p;
    p.basisNote = 61;  // C-5
    p.grundzyklen = 256;
    p.anschlagSekunden = 0.2;
    p.grenze = 7500.0;
    p.dunkel = {{256, Puls(0.3, 2600.0), 31}, {257, WeicheSaege(2000.0), 32}};
    p.hell = {{256, Puls(0.3, 5000.0), 31}, {257, WeicheSaege(4000.0), 32}};
    p.verlauf = [](double t) { return std::exp(-t / 0.06); };
    KL_XmInstrument in = Schleifenprobe("Melodie", p);
    in.huelle = Huelle({{0, 0}, {1, 64}, {10, 50}, {16, 0}}, 2);
    in.ausklang = 0x0600;
    in.vibratoTiefe = 3;
    in.vibratoRate = 9;
    in.vibratoVorlauf = 40;
    return in;
}

KL_XmInstrument Quadrat()
{
    Bauplan p;
    p.basisNote = 61;
    p.grundzyklen = 256;
    p.anschlagSekunden = 0.05;
    p.grenze = 8000.0;
    p.dunkel = {{256, Puls(0.5, 3500.0), 35}, {255, Puls(0.5, 2500.0), 36}};
    p.hell = {{256, Puls(0.5, 8000.0), 35}, {255, Puls(0.5, 6000.0), 36}};
    p.verlauf = [](double t) { return std::exp(-t / 0.015); };
    KL_XmInstrument in = Schleifenprobe("Quadrat", p);
    in.huelle = Huelle({{0, 64}, {6, 46}, {24, 36}, {30, 0}}, 2);
    in.ausklang = 0x0800;
    in.vibratoTiefe = 2;
    in.vibratoRate = 12;
    in.vibratoVorlauf = 50;
    return in;
}

KL_XmInstrument Flaeche()
{
    Bauplan p;
    p.basisNote = 49;  // C-4
    p.grundzyklen = 128;
    p.anschlagSekunden = 0.01;
    p.grenze = 6000.0;
    p.dunkel = {{127, WeicheSaege(1400.0), 41}, {128, WeicheSaege(1400.0), 42}, {129, WeicheSaege(1400.0), 43}};
    KL_XmInstrument in = Schleifenprobe("Flaeche", p);
    // The swell starts just above silence: the player fades a voice into its
    // next note only from a note that sounds, and so a pad that rings into
    // the top of the song goes over into the pad of the first bar there.
    in.huelle = Huelle({{0, 8}, {24, 52}, {60, 64}, {96, 0}}, 2);
    in.ausklang = 0x0300;
    return in;
}

KL_XmInstrument Zupfer()
{
    Bauplan p;
    p.basisNote = 61;
    p.grundzyklen = 256;
    p.anschlagSekunden = 0.12;
    p.grenze = 8000.0;
    p.dunkel = {{256, Puls(0.5, 1200.0), 51}};
    p.hell = {{256, Puls(0.4, 6000.0), 52}};
    p.verlauf = [](double t) { return std::exp(-t / 0.03); };
    KL_XmInstrument in = Schleifenprobe("Zupfer", p);
    in.huelle = Huelle({{0, 64}, {4, 34}, {14, 12}, {40, 0}}, -1);
    in.ausklang = 0x1000;
    return in;
}

KL_XmInstrument EPiano(uint16_t ausklang)
{
    Bauplan p;
    p.basisNote = 49;
    p.grundzyklen = 128;
    p.anschlagSekunden = 0.6;
    p.grenze = 7000.0;
    p.dunkel = {{128, [](int h, double) { return h == 1 ? 1.0 : (h == 2 ? 0.1 : (h == 3 ? 0.025 : 0.0)); }, 61}};
    p.hell = {{128, [](int h, double) { return h == 1 ? 1.0 : 0.55 / (h * h * 0.5); }, 62}};
    p.verlauf = [](double t) { return std::exp(-t / 0.12); };
    p.zusatz = [](double t) {
        // The tine: an inharmonic ping that dies within a few milliseconds.
        const double f = 261.63;
        return 0.35 * std::exp(-t / 0.018) * std::sin(ZWEI_PI * f * 7.3 * t)
             + 0.12 * std::exp(-t / 0.008) * std::sin(ZWEI_PI * f * 13.1 * t);
    };
    KL_XmInstrument in = Schleifenprobe("E-Piano", p);
    in.huelle = Huelle({{0, 64}, {24, 44}, {90, 26}, {240, 12}, {248, 0}}, 3);
    in.ausklang = ausklang;
    return in;
}

KL_XmInstrument Glocke()
{
    Bauplan p;
    p.basisNote = 61;
    p.grundzyklen = 256;
    p.anschlagSekunden = 0.7;
    p.grenze = 9000.0;
    p.dunkel = {{256, [](int h, double) { return h == 1 ? 1.0 : (h == 2 ? 0.25 : 0.0); }, 71}};
    p.zusatz = [](double t) {
        const double f = 523.25;
        return 0.8 * std::exp(-t / 0.25) * std::sin(ZWEI_PI * f * 2.76 * t)
             + 0.5 * std::exp(-t / 0.12) * std::sin(ZWEI_PI * f * 5.40 * t)
             + 0.3 * std::exp(-t / 0.06) * std::sin(ZWEI_PI * f * 8.93 * t);
    };
    KL_XmInstrument in = Schleifenprobe("Glocke", p);
    in.huelle = Huelle({{0, 64}, {30, 32}, {90, 12}, {200, 0}}, -1);
    in.ausklang = 0x0400;
    return in;
}

KL_XmInstrument Floete()
{
    Bauplan p;
    p.basisNote = 61;
    p.grundzyklen = 256;
    p.anschlagSekunden = 0.1;
    p.grenze = 6000.0;
    p.dunkel = {{256, [](int h, double) { return h == 1 ? 1.0 : (h == 2 ? 0.12 : (h == 3 ? 0.05 : 0.0)); }, 81}};
    p.hell = {{256, [](int h, double) { return h == 1 ? 1.0 : 0.3 / h; }, 82}};
    p.verlauf = [](double t) { return std::exp(-t / 0.04); };
    auto hauch = std::make_shared<Rauschquelle>(83, 2500.0, 1.2);
    p.zusatz = [hauch](double t) { return 0.35 * std::exp(-t / 0.025) * hauch->Band(); };
    KL_XmInstrument in = Schleifenprobe("Floete", p);
    in.huelle = Huelle({{0, 0}, {4, 60}, {12, 54}, {22, 0}}, 2);
    in.ausklang = 0x0500;
    in.vibratoTiefe = 4;
    in.vibratoRate = 10;
    in.vibratoVorlauf = 60;
    return in;
}

KL_XmInstrument Trommel()
{
    return Einzelprobe("Trommel", 0.42, [](double t) {
        const double phase = ZWEI_PI * (48.0 * t + (150.0 - 48.0) * 0.035 * (1.0 - std::exp(-t / 0.035)));
        const double koerper = std::sin(phase) * std::exp(-t / 0.16);
        const double klick = std::exp(-t / 0.003) * std::sin(ZWEI_PI * 1200.0 * t) * 0.3;
        return std::tanh(1.6 * (koerper + klick)) * std::min(1.0, t / 0.0008);
    });
}

KL_XmInstrument Schnarre()
{
    auto rauschen = std::make_shared<Rauschquelle>(91, 3800.0, 0.6);
    return Einzelprobe("Schnarre", 0.32, [rauschen](double t) {
        const double ton = (std::sin(ZWEI_PI * 185.0 * t) + 0.5 * std::sin(ZWEI_PI * 330.0 * t)) * std::exp(-t / 0.035);
        const double teppich = rauschen->Band() * 2.2 * std::exp(-t / 0.085);
        return (0.7 * ton + teppich) * std::min(1.0, t / 0.0008);
    });
}

KL_XmInstrument Klatschen()
{
    auto rauschen = std::make_shared<Rauschquelle>(92, 1300.0, 1.4);
    return Einzelprobe("Klatschen", 0.3, [rauschen](double t) {
        double huelle = 0.0;
        for (int i = 0; i < 3; ++i) {
            const double s = t - i * 0.011;
            if (s >= 0.0) {
                huelle = std::max(huelle, std::exp(-s / 0.006));
            }
        }
        if (t > 0.022) {
            huelle = std::max(huelle, 0.7 * std::exp(-(t - 0.022) / 0.07));
        }
        return rauschen->Band() * 3.0 * huelle;
    });
}

KL_XmInstrument HiHat(bool offen)
{
    auto rauschen = std::make_shared<Rauschquelle>(offen ? 94 : 93, 7500.0, 0.7);
    const double abklingen = offen ? 0.17 : 0.022;
    return Einzelprobe(offen ? "HiHat offen" : "HiHat", offen ? 0.5 : 0.12, [rauschen, abklingen](double t) {
        // Metal: a few square waves at clashing frequencies under the noise.
        double metall = 0.0;
        const double frequenzen[] = {3180.0, 4620.0, 5310.0, 6770.0};
        for (double f : frequenzen) {
            metall += std::sin(ZWEI_PI * f * t) > 0.0 ? 0.25 : -0.25;
        }
        const double w = rauschen->Hoch() + 0.25 * metall;
        return w * std::exp(-t / abklingen) * std::min(1.0, t / 0.0005);
    });
}

KL_XmInstrument Schuettler()
{
    auto rauschen = std::make_shared<Rauschquelle>(95, 6200.0, 1.5);
    return Einzelprobe("Schuettler", 0.14, [rauschen](double t) {
        const double an = std::min(1.0, t / 0.008);
        return rauschen->Band() * an * std::exp(-t / 0.035);
    });
}

KL_XmInstrument Tom()
{
    return Einzelprobe("Tom", 0.5, [](double t) {
        const double phase = ZWEI_PI * (110.0 * t + 60.0 * 0.05 * (1.0 - std::exp(-t / 0.05)));
        return std::sin(phase) * std::exp(-t / 0.18) * std::min(1.0, t / 0.001);
    });
}
}
