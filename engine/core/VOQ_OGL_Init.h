#pragma once

#include <string>

struct SDL_Surface;
class VOQ_Konfig;

// The values the settings file sets.
struct sInitVideo
{
    int aufloesung_breite = 0;
    int aufloesung_hoehe = 0;
    int farbtiefe = 0;
    bool vollbild = false;
    std::string symbolpfad;
    std::string titelbeschriftung;
    int vorgabeklang = 0;
    int frequenz = 0;
    bool stereo = false;
    int stueckgroesse = 0;
    // The most the window is enlarged by; 0: as much as the desktop has room for.
    int vergroesserung = 0;
};

// Reads "einstellungen.konfig", opens SDL with its window, OpenGL context and
// 2D state, and the audio device.
class VOQ_OGL_Init
{
public:
    static const char* const VORGABETITEL;

    VOQ_OGL_Init();
    VOQ_OGL_Init(int breite, int hoehe, int farbtiefe, bool vollbild);
    ~VOQ_OGL_Init();
    VOQ_OGL_Init(const VOQ_OGL_Init&) = delete;
    VOQ_OGL_Init& operator=(const VOQ_OGL_Init&) = delete;

    // Reads the file, then starts video and audio; falls back to defaults
    // when the file does not open. Always true.
    bool InitConfig(const char* datei);
    // Only the reading part of InitConfig: false if the file does not open.
    bool LeseEinstellungen(const char* datei);

    // False if SDL could not be initialised or no video mode could be set.
    bool InitVideo(int breite, int hoehe, int farbtiefe, bool vollbild);
    bool InitVideoStd();
    // False when the defaults were used instead (VORGABEKLANG=1).
    bool InitAudio(int frequenz, bool stereo, int stueckgroesse);
    // False if the default audio device could not be opened.
    bool InitAudioStd();

    // Both take effect at the next InitVideo.
    void SetIcon(const char* pfad);
    void SetCaption(const char* titel);

    int GetVideoWidth() const;
    int GetVideoHeight() const;
    int GetWidth() const;
    int GetHeight() const;

    const sInitVideo& GetEinstellungen() const;
    // The screen surface of the video mode, null while no mode is set.
    SDL_Surface* GetBildschirm() const;

    // Switches between window and full screen, keeping the mode and the
    // OpenGL context. False if SDL can't.
    bool WechsleVollbild();
    // Turns a point of the picture into a point of the window, which may show
    // the picture enlarged, or in full screen scaled to the screen.
    void Fensterpunkt(int& x, int& y) const;
    // The largest whole-number factor (at least 1, at most `hoechstens` if
    // that is above 0) by which a window of breite x hoehe still fits on the
    // desktop with room for its frame.
    static int Fensterfaktor(int desktopBreite, int desktopHoehe, int breite, int hoehe, int hoechstens);

    // Counts the video modes set in this process: a new mode may come with a
    // new OpenGL context, so textures made before it are not to be used again.
    static int Darstellungsnummer();
    // Counts every change of the video mode: a mode set, the switch between
    // window and full screen. The picture on show is not to be trusted past one.
    static int Modusnummer();

private:
    void LeseZeile(const std::string& zeile);
    void ErgaenzeDarstellung();
    void SetzeOpenGLZustand();
    void WaehleFenstergroesse(int breite, int hoehe, bool vollbild);

    sInitVideo video;
    SDL_Surface* bildschirm;
    SDL_Surface* symbol;
    int desktopBreite;
    int desktopHoehe;
    // How much larger than the picture the window is.
    float fensterfaktor;

    static int darstellungen;
    static int modi;
};
