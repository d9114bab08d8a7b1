// Changing the music: the file's bytes are kept in memory for the player,
// changing while one plays frees the old music before its bytes, and a
// missing file plays nothing.
#include "Globale.h"
#include "LogFaenger.h"
#include "Musik.h"
#include "Plattenausgabe.h"

#include "SDL.h"
#include "SDL_mixer.h"

#include <gtest/gtest.h>

#include <string>

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

}
