#include "VOQ_Button.h"

#include "VOQ_Bedienelement.h"

VOQ_Button::VOQ_Button()
    : visible(true), x(0), y(0), width(0), height(0), click(false), lastClick(false),
      mouseOver(false), clicked(false), soundOn(false), sound(nullptr), maus(nullptr),
      schrift(nullptr)
{
}

VOQ_Button::VOQ_Button(std::string folder)
    : VOQ_Button()
{
    Init(folder);
}

VOQ_Button::~VOQ_Button() = default;

bool VOQ_Button::Init(std::string folder)
{
    pfad = folder;
    return VOQ_Bedienelement::LeseOrdner(folder, "Schaltflaeche", bilder, width, height);
}

void VOQ_Button::Draw()
{
    if (!visible)
        return;
    int mx = 0, my = 0;
    VOQ_Bedienelement::Beginne(*this, mx, my);
    VOQ_Bedienelement::Vollende(*this, mx, my, text, VOQ_Bedienelement::An::NIE);
}

void VOQ_Button::Draw(int neuX, int neuY)
{
    SetPosXY(neuX, neuY);
    Draw();
}

void VOQ_Button::SetPosX(int neuX) { x = neuX; }
void VOQ_Button::SetPosY(int neuY) { y = neuY; }
void VOQ_Button::SetPosXY(int neuX, int neuY) { x = neuX; y = neuY; }
void VOQ_Button::AddPosX(int dx) { x += dx; }
void VOQ_Button::AddPosY(int dy) { y += dy; }
void VOQ_Button::AddPosXY(int dx, int dy) { x += dx; y += dy; }
int VOQ_Button::GetX() { return x; }
int VOQ_Button::GetY() { return y; }
int VOQ_Button::GetWidth() { return width; }
int VOQ_Button::GetHeight() { return height; }

void VOQ_Button::SetText(std::string neu) { text = neu; }
void VOQ_Button::GiveMouse(VOQ_Maus* m) { maus = m; }
void VOQ_Button::GiveSchrift(VOQ_OGL_Schrift* s) { schrift = s; }

void VOQ_Button::SetSoundClick(Mix_Chunk* s)
{
    sound = s;
    soundOn = true;
}

void VOQ_Button::ClearSoundClick()
{
    sound = nullptr;
    soundOn = false;
}

bool VOQ_Button::IsClick() { return click; }
bool VOQ_Button::IsMouseOver() { return mouseOver; }

bool VOQ_Button::WasClicked()
{
    const bool war = clicked;
    clicked = false;
    return war;
}
