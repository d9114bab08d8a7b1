#pragma once

#include "VOQ_OGL_Bildlauf.h"

#include <string>

class VOQ_Maus;
class VOQ_OGL_Schrift;
class VOQ_Radio;
struct Mix_Chunk;

// One button of a radio group, built like the check box. Checking it, by a
// click or by Check, unchecks the group's checked button first; a click on a
// checked button changes nothing.
class VOQ_RadioButton
{
public:
    VOQ_RadioButton();
    explicit VOQ_RadioButton(std::string folder);
    ~VOQ_RadioButton();
    VOQ_RadioButton(const VOQ_RadioButton&) = delete;
    VOQ_RadioButton& operator=(const VOQ_RadioButton&) = delete;

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
    void GiveRadio(VOQ_Radio* radio);
    void SetSoundClick(Mix_Chunk* sound);
    void ClearSoundClick();

    bool IsClick();
    bool IsMouseOver();
    // A click completed in the last Draw; asking does not clear it.
    bool WasClicked();

    bool Checked();
    void Check();
    void UnCheck();

    // Spins the three state images (speed factor 0.7) or draws them upright.
    void Rotate(bool on);

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
    VOQ_Radio* radio;
};
