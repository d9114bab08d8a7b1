// Changing the music: the file's bytes are kept in memory for the player,
// changing while one plays frees the old music before its bytes, a missing
// file plays nothing, and the intro's music fades out when it is left.
#include "Globale.h"
#include "LogFaenger.h"
#include "Musik.h"
#include "Plattenausgabe.h"

#include "SDL.h"
#include "SDL_mixer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace
{

const std::string MUSIK = std::string(QF_DATEN_DIR) + "/geraeuschkulisse/musik/";

// The Ogg stream reads its bytes while it plays; the next music must free them
// only after the old music is gone (the sanitizer run would see it otherwise).
TEST(Musik, WechselWaehrendEsSpieltUndFehlendeDatei)
{
    LogFaenger log;
    Plattenausgabe platte("wechsel.raw");
    for (const char* datei : {"ruhmeshalle.ogg", "spiel_1.xm"}) {
        WechsleMusik((MUSIK + datei).c_str());
        ASSERT_TRUE(music && Mix_PlayMusic(music, 0) == 0) << datei;
        SDL_Delay(50);
    }
    EXPECT_EQ(1, Mix_PlayingMusic());
    WechsleMusik("gibt/es/nicht.xm");
    EXPECT_EQ(nullptr, music);
    EXPECT_TRUE(playmusic);
    EXPECT_EQ(0, Mix_PlayingMusic());
    EXPECT_NE(std::string::npos, log.Aus().find("#o> Musik 'gibt/es/nicht.xm'\n"));
}

// As the intro and the main menu do it, at the pace of a sound card and of
// frames: the intro's music is left at its loudest. It fades out (no step
// from sound to silence, as a cut would make), without the screen change
// waiting for it, and the menu's music follows.
TEST(Musik, DasIntroKlingtBeimVerlassenOhneKnackAus)
{
    Plattenausgabe platte("intro.raw", 1024, true);
    auto Bilder = [](int anzahl) {
        for (int i = 0; i < anzahl; ++i, SDL_Delay(16))
            HalteMusikAmLaufen();
    };
    WechsleMusik((MUSIK + "intro_logo.ogg").c_str());
    Bilder(150);
    const std::size_t verlassen = platte.Frames();
    const Uint32 vorher = SDL_GetTicks();
    BlendeMusikAus();
    EXPECT_LT(SDL_GetTicks() - vorher, 16u) << "wartet auf die Blende";
    WechsleMusik((MUSIK + "hauptmenue.xm").c_str());
    Bilder(60);
    WechsleMusik("gibt/es/nicht.ogg");
    const std::vector<int16_t> w = platte.Schliessen();
    auto Betrag = [&w](std::size_t i) { return std::max(std::abs(w[2 * i]), std::abs(w[2 * i + 1])); };
    auto Spitze = [&w](std::size_t von, std::size_t bis) {
        const auto kleiner = [](int a, int b) { return std::abs(a) < std::abs(b); };
        return std::abs(*std::max_element(w.begin() + 2 * von, w.begin() + 2 * bis, kleiner));
    };
    // The pause between the two pieces: from the first millisecond under
    // -60 dBFS to the menu's first sound.
    std::size_t stille = verlassen - 2048, menue = 0;
    for (std::size_t lauf = 0; stille < w.size() / 2 && lauf < 44; ++stille)
        lauf = Betrag(stille) <= 32 ? lauf + 1 : 0;
    for (menue = stille, stille -= 44; menue < w.size() / 2 && Betrag(menue) <= 32;)
        ++menue;
    const double sprung = 20.0 * std::log10((Spitze(stille - 88, stille) + 1.0) / Spitze(stille - 13230, stille - 4410));
    std::printf("Klangwert Intro verlassen: die letzten 2 ms (dB) %8.1f, Pause (ms) %8.1f\n", sprung,
                (menue - stille) / 44.1);
    // Within a mix or two and the fade, and a frame; on a loaded machine
    // frames and mixes come late.
    EXPECT_LT(stille, verlassen + 11025) << "klingt zu lange nach";
    EXPECT_LT(menue, stille + 44100) << "das Hauptmenue folgt zu spaet";
    EXPECT_LT(sprung, -20.0) << "abgeschnitten";
}

}
