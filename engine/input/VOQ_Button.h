#pragma once

#include "VOQ_OGL_Bildlauf.h"

#include <string>

class VOQ_Maus;
class VOQ_OGL_Schrift;
struct Mix_Chunk;

// A push button with a caption, drawn from a widget image folder (normal,
// pointer over it, pressed). It detects its own clicks while drawn: a click
// is a press that ends over the button, reported by WasClicked for the one
// frame of the release.
class VOQ_Button
{
public:
    VOQ_Button();
    explicit VOQ_Button(std::string folder);
    ~VOQ_Button();
    VOQ_Button(const VOQ_Button&) = delete;
    VOQ_Button& operator=(const VOQ_Button&) = delete;

    // False (and an error line) if a description file of the folder is missing.
    bool Init(std::string folder);

    void Draw();
    void Draw(int x, int y);

    void SetPosX(int x);
    void SetPosY(int y);
    void SetPosXY(int x, int y);
    void AddPosX(int dx);
    void AddPosY(int dy);
    void AddPosXY(int dx, int dy);
    int GetX();
    int GetY();
    int GetWidth();
    int GetHeight();

    void SetText(std::string text);
    void GiveMouse(VOQ_Maus* maus);
    void GiveSchrift(VOQ_OGL_Schrift* schrift);
    void SetSoundClick(Mix_Chunk* sound);
    void ClearSoundClick();

    bool IsClick();
    bool IsMouseOver();
    // Answers a completed click and clears it.
    bool WasClicked();

    bool visible;
    int x, y;
    VOQ_OGL_Bildlauf bilder[3];
    int width, height;
    bool click;
    bool lastClick;
    bool mouseOver;
    bool clicked;
    bool soundOn;
    Mix_Chunk* sound;
    std::string pfad;
    VOQ_Maus* maus;
    VOQ_OGL_Schrift* schrift;
    std::string text;
};
