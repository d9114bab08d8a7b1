#include "KL_Orchester.h"

#include "KL_Hall.h"
#include "KL_Noten.h"
#include "KL_Stimmen.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace KL_Orchester
{
namespace
{
// The chord tones nearest to `mitte`, lowest first.
std::vector<int> Lage(const std::string& symbol, int mitte)
{
    const KL_Noten::Akkord a = KL_Noten::AkkordAus(symbol);
    std::vector<int> toene;
    for (int intervall : a.intervalle) {
        int note = mitte - 6;
        while ((note - 1) % 12 != (a.grundton + intervall) % 12) {
            ++note;
        }
        toene.push_back(note);
    }
    std::sort(toene.begin(), toene.end());
    return toene;
}

// The scale step two below in D major (a third under), for a second voice.
int TerzDarunter(int note)
{
    const int leiter[] = {2, 4, 6, 7, 9, 11, 13};  // D E F# G A B C#, C# as 13
    const int klasse = (note - 1) % 12;
    for (int i = 0; i < 7; ++i) {
        if (leiter[i] % 12 == klasse) {
            const int unten = leiter[(i + 5) % 7] % 12;
            int abstand = (klasse - unten + 12) % 12;
            return note - abstand;
        }
    }
    return note - 4;
}

std::string Terzstimme(const std::string& zeile)
{
    std::string aus;
    for (const KL_Noten::Schritt& s : KL_Noten::Zeile(zeile)) {
        std::string wort = ".";
        if (s.note == KL_Noten::LOSLASSEN) {
            wort = "=";
        } else if (s.note > 0) {
            const int n = TerzDarunter(s.note);
            const char* namen[] = {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"};
            wort = std::string(namen[(n - 1) % 12]) + std::to_string((n - 1) / 12);
        }
        aus += wort + " ";
    }
    return aus;
}

const char* const THEMA_A =
    "D5 . . . . . A4 . D5 . . . F#5 . . . | A5 . . . . . . . F#5 . . . D5 . . . | "
    "G5 . . . B5 . . . A5 . . . G5 . . . | F#5 . . . . . . . E5 . . . . . . . | "
    "D5 . . . . . A4 . D5 . . . F#5 . . . | B5 . . . . . . . A5 . . . F#5 . . . | "
    "G#5 . . . . . F#5 . E5 . . . D5 . . . | E5 . . . . . . . . . . . C#5 . . . |";
const char* const THEMA_B =
    "B5 . . . A5 . . . G5 . . . D5 . . . | C#6 . . . B5 . . . A5 . . . E5 . . . | "
    "A5 . . . G#5 . . . F#5 . . . C#5 . . . | D5 . . . F#5 . . . B5 . . . . . . . | "
    "G5 . . . F#5 . . . E5 . . . B4 . . . | C#5 . . . E5 . . . A5 . . . G5 . . . | "
    "F#5 . . . . . . . . . . . . . . . | E5 . . . . . . . C#5 . . . A4 . . . |";
const char* const THEMA_C =
    "D5 . . . . . A4 . D5 . . . F#5 . . . | A5 . . . . . . . F#5 . . . D5 . . . | "
    "G5 . . . B5 . . . A5 . . . G5 . . . | F#5 . . . . . . . E5 . . . . . . . | "
    "D5 . . . . . A4 . D5 . . . F#5 . . . | B5 . . . . . . . A5 . . . F#5 . . . | "
    "B5 . . . A5 . . . G5 . . . E5 . . . | D5 . . . . . . . A4 . . . C#5 . E5 . |";
// One chord a bar; "X/Y" splits the bar.
const char* const AKKORDE[] = {"D", "D", "G", "A", "D", "Bm", "E7", "A7",
                               "G", "A", "F#m", "Bm", "Em", "A", "D", "A7",
                               "D", "D", "G", "A", "D", "Bm", "G", "D/A7"};
}

void AufPegel(KL_Puffer& p, double effektivwert, double spitzeGrenze)
{
    double summe = 0.0;
    for (float w : p.Daten()) {
        summe += static_cast<double>(w) * w;
    }
    const double rms = std::sqrt(summe / std::max<std::size_t>(1, p.Daten().size()));
    const double spitze = p.Spitze();
    if (rms <= 0.0 || spitze <= 0.0) {
        return;
    }
    p.Verstaerke(std::min(effektivwert / rms, spitzeGrenze / spitze));
}

KL_Puffer Intro()
{
    KL_Puffer p(2, RATE, static_cast<std::size_t>(8.0 * RATE));
    KL_Stimmen s(p);
    const double ankunft = 1.95;

    // Under the logo: a low drone, a swell of noise and bells rising.
    s.Spiele(KL_Stimmen::STREICHER, 0.0, ankunft, KL_Noten::Frequenz(KL_Noten::Note("D3")), 0.5, -0.3);
    s.Spiele(KL_Stimmen::STREICHER, 0.0, ankunft, KL_Noten::Frequenz(KL_Noten::Note("A3")), 0.4, 0.3);
    s.Spiele(KL_Stimmen::ANSTIEG, 0.1, ankunft - 0.1, 0.0, 0.6, 0.0);
    s.Zeile(KL_Stimmen::GLOCKE, "D5:24 . . F#5:30 . . A5:36 . . D6:44 . . F#6:50", 0.45, 0.1, 0.8, 0.4);

    // The sign appears: timpani, cymbal, the full chord and a brass call.
    s.Spiele(KL_Stimmen::PAUKE, ankunft, 0.0, KL_Noten::Frequenz(KL_Noten::Note("D2")), 1.0, 0.1);
    s.Spiele(KL_Stimmen::BECKEN, ankunft, 3.0, 0.0, 0.7, -0.2);
    s.Spiele(KL_Stimmen::BASS, ankunft, 3.0, KL_Noten::Frequenz(KL_Noten::Note("D2")), 1.6, 0.0);
    s.Spiele(KL_Stimmen::BASS, ankunft + 3.0, 1.4, KL_Noten::Frequenz(KL_Noten::Note("D2")), 1.4, 0.0);
    const std::vector<std::pair<double, std::string>> akkorde = {{ankunft, "D"}, {ankunft + 1.55, "G"}, {ankunft + 3.0, "D"}};
    for (std::size_t i = 0; i < akkorde.size(); ++i) {
        const double ende = i + 1 < akkorde.size() ? akkorde[i + 1].first : 6.4;
        int stimme = 0;
        for (int note : Lage(akkorde[i].second, 54)) {
            s.Spiele(KL_Stimmen::STREICHER, akkorde[i].first, ende - akkorde[i].first, KL_Noten::Frequenz(note), 0.45,
                     stimme++ % 2 ? 0.45 : -0.45);
        }
        s.Spiele(KL_Stimmen::STREICHER, akkorde[i].first, ende - akkorde[i].first,
                 KL_Noten::Frequenz(Lage(akkorde[i].second, 42)[0]), 0.4, 0.0);
    }
    const std::string ruf = "A4 . D5 . F#5 . . . A5 . . . . . . . G5 . F#5 . E5 . . . F#5 . . . . . . . . . =";
    s.Zeile(KL_Stimmen::BLECH, ruf, ankunft, 0.125, 0.9, -0.2);
    s.Zeile(KL_Stimmen::BLECH, Terzstimme(ruf), ankunft, 0.125, 0.6, 0.25);
    s.Spiele(KL_Stimmen::PAUKE, ankunft + 3.0, 0.0, KL_Noten::Frequenz(KL_Noten::Note("A1")), 0.6, 0.1);
    s.Zeile(KL_Stimmen::GLOCKE, "D6:40 . . A5:30 . . F#5:26 . . D5:22", ankunft + 3.0, 0.16, 0.8, 0.45);

    KL_Hall hall(RATE, 0.85, 0.3);
    hall.Verarbeite(p, 0.9, false);

    // Follow the pictures: in with the logo, out with the fade to black.
    p.Einblenden(0.9);
    const std::size_t von = static_cast<std::size_t>(5.8 * RATE);
    const std::size_t bis = static_cast<std::size_t>(7.35 * RATE);
    for (std::size_t i = von; i < p.Frames(); ++i) {
        const double anteil = i >= bis ? 1.0 : static_cast<double>(i - von) / (bis - von);
        const float g = static_cast<float>(std::pow(std::cos(anteil * M_PI / 2.0), 2.0));
        p.Daten()[i * 2] *= g;
        p.Daten()[i * 2 + 1] *= g;
    }
    AufPegel(p, 0.063, 0.5);
    return p;
}

KL_Puffer Ruhmeshalle()
{
    const double schritt = 60.0 / 116.0 / 4.0;
    const double takt = 16 * schritt;
    const int takte = 24;
    KL_Puffer p(2, RATE, static_cast<std::size_t>(std::lround(takte * takt * RATE)));
    p.SetzeRundlauf(true);
    KL_Stimmen s(p);

    const std::string thema = std::string(THEMA_A) + THEMA_B + THEMA_C;
    s.Zeile(KL_Stimmen::BLECH, thema, 0.0, schritt, 0.8, -0.2);
    s.Zeile(KL_Stimmen::BLECH, Terzstimme(THEMA_C), 16 * takt, schritt, 0.5, 0.3);
    s.Zeile(KL_Stimmen::GLOCKE, THEMA_B, 8 * takt, schritt, 0.55, 0.5, 12);
    s.Zeile(KL_Stimmen::GLOCKE, THEMA_C, 16 * takt, schritt, 0.4, 0.5, 12);

    for (int t = 0; t < takte; ++t) {
        const std::string symbol = AKKORDE[t];
        const std::size_t strich = symbol.find('/');
        std::vector<std::pair<std::string, double>> teile;
        if (strich == std::string::npos) {
            teile.push_back({symbol, 1.0});
        } else {
            teile.push_back({symbol.substr(0, strich), 0.5});
            teile.push_back({symbol.substr(strich + 1), 0.5});
        }
        double ab = t * takt;
        for (const auto& [akkord, anteil] : teile) {
            const double dauer = anteil * takt;
            int stimme = 0;
            for (int note : Lage(akkord, 54)) {
                s.Spiele(KL_Stimmen::STREICHER, ab, dauer - 0.05, KL_Noten::Frequenz(note), 0.32,
                         stimme++ % 2 ? 0.5 : -0.5);
            }
            // The march bass: root and fifth on the beats.
            // Roots between D2 and C#3.
            const int klasse = KL_Noten::AkkordAus(akkord).grundton;
            const int wurzel = 25 + klasse + (klasse < 2 ? 12 : 0);
            for (double b = 0.0; b < dauer - 1e-6; b += 4 * schritt) {
                const int beat = static_cast<int>(std::lround((ab + b - t * takt) / (4 * schritt)));
                const int note = beat % 2 == 0 ? wurzel : wurzel + 7 - (wurzel + 7 > 39 ? 12 : 0);
                s.Spiele(KL_Stimmen::BASS, ab + b, 2.2 * schritt, KL_Noten::Frequenz(note), 1.7, 0.0);
            }
            ab += dauer;
        }

        // Drums: a light march in the outer sections, quieter in the middle.
        const bool mitte = t >= 8 && t < 16;
        const std::string trommel = mitte ? "............x..." : "x..o..o.x..o.ooo";
        for (std::size_t i = 0; i < trommel.size(); ++i) {
            if (trommel[i] != '.') {
                s.Spiele(KL_Stimmen::SCHNARRE, t * takt + i * schritt, 0.0, 0.0, trommel[i] == 'x' ? 0.55 : 0.3, -0.1);
            }
        }
        if (t % 8 == 0) {
            s.Spiele(KL_Stimmen::PAUKE, t * takt, 0.0, KL_Noten::Frequenz(KL_Noten::Note("D2")), 1.0, 0.15);
            if (t != 8) {
                s.Spiele(KL_Stimmen::BECKEN, t * takt, 2.5, 0.0, 0.5, -0.3);
            }
        } else if (t % 2 == 0) {
            s.Spiele(KL_Stimmen::PAUKE, t * takt, 0.0, KL_Noten::Frequenz(KL_Noten::Note("A1")), 0.5, 0.15);
        }
    }
    // A timpani roll into the return of the theme.
    for (int i = 0; i < 8; ++i) {
        s.Spiele(KL_Stimmen::PAUKE, 15 * takt + (8 + i) * schritt, 0.0, KL_Noten::Frequenz(KL_Noten::Note("A1")),
                 0.25 + 0.07 * i, 0.15);
    }

    KL_Hall hall(RATE, 0.7, 0.35);
    hall.Verarbeite(p, 0.6, true);
    AufPegel(p, 0.073, 0.5);
    // Two-millisecond edges: the mixer joins the end to the start sample by
    // sample, and the two meet smoothly.
    p.Einblenden(0.002);
    p.Ausblenden(0.002);
    return p;
}
}
