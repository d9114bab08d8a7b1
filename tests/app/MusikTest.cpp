// The music helper: a music loaded from the file's bytes in memory sounds
// exactly as one loaded by name, a missing file plays nothing, and changing
// the music while one plays frees the old one safely.
#include "Globale.h"
#include "LogFaenger.h"
#include "Musik.h"
#include "Plattenausgabe.h"

#include "SDL.h"
#include "SDL_mixer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace
{
std::string Pfad(const std::string& datei)
{
    return std::string(QF_DATEN_DIR) + "/geraeuschkulisse/musik/" + datei;
}

// Plays the music for a moment of wall time; the disk driver mixes far
// faster than real time, so that is some seconds of sound.
void Spiele(Mix_Music* musik)
{
    EXPECT_NE(nullptr, musik);
    if (musik) {
        EXPECT_EQ(0, Mix_PlayMusic(musik, 0));
        SDL_Delay(300);
        Mix_HaltMusic();
    }
}

std::vector<int16_t> PerName(const std::string& datei)
{
    Plattenausgabe platte("name.raw");
    Mix_Music* musik = Mix_LoadMUS(Pfad(datei).c_str());
    Spiele(musik);
    Mix_FreeMusic(musik);
    return platte.Schliessen();
}

// The music is freed (by changing to none) while the audio device is open.
std::vector<int16_t> PerWechsel(const std::string& datei)
{
    Plattenausgabe platte("wechsel.raw");
    WechsleMusik(Pfad(datei).c_str());
    Spiele(music);
    WechsleMusik("keine");
    return platte.Schliessen();
}

TEST(Musik, AusDemSpeicherKlingtWieAusDerDatei)
{
    for (const char* datei : {"hauptmenue.xm", "ruhmeshalle.ogg"}) {
        SCOPED_TRACE(datei);
        // Compared from the first sound on: when the mixer starts it depends on the moment.
        const Aufnahme erwartet(PerName(datei));
        const Aufnahme gehoert(PerWechsel(datei));
        const std::size_t a = 2 * erwartet.erster;
        const std::size_t b = 2 * gehoert.erster;
        // Each take ends where the music was halted, at no fixed place, and
        // silence follows until the device is closed: compare the sound up to
        // the earlier halt, less the last buffers mixed before it.
        const std::size_t schluss = 4 * 2 * 1024;
        std::size_t gemeinsam = 2 * std::min(erwartet.letzter - erwartet.erster, gehoert.letzter - gehoert.erster);
        gemeinsam = gemeinsam > schluss ? gemeinsam - schluss : 0;
        ASSERT_GT(gemeinsam, 2u * 44100u) << "less than a second of sound to compare";
        EXPECT_TRUE(std::equal(erwartet.werte.begin() + a, erwartet.werte.begin() + a + gemeinsam,
                               gehoert.werte.begin() + b));
        EXPECT_TRUE(playmusic);
    }
}

TEST(Musik, FehlendeDateiSpieltNichts)
{
    LogFaenger log;
    Plattenausgabe platte("leer.raw");
    WechsleMusik("gibt/es/nicht.xm");
    EXPECT_EQ(nullptr, music);
    EXPECT_TRUE(playmusic);
    EXPECT_NE(std::string::npos, log.Aus().find("#o> Musik 'gibt/es/nicht.xm'\n"));
}

// The Ogg stream reads its bytes while it plays; the next music must free them
// only after the old music is gone (the sanitizer run would see it otherwise).
TEST(Musik, WechselWaehrendEsSpielt)
{
    Plattenausgabe platte("wechsel.raw");
    WechsleMusik(Pfad("ruhmeshalle.ogg").c_str());
    ASSERT_NE(nullptr, music);
    ASSERT_EQ(0, Mix_PlayMusic(music, 0));
    SDL_Delay(50);
    WechsleMusik(Pfad("spiel_1.xm").c_str());
    ASSERT_NE(nullptr, music);
    ASSERT_EQ(0, Mix_PlayMusic(music, 0));
    SDL_Delay(50);
    EXPECT_EQ(1, Mix_PlayingMusic());
    WechsleMusik(Pfad("gibt-es-nicht.ogg").c_str());
    EXPECT_EQ(nullptr, music);
    EXPECT_EQ(0, Mix_PlayingMusic());
}
}
