#include "VOQ_OGL_Init.h"

#include "VOQ_Konfig.h"
#include "VOQ_Log.h"

#include "SDL.h"
#include "SDL_mixer.h"
#include "SDL_opengl.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

const char* const VOQ_OGL_Init::VORGABETITEL = "VOQ OGL Anwendung";

namespace
{
const char* const SCHLUESSEL[] = {
    "AUFLOESUNG", "FARBTIEFE", "VOLLBILD", "TITELBESCHRIFTUNG",
    "VORGABEKLANG", "FREQUENZ", "STEREO", "STUECKGROESSE", "VERGROESSERUNG",
};
enum {
    AUFLOESUNG, FARBTIEFE, VOLLBILD, TITELBESCHRIFTUNG,
    VORGABEKLANG, FREQUENZ, STEREO, STUECKGROESSE, VERGROESSERUNG, SCHLUESSEL_ANZAHL
};

const int STD_BREITE = 1024;
const int STD_HOEHE = 768;
const int STD_FARBTIEFE = 32;
// Larger than any screen, and than the pictures OpenGL drivers can hold.
const int HOECHSTE_SEITE = 16384;
const int STD_FREQUENZ = 22050;
const int STD_STUECKGROESSE = 2048;
// Room a window manager needs around a window: frame, title bar, panels.
const int RAHMEN = 96;
// sdl12-compat enlarges a window by this factor, read when the mode is set.
const char* const SKALIERUNG = "SDL12COMPAT_WINDOW_SCALING";

std::string Flagge(bool wert)
{
    return wert ? "1" : "0";
}

std::string ErsetzeZeichen(std::string text, char alt, char neu)
{
    for (char& c : text) {
        if (c == alt)
            c = neu;
    }
    return text;
}
}

VOQ_OGL_Init::VOQ_OGL_Init()
    : bildschirm(nullptr), symbol(nullptr), desktopBreite(0), desktopHoehe(0), fensterfaktor(1.0f)
{
}

VOQ_OGL_Init::VOQ_OGL_Init(int breite, int hoehe, int farbtiefe, bool vollbild)
    : bildschirm(nullptr), symbol(nullptr), desktopBreite(0), desktopHoehe(0), fensterfaktor(1.0f)
{
    InitVideo(breite, hoehe, farbtiefe, vollbild);
}

VOQ_OGL_Init::~VOQ_OGL_Init()
{
    // The surfaces belong to SDL (screen) or live until SDL_Quit at exit (icon).
}

bool VOQ_OGL_Init::InitConfig(const char* datei)
{
    const std::string name = datei ? datei : "";
    if (!LeseEinstellungen(name.c_str())) {
        VOQ_Log::Aus("Datei " + name + " kann nicht geöffnet werden. Lade Vorgabewerte.\n");
        if (video.titelbeschriftung.empty())
            video.titelbeschriftung = VORGABETITEL;
        InitVideoStd();
        InitAudioStd();
    } else {
        VOQ_Log::Aus("Einstellungsdatei '" + name + "' eingelesen\n");
        ErgaenzeDarstellung();
        InitVideo(video.aufloesung_breite, video.aufloesung_hoehe, video.farbtiefe, video.vollbild);
        InitAudio(video.frequenz, video.stereo, video.stueckgroesse);
    }
    VOQ_Log::Aus("Einstellungsdatei '" + name + "' abgearbeitet\n\n");
    return true;
}

// A file without usable display values gets those a missing file gets: a
// mode of 0 x 0 is a window as large as the desktop with the picture in its
// corner. (A missing VOLLBILD stays a window, as the file asks for none.)
void VOQ_OGL_Init::ErgaenzeDarstellung()
{
    const auto nutzbar = [](int seite) { return seite > 0 && seite <= HOECHSTE_SEITE; };
    if (!nutzbar(video.aufloesung_breite) || !nutzbar(video.aufloesung_hoehe)) {
        video.aufloesung_breite = STD_BREITE;
        video.aufloesung_hoehe = STD_HOEHE;
        VOQ_Log::Aus("Vorgabe für AUFLOESUNG: " + std::to_string(STD_BREITE) + "x" + std::to_string(STD_HOEHE) + "\n");
    }
    if (video.farbtiefe <= 0 || video.farbtiefe > STD_FARBTIEFE) {
        video.farbtiefe = STD_FARBTIEFE;
        VOQ_Log::Aus("Vorgabe für FARBTIEFE: " + std::to_string(STD_FARBTIEFE) + "\n");
    }
}

bool VOQ_OGL_Init::LeseEinstellungen(const char* datei)
{
    const auto lies = [this](const std::string& zeile) { LeseZeile(zeile); };
    return datei && VOQ_Konfig::JedeZeile(datei, VOQ_Konfig::ZEILE_KURZ, lies);
}

void VOQ_OGL_Init::LeseZeile(const std::string& zeile)
{
    int zahlen[2] = {video.aufloesung_breite, video.aufloesung_hoehe};
    int zahl = 0;
    std::string wort;

    switch (VOQ_Konfig::FindeSchluessel(zeile, SCHLUESSEL, SCHLUESSEL_ANZAHL)) {
    case AUFLOESUNG:
        VOQ_Konfig::LeseZahlen(zeile, "AUFLOESUNG", zahlen, 2);
        video.aufloesung_breite = zahlen[0];
        video.aufloesung_hoehe = zahlen[1];
        break;
    case FARBTIEFE:
        VOQ_Konfig::LeseZahl(zeile, "FARBTIEFE", video.farbtiefe);
        break;
    case VOLLBILD:
        // A number that can't be read leaves the flag as it was.
        if (VOQ_Konfig::LeseZahl(zeile, "VOLLBILD", zahl))
            video.vollbild = (zahl == 1);
        break;
    case TITELBESCHRIFTUNG:
        // Blanks may stand in the title: read it as one word with '%' for them.
        if (VOQ_Konfig::LeseWort(ErsetzeZeichen(zeile, ' ', '%'), "TITELBESCHRIFTUNG", wort))
            video.titelbeschriftung = ErsetzeZeichen(wort, '%', ' ');
        break;
    case VORGABEKLANG:
        VOQ_Konfig::LeseZahl(zeile, "VORGABEKLANG", video.vorgabeklang);
        break;
    case FREQUENZ:
        VOQ_Konfig::LeseZahl(zeile, "FREQUENZ", video.frequenz);
        break;
    case STEREO:
        if (VOQ_Konfig::LeseZahl(zeile, "STEREO", zahl))
            video.stereo = (zahl != 0);
        break;
    case STUECKGROESSE:
        VOQ_Konfig::LeseZahl(zeile, "STUECKGROESSE", video.stueckgroesse);
        break;
    case VERGROESSERUNG:
        VOQ_Konfig::LeseZahl(zeile, "VERGROESSERUNG", video.vergroesserung);
        break;
    default:
        break;
    }
}

bool VOQ_OGL_Init::InitVideo(int breite, int hoehe, int farbtiefe, bool vollbild)
{
    video.aufloesung_breite = breite;
    video.aufloesung_hoehe = hoehe;
    video.farbtiefe = farbtiefe;
    video.vollbild = vollbild;

    // sdl12-compat reads it in SDL_Init: an enlarged window and full screen
    // show each pixel of the picture as a sharp block, unless the player has
    // chosen otherwise in the environment.
    setenv("SDL12COMPAT_SCALE_METHOD", "nearest", 0);
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_AUDIO | SDL_INIT_JOYSTICK) < 0) {
        VOQ_Log::Aus(std::string("Unable to init SDL: ") + SDL_GetError() + "\n");
        return false;
    }

    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_ALPHA_SIZE, 8);

    std::atexit(SDL_Quit);

    VOQ_Log::Aus("Lade Darstellung (AUFLOESUNG: " + std::to_string(breite) + "x" + std::to_string(hoehe)
                 + " | FARBTIEFE: " + std::to_string(farbtiefe) + " | VOLLBILD: " + Flagge(vollbild) + ")\n");

    WaehleFenstergroesse(breite, hoehe, vollbild);
    Uint32 flaggen = SDL_HWSURFACE | SDL_OPENGL | SDL_DOUBLEBUF;
    if (vollbild)
        flaggen |= SDL_FULLSCREEN;
    bildschirm = SDL_SetVideoMode(breite, hoehe, farbtiefe, flaggen);
    if (!bildschirm) {
        VOQ_Log::Aus("Kann Darstellungseinstellungen aus Einstellungsdatei nicht laden - lade Vorgabeeinstellungen...\n");
        const bool schonVorgabe = breite == STD_BREITE && hoehe == STD_HOEHE
                                  && farbtiefe == STD_FARBTIEFE && vollbild;
        // The defaults failing as well would otherwise retry them without end.
        if (schonVorgabe) {
            VOQ_Log::Fehler("\n#o> VOQ_OGL_Init - FEHLER: KEINE DARSTELLUNG MOEGLICH: " + std::string(SDL_GetError())
                            + "\n\n");
            return false;
        }
        return InitVideoStd() && bildschirm != nullptr;
    }

    ++darstellungen;
    ++modi;
    SetzeOpenGLZustand();

    if (!video.symbolpfad.empty()) {
        symbol = SDL_LoadBMP(video.symbolpfad.c_str());
        if (symbol)
            SDL_WM_SetIcon(symbol, nullptr);
    }
    if (!video.titelbeschriftung.empty())
        SDL_WM_SetCaption(video.titelbeschriftung.c_str(), nullptr);
    return true;
}

void VOQ_OGL_Init::SetzeOpenGLZustand()
{
    glEnable(GL_TEXTURE_2D);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0.0, bildschirm->w, bildschirm->h, 0.0, -1.0, 1.0);
    glMatrixMode(GL_MODELVIEW);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_BLEND);
}

// Asked before the first mode, SDL answers the desktop's size. Only a mode
// opened as a window is enlarged, and not when the player has set the factor
// in the environment.
void VOQ_OGL_Init::WaehleFenstergroesse(int breite, int hoehe, bool vollbild)
{
    const SDL_VideoInfo* info = SDL_GetVideoInfo();
    desktopBreite = info ? info->current_w : 0;
    desktopHoehe = info ? info->current_h : 0;
    const char* eigener = std::getenv(SKALIERUNG);
    if (!eigener) {
        const int faktor = Fensterfaktor(desktopBreite, desktopHoehe, breite, hoehe, video.vergroesserung);
        if (faktor > 1 && !vollbild)
            setenv(SKALIERUNG, std::to_string(faktor).c_str(), 1);
    }
    const char* wert = std::getenv(SKALIERUNG);
    const float faktor = wert ? std::strtof(wert, nullptr) : 1.0f;
    fensterfaktor = vollbild || !(faktor > 0.0f) ? 1.0f : faktor;
    char zeile[96];
    std::snprintf(zeile, sizeof zeile, "Bildschirm %dx%d, Fenster %g-fach\n", desktopBreite, desktopHoehe,
                  static_cast<double>(fensterfaktor));
    VOQ_Log::Aus(zeile);
}

int VOQ_OGL_Init::Fensterfaktor(int desktopBreite, int desktopHoehe, int breite, int hoehe, int hoechstens)
{
    if (breite <= 0 || hoehe <= 0)
        return 1;
    int faktor = std::min((desktopBreite - RAHMEN) / breite, (desktopHoehe - RAHMEN) / hoehe);
    if (hoechstens > 0)
        faktor = std::min(faktor, hoechstens);
    return std::max(faktor, 1);
}

bool VOQ_OGL_Init::WechsleVollbild()
{
    if (!bildschirm || !SDL_WM_ToggleFullScreen(bildschirm)) {
        VOQ_Log::Fehler("\n#o> VOQ_OGL_Init - FEHLER: KANN NICHT ZWISCHEN FENSTER UND VOLLBILD WECHSELN: "
                        + std::string(SDL_GetError()) + "\n\n");
        return false;
    }
    ++modi;
    const bool voll = (bildschirm->flags & SDL_FULLSCREEN) != 0;
    // A mode set in full screen is grabbed, as SDL 1.2 grabbed every full
    // screen, and stays so after the switch: in a window the pointer is free.
    if (!voll)
        SDL_WM_GrabInput(SDL_GRAB_OFF);
    VOQ_Log::Aus(voll ? "#o> VOQ_OGL_Init - Vollbild\n" : "#o> VOQ_OGL_Init - Fenster\n");
    return true;
}

// In full screen the picture fills the desktop as far as its aspect allows,
// centred. A point goes to the middle of the window pixels that show it, so
// SDL reads the same point back.
void VOQ_OGL_Init::Fensterpunkt(int& x, int& y) const
{
    if (!bildschirm || bildschirm->w <= 0 || bildschirm->h <= 0)
        return;
    const float breite = static_cast<float>(bildschirm->w);
    const float hoehe = static_cast<float>(bildschirm->h);
    float faktor = fensterfaktor;
    float randX = 0.0f;
    float randY = 0.0f;
    if ((bildschirm->flags & SDL_FULLSCREEN) && desktopBreite > 0 && desktopHoehe > 0) {
        faktor = std::min(desktopBreite / breite, desktopHoehe / hoehe);
        randX = (desktopBreite - breite * faktor) / 2.0f;
        randY = (desktopHoehe - hoehe * faktor) / 2.0f;
    }
    x = static_cast<int>(randX + (static_cast<float>(x) + 0.5f) * faktor);
    y = static_cast<int>(randY + (static_cast<float>(y) + 0.5f) * faktor);
}

int VOQ_OGL_Init::darstellungen = 0;

int VOQ_OGL_Init::Darstellungsnummer()
{
    return darstellungen;
}

int VOQ_OGL_Init::modi = 0;

int VOQ_OGL_Init::Modusnummer()
{
    return modi;
}

bool VOQ_OGL_Init::InitVideoStd()
{
    return InitVideo(STD_BREITE, STD_HOEHE, STD_FARBTIEFE, true);
}

bool VOQ_OGL_Init::InitAudio(int frequenz, bool stereo, int stueckgroesse)
{
    const int kanaele = stereo ? 2 : 1;
    if (video.vorgabeklang == 1) {
        Mix_CloseAudio();
        VOQ_Log::Aus("Klangeinstellungen aus Einstellungsdatei bleiben unbeachtet - lade Vorgabeeinstellungen...\n");
        InitAudioStd();
        return false;
    }
    if (video.vorgabeklang == 0) {
        VOQ_Log::Aus("Lade Klang (HZ: " + std::to_string(frequenz) + " | STEREO: " + Flagge(stereo)
                     + " | STUECKGROESSE: " + std::to_string(stueckgroesse) + ")\n");
        Mix_OpenAudio(frequenz, AUDIO_S16LSB, kanaele, stueckgroesse);
    }
    return true;
}

bool VOQ_OGL_Init::InitAudioStd()
{
    video.frequenz = STD_FREQUENZ;
    video.stereo = true;
    video.stueckgroesse = STD_STUECKGROESSE;
    Mix_CloseAudio();
    if (Mix_OpenAudio(STD_FREQUENZ, AUDIO_S16LSB, 2, STD_STUECKGROESSE) < 0) {
        VOQ_Log::Aus("Kann Vorgabe-Klangeinstellungen nicht laden - Klang wird deaktiviert...\n");
        return false;
    }
    return true;
}

void VOQ_OGL_Init::SetIcon(const char* pfad)
{
    video.symbolpfad = pfad ? pfad : "";
}

void VOQ_OGL_Init::SetCaption(const char* titel)
{
    video.titelbeschriftung = titel ? titel : "";
}

int VOQ_OGL_Init::GetVideoWidth() const { return video.aufloesung_breite; }
int VOQ_OGL_Init::GetVideoHeight() const { return video.aufloesung_hoehe; }
int VOQ_OGL_Init::GetWidth() const { return video.aufloesung_breite; }
int VOQ_OGL_Init::GetHeight() const { return video.aufloesung_hoehe; }

const sInitVideo& VOQ_OGL_Init::GetEinstellungen() const
{
    return video;
}

SDL_Surface* VOQ_OGL_Init::GetBildschirm() const
{
    return bildschirm;
}
