#pragma once

// Stand-in for the input manager until it exists: keeps the last key event
// and a pending simulated click, nothing more.
class Tastensenke
{
public:
    struct Zeiger
    {
        bool simClicked = false;
        void SimClick() { simClicked = true; }
    };

    void InputBuffer(int key, int type);
    int GetKeyDown() const;

    Zeiger maus;
    int keyDown = 0;
};
