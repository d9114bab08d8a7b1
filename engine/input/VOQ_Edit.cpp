#include "VOQ_Edit.h"

#include "VOQ_Bedienelement.h"
#include "VOQ_OGL_Schrift.h"

#include "SDL.h"

#include <algorithm>

VOQ_Edit::VOQ_Edit()
    : visible(true), x(0), y(0), width(0), height(0), click(false), lastClick(false),
      mouseOver(false), clicked(false), selected(false), soundOn(false), sound(nullptr),
      maus(nullptr), schrift(nullptr), textSize(0), savedMouseX(0), savedMouseY(0),
      onlyNumerics(false)
{
}

VOQ_Edit::VOQ_Edit(std::string folder)
    : VOQ_Edit()
{
    Init(folder);
}

VOQ_Edit::~VOQ_Edit() = default;

bool VOQ_Edit::Init(std::string folder)
{
    pfad = folder;
    return VOQ_Bedienelement::LeseOrdner(folder, "Texteingabe", bilder, width, height);
}

void VOQ_Edit::Draw()
{
    if (!visible)
        return;
    int mx = 0, my = 0;
    // A click completed in the previous Draw selects the field now
    // (Select keeps the pointer's place and hides the cursor).
    if (VOQ_Bedienelement::Beginne(*this, mx, my))
        Select();
    VOQ_Bedienelement::Vollende(*this, mx, my, text,
                                selected ? VOQ_Bedienelement::An::DANEBEN : VOQ_Bedienelement::An::NIE);
    if (selected)
        ParkeZeiger();
}

// While the field is edited the pointer waits in the corner, so that the
// mouse can't wander onto another widget meanwhile; but only while the game
// has the input focus: the desktop's pointer belongs to the window that has.
void VOQ_Edit::ParkeZeiger()
{
    if (maus && (SDL_GetAppState() & SDL_APPINPUTFOCUS))
        maus->SetPosXY(0, 0);
}

void VOQ_Edit::Draw(int neuX, int neuY)
{
    SetPosXY(neuX, neuY);
    Draw();
}

void VOQ_Edit::SetPosX(int neuX) { x = neuX; }
void VOQ_Edit::SetPosY(int neuY) { y = neuY; }
void VOQ_Edit::SetPosXY(int neuX, int neuY) { x = neuX; y = neuY; }
void VOQ_Edit::AddPosX(int dx) { x += dx; }
void VOQ_Edit::AddPosY(int dy) { y += dy; }
void VOQ_Edit::AddPosXY(int dx, int dy) { x += dx; y += dy; }

void VOQ_Edit::Kuerze()
{
    const std::size_t groesste = static_cast<std::size_t>(std::max(0, textSize));
    if (text.size() > groesste)
        text.erase(groesste);
}

void VOQ_Edit::SetText(std::string s)
{
    text = s;
    Kuerze();
    savedText = text;
}

std::string VOQ_Edit::GetText() { return text; }

void VOQ_Edit::AddText(std::string s)
{
    text += s;
    Kuerze();
}

void VOQ_Edit::AddChar(char c)
{
    text.push_back(c);
    Kuerze();
}

void VOQ_Edit::RemChar()
{
    if (!text.empty())
        text.pop_back();
}

void VOQ_Edit::SetTextSize(int n) { textSize = n; }
int VOQ_Edit::GetTextSize() { return textSize; }

void VOQ_Edit::GiveMouse(VOQ_Maus* m) { maus = m; }

void VOQ_Edit::GiveSchrift(VOQ_OGL_Schrift* f)
{
    schrift = f;
    if (!f)
        return;
    // 64 bits: the font's sizes come from its description and may reach the int limits.
    const long long zelle = static_cast<long long>(f->GetWidthDraw()) + f->GetCharAbstand();
    for (int n = 0; n <= MAX_TEXTGROESSE; ++n) {
        if (zelle * (n + 2) > width) {
            textSize = n;
            return;
        }
    }
}

void VOQ_Edit::SetSoundClick(Mix_Chunk* s)
{
    sound = s;
    soundOn = true;
}

void VOQ_Edit::ClearSoundClick()
{
    sound = nullptr;
    soundOn = false;
}

int VOQ_Edit::GetWidthTex() { return bilder[0].GetWidthTex(); }
int VOQ_Edit::GetHeightTex() { return bilder[0].GetHeightTex(); }
int VOQ_Edit::GetWidthDraw() { return bilder[0].GetWidthDraw(); }
int VOQ_Edit::GetHeightDraw() { return bilder[0].GetHeightDraw(); }

bool VOQ_Edit::IsClick() { return click; }
bool VOQ_Edit::IsMouseOver() { return mouseOver; }
bool VOQ_Edit::WasClicked() { return clicked; }

bool VOQ_Edit::IsSelected() { return selected; }

void VOQ_Edit::Select()
{
    selected = true;
    int mx = 0, my = 0;
    VOQ_Bedienelement::Zeiger(maus, mx, my);
    savedMouseX = mx;
    savedMouseY = my;
    if (maus)
        maus->visible = false;
}

void VOQ_Edit::UnSelect()
{
    savedText = text;
    selected = false;
    if (!maus)
        return;
    maus->visible = true;
    maus->SetPosXY(savedMouseX, savedMouseY);
}

void VOQ_Edit::Cancel()
{
    text = savedText;
    UnSelect();
}

void VOQ_Edit::SetOnlyNumerics(bool an) { onlyNumerics = an; }
bool VOQ_Edit::IsOnlyNumerics() { return onlyNumerics; }
