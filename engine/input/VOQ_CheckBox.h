#pragma once

#include "VOQ_OGL_Bildlauf.h"

#include <string>

class VOQ_Maus;
class VOQ_OGL_Schrift;
struct Mix_Chunk;

// An on/off switch with a caption, built like the button. A completed click
// flips it at the start of the next Draw, so in the frame of the click
// WasClicked is true while Checked still answers the old state.
class VOQ_CheckBox
{
public:
    VOQ_CheckBox();
    explicit VOQ_CheckBox(std::string folder);
    ~VOQ_CheckBox();
    VOQ_CheckBox(const VOQ_CheckBox&) = delete;
    VOQ_CheckBox& operator=(const VOQ_CheckBox&) = delete;

    bool Init(std::string folder);

    void Draw();
    void Draw(int x, int y);

    void SetPosX(int x);
    void SetPosY(int y);
    void SetPosXY(int x, int y);
    void AddPosX(int dx);
    void AddPosY(int dy);
    void AddPosXY(int dx, int dy);

    void SetText(std::string text);
    void GiveMouse(VOQ_Maus* maus);
    void GiveSchrift(VOQ_OGL_Schrift* schrift);
    void SetSoundClick(Mix_Chunk* sound);
    void ClearSoundClick();

    bool IsClick();
    bool IsMouseOver();
    // A click completed in the last Draw; asking does not clear it.
    bool WasClicked();

    bool Checked();
    void Check();
    void UnCheck();

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
    bool checked;
};
