#include "VOQ_OGL_Eingabe.h"

#include "VOQ_Button.h"
#include "VOQ_CheckBox.h"
#include "VOQ_Edit.h"
#include "VOQ_Konfig.h"
#include "VOQ_Log.h"
#include "VOQ_Radio.h"

#include "SDL.h"

namespace
{
const char* const EINSTELLUNGEN = "einstellungen.konfig";

enum Taste {
    RUECKTASTE = 8,
    EINGABE = 13,
    ESCAPE = 27,
    ENTFERNEN = 127,
    ZIFFERNBLOCK_EINGABE = 271,
    UMSCHALT_RECHTS = 303,
    UMSCHALT_LINKS = 304,
};

// Without a character from the keyboard layout, the key symbol (upper-cased
// while shift is held) is what a text field gets.
const int OHNE_ZEICHEN = -1;

bool IstUmschalt(int key)
{
    return key == UMSCHALT_RECHTS || key == UMSCHALT_LINKS;
}

bool IstKleinbuchstabe(int key)
{
    return key >= 'a' && key <= 'z';
}

bool IstZiffer(int key)
{
    return key >= '0' && key <= '9';
}

// Only key symbols that stand for a printable Latin-1 character are typed:
// arrows, keypad, function and modifier keys (symbols above 255) and control
// codes would otherwise reach the text through their low eight bits.
bool IstDruckbar(int key)
{
    return (key >= 32 && key < 127) || (key >= 160 && key <= 255);
}

// The same steps for check boxes, buttons and text fields: images from the
// kind's folder, then cursor, font (after Init: a text field takes its
// character limit from the width read there), position and text.
template <class W>
void Anlegen(W*& platz, const std::string& ordner, const std::string& name, int x, int y,
             const std::string& text, VOQ_Maus* maus, VOQ_OGL_Schrift* schrift)
{
    W* widget = new W();
    platz = widget;
    widget->Init(ordner + "/" + name);
    if (maus)
        widget->GiveMouse(maus);
    if (schrift)
        widget->GiveSchrift(schrift);
    widget->SetPosXY(x, y);
    widget->SetText(text);
}

template <class W>
void ZeichneAlle(W* const liste[], int anzahl)
{
    for (int i = 0; i < anzahl; ++i)
        liste[i]->Draw();
}

template <class W>
void LoescheAlle(W* liste[], int& anzahl)
{
    for (int i = 0; i < anzahl; ++i) {
        delete liste[i];
        liste[i] = nullptr;
    }
    anzahl = 0;
}
}

VOQ_OGL_Eingabe::VOQ_OGL_Eingabe()
    : radios{}, checkBoxes{}, buttons{}, edits{}, radioCount(0), checkBoxCount(0), buttonCount(0),
      editCount(0), extMaus(nullptr), useExtMaus(false), extSchrift(nullptr),
      useExtSchrift(false), input(0), keyUp(0), keyDown(0), shift(false), copyBuffer(nullptr),
      useCopyBuffer(false)
{
    InitPfade();
}

VOQ_OGL_Eingabe::VOQ_OGL_Eingabe(std::string fontName)
    : VOQ_OGL_Eingabe()
{
    Init(fontName);
}

VOQ_OGL_Eingabe::~VOQ_OGL_Eingabe()
{
    ClearAll();
}

bool VOQ_OGL_Eingabe::Init(std::string fontName)
{
    schrift.Init(fontName);
    return true;
}

bool VOQ_OGL_Eingabe::InitPfade()
{
    static const char* const SCHLUESSEL[] = {
        "MAUSZEIGERBILDER", "EINZELWAEHLFLAECHENBILDER", "ANWAEHLFLAECHENBILDER",
        "SCHALTFLAECHENBILDER", "TEXTEINGABEBILDER",
    };
    std::string* const ziele[] = {&maus.pfad, &radioPfad, &checkBoxPfad, &buttonPfad, &editPfad};
    return VOQ_Konfig::LeseOrdner("VOQ_OGL_Eingabe", EINSTELLUNGEN, SCHLUESSEL, ziele, 5);
}

bool VOQ_OGL_Eingabe::Platz(int anzahl, const char* art, const std::string& name)
{
    if (anzahl < MAX_WIDGETS)
        return true;
    VOQ_Log::Fehler("\n#o> VOQ_OGL_Eingabe - FEHLER: Die Liste der " + std::string(art) + " ist voll ("
                    + std::to_string(MAX_WIDGETS) + "), '" + name + "' wird nicht angelegt.\n\n");
    return false;
}

VOQ_Maus* VOQ_OGL_Eingabe::MausFuerWidgets()
{
    if (maus.Inited())
        return &maus;
    return useExtMaus ? extMaus : nullptr;
}

VOQ_OGL_Schrift* VOQ_OGL_Eingabe::SchriftFuerWidgets()
{
    if (schrift.Inited())
        return &schrift;
    return useExtSchrift ? extSchrift : nullptr;
}

void VOQ_OGL_Eingabe::CreateRadio()
{
    if (!Platz(radioCount, "Gruppen", "Gruppe"))
        return;
    VOQ_Radio* gruppe = new VOQ_Radio();
    radios[radioCount] = gruppe;
    gruppe->GivePfad(radioPfad);
    if (VOQ_Maus* m = MausFuerWidgets())
        gruppe->GiveMouse(m);
    if (VOQ_OGL_Schrift* s = SchriftFuerWidgets())
        gruppe->GiveSchrift(s);
    gruppe->GiveSelf(gruppe);
    ++radioCount;
}

void VOQ_OGL_Eingabe::CreateCheckBox(std::string name, int x, int y, std::string text)
{
    if (!Platz(checkBoxCount, "Ankreuzfelder", name))
        return;
    Anlegen(checkBoxes[checkBoxCount], checkBoxPfad, name, x, y, text, MausFuerWidgets(),
            SchriftFuerWidgets());
    ++checkBoxCount;
}

void VOQ_OGL_Eingabe::CreateButton(std::string name, int x, int y, std::string text)
{
    if (!Platz(buttonCount, "Schaltflaechen", name))
        return;
    Anlegen(buttons[buttonCount], buttonPfad, name, x, y, text, MausFuerWidgets(),
            SchriftFuerWidgets());
    ++buttonCount;
}

void VOQ_OGL_Eingabe::CreateEdit(std::string name, int x, int y, std::string text)
{
    if (!Platz(editCount, "Texteingaben", name))
        return;
    Anlegen(edits[editCount], editPfad, name, x, y, text, MausFuerWidgets(), SchriftFuerWidgets());
    ++editCount;
}

int VOQ_OGL_Eingabe::GetLastRadio() { return radioCount - 1; }
int VOQ_OGL_Eingabe::GetLastCheckBox() { return checkBoxCount - 1; }
int VOQ_OGL_Eingabe::GetLastButton() { return buttonCount - 1; }
int VOQ_OGL_Eingabe::GetLastEdit() { return editCount - 1; }

int VOQ_OGL_Eingabe::GetSelectedEdit()
{
    for (int i = 0; i < editCount; ++i) {
        if (edits[i]->IsSelected())
            return i;
    }
    return -1;
}

void VOQ_OGL_Eingabe::DrawRadios() { ZeichneAlle(radios, radioCount); }
void VOQ_OGL_Eingabe::DrawCheckBoxes() { ZeichneAlle(checkBoxes, checkBoxCount); }
void VOQ_OGL_Eingabe::DrawButtons() { ZeichneAlle(buttons, buttonCount); }
void VOQ_OGL_Eingabe::DrawEdits() { ZeichneAlle(edits, editCount); }

void VOQ_OGL_Eingabe::DrawAll()
{
    DrawRadios();
    DrawCheckBoxes();
    DrawButtons();
    DrawEdits();
}

void VOQ_OGL_Eingabe::ClearRadios() { LoescheAlle(radios, radioCount); }
void VOQ_OGL_Eingabe::ClearCheckBoxes() { LoescheAlle(checkBoxes, checkBoxCount); }
void VOQ_OGL_Eingabe::ClearButtons() { LoescheAlle(buttons, buttonCount); }
void VOQ_OGL_Eingabe::ClearEdits() { LoescheAlle(edits, editCount); }

void VOQ_OGL_Eingabe::ClearAll()
{
    ClearRadios();
    ClearCheckBoxes();
    ClearButtons();
    ClearEdits();
}

void VOQ_OGL_Eingabe::InputBuffer(int key, int type)
{
    InputBuffer(key, type, OHNE_ZEICHEN);
}

void VOQ_OGL_Eingabe::InputBuffer(int key, int type, int zeichen)
{
    input = key;
    if (useCopyBuffer && copyBuffer)
        copyBuffer->InputBuffer(key, type, zeichen);

    if (type == TASTE_GEDRUECKT) {
        TasteGedrueckt(key, zeichen);
    } else if (type == TASTE_LOSGELASSEN) {
        keyUp = key;
        if (IstUmschalt(key))
            shift = false;
    }
}

// A press: shift state, upper-casing, and the selected text field's editing
// keys. The keys that end or empty the editing are consumed, so the screen
// never sees them.
void VOQ_OGL_Eingabe::TasteGedrueckt(int key, int zeichen)
{
    keyDown = key;
    if (IstUmschalt(key)) {
        shift = true;
        return;
    }
    if (shift && IstKleinbuchstabe(key))
        input = key - 32;

    const int gewaehlt = GetSelectedEdit();
    if (gewaehlt == -1)
        return;
    VOQ_Edit* feld = edits[gewaehlt];

    switch (input) {
    case RUECKTASTE:
        feld->RemChar();
        return;
    case EINGABE:
    case ZIFFERNBLOCK_EINGABE:
        feld->UnSelect();
        InputBuffer(0, TASTE_GEDRUECKT);
        return;
    case ESCAPE:
        feld->Cancel();
        InputBuffer(0, TASTE_GEDRUECKT);
        return;
    case ENTFERNEN:
        feld->SetText("");
        InputBuffer(0, TASTE_GEDRUECKT);
        return;
    default:
        break;
    }
    // A field of numbers goes by the key: the digit keys, whatever character
    // the layout makes of them with shift.
    if (feld->IsOnlyNumerics()) {
        if (IstZiffer(input))
            feld->AddChar(static_cast<char>(input));
        return;
    }
    const int getippt = zeichen == OHNE_ZEICHEN ? input : zeichen;
    if (IstDruckbar(getippt))
        feld->AddChar(static_cast<char>(getippt));
}

void VOQ_OGL_Eingabe::SetCopyBuffer(VOQ_OGL_Eingabe* other)
{
    copyBuffer = other;
    useCopyBuffer = true;
}

void VOQ_OGL_Eingabe::RemCopyBuffer()
{
    copyBuffer = nullptr;
    useCopyBuffer = false;
}

int VOQ_OGL_Eingabe::GetInput() { return GetSelectedEdit() != -1 ? -1 : input; }
int VOQ_OGL_Eingabe::GetKeyUp() { return GetSelectedEdit() != -1 ? -1 : keyUp; }
int VOQ_OGL_Eingabe::GetKeyDown() { return GetSelectedEdit() != -1 ? -1 : keyDown; }
int VOQ_OGL_Eingabe::GetAllInput() { return input; }

bool VOQ_OGL_Eingabe::isKeyDown(int key)
{
    int anzahl = 0;
    const Uint8* tasten = SDL_GetKeyState(&anzahl);
    return tasten && key >= 0 && key < anzahl && tasten[key] != 0;
}

void VOQ_OGL_Eingabe::GiveMouse(VOQ_Maus* m)
{
    extMaus = m;
    useExtMaus = true;
}

void VOQ_OGL_Eingabe::GiveSchrift(VOQ_OGL_Schrift* s)
{
    extSchrift = s;
    useExtSchrift = true;
}
