#include "KL_Effekte.h"

#include "KL_Filter.h"
#include "KL_Zufall.h"

#include <algorithm>
#include <cmath>

namespace KL_Effekte
{
namespace
{
constexpr double ZWEI_PI = 2.0 * M_PI;
// Loudest 100 ms of every effect (6 LU and more above the music), and the
// ceiling of its peak: the music peaks at -6 dBFS or lower, so that effect
// and music together stay below full scale.
constexpr double ZIEL_LUFS = -10.5;
constexpr double SPITZE_GRENZE = 0.48;

KL_Puffer Leer(double sekunden)
{
    return KL_Puffer(1, RATE, static_cast<std::size_t>(sekunden * RATE));
}

double Zeit(std::size_t i)
{
    return static_cast<double>(i) / RATE;
}

// A decaying partial from `ab` seconds on.
void Teilton(KL_Puffer& p, double ab, double frequenz, double staerke, double abklingen)
{
    const std::size_t anfang = static_cast<std::size_t>(ab * RATE);
    for (std::size_t i = anfang; i < p.Frames(); ++i) {
        const double t = Zeit(i - anfang);
        p.Addiere(i, 0, static_cast<float>(staerke * std::exp(-t / abklingen) * std::sin(ZWEI_PI * frequenz * t)));
    }
}

// Filtered noise with an exponential decay from `ab` on.
void Rauschstoss(KL_Puffer& p, double ab, uint32_t saat, double ecke, double guete, bool band, double staerke,
                 double abklingen)
{
    KL_Zufall zufall(saat);
    KL_Filter filter(RATE, ecke, guete);
    const std::size_t anfang = static_cast<std::size_t>(ab * RATE);
    for (std::size_t i = anfang; i < p.Frames(); ++i) {
        const double t = Zeit(i - anfang);
        filter.Schritt(zufall.Rauschen());
        const double w = band ? filter.Band() : filter.Tief();
        p.Addiere(i, 0, static_cast<float>(staerke * std::exp(-t / abklingen) * w));
    }
}

// A note with a soft attack, a few harmonics and its own decay: the voice
// of the tonal effects.
void Note(KL_Puffer& p, double ab, double dauer, double frequenz, double staerke, const std::vector<double>& obertoene,
          double abklingen, double vibrato = 0.0)
{
    const std::size_t anfang = static_cast<std::size_t>(ab * RATE);
    const std::size_t ende = std::min(p.Frames(), anfang + static_cast<std::size_t>(dauer * RATE));
    double phase = 0.0;
    for (std::size_t i = anfang; i < ende; ++i) {
        const double t = Zeit(i - anfang);
        const double rest = Zeit(ende - i);
        const double huelle = std::min(1.0, t / 0.004) * std::min(1.0, rest / 0.02) * std::exp(-t / abklingen);
        const double f = frequenz * (1.0 + vibrato * std::sin(ZWEI_PI * 5.5 * t) * std::min(1.0, t / 0.3));
        phase += ZWEI_PI * f / RATE;
        double w = 0.0;
        for (std::size_t h = 0; h < obertoene.size(); ++h) {
            w += obertoene[h] * std::sin(phase * static_cast<double>(h + 1));
        }
        p.Addiere(i, 0, static_cast<float>(staerke * huelle * w));
    }
}

double Frequenz(int halbtoeneUeberA4)
{
    return 440.0 * std::pow(2.0, halbtoeneUeberA4 / 12.0);
}

// One second-order section of the K-weighting (ITU-R BS.1770), by its
// analogue corner, quality and gain, at our rate.
class Filterstufe
{
public:
    Filterstufe(double ecke, double guete, double verstaerkungDb, bool regal)
    {
        const double k = std::tan(M_PI * ecke / RATE);
        const double nenner = 1.0 + k / guete + k * k;
        a1 = 2.0 * (k * k - 1.0) / nenner;
        a2 = (1.0 - k / guete + k * k) / nenner;
        if (regal) {
            const double vh = std::pow(10.0, verstaerkungDb / 20.0);
            const double vb = std::pow(vh, 0.4996667741545416);
            b0 = (vh + vb * k / guete + k * k) / nenner;
            b1 = 2.0 * (k * k - vh) / nenner;
            b2 = (vh - vb * k / guete + k * k) / nenner;
        }
    }
    double Schritt(double x)
    {
        const double y = b0 * x + z1;
        z1 = b1 * x - a1 * y + z2;
        z2 = b2 * x - a2 * y;
        return y;
    }

private:
    double b0 = 1.0, b1 = -2.0, b2 = 1.0, a1 = 0.0, a2 = 0.0, z1 = 0.0, z2 = 0.0;
};

// The gain that keeps every sample within the ceiling: the lowest gain any
// sample within 2 ms asks for, averaged over 1 ms either side. So the gain
// bends smoothly around a peak, and the wave keeps its shape.
std::vector<double> Begrenzung(const std::vector<float>& daten, double grenze)
{
    const std::size_t n = daten.size();
    const std::size_t breite = RATE / 1000;
    std::vector<double> noetig(n), tiefste(n), verstaerkung(n);
    for (std::size_t i = 0; i < n; ++i) {
        const double betrag = std::fabs(daten[i]);
        noetig[i] = betrag > grenze ? grenze / betrag : 1.0;
    }
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t von = i >= 2 * breite ? i - 2 * breite : 0;
        tiefste[i] = *std::min_element(noetig.begin() + von, noetig.begin() + std::min(n, i + 2 * breite + 1));
    }
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t von = i >= breite ? i - breite : 0, bis = std::min(n, i + breite + 1);
        double summe = 0.0;
        for (std::size_t k = von; k < bis; ++k)
            summe += tiefste[k];
        verstaerkung[i] = summe / (bis - von);
    }
    return verstaerkung;
}
}

double Lautheit(const KL_Puffer& p)
{
    Filterstufe regal(1681.974450955533, 0.7071752369554196, 3.999843853973347, true);
    Filterstufe tiefsperre(38.13547087602444, 0.5003270373238773, 0.0, false);
    const std::size_t fenster = RATE / 10;
    std::vector<double> leistung;
    leistung.reserve(p.Frames());
    for (std::size_t i = 0; i < p.Frames(); ++i) {
        const double w = tiefsperre.Schritt(regal.Schritt(p.Wert(i, 0)));
        leistung.push_back(w * w);
    }
    // Silence around the sound: a short sound counts over a whole window.
    double summe = 0.0, beste = 0.0;
    for (std::size_t i = 0; i < leistung.size(); ++i) {
        summe += leistung[i] - (i >= fenster ? leistung[i - fenster] : 0.0);
        beste = std::max(beste, summe);
    }
    // Both channels carry the sound: twice the power of one.
    return beste > 0.0 ? -0.691 + 10.0 * std::log10(2.0 * beste / fenster) : -200.0;
}

void Angleichen(KL_Puffer& p, double zielLufs, double spitzeGrenze)
{
    // The edges first, so that the peak measured is the one that stays.
    p.Einblenden(0.003);
    p.Ausblenden(0.010);
    // The limiter takes a little loudness, which the next round gives back.
    for (int runde = 0; runde < 4; ++runde) {
        const double lufs = Lautheit(p);
        if (lufs <= -200.0) {
            return;
        }
        p.Verstaerke(std::pow(10.0, (zielLufs - lufs) / 20.0));
        const std::vector<double> verstaerkung = Begrenzung(p.Daten(), spitzeGrenze);
        for (std::size_t i = 0; i < verstaerkung.size(); ++i) {
            p.Daten()[i] = static_cast<float>(p.Daten()[i] * verstaerkung[i]);
        }
    }
}

// A light, high tick: two partials over a breath of noise, with a short
// wooden body below them, so that the click is heard over music.
KL_Puffer Mausklick()
{
    KL_Puffer p = Leer(0.1);
    Teilton(p, 0.0, 2400.0, 0.5, 0.028);
    Teilton(p, 0.0, 3700.0, 0.25, 0.012);
    Teilton(p, 0.0, 900.0, 0.35, 0.032);
    Rauschstoss(p, 0.0, 11, 5000.0, 0.8, true, 0.3, 0.003);
    Angleichen(p, ZIEL_LUFS, SPITZE_GRENZE);
    return p;
}

// Stone on stone, twice: low inharmonic modes that die fast.
KL_Puffer Steinklopf()
{
    KL_Puffer p = Leer(0.26);
    const double moden[] = {380.0, 920.0, 1650.0, 2730.0};
    const double abklingen[] = {0.050, 0.032, 0.018, 0.008};
    const double staerken[] = {0.8, 0.5, 0.35, 0.2};
    const double schlaege[] = {0.0, 0.095};
    for (int s = 0; s < 2; ++s) {
        const double anteil = s == 0 ? 1.0 : 0.7;
        const double verstimmung = s == 0 ? 1.0 : 1.06;
        for (int m = 0; m < 4; ++m) {
            Teilton(p, schlaege[s], moden[m] * verstimmung, staerken[m] * anteil, abklingen[m]);
        }
        Rauschstoss(p, schlaege[s], 21 + s, 1800.0, 0.7, false, 0.7 * anteil, 0.006);
    }
    Angleichen(p, ZIEL_LUFS, SPITZE_GRENZE);
    return p;
}

// A plastic clack of press and release, lower than the click.
KL_Puffer MausKlack()
{
    KL_Puffer p = Leer(0.12);
    Teilton(p, 0.0, 1100.0, 0.6, 0.028);
    Teilton(p, 0.0, 1900.0, 0.35, 0.016);
    Rauschstoss(p, 0.0, 31, 3000.0, 1.0, true, 0.4, 0.004);
    Teilton(p, 0.045, 2600.0, 0.3, 0.015);
    Rauschstoss(p, 0.045, 32, 4000.0, 1.0, true, 0.2, 0.003);
    Angleichen(p, ZIEL_LUFS, SPITZE_GRENZE);
    return p;
}

// A short rising swish: a sine glides up an octave under a breath of noise.
KL_Puffer BlockDreh()
{
    KL_Puffer p = Leer(0.1);
    KL_Zufall zufall(41);
    KL_Filter filter(RATE, 1000.0, 2.0);
    double phase = 0.0;
    for (std::size_t i = 0; i < p.Frames(); ++i) {
        const double t = Zeit(i);
        const double anteil = t / 0.1;
        const double huelle = std::sin(M_PI * std::pow(anteil, 0.6));
        const double f = 620.0 * std::pow(2.0, anteil * 1.2);
        phase += ZWEI_PI * f / RATE;
        filter.Setze(f * 2.0, 3.0);
        filter.Schritt(zufall.Rauschen());
        const double w = std::sin(phase) + 0.3 * std::sin(2.0 * phase) + 0.8 * filter.Band();
        p.Addiere(i, 0, static_cast<float>(huelle * w));
    }
    Angleichen(p, ZIEL_LUFS, SPITZE_GRENZE);
    return p;
}

// A piece lands: a short drop of a low sine that you feel, and on top the
// knock of wood on wood, whose body lies between 200 Hz and 2 kHz, where
// small speakers and a busy mix still carry it.
KL_Puffer BlockAufschlag()
{
    KL_Puffer p = Leer(0.24);
    double phase = 0.0;
    for (std::size_t i = 0; i < p.Frames(); ++i) {
        const double t = Zeit(i);
        const double f = 70.0 + 80.0 * std::exp(-t / 0.025);
        phase += ZWEI_PI * f / RATE;
        p.Addiere(i, 0, static_cast<float>(0.45 * std::sin(phase) * std::exp(-t / 0.05)));
    }
    // The modes start a few samples apart, so that their first peaks do not
    // all fall together.
    const double moden[] = {240.0, 455.0, 780.0, 1290.0, 2100.0};
    const double abklingen[] = {0.070, 0.050, 0.032, 0.018, 0.008};
    const double staerken[] = {0.9, 0.75, 0.5, 0.3, 0.15};
    for (int m = 0; m < 5; ++m) {
        Teilton(p, 0.0004 * m, moden[m], staerken[m], abklingen[m]);
    }
    Rauschstoss(p, 0.0, 51, 1600.0, 0.8, true, 0.6, 0.006);
    Angleichen(p, ZIEL_LUFS, SPITZE_GRENZE);
    return p;
}

// Rows dissolve: a quick bell arpeggio up a major chord, with sparkle.
KL_Puffer Bonus()
{
    KL_Puffer p = Leer(0.8);
    const int toene[] = {3, 7, 10, 15, 19};  // C5 E5 G5 C6 E6
    for (int i = 0; i < 5; ++i) {
        const double ab = 0.055 * i;
        const double f = Frequenz(toene[i]);
        Teilton(p, ab, f, 0.5, 0.28);
        Teilton(p, ab, f * 2.0, 0.18, 0.15);
        Teilton(p, ab, f * 2.76, 0.12, 0.07);
    }
    Rauschstoss(p, 0.2, 61, 9000.0, 2.0, true, 0.25, 0.15);
    Angleichen(p, ZIEL_LUFS, SPITZE_GRENZE);
    return p;
}

// Level up: a rising sweep opens into a bright held chord.
KL_Puffer Stufe()
{
    KL_Puffer p = Leer(1.15);
    double phase = 0.0;
    KL_Filter filter(RATE, 500.0, 1.5);
    const std::size_t sweep = static_cast<std::size_t>(0.3 * RATE);
    for (std::size_t i = 0; i < sweep; ++i) {
        const double t = Zeit(i);
        const double f = 196.0 * std::pow(2.0, 3.0 * t / 0.3);
        phase += ZWEI_PI * f / RATE;
        const double saege = 2.0 * (phase / ZWEI_PI - std::floor(phase / ZWEI_PI)) - 1.0;
        filter.Setze(f * 3.0, 1.5);
        filter.Schritt(saege);
        const double huelle = std::min(1.0, t / 0.03) * (0.4 + 0.6 * t / 0.3) * std::min(1.0, (0.3 - t) / 0.02);
        p.Addiere(i, 0, static_cast<float>(0.5 * huelle * filter.Tief()));
    }
    const int akkord[] = {3, 7, 10, 15};  // C5 E5 G5 C6
    const std::vector<double> blech = {1.0, 0.5, 0.33, 0.22, 0.12, 0.06};
    for (int t : akkord) {
        Note(p, 0.28, 0.85, Frequenz(t), 0.22, blech, 0.45, 0.004);
    }
    Teilton(p, 0.28, Frequenz(27), 0.15, 0.2);
    Angleichen(p, ZIEL_LUFS, SPITZE_GRENZE);
    return p;
}

// Pause on or off: two soft tones a fourth apart, neutral either way.
KL_Puffer Pause()
{
    KL_Puffer p = Leer(0.36);
    const std::vector<double> weich = {1.0, 0.15, 0.05};
    Note(p, 0.0, 0.16, Frequenz(14), 0.6, weich, 0.08);   // B5
    Note(p, 0.12, 0.24, Frequenz(9), 0.6, weich, 0.09);   // F#5
    Angleichen(p, ZIEL_LUFS, SPITZE_GRENZE);
    return p;
}

// Game over: a slow chromatic fall, the last note held over a low tone.
KL_Puffer Spielende()
{
    KL_Puffer p = Leer(2.1);
    const std::vector<double> klage = {1.0, 0.45, 0.25, 0.12, 0.06};
    const int toene[] = {0, -1, -2, -3};  // A4 G#4 G4 F#4
    for (int i = 0; i < 3; ++i) {
        Note(p, 0.26 * i, 0.3, Frequenz(toene[i]), 0.4, klage, 0.5);
    }
    Note(p, 0.78, 1.3, Frequenz(toene[3]), 0.45, klage, 0.6, 0.006);
    Note(p, 0.78, 1.3, Frequenz(toene[3] - 24), 0.35, {1.0, 0.3}, 0.7);
    Angleichen(p, ZIEL_LUFS, SPITZE_GRENZE);
    return p;
}

const std::vector<Eintrag>& Alle()
{
    static const std::vector<Eintrag> alle = {
        {"mausklick.wav", Mausklick},   {"steinklopf.wav", Steinklopf},
        {"maus_klack.wav", MausKlack},  {"block_dreh.wav", BlockDreh},
        {"block_aufschlag.wav", BlockAufschlag}, {"bonus.wav", Bonus},
        {"stufe.wav", Stufe},           {"pause.wav", Pause},
        {"spielende.wav", Spielende},
    };
    return alle;
}
}
