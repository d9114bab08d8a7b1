#pragma once

#include "VOQ_OGL_Bildlauf.h"

#include <string>

class VOQ_Maus;
class VOQ_OGL_Schrift;
struct Mix_Chunk;

// A one-line text entry, built like the button. A completed click selects it
// at the start of the next Draw; while selected the cursor is hidden, the
// pointer is held at (0, 0), and the input manager types into it at the end
// of the text. UnSelect confirms, Cancel returns to the text from before.
class VOQ_Edit
{
public:
    static constexpr int MAX_TEXTGROESSE = 511;

    VOQ_Edit();
    explicit VOQ_Edit(std::string folder);
    ~VOQ_Edit();
    VOQ_Edit(const VOQ_Edit&) = delete;
    VOQ_Edit& operator=(const VOQ_Edit&) = delete;

    bool Init(std::string folder);

    void Draw();
    void Draw(int x, int y);

    void SetPosX(int x);
    void SetPosY(int y);
    void SetPosXY(int x, int y);
    void AddPosX(int dx);
    void AddPosY(int dy);
    void AddPosXY(int dx, int dy);

    // Sets the content (cut to textSize) and the text Cancel returns to.
    void SetText(std::string s);
    std::string GetText();
    void AddText(std::string s);
    // Appends c; a full field drops it.
    void AddChar(char c);
    void RemChar();
    void SetTextSize(int n);
    int GetTextSize();

    void GiveMouse(VOQ_Maus* maus);
    // Also fixes textSize: the character cells that fit into the width, less one.
    void GiveSchrift(VOQ_OGL_Schrift* schrift);
    void SetSoundClick(Mix_Chunk* sound);
    void ClearSoundClick();

    int GetWidthTex();
    int GetHeightTex();
    int GetWidthDraw();
    int GetHeightDraw();

    bool IsClick();
    bool IsMouseOver();
    // A click completed in the last Draw; asking does not clear it.
    bool WasClicked();

    bool IsSelected();
    void Select();
    void UnSelect();
    void Cancel();

    void SetOnlyNumerics(bool an);
    bool IsOnlyNumerics();

    bool visible;
    int x, y;
    VOQ_OGL_Bildlauf bilder[3];
    int width, height;
    bool click;
    bool lastClick;
    bool mouseOver;
    bool clicked;
    bool selected;
    bool soundOn;
    Mix_Chunk* sound;
    std::string pfad;
    VOQ_Maus* maus;
    VOQ_OGL_Schrift* schrift;
    std::string text;
    std::string savedText;
    int textSize;
    int savedMouseX, savedMouseY;
    bool onlyNumerics;

private:
    void Kuerze();
    void ParkeZeiger();
};
