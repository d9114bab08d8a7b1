// Every piece of music as SDL_mixer plays it: loads, sounds, has the length
// it should, does not clip, and carries on up to its end so that the restart
// at the top follows without a hole.

#include "KL_Spielmusik.h"
#include "KL_Xm.h"
#include "Plattenausgabe.h"

#include "SDL.h"
#include "SDL_mixer.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
std::string Pfad(const std::string& datei)
{
    return std::string(QF_DATEN_DIR) + "/geraeuschkulisse/musik/" + datei;
}

// Plays the file once through the disk driver and answers what came out.
Aufnahme Spiele(const std::string& datei)
{
    Plattenausgabe platte("musik.raw");
    EXPECT_TRUE(platte.Offen());
    Mix_Music* musik = Mix_LoadMUS(Pfad(datei).c_str());
    EXPECT_NE(nullptr, musik) << datei << ": " << Mix_GetError();
    if (musik) {
        EXPECT_EQ(0, Mix_PlayMusic(musik, 0));
        const Uint32 anfang = SDL_GetTicks();
        while (Mix_PlayingMusic() && SDL_GetTicks() - anfang < 60000) {
            SDL_Delay(1);
        }
        EXPECT_EQ(0, Mix_PlayingMusic()) << datei << " did not end";
    }
    Mix_FreeMusic(musik);
    return Aufnahme(platte.Schliessen());
}

std::size_t Frames(double sekunden)
{
    return static_cast<std::size_t>(sekunden * 44100.0);
}

void PruefePegel(const Aufnahme& a)
{
    EXPECT_EQ(0u, a.vollAusschlag) << "clipped";
    EXPECT_GT(a.spitze, 8000);
    EXPECT_GT(a.Pegel(a.erster, a.letzter), -26.0);
    EXPECT_LT(a.Pegel(a.erster, a.letzter), -14.0);
}

// A loop must sound right up to its end and from its very start.
void PruefeNahtstelle(const Aufnahme& a)
{
    EXPECT_GT(a.Pegel(a.erster, a.erster + Frames(0.5)), -32.0) << "the start is nearly silent";
    EXPECT_GT(a.Pegel(a.letzter - Frames(0.6), a.letzter - Frames(0.1)), -32.0) << "the end dies out";
}

void PruefeModul(const std::string& datei, const KL_XmModul& modul)
{
    SCOPED_TRACE(datei);
    const Aufnahme a = Spiele(datei);
    PruefePegel(a);
    PruefeNahtstelle(a);
    // The module's own rows and tempo decide the length: between one and two
    // minutes, and the player agrees (the closing rest is silent).
    EXPECT_GE(modul.Spielzeit(), 60.0);
    EXPECT_LE(modul.Spielzeit(), 120.0);
    EXPECT_NEAR(modul.Spielzeit(), a.Sekunden(), 0.5);
}

TEST(Musik, IntroFolgtDemLogo)
{
    const Aufnahme a = Spiele("intro_logo.ogg");
    PruefePegel(a);
    // About seven seconds of sound, fading in and out; silent before the
    // intro screen (7.5 s) ends, so no restart is heard.
    EXPECT_GT(a.Sekunden(), 6.5);
    EXPECT_LT(a.Sekunden(), 7.5);
    const double anschwellen = a.Pegel(a.erster, a.erster + Frames(0.5));
    const double hoehepunkt = a.Pegel(a.erster + Frames(2.0), a.erster + Frames(5.0));
    EXPECT_LT(anschwellen, hoehepunkt - 10.0) << "the start should swell, not burst in";
    EXPECT_LT(a.Pegel(a.letzter - Frames(0.5), a.letzter), hoehepunkt - 20.0) << "the end should fade";
}

TEST(Musik, RuhmeshalleLaeuftImKreis)
{
    const Aufnahme a = Spiele("ruhmeshalle.ogg");
    PruefePegel(a);
    PruefeNahtstelle(a);
    EXPECT_GT(a.Sekunden(), 40.0);
    EXPECT_LT(a.Sekunden(), 120.0);
    // The tails wrap around: the last and the first frame are close, so the
    // restart joins without a step.
    const int sprung = std::abs(a.werte[2 * a.erster] - a.werte[2 * (a.letzter - 1)]);
    EXPECT_LT(sprung, 2000);
}

TEST(Musik, Hauptmenue)
{
    PruefeModul("hauptmenue.xm", KL_Spielmusik::Menue());
}

TEST(Musik, ErstesSpielstueck)
{
    PruefeModul("spiel_1.xm", KL_Spielmusik::ErstesStueck());
}

TEST(Musik, ZweitesSpielstueck)
{
    PruefeModul("spiel_2.xm", KL_Spielmusik::ZweitesStueck());
}

TEST(Musik, SpielstueckeUnterscheidenSich)
{
    const KL_XmModul eins = KL_Spielmusik::ErstesStueck();
    const KL_XmModul zwei = KL_Spielmusik::ZweitesStueck();
    EXPECT_NE(eins.Bytes(), zwei.Bytes());
    EXPECT_GT(std::abs(eins.Spielzeit() - zwei.Spielzeit()), 2.0);
    EXPECT_NE(eins.Instrumente().front().name, zwei.Instrumente().front().name);
}
}
