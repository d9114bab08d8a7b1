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

namespace
{
const char* const DATEI = "einstellungen_video.konfig";

// What SDL opened: window size, full screen, title and audio device.
std::string Geoeffnet()
{
    const SDL_Surface* schirm = SDL_GetVideoSurface();
    char* titel = nullptr;
    char* symbol = nullptr;
    SDL_WM_GetCaption(&titel, &symbol);
    int hz = 0, kanaele = 0;
    Uint16 format = 0;
    std::string klang = "still";
    if (Mix_QuerySpec(&hz, &format, &kanaele) == 1)
        klang = std::to_string(hz) + (format == AUDIO_S16LSB ? " S16LSB " : " ? ") + std::to_string(kanaele);
    return (schirm ? std::to_string(schirm->w) + "x" + std::to_string(schirm->h) : "-")
           + (schirm && (schirm->flags & SDL_FULLSCREEN) ? " voll '" : " fenster '") + (titel ? titel : "") + "' "
           + klang;
}

TEST(InitConfig, FensterUndKlangAusDerDateiOderVorgaben)
{
    // The settings file (nullptr: none), what SDL opened, lines in the log in this order.
    const struct { const char* inhalt; const char* geoeffnet; const char* zeilen[3]; } faelle[] = {
        {"AUFLOESUNG=640,480\nFARBTIEFE=32\nVOLLBILD=0\nTITELBESCHRIFTUNG=QUENTABOR - QUADERFALL\nVORGABEKLANG=0\n"
         "FREQUENZ=44100\nSTEREO=0\nSTUECKGROESSE=1024\n",
         "640x480 fenster 'QUENTABOR - QUADERFALL' 44100 S16LSB 1",
         {"Einstellungsdatei 'einstellungen_video.konfig' eingelesen\n",
          "Lade Darstellung (AUFLOESUNG: 640x480 | FARBTIEFE: 32 | VOLLBILD: 0)\n",
          "Lade Klang (HZ: 44100 | STEREO: 0 | STUECKGROESSE: 1024)\n"}},
        {nullptr, "1024x768 voll 'VOQ OGL Anwendung' 22050 S16LSB 2",
         {"Datei einstellungen_video.konfig kann nicht geöffnet werden. Lade Vorgabewerte.\n",
          "Lade Darstellung (AUFLOESUNG: 1024x768 | FARBTIEFE: 32 | VOLLBILD: 1)\n",
          "Einstellungsdatei 'einstellungen_video.konfig' abgearbeitet\n\n"}},
        // VORGABEKLANG 1: the file's sound values give way to the defaults.
        {"AUFLOESUNG=320,200\nVOLLBILD=0\nTITELBESCHRIFTUNG=DREI\nVORGABEKLANG=1\nFREQUENZ=11025\nSTEREO=0\n",
         "320x200 fenster 'DREI' 22050 S16LSB 2",
         {"Klangeinstellungen aus Einstellungsdatei bleiben unbeachtet - lade Vorgabeeinstellungen...\n",
          "Einstellungsdatei 'einstellungen_video.konfig' abgearbeitet\n\n", ""}},
        // Any other value: no audio device.
        {"AUFLOESUNG=800,600\nFARBTIEFE=32\nTITELBESCHRIFTUNG=VIER\nVORGABEKLANG=2\n", "800x600 fenster 'VIER' still",
         {"Einstellungsdatei 'einstellungen_video.konfig' abgearbeitet\n\n", "", ""}},
        // Display values missing or of no use: those of a missing file, but a window.
        {"AUFLOESUNG=0,600\nTITELBESCHRIFTUNG=OHNE MASS\nVORGABEKLANG=2\n", "1024x768 fenster 'OHNE MASS' still",
         {"Vorgabe für AUFLOESUNG: 1024x768\n", "Vorgabe für FARBTIEFE: 32\n",
          "Lade Darstellung (AUFLOESUNG: 1024x768 | FARBTIEFE: 32 | VOLLBILD: 0)\n"}},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.inhalt ? f.inhalt : "ohne Datei");
        Mix_CloseAudio();
        std::remove(DATEI);
        if (f.inhalt)
            std::ofstream(DATEI) << f.inhalt;
        LogFaenger log;
        VOQ_OGL_Init init;
        init.InitConfig(DATEI);
        EXPECT_EQ(f.geoeffnet, Geoeffnet());
        std::size_t pos = 0;
        for (const char* zeile : f.zeilen) {
            pos = log.Aus().find(zeile, pos);
            EXPECT_NE(std::string::npos, pos) << zeile << "\n" << log.Aus();
        }
    }
    Mix_CloseAudio();
    std::remove(DATEI);

    // VORGABEKLANG 1: InitAudio puts the defaults into the record and answers false.
    VOQ_OGL_Init init;
    std::ofstream(DATEI) << "VORGABEKLANG=1\nFREQUENZ=11025\n";
    ASSERT_TRUE(init.LeseEinstellungen(DATEI));
    EXPECT_FALSE(init.InitAudio(11025, false, 512));
    const sInitVideo& v = init.GetEinstellungen();
    EXPECT_EQ("22050 1 2048",
              std::to_string(v.frequenz) + " " + std::to_string(v.stereo) + " " + std::to_string(v.stueckgroesse));
    Mix_CloseAudio();
    std::remove(DATEI);
}

// A mode set in full screen grabs the pointer; in a window after a switch it
// is free, however often the player switches.
TEST(InitVideo, ImFensterIstDerZeigerFrei)
{
    VOQ_OGL_Init init;
    ASSERT_TRUE(init.InitVideo(640, 480, 32, true));
    for (int wechsel = 0; wechsel < 3; ++wechsel) {
        ASSERT_TRUE(init.WechsleVollbild());
        const bool voll = (init.GetBildschirm()->flags & SDL_FULLSCREEN) != 0;
        EXPECT_TRUE(voll || SDL_WM_GrabInput(SDL_GRAB_QUERY) == SDL_GRAB_OFF) << wechsel;
    }
}
}  // namespace
