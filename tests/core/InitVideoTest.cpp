// Start-up of video and audio from the settings file, in a real X server.
#include "LogFaenger.h"
#include "VOQ_OGL_Init.h"

#include "SDL.h"
#include "SDL_mixer.h"
#include "SDL_opengl.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <utility>

namespace
{

const char* const DATEI = "einstellungen_video.konfig";

void Schreibe(const std::string& inhalt)
{
    std::ofstream aus(DATEI, std::ios::binary);
    aus << inhalt;
}

std::string Titel()
{
    char* titel = nullptr;
    char* symbol = nullptr;
    SDL_WM_GetCaption(&titel, &symbol);
    return titel ? titel : "";
}

// The open audio device: frequency and channels, 0 and 0 if none is open.
std::pair<int, int> Klang()
{
    int frequenz = 0, kanaele = 0;
    if (Mix_QuerySpec(&frequenz, nullptr, &kanaele) != 1)
        return {0, 0};
    return {frequenz, kanaele};
}

// Positions of the given lines in the log, each after the previous one.
bool InReihenfolge(const std::string& log, std::initializer_list<const char*> zeilen)
{
    std::size_t pos = 0;
    for (const char* z : zeilen) {
        pos = log.find(z, pos);
        if (pos == std::string::npos)
            return false;
        pos += std::string(z).size();
    }
    return true;
}

class InitVideo : public ::testing::Test
{
protected:
    void TearDown() override
    {
        Mix_CloseAudio();
        std::remove(DATEI);
    }
};

TEST_F(InitVideo, FensterTitelUndKlangAusDerDatei)
{
    Schreibe("AUFLOESUNG=640,480\nFARBTIEFE=32\nVOLLBILD=0\nTITELBESCHRIFTUNG=QUENTABOR - QUADERFALL\n"
             "VORGABEKLANG=0\nFREQUENZ=44100\nSTEREO=0\nSTUECKGROESSE=1024\n");
    LogFaenger log;
    VOQ_OGL_Init init;
    EXPECT_TRUE(init.InitConfig(DATEI));

    SDL_Surface* schirm = SDL_GetVideoSurface();
    ASSERT_NE(nullptr, schirm);
    EXPECT_EQ(640, schirm->w);
    EXPECT_EQ(480, schirm->h);
    EXPECT_FALSE(schirm->flags & SDL_FULLSCREEN);
    EXPECT_EQ("QUENTABOR - QUADERFALL", Titel());

    Uint16 format = 0;
    ASSERT_EQ(1, Mix_QuerySpec(nullptr, &format, nullptr));
    EXPECT_EQ(AUDIO_S16LSB, format);
    EXPECT_EQ(std::make_pair(44100, 1), Klang());

    EXPECT_TRUE(InReihenfolge(log.Aus(), {
        "Einstellungsdatei 'einstellungen_video.konfig' eingelesen\n",
        "Lade Darstellung (AUFLOESUNG: 640x480 | FARBTIEFE: 32 | VOLLBILD: 0)\n",
        "Lade Klang (HZ: 44100 | STEREO: 0 | STUECKGROESSE: 1024)\n",
        "Einstellungsdatei 'einstellungen_video.konfig' abgearbeitet\n\n"}))
        << log.Aus();
    EXPECT_TRUE(log.Fehler().empty());
}

TEST_F(InitVideo, OrthoProjektionInFensterpixeln)
{
    Schreibe("AUFLOESUNG=800,600\nFARBTIEFE=32\nVOLLBILD=0\nVORGABEKLANG=2\n");
    LogFaenger log;
    VOQ_OGL_Init init;
    init.InitConfig(DATEI);
    ASSERT_NE(nullptr, init.GetBildschirm());

    GLdouble p[16];
    glGetDoublev(GL_PROJECTION_MATRIX, p);
    // glOrtho(0, 800, 600, 0, -1, 1)
    EXPECT_NEAR(2.0 / 800, p[0], 1e-9);
    EXPECT_NEAR(-2.0 / 600, p[5], 1e-9);
    EXPECT_NEAR(-1.0, p[10], 1e-9);
    EXPECT_NEAR(-1.0, p[12], 1e-9);
    EXPECT_NEAR(1.0, p[13], 1e-9);

    GLint modus = 0, quelle = 0, ziel = 0;
    glGetIntegerv(GL_MATRIX_MODE, &modus);
    glGetIntegerv(GL_BLEND_SRC, &quelle);
    glGetIntegerv(GL_BLEND_DST, &ziel);
    EXPECT_EQ(GL_MODELVIEW, modus);
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_TRUE(glIsEnabled(GL_BLEND));
    EXPECT_EQ(GL_SRC_ALPHA, quelle);
    EXPECT_EQ(GL_ONE_MINUS_SRC_ALPHA, ziel);
    EXPECT_FALSE(glIsEnabled(GL_DEPTH_TEST));

    // VORGABEKLANG other than 0 and 1: no audio device, nothing logged about sound.
    EXPECT_EQ(std::make_pair(0, 0), Klang());
    EXPECT_EQ(std::string::npos, log.Aus().find("Klang"));

    // A new mode: the size asked for is what GetVideoWidth reports, the
    // projection follows the real mode.
    ASSERT_TRUE(init.InitVideo(512, 384, 32, false));
    EXPECT_EQ(512, init.GetVideoWidth());
    glGetDoublev(GL_PROJECTION_MATRIX, p);
    EXPECT_NEAR(2.0 / init.GetBildschirm()->w, p[0], 1e-9);
    EXPECT_NEAR(-2.0 / init.GetBildschirm()->h, p[5], 1e-9);
}

TEST_F(InitVideo, OhneDateiVorgabewerte)
{
    std::remove(DATEI);
    LogFaenger log;
    VOQ_OGL_Init init;
    init.InitConfig(DATEI);
    SDL_Surface* schirm = SDL_GetVideoSurface();
    ASSERT_NE(nullptr, schirm);
    EXPECT_EQ(1024, init.GetVideoWidth());
    EXPECT_EQ(768, init.GetVideoHeight());
    EXPECT_TRUE(init.GetEinstellungen().vollbild);
    EXPECT_EQ(32, init.GetEinstellungen().farbtiefe);
    EXPECT_EQ("VOQ OGL Anwendung", Titel());
    EXPECT_EQ(std::make_pair(22050, 2), Klang());
    EXPECT_TRUE(InReihenfolge(log.Aus(), {
        "Datei einstellungen_video.konfig kann nicht geöffnet werden. Lade Vorgabewerte.\n",
        "Lade Darstellung (AUFLOESUNG: 1024x768 | FARBTIEFE: 32 | VOLLBILD: 1)\n",
        "Einstellungsdatei 'einstellungen_video.konfig' abgearbeitet\n\n"}))
        << log.Aus();
}

TEST_F(InitVideo, VorgabeklangEinsUeberschreibtDieKlangwerte)
{
    Schreibe("AUFLOESUNG=320,200\nFARBTIEFE=32\nVOLLBILD=0\nVORGABEKLANG=1\nFREQUENZ=11025\nSTEREO=0\n"
             "STUECKGROESSE=512\n");
    LogFaenger log;
    VOQ_OGL_Init init;
    init.InitConfig(DATEI);
    EXPECT_EQ(22050, init.GetEinstellungen().frequenz);
    EXPECT_TRUE(init.GetEinstellungen().stereo);
    EXPECT_EQ(2048, init.GetEinstellungen().stueckgroesse);
    EXPECT_EQ(std::make_pair(22050, 2), Klang());
    EXPECT_NE(std::string::npos,
              log.Aus().find("Klangeinstellungen aus Einstellungsdatei bleiben unbeachtet - lade Vorgabeeinstellungen...\n"));
    EXPECT_FALSE(init.InitAudio(11025, false, 512));
}

}  // namespace
