// Every piece of music and every effect as the game plays them: through
// SDL_mixer at the shipped settings (44100 Hz stereo, mixes of 1024 frames),
// each piece started by the event pump's own function. Measured as a player
// hears them: each piece joins its own start without a hole or a click, the
// pieces are equally loud, every effect stands out from the music it plays
// over (also through small speakers), and no effect over any piece clips.
// The figures go to the log as "Klangwert" lines.
#include "Globale.h"
#include "Lautheit.h"
#include "Musik.h"
#include "Plattenausgabe.h"

#include "SDL.h"
#include "SDL_mixer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <numeric>
#include <string>
#include <vector>

namespace
{
const int STUECK = 1024;  // frames a mix, as einstellungen.konfig has it
constexpr std::size_t MS = Lautheit::RATE / 1000;
const int STILL = 32;  // -60 dBFS

struct Stueck
{
    const char* datei;
    bool schleife;    // the game repeats it without end
    double laengst;   // seconds, at most
};
const Stueck MUSIK[] = {{"intro_logo.ogg", false, 7.5}, {"ruhmeshalle.ogg", true, 60.0},
                        {"hauptmenue.xm", true, 105.0}, {"spiel_1.xm", true, 100.0},
                        {"spiel_2.xm", true, 95.0}};

// Each effect and the pieces it plays over in the game.
struct Effekt
{
    const char* datei;
    std::vector<std::string> ueber;
};
const std::vector<std::string> SPIEL = {"spiel_1.xm", "spiel_2.xm"};
const Effekt EFFEKTE[] = {
    {"mausklick.wav", {"hauptmenue.xm", "spiel_1.xm", "spiel_2.xm"}}, {"steinklopf.wav", {"ruhmeshalle.ogg"}},
    {"maus_klack.wav", {"ruhmeshalle.ogg"}}, {"block_dreh.wav", SPIEL}, {"block_aufschlag.wav", SPIEL},
    {"bonus.wav", SPIEL}, {"stufe.wav", SPIEL}, {"pause.wav", SPIEL}, {"spielende.wav", SPIEL}};

// The path of a file, whose bytes must differ from those of every file asked
// for before.
std::string Pfad(const std::string& datei)
{
    static std::map<std::string, std::string> gesehen;
    const std::string pfad = std::string(QF_DATEN_DIR) + "/geraeuschkulisse/" +
                             (datei.find(".wav") != std::string::npos ? "klaenge/" : "musik/") + datei;
    std::ifstream f(pfad, std::ios::binary);
    const auto [vorher, neu] = gesehen.emplace(std::string(std::istreambuf_iterator<char>(f), {}), datei);
    EXPECT_TRUE(neu) << datei << " gleicht " << vorher->second;
    return pfad;
}

void Wert(const std::string& name, double wert)
{
    std::printf("Klangwert %-40s %8.1f\n", name.c_str(), wert);
}

std::size_t Frames(double sekunden) { return static_cast<std::size_t>(sekunden * Lautheit::RATE); }

int Betrag(const std::vector<int16_t>& w, std::size_t frame)
{
    return std::max(std::abs(static_cast<int>(w[2 * frame])), std::abs(static_cast<int>(w[2 * frame + 1])));
}

// The largest step from one sample to the next in frames [von, bis).
int Sprung(const std::vector<int16_t>& w, std::size_t von, std::size_t bis)
{
    int sprung = 0;
    for (std::size_t i = 2 * std::max<std::size_t>(von, 1); i < 2 * bis && i < w.size(); ++i)
        sprung = std::max(sprung, std::abs(w[i] - w[i - 2]));
    return sprung;
}

struct Aufnahme
{
    std::vector<int16_t> werte;  // interleaved stereo
    std::size_t anfang = 0;      // first frame with sound
    std::size_t naht = 0;        // first frame of the second pass (0: none)
    double lufs = Lautheit::STILLE;
    // Nine in ten of its 100 ms windows are quieter than this (LUFS).
    double neunZehntel = Lautheit::STILLE, neunZehntelHoch = Lautheit::STILLE;
    int plus = 0, minus = 0;     // peaks per polarity, both channels
};

// Where the piece starts again: a stretch from near its start found once
// more. Compared with a small tolerance, since the mixer fades each voice into
// its new note over its first samples.
std::size_t Naht(const std::vector<int16_t>& w, std::size_t anfang)
{
    const std::size_t probe = anfang + Frames(0.25), laenge = 2048, frames = w.size() / 2;
    const auto ab = w.begin() + 2 * probe;
    const double energie = std::inner_product(ab, ab + 2 * laenge, ab, 0.0);
    for (std::size_t p = probe + Frames(5.0); p + laenge < frames; ++p) {
        double abstand = 0.0;
        for (std::size_t i = 0; i < 2 * laenge && abstand <= 1e-4 * energie; ++i) {
            const double d = static_cast<double>(w[2 * p + i]) - w[2 * probe + i];
            abstand += d * d;
        }
        if (abstand <= 1e-4 * energie)
            return p - probe + anfang;
    }
    return 0;
}

// A piece started by the event pump's function, recorded from the mixer.
Aufnahme SpieleMusik(const Stueck& stueck)
{
    Aufnahme a;
    Plattenausgabe platte("musik.raw", STUECK);
    WechsleMusik(Pfad(stueck.datei).c_str());
    HalteMusikAmLaufen();
    // A looping piece past its second start.
    const std::size_t laenge = Frames(stueck.laengst + (stueck.schleife ? 1.5 : 0.0));
    for (const Uint32 beginn = SDL_GetTicks(); platte.Frames(true) < laenge && SDL_GetTicks() - beginn < 300000;)
        SDL_Delay(2);
    a.werte = platte.Schliessen();
    std::size_t frames = a.werte.size() / 2;
    while (a.anfang < frames && Betrag(a.werte, a.anfang) <= 8)
        ++a.anfang;
    frames = std::min(frames, a.anfang + laenge);
    a.werte.resize(2 * frames);
    a.naht = stueck.schleife ? Naht(a.werte, a.anfang) : 0;
    const std::size_t ende = a.naht ? a.naht : frames;
    // One pass of the piece, as loud as the player hears it.
    const std::vector<int16_t> durchgang(a.werte.begin() + 2 * a.anfang, a.werte.begin() + 2 * ende);
    a.lufs = Lautheit::Integriert(durchgang);
    a.neunZehntel = Lautheit::Anteil(Lautheit::Fenster(durchgang), 0.9);
    a.neunZehntelHoch = Lautheit::Anteil(Lautheit::Fenster(Lautheit::Hochpass(durchgang, 150.0)), 0.9);
    const auto [minus, plus] = std::minmax_element(a.werte.begin(), a.werte.end());
    a.plus = *plus;
    a.minus = *minus;
    return a;
}

// Every piece, recorded once for all tests.
std::map<std::string, Aufnahme> musik;
class Klang : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        for (const Stueck& s : MUSIK)
            musik[s.datei] = SpieleMusik(s);
    }
};
}

TEST_F(Klang, JedesStueckSchliesstOhneLochUndKnackAnSeinenAnfangUndIstSoLautWieDieAnderen)
{
    double leisest = 0.0, lautest = -100.0;
    for (const Stueck& s : MUSIK) {
        SCOPED_TRACE(s.datei);
        const Aufnahme& a = musik[s.datei];
        Wert(std::string(s.datei) + " LUFS", a.lufs);
        Wert(std::string(s.datei) + " Spitze (dBFS)", 20.0 * std::log10(std::max(a.plus, -a.minus) / 32768.0));
        leisest = std::min(leisest, a.lufs);
        lautest = std::max(lautest, a.lufs);
        if (!s.schleife)
            continue;
        ASSERT_GT(a.naht, a.anfang + Frames(30.0)) << "kein zweiter Durchgang gefunden";
        // The longest stretch under -60 dBFS in the half second either side of
        // the join.
        std::size_t lauf = 0, laengster = 0;
        for (std::size_t i = a.naht - Frames(0.5); i < std::min(a.werte.size() / 2, a.naht + Frames(0.5)); ++i) {
            lauf = Betrag(a.werte, i) <= STILL ? lauf + 1 : 0;
            laengster = std::max(laengster, lauf);
        }
        Wert(std::string(s.datei) + " Stille am Stueck (ms)", laengster / 44.1);
        EXPECT_LE(laengster, 2 * MS);
        // No step at the join beyond what the music itself takes in the
        // 30 ms before and after.
        const std::size_t n = a.naht;
        const int naht = Sprung(a.werte, n - MS, n + 2 * MS);
        const int umgebung = std::max(Sprung(a.werte, n - 30 * MS, n - MS), Sprung(a.werte, n + 2 * MS, n + 30 * MS));
        Wert(std::string(s.datei) + " Sprung an der Naht / Umgebung", static_cast<double>(naht) / umgebung);
        EXPECT_LE(naht, umgebung);
    }
    EXPECT_LE(lautest - leisest, 1.5);
    for (const std::string& s : SPIEL)
        EXPECT_GE(musik[s].lufs, -20.0) << s;
}

TEST_F(Klang, JederEffektHebtSichAbUndUeberKeinerMusikUebersteuertEr)
{
    Plattenausgabe platte("effekte.raw", STUECK);
    for (const Effekt& e : EFFEKTE) {
        SCOPED_TRACE(e.datei);
        // As start-up loads it, converted to the device's 44100 Hz stereo.
        Mix_Chunk* chunk = Mix_LoadWAV_RW(SDL_RWFromFile(Pfad(e.datei).c_str(), "rb"), 1);
        ASSERT_NE(nullptr, chunk) << Mix_GetError();
        const int16_t* anfang = reinterpret_cast<const int16_t*>(chunk->abuf);
        const std::vector<int16_t> w(anfang, anfang + chunk->alen / 2);
        Mix_FreeChunk(chunk);
        // Soft edges: no click at the start or the end.
        EXPECT_TRUE(std::abs(w.front()) < 64 && std::abs(w.back()) < 64);
        const auto [minus, plus] = std::minmax_element(w.begin(), w.end());
        Wert(std::string(e.datei) + " Spitze (dBFS)", 20.0 * std::log10(std::max<int>(*plus, -*minus) / 32768.0));
        EXPECT_LE(std::max<int>(*plus, -*minus), 23197) << "lauter als -3 dBFS";
        for (const auto& [datei, m] : musik)
            EXPECT_TRUE(*plus + m.plus <= 32767 && *minus + m.minus >= -32768) << "uebersteuert ueber " << datei;
        // Its loudest 100 ms, with silence around, against the music's 100 ms
        // windows: louder than nine in ten of them by 6 LU, through a 150 Hz
        // high-pass by 3 LU.
        std::vector<int16_t> f(Frames(0.1) * 2, 0);
        f.insert(f.end(), w.begin(), w.end());
        f.insert(f.end(), Frames(0.1) * 2, 0);
        const double lautest = Lautheit::Anteil(Lautheit::Fenster(f), 1.0);
        const double lautestHoch = Lautheit::Anteil(Lautheit::Fenster(Lautheit::Hochpass(f, 150.0)), 1.0);
        for (const std::string& ueber : e.ueber) {
            const double abstand = lautest - musik[ueber].neunZehntel;
            const double abstandHoch = lautestHoch - musik[ueber].neunZehntelHoch;
            Wert(std::string(e.datei) + " ueber " + ueber + " (LU)", abstand);
            Wert(std::string(e.datei) + " ueber " + ueber + " 150 Hz (LU)", abstandHoch);
            EXPECT_GE(abstand, 6.0) << ueber;
            EXPECT_GE(abstandHoch, 3.0) << ueber;
        }
    }
}
