// The sound generator's output as the game plays it: the nine effects as
// SDL_mixer loads them, and every piece of music played to its end through
// the disk driver: loudness, no clipping, and for the pieces the game keeps
// restarting a seam without a hole or a step. No two files are the same.
#include "Plattenausgabe.h"

#include "SDL.h"
#include "SDL_mixer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

namespace
{
const char* const EFFEKTE[] = {"mausklick.wav", "steinklopf.wav", "maus_klack.wav", "block_dreh.wav",
                               "block_aufschlag.wav", "bonus.wav", "stufe.wav", "pause.wav", "spielende.wav"};

// Length bounds in seconds, and whether the game restarts the piece as soon
// as it ends.
const struct { const char* datei; double kuerzest, laengst; bool schleife; } MUSIK[] = {
    {"intro_logo.ogg", 6.5, 7.5, false}, {"ruhmeshalle.ogg", 40, 120, true}, {"hauptmenue.xm", 60, 120, true},
    {"spiel_1.xm", 60, 120, true}, {"spiel_2.xm", 60, 120, true}};

std::size_t Frames(double sekunden) { return static_cast<std::size_t>(sekunden * 44100.0); }

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
}

TEST(Klaenge, NeunEffekteWieDasSpielSieLaedtGleichLautUndSauber)
{
    Plattenausgabe platte("effekte.raw");
    ASSERT_TRUE(platte.Offen());
    double leisest = 0.0, lautest = -120.0;
    for (const char* datei : EFFEKTE) {
        SCOPED_TRACE(datei);
        // As start-up loads it, converted to the device's 44100 Hz stereo.
        Mix_Chunk* chunk = Mix_LoadWAV_RW(SDL_RWFromFile(Pfad(datei).c_str(), "rb"), 1);
        ASSERT_NE(nullptr, chunk) << Mix_GetError();
        const int16_t* w = reinterpret_cast<const int16_t*>(chunk->abuf);
        const Aufnahme a(std::vector<int16_t>(w, w + chunk->alen / 2));
        Mix_FreeChunk(chunk);
        const std::size_t frames = a.werte.size() / 2;
        EXPECT_TRUE(frames > Frames(0.04) && frames < Frames(2.5)) << frames;
        EXPECT_TRUE(a.vollAusschlag == 0 && a.spitze > 8000) << a.spitze;
        // Soft edges: no click at the start or the end.
        EXPECT_TRUE(std::abs(a.werte.front()) < 64 && std::abs(a.werte.back()) < 64);
        // Loudness: the loudest 50 ms.
        double pegel = -120.0;
        for (std::size_t i = 0; i + Frames(0.05) <= frames; i += 256) {
            pegel = std::max(pegel, a.Pegel(i, i + Frames(0.05)));
        }
        leisest = std::min(leisest, pegel);
        lautest = std::max(lautest, pegel);
    }
    EXPECT_LT(lautest - leisest, 6.0) << "ein Effekt ist viel lauter als ein anderer";
}

TEST(Musik, JedesStueckSpieltBisZuSeinemEndeOhneLochUndSprung)
{
    for (const auto& m : MUSIK) {
        SCOPED_TRACE(m.datei);
        // Recorded up to where the game would restart it.
        Plattenausgabe platte("musik.raw", 4096, true);
        Mix_Music* musik = Mix_LoadMUS(Pfad(m.datei).c_str());
        ASSERT_NE(nullptr, musik) << Mix_GetError();
        ASSERT_EQ(0, Mix_PlayMusic(musik, 0));
        for (const Uint32 anfang = SDL_GetTicks(); Mix_PlayingMusic() && SDL_GetTicks() - anfang < 60000;) {
            SDL_Delay(1);
        }
        Mix_FreeMusic(musik);
        const Aufnahme a(platte.Schliessen());
        ASSERT_TRUE(a.Sekunden() > m.kuerzest && a.Sekunden() < m.laengst) << a.Sekunden();
        EXPECT_TRUE(a.vollAusschlag == 0 && a.spitze > 8000) << a.spitze;
        const double pegel = a.Pegel(a.erster, a.letzter), anfang = a.Pegel(a.erster, a.erster + Frames(0.5));
        EXPECT_TRUE(pegel > -26.0 && pegel < -14.0) << pegel;
        if (m.schleife) {
            // Sound up to the end and from the very start; the last sample
            // joins the first.
            const double ende = a.Pegel(a.letzter - Frames(0.6), a.letzter - Frames(0.1));
            EXPECT_TRUE(anfang > -32.0 && ende > -32.0) << "Anfang " << anfang << " dB, Ende " << ende << " dB";
            EXPECT_LT(a.werte.size() / 2 - a.letzter, Frames(0.75)) << "Stille vor dem Neubeginn";
            EXPECT_LT(std::abs(a.werte[2 * a.erster] - a.werte[2 * (a.letzter - 1)]), 2000);
        } else {
            // The intro swells with the logo and fades with the pictures.
            const double hoehepunkt = a.Pegel(a.erster + Frames(2.0), a.erster + Frames(5.0));
            EXPECT_LT(anfang, hoehepunkt - 10.0);
            EXPECT_LT(a.Pegel(a.letzter - Frames(0.5), a.letzter), hoehepunkt - 20.0);
        }
    }
}
