#pragma once

#include "VOQ_OGL_Bildspeicher.h"
#include "VOQ_OGL_Zaehler.h"

#include <cstdint>
#include <memory>
#include <string>

struct SDL_Surface;

// The engine's picture: one or more frames of equal size, side by side in one
// strip bitmap (base path + ".bmp") with a text description beside it (base
// path + ".konfig"), one OpenGL texture per frame, drawn as a textured quad.
// It animates by time, fades, mirrors and rotates. An image holds its frames'
// textures as a shared, unchanging set of VOQ_OGL_Bildspeicher; a new colour
// key (SetTransColor) makes it take the set for that key.
class VOQ_OGL_Bildlauf
{
public:
    VOQ_OGL_Bildlauf();
    explicit VOQ_OGL_Bildlauf(std::string name);
    ~VOQ_OGL_Bildlauf();
    VOQ_OGL_Bildlauf(const VOQ_OGL_Bildlauf&) = delete;
    VOQ_OGL_Bildlauf& operator=(const VOQ_OGL_Bildlauf&) = delete;

    // Loads strip and description; false (and an error line) if the strip can't
    // be loaded or the frames can't be made. A failed Init leaves the image
    // unloaded: Draw then draws nothing.
    bool Init(std::string name);
    // Takes the textures of its frames for the current colour key, made anew
    // unless another image has them already. False (and an error line) if a
    // texture could not be made; the image is unloaded then.
    bool LoadInTextures();

    void SetTransColor(int preset);
    void SetTransColor(int b, int g, int r);

    void SetAlpha(float a);
    void AddAlpha(float a);
    float GetAlpha();

    void Draw();
    void Draw(int x, int y);
    void DrawCenter(int cx, int cy);

    int GetWidthTex();
    int GetHeightTex();
    int GetWidthDraw();
    int GetHeightDraw();
    void SetWidthDraw(int w);
    void SetHeightDraw(int h);
    void SetSizeDraw(int w, int h);

    int GetCenterX();
    int GetCenterY();
    void SetCenterX(int cx);
    void SetCenterY(int cy);
    void SetCenterXY(int cx, int cy);

    void Einblenden();
    void Ausblenden();

    int GetAnimPos();
    bool SetAnimPos(int n);
    bool NextAnim();
    int GetBildAnzahl();
    void SetVerzoegerung(int ms);
    int GetVerzoegerung();

    void SetAutoRotating(bool on);
    void SetRotation(float a);
    void AddRotation(float d);
    void SetRotationSpeed(float s);
    void AddRotationSpeed(float s);
    void SetRotateRight();
    void SetRotateLeft();
    float GetRotationPos();

    // Written directly by the owners of images.
    bool paused;
    bool playOnce;
    bool visible;
    bool rotationOn;
    bool mirrorX;
    bool mirrorY;

    int x, y;
    int frameCount;
    int frameWidth, frameHeight;
    int drawWidth, drawHeight;
    int delay;
    int animPos;
    bool fadingIn, fadingOut;
    VOQ_OGL_Zaehler counters;
    std::string name;
    std::string bmpPath;
    std::string konfigPath;
    // The strip's pixels and a frame's working surface live only while the
    // textures are made (VOQ_OGL_Bildspeicher): both null here.
    SDL_Surface* strip;
    SDL_Surface* frameSurface;
    unsigned int* textures;  // GLuint[frameCount]
    int keyColour[3];        // blue, green, red
    float alpha;
    float angle;
    float rotationSpeed;
    float shownAngle;
    bool rotateRight;
    bool autoRotating;
    std::uint32_t rotationNow;
    std::uint32_t rotationLastStep;
    float rotationProgress;
    float rotationCarry;
    std::uint32_t frameNow;
    std::uint32_t frameLastChange;
    bool loaded;
    bool texturesMade;

private:
    void Zuruecksetzen();
    void Freigeben();
    void LeseBeschreibung();
    void LeseZeile(const std::string& zeile);
    bool PruefeBildgroesse();
    void BegrenzeBilderanzahl();
    void FehlerZeile(const std::string& text);
    // False when a play-once run has just ended: that Draw draws nothing.
    bool SchritteAnimation();
    void Blenden();
    // The rotation's step (also for a quad left out), then its matrix.
    void Drehen();
    void Gedreht();
    bool HatBild() const;
    bool NimmSatz(const std::shared_ptr<const VOQ_OGL_Bildspeicher::Streifen>& streifen, int breite,
                  int hoehe, int anzahl);
    bool BaueSatz(const std::shared_ptr<const VOQ_OGL_Bildspeicher::Streifen>& streifen, int breite,
                  int hoehe, int anzahl);
    void Zeige(std::shared_ptr<const VOQ_OGL_Bildspeicher::Bildsatz> neu);
    void MeldeTexturen(bool erledigt);

    int texturAnzahl;  // names in `textures`, fixed per load whatever `frameCount` is set to later
    // Where `strip` and `textures` belong; held while loaded.
    std::shared_ptr<const VOQ_OGL_Bildspeicher::Bildsatz> satz;
};
