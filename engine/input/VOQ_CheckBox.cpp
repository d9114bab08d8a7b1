#include "VOQ_CheckBox.h"

#include "VOQ_Bedienelement.h"

VOQ_CheckBox::VOQ_CheckBox()
    : visible(true), x(0), y(0), width(0), height(0), click(false), lastClick(false),
      mouseOver(false), clicked(false), soundOn(false), sound(nullptr), maus(nullptr),
      schrift(nullptr), checked(false)
{
}

VOQ_CheckBox::VOQ_CheckBox(std::string folder)
    : VOQ_CheckBox()
{
    Init(folder);
}

VOQ_CheckBox::~VOQ_CheckBox() = default;

bool VOQ_CheckBox::Init(std::string folder)
{
    pfad = folder;
    return VOQ_Bedienelement::LeseOrdner(folder, "Schaltflaeche", bilder, width, height);
}

void VOQ_CheckBox::Draw()
{
    if (!visible)
        return;
    int mx = 0, my = 0;
    if (VOQ_Bedienelement::Beginne(*this, mx, my))
        checked = !checked;
    VOQ_Bedienelement::Vollende(*this, mx, my, text,
                                checked ? VOQ_Bedienelement::An::IMMER : VOQ_Bedienelement::An::NIE);
}

void VOQ_CheckBox::Draw(int neuX, int neuY)
{
    SetPosXY(neuX, neuY);
    Draw();
}

void VOQ_CheckBox::SetPosX(int neuX) { x = neuX; }
void VOQ_CheckBox::SetPosY(int neuY) { y = neuY; }
void VOQ_CheckBox::SetPosXY(int neuX, int neuY) { x = neuX; y = neuY; }
void VOQ_CheckBox::AddPosX(int dx) { x += dx; }
void VOQ_CheckBox::AddPosY(int dy) { y += dy; }
void VOQ_CheckBox::AddPosXY(int dx, int dy) { x += dx; y += dy; }

void VOQ_CheckBox::SetText(std::string neu) { text = neu; }
void VOQ_CheckBox::GiveMouse(VOQ_Maus* m) { maus = m; }
void VOQ_CheckBox::GiveSchrift(VOQ_OGL_Schrift* s) { schrift = s; }

void VOQ_CheckBox::SetSoundClick(Mix_Chunk* s)
{
    sound = s;
    soundOn = true;
}

void VOQ_CheckBox::ClearSoundClick()
{
    sound = nullptr;
    soundOn = false;
}

bool VOQ_CheckBox::IsClick() { return click; }
bool VOQ_CheckBox::IsMouseOver() { return mouseOver; }
bool VOQ_CheckBox::WasClicked() { return clicked; }

bool VOQ_CheckBox::Checked() { return checked; }
void VOQ_CheckBox::Check() { checked = true; }
void VOQ_CheckBox::UnCheck() { checked = false; }
