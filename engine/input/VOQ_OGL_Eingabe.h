#pragma once

#include "VOQ_Maus.h"
#include "VOQ_OGL_Schrift.h"

#include <string>

class VOQ_Button;
class VOQ_CheckBox;
class VOQ_Edit;
class VOQ_Radio;

// The engine's input hub: buffers the key events the event pump hands it,
// types into the text field being edited, answers the screens' key queries,
// and owns the widgets of the current screen, each kind in a list of its
// own. It contains the one mouse cursor and reads the folders of the cursor
// and widget images from the settings file.
class VOQ_OGL_Eingabe
{
public:
    static constexpr int MAX_WIDGETS = 128;

    // Event types as the event pump hands them over.
    static constexpr int TASTE_GEDRUECKT = 2;
    static constexpr int TASTE_LOSGELASSEN = 3;

    VOQ_OGL_Eingabe();
    explicit VOQ_OGL_Eingabe(std::string fontName);
    ~VOQ_OGL_Eingabe();
    VOQ_OGL_Eingabe(const VOQ_OGL_Eingabe&) = delete;
    VOQ_OGL_Eingabe& operator=(const VOQ_OGL_Eingabe&) = delete;

    // Loads the embedded font; always true.
    bool Init(std::string fontName);
    // Reads the five image folders from "einstellungen.konfig"; false if it does not open.
    bool InitPfade();

    // A full list refuses a new widget with an error line.
    void CreateRadio();
    void CreateCheckBox(std::string name, int x, int y, std::string text);
    void CreateButton(std::string name, int x, int y, std::string text);
    void CreateEdit(std::string name, int x, int y, std::string text);

    int GetLastRadio();
    int GetLastCheckBox();
    int GetLastButton();
    int GetLastEdit();
    // The first text field being edited, -1 if none.
    int GetSelectedEdit();

    void DrawRadios();
    void DrawCheckBoxes();
    void DrawButtons();
    void DrawEdits();
    void DrawAll();

    void ClearRadios();
    void ClearCheckBoxes();
    void ClearButtons();
    void ClearEdits();
    void ClearAll();

    // One key event: type 2 press, 3 release. InputBuffer(0, 2) consumes
    // the key of this frame.
    void InputBuffer(int key, int type);
    // The same, with the character the keyboard layout makes of a press
    // (0 when it makes none): a selected text field takes that character
    // instead of the key symbol, when it is printable Latin-1.
    void InputBuffer(int key, int type, int zeichen);
    void SetCopyBuffer(VOQ_OGL_Eingabe* other);
    void RemCopyBuffer();

    // -1 while a text field is being edited.
    int GetInput();
    int GetKeyUp();
    int GetKeyDown();
    int GetAllInput();
    // The live state of a key.
    bool isKeyDown(int key);

    void GiveMouse(VOQ_Maus* m);
    void GiveSchrift(VOQ_OGL_Schrift* s);

    VOQ_Maus maus;
    VOQ_Radio* radios[MAX_WIDGETS];
    VOQ_CheckBox* checkBoxes[MAX_WIDGETS];
    VOQ_Button* buttons[MAX_WIDGETS];
    VOQ_Edit* edits[MAX_WIDGETS];
    int radioCount, checkBoxCount, buttonCount, editCount;
    VOQ_OGL_Schrift schrift;
    VOQ_Maus* extMaus;
    bool useExtMaus;
    VOQ_OGL_Schrift* extSchrift;
    bool useExtSchrift;
    int input;
    int keyUp;
    int keyDown;
    bool shift;
    std::string buttonPfad;
    std::string editPfad;
    std::string checkBoxPfad;
    std::string radioPfad;
    VOQ_OGL_Eingabe* copyBuffer;
    bool useCopyBuffer;

private:
    bool Platz(int anzahl, const char* art, const std::string& name);
    VOQ_Maus* MausFuerWidgets();
    VOQ_OGL_Schrift* SchriftFuerWidgets();
    void TasteGedrueckt(int key, int zeichen);
};
