#include "VOQ_RadioButton.h"

#include "VOQ_Bedienelement.h"
#include "VOQ_Radio.h"

VOQ_RadioButton::VOQ_RadioButton()
    : visible(true), x(0), y(0), width(0), height(0), click(false), lastClick(false),
      mouseOver(false), clicked(false), soundOn(false), sound(nullptr), maus(nullptr),
      schrift(nullptr), checked(false), radio(nullptr)
{
}

VOQ_RadioButton::VOQ_RadioButton(std::string folder)
    : VOQ_RadioButton()
{
    Init(folder);
}

VOQ_RadioButton::~VOQ_RadioButton() = default;

bool VOQ_RadioButton::Init(std::string folder)
{
    pfad = folder;
    return VOQ_Bedienelement::LeseOrdner(folder, "Schaltflaeche", bilder, width, height);
}

void VOQ_RadioButton::Draw()
{
    if (!visible)
        return;
    int mx = 0, my = 0;
    if (VOQ_Bedienelement::Beginne(*this, mx, my) && !checked)
        Check();
    VOQ_Bedienelement::Vollende(*this, mx, my, text,
                                checked ? VOQ_Bedienelement::An::IMMER : VOQ_Bedienelement::An::NIE);
}

void VOQ_RadioButton::Draw(int neuX, int neuY)
{
    SetPosXY(neuX, neuY);
    Draw();
}

void VOQ_RadioButton::SetPosX(int neuX) { x = neuX; }
void VOQ_RadioButton::SetPosY(int neuY) { y = neuY; }
void VOQ_RadioButton::SetPosXY(int neuX, int neuY) { x = neuX; y = neuY; }
void VOQ_RadioButton::AddPosX(int dx) { x += dx; }
void VOQ_RadioButton::AddPosY(int dy) { y += dy; }
void VOQ_RadioButton::AddPosXY(int dx, int dy) { x += dx; y += dy; }

void VOQ_RadioButton::SetText(std::string neu) { text = neu; }
void VOQ_RadioButton::GiveMouse(VOQ_Maus* m) { maus = m; }
void VOQ_RadioButton::GiveSchrift(VOQ_OGL_Schrift* s) { schrift = s; }
void VOQ_RadioButton::GiveRadio(VOQ_Radio* r) { radio = r; }

void VOQ_RadioButton::SetSoundClick(Mix_Chunk* s)
{
    sound = s;
    soundOn = true;
}

void VOQ_RadioButton::ClearSoundClick()
{
    sound = nullptr;
    soundOn = false;
}

bool VOQ_RadioButton::IsClick() { return click; }
bool VOQ_RadioButton::IsMouseOver() { return mouseOver; }
bool VOQ_RadioButton::WasClicked() { return clicked; }

bool VOQ_RadioButton::Checked() { return checked; }

void VOQ_RadioButton::Check()
{
    if (radio) {
        const int bisher = radio->GetCheckedButton();
        if (bisher != -1)
            radio->buttons[bisher]->UnCheck();
    }
    checked = true;
}

void VOQ_RadioButton::UnCheck() { checked = false; }

void VOQ_RadioButton::Rotate(bool on)
{
    for (VOQ_OGL_Bildlauf& bild : bilder) {
        if (on) {
            bild.rotationOn = true;
            bild.SetAutoRotating(true);
            bild.SetRotationSpeed(0.7f);
        } else {
            bild.rotationOn = false;
        }
    }
}
