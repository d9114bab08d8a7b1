#include "VOQ_Radio.h"

#include "VOQ_Log.h"
#include "VOQ_RadioButton.h"

VOQ_Radio::VOQ_Radio()
    : buttons{}, buttonCount(0), useExtMaus(false), useExtSchrift(false), maus(nullptr),
      schrift(nullptr), self(this)
{
}

VOQ_Radio::~VOQ_Radio()
{
    for (int i = 0; i < buttonCount; ++i) {
        delete buttons[i];
        buttons[i] = nullptr;
    }
}

void VOQ_Radio::CreateButton(std::string name, int x, int y, std::string text)
{
    if (buttonCount >= MAX_BUTTONS) {
        VOQ_Log::Fehler("\n#o> VOQ_Radio - FEHLER: Die Gruppe hat schon "
                        + std::to_string(MAX_BUTTONS) + " Knöpfe, '" + name
                        + "' wird nicht angelegt.\n\n");
        return;
    }
    VOQ_RadioButton* knopf = new VOQ_RadioButton();
    buttons[buttonCount] = knopf;
    knopf->Init(pfad + "/" + name);
    if (useExtMaus)
        knopf->GiveMouse(maus);
    if (useExtSchrift)
        knopf->GiveSchrift(schrift);
    knopf->SetPosXY(x, y);
    knopf->SetText(text);
    knopf->GiveRadio(self);
    ++buttonCount;
}

int VOQ_Radio::GetLastButton() { return buttonCount - 1; }

int VOQ_Radio::GetCheckedButton()
{
    for (int i = 0; i < buttonCount; ++i) {
        if (buttons[i]->Checked())
            return i;
    }
    return -1;
}

void VOQ_Radio::GivePfad(std::string neu) { pfad = neu; }

void VOQ_Radio::GiveMouse(VOQ_Maus* m)
{
    maus = m;
    useExtMaus = true;
}

void VOQ_Radio::GiveSchrift(VOQ_OGL_Schrift* s)
{
    schrift = s;
    useExtSchrift = true;
}

void VOQ_Radio::GiveSelf(VOQ_Radio* s) { self = s; }
void VOQ_Radio::UseExtMaus(bool an) { useExtMaus = an; }
void VOQ_Radio::UseExtSchrift(bool an) { useExtSchrift = an; }

void VOQ_Radio::Draw()
{
    for (int i = 0; i < buttonCount; ++i)
        buttons[i]->Draw();
}
