#pragma once

#include <string>

class VOQ_Maus;
class VOQ_OGL_Schrift;
class VOQ_RadioButton;

// A group of radio buttons of which at most one is checked. The group owns
// its buttons, creates them from their widget image folders and draws them.
class VOQ_Radio
{
public:
    static constexpr int MAX_BUTTONS = 128;

    VOQ_Radio();
    ~VOQ_Radio();
    VOQ_Radio(const VOQ_Radio&) = delete;
    VOQ_Radio& operator=(const VOQ_Radio&) = delete;

    // Adds a button with the images pfad + "/" + name; a full group refuses
    // it with an error line.
    void CreateButton(std::string name, int x, int y, std::string text);
    int GetLastButton();
    // Index of the first checked button, -1 if none.
    int GetCheckedButton();

    void GivePfad(std::string pfad);
    void GiveMouse(VOQ_Maus* maus);
    void GiveSchrift(VOQ_OGL_Schrift* schrift);
    void GiveSelf(VOQ_Radio* self);
    void UseExtMaus(bool an);
    void UseExtSchrift(bool an);

    void Draw();

    VOQ_RadioButton* buttons[MAX_BUTTONS];
    int buttonCount;
    std::string pfad;
    bool useExtMaus;
    bool useExtSchrift;
    VOQ_Maus* maus;
    VOQ_OGL_Schrift* schrift;
    VOQ_Radio* self;
};
