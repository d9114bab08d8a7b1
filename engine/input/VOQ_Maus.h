#pragma once

#include "VOQ_OGL_Bildlauf.h"

#include <cstdint>
#include <string>

class VOQ_OGL_Init;
class VOQ_OGL_Landschaft;
struct SDL_Cursor;

// The program's own mouse pointer, drawn as an image centred on the system
// pointer (which it hides). It answers the widgets' questions about the
// pointer position and holds the simulated click of the game controller until
// a widget takes it. Over a tile landscape it can scroll the landscape at the
// window edges, show the edge's pointer frame and mark the tile under it.
class VOQ_Maus
{
public:
    VOQ_Maus();
    explicit VOQ_Maus(std::string name);
    ~VOQ_Maus();
    VOQ_Maus(const VOQ_Maus&) = delete;
    VOQ_Maus& operator=(const VOQ_Maus&) = delete;

    // Loads the pointer image pfad + "/" + name (and the tile markers once)
    // and hides the system pointer behind an empty cursor. Always true; a
    // missing image is reported by the image itself and draws nothing.
    bool Init(std::string name);
    bool Inited();

    void Draw();

    // Moves the system pointer.
    void SetPosXY(int x, int y);
    int GetPosX();
    int GetPosY();

    bool SetAnimPos(int n);
    int GetAnimPos();

    void GiveLandschaft(VOQ_OGL_Landschaft* land);
    void GiveInit(VOQ_OGL_Init* videoInit);

    bool OverLand();
    int GetDrawLandPosX();
    int GetDrawLandPosY();
    // The map column and row under the pointer.
    int GetLandPosX();
    int GetLandPosY();

    void SetFeldMarkierung(bool an);
    void SetFeldGroesse(int groesse);

    void SimClick();
    // Answers a pending simulated click and takes it.
    bool WasSimClicked();

    // Pointer frames of the cursor image.
    enum Rahmen {
        NORMAL = 1, OBEN, UNTEN, RECHTS, LINKS,
        OBEN_LINKS, OBEN_RECHTS, UNTEN_LINKS, UNTEN_RECHTS
    };

    bool visible;
    std::string pfad;
    bool scrollLand;
    bool simClicked;
    std::string name;
    VOQ_OGL_Bildlauf zeiger;
    VOQ_OGL_Bildlauf markierung1;
    VOQ_OGL_Bildlauf markierung4;
    VOQ_OGL_Bildlauf markierung9;
    VOQ_OGL_Bildlauf markierungX;
    VOQ_OGL_Landschaft* landschaft;
    VOQ_OGL_Init* init;
    int given;
    std::uint32_t ticksNow;
    std::uint32_t ticksLastScroll;
    bool inited;
    int drawLandPosX, drawLandPosY;
    bool overLand;
    bool feldMarkierung;
    int feldGroesse;

private:
    static constexpr int LANDSCHAFT_GEGEBEN = 1;
    static constexpr int VIDEO_GEGEBEN = 2;
    static constexpr std::uint32_t SCROLL_ABSTAND = 74;

    void VersteckeSystemzeiger();
    bool LandschaftAktiv() const;
    void Scrolle();
    int RandRahmen(int mx, int my) const;
    bool SucheKachel(int mx, int my);
    void ZeichneMarkierung();

    // The system pointer's empty cursor, made by the first Init.
    SDL_Cursor* unsichtbar = nullptr;
};
