// The nine effects as the game loads them, their levels and edges, and an
// effect played through the mixer reaching the output.

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
#include <string>
#include <vector>

namespace
{
const char* const DATEIEN[] = {"mausklick.wav", "steinklopf.wav", "maus_klack.wav", "block_dreh.wav",
                               "block_aufschlag.wav", "bonus.wav", "stufe.wav", "pause.wav", "spielende.wav"};

// The way start-up loads an effect: the file opened "rb", the stream
// handed to SDL_mixer, which closes it.
Mix_Chunk* LadeKlang(const std::string& pfad)
{
    SDL_RWops* strom = SDL_RWFromFile(pfad.c_str(), "rb");
    return strom ? Mix_LoadWAV_RW(strom, 1) : nullptr;
}

std::string Pfad(const char* datei)
{
    return std::string(QF_DATEN_DIR) + "/geraeuschkulisse/klaenge/" + datei;
}

struct Wav
{
    int kanaele = 0, rate = 0, bits = 0, format = 0;
    std::vector<int16_t> werte;
};

uint32_t Lies(const std::vector<uint8_t>& b, std::size_t stelle, int bytes)
{
    uint32_t w = 0;
    for (int i = bytes - 1; i >= 0; --i) {
        w = (w << 8) | b[stelle + i];
    }
    return w;
}

// Reads the chunks of a RIFF WAVE file; empty samples if it is none.
Wav LiesWav(const std::string& pfad)
{
    std::ifstream ein(pfad, std::ios::binary);
    const std::vector<uint8_t> b((std::istreambuf_iterator<char>(ein)), std::istreambuf_iterator<char>());
    Wav w;
    if (b.size() < 12 || std::string(b.begin(), b.begin() + 4) != "RIFF" || std::string(b.begin() + 8, b.begin() + 12) != "WAVE") {
        return w;
    }
    std::size_t stelle = 12;
    while (stelle + 8 <= b.size()) {
        const std::string kennung(b.begin() + stelle, b.begin() + stelle + 4);
        const uint32_t laenge = Lies(b, stelle + 4, 4);
        const std::size_t inhalt = stelle + 8;
        if (inhalt + laenge > b.size()) {
            break;
        }
        if (kennung == "fmt ") {
            w.format = Lies(b, inhalt, 2);
            w.kanaele = Lies(b, inhalt + 2, 2);
            w.rate = Lies(b, inhalt + 4, 4);
            w.bits = Lies(b, inhalt + 14, 2);
        } else if (kennung == "data") {
            for (std::size_t i = 0; i + 1 < laenge; i += 2) {
                w.werte.push_back(static_cast<int16_t>(Lies(b, inhalt + i, 2)));
            }
        }
        stelle = inhalt + laenge + (laenge & 1);
    }
    return w;
}

// RMS (dBFS) of the loudest 50 ms.
double LautestesFenster(const Wav& w)
{
    const std::size_t breite = std::min<std::size_t>(w.werte.size(), 2205 * w.kanaele);
    double beste = 0.0;
    for (std::size_t anfang = 0; anfang + breite <= w.werte.size(); anfang += 64) {
        double summe = 0.0;
        for (std::size_t i = anfang; i < anfang + breite; ++i) {
            summe += static_cast<double>(w.werte[i]) * w.werte[i];
        }
        beste = std::max(beste, summe / breite);
    }
    return 10.0 * std::log10(beste / (32768.0 * 32768.0) + 1e-12);
}

class Mischer : public ::testing::Test
{
protected:
    void SetUp() override
    {
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        ASSERT_EQ(0, SDL_InitSubSystem(SDL_INIT_AUDIO));
        ASSERT_EQ(0, Mix_OpenAudio(44100, AUDIO_S16LSB, 2, 1024));
    }
    void TearDown() override
    {
        Mix_CloseAudio();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
};

TEST(Effektdateien, SindSauberesPcmGleicherLautheit)
{
    std::vector<double> lautheiten;
    for (const char* datei : DATEIEN) {
        SCOPED_TRACE(datei);
        const Wav w = LiesWav(Pfad(datei));
        ASSERT_EQ(1, w.format);
        EXPECT_EQ(44100, w.rate);
        EXPECT_EQ(16, w.bits);
        ASSERT_TRUE(w.kanaele == 1 || w.kanaele == 2);
        const double sekunden = static_cast<double>(w.werte.size()) / w.kanaele / w.rate;
        EXPECT_GT(sekunden, 0.04);
        EXPECT_LT(sekunden, 2.5);

        int spitze = 0;
        for (int16_t s : w.werte) {
            spitze = std::max(spitze, std::abs(static_cast<int>(s)));
        }
        EXPECT_LT(spitze, 32767) << "clipped";
        EXPECT_GT(spitze, 8000) << "far too quiet";
        // Soft edges: no step at the start or the end.
        for (int k = 0; k < w.kanaele; ++k) {
            EXPECT_LT(std::abs(static_cast<int>(w.werte[k])), 64);
            EXPECT_LT(std::abs(static_cast<int>(w.werte[w.werte.size() - 1 - k])), 64);
        }
        lautheiten.push_back(LautestesFenster(w));
    }
    const auto [leisest, lautest] = std::minmax_element(lautheiten.begin(), lautheiten.end());
    EXPECT_LT(*lautest - *leisest, 6.0) << "one effect is much louder than another";
}

TEST(Effektdateien, KlingenVerschieden)
{
    for (std::size_t a = 0; a < std::size(DATEIEN); ++a) {
        for (std::size_t b = a + 1; b < std::size(DATEIEN); ++b) {
            EXPECT_NE(LiesWav(Pfad(DATEIEN[a])).werte, LiesWav(Pfad(DATEIEN[b])).werte)
                << DATEIEN[a] << " and " << DATEIEN[b];
        }
    }
}

TEST_F(Mischer, AlleNeunLadenMitIhrerLaenge)
{
    for (const char* datei : DATEIEN) {
        Mix_Chunk* chunk = LadeKlang(Pfad(datei));
        ASSERT_NE(nullptr, chunk) << datei << ": " << Mix_GetError();
        const Wav w = LiesWav(Pfad(datei));
        // Converted to the device's stereo S16: four bytes a frame.
        EXPECT_EQ(w.werte.size() / w.kanaele * 4, chunk->alen) << datei;
        Mix_FreeChunk(chunk);
    }
}

TEST_F(Mischer, FehlendeDateiLaesstNullUndSpieltNichts)
{
    Mix_Chunk* fehlt = LadeKlang("daten/geraeuschkulisse/klaenge/gibt_es_nicht.wav");
    EXPECT_EQ(nullptr, fehlt);
    EXPECT_EQ(-1, Mix_PlayChannel(-1, fehlt, 0));
}

TEST(Plattenausgabe, EffektErreichtDieAusgabe)
{
    Plattenausgabe platte("effekt.raw");
    ASSERT_TRUE(platte.Offen());
    Mix_Chunk* bonus = LadeKlang(Pfad("bonus.wav"));
    ASSERT_NE(nullptr, bonus);
    ASSERT_GE(Mix_PlayChannel(-1, bonus, 0), 0);
    const Uint32 anfang = SDL_GetTicks();
    while (Mix_Playing(-1) && SDL_GetTicks() - anfang < 5000) {
        SDL_Delay(1);
    }
    EXPECT_EQ(0, Mix_Playing(-1));
    const Aufnahme a(platte.Schliessen());
    Mix_FreeChunk(bonus);

    const double erwartet = LiesWav(Pfad("bonus.wav")).werte.size() / 44100.0;
    EXPECT_NEAR(erwartet, a.Sekunden(), 0.03);
    EXPECT_GT(a.Pegel(a.erster, a.letzter), -30.0);
    EXPECT_EQ(0u, a.vollAusschlag);
}
}
