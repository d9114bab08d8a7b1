#include "Menuekulisse.h"

#include "EreignisVerarbeitung.h"
#include "Globale.h"
#include "VOQ_Button.h"
#include "VOQ_Zaehler.h"

#include "VOQ_OGL_Zeichenliste.h"

namespace
{
const char* const WEISS = "daten/bilder/eingabe/hintergruende/weiss";
const char* const SCHWARZ = "daten/bilder/eingabe/hintergruende/schwarz";
const char* const TITEL = "daten/bilder/titel";
const char* const KNOPFBILDER = "block";

VOQ_Zaehler* Zaehler(int slot)
{
    if (slot < 0 || slot >= GAME_ZAEHLER.zaehler_anzahl)
        return nullptr;
    return GAME_ZAEHLER.zaehler[slot];
}
}

void Menuekulisse::Lade()
{
    weiss.Init(WEISS);
    weiss.SetWidthDraw(1024);
    weiss.SetHeightDraw(768);
    schwarz.Init(SCHWARZ);
    schwarz.Ausblenden();
    titel.Init(TITEL);
}

void Menuekulisse::BeginneEinzelbild()
{
    EreignisVerarbeitung();
    VOQ_OGL_Zeichenliste::Beginne();
}

void Menuekulisse::MaleGrund()
{
    weiss.Draw(0, 0);
    schrift_12.FetchFPS(frames);
    schrift_12.Draw(5, 5);
    titel.Draw(0, 32);
}

void Menuekulisse::MaleWidgets()
{
    GAME_EINGABE.DrawButtons();
    GAME_EINGABE.DrawCheckBoxes();
    GAME_EINGABE.DrawRadios();
    GAME_EINGABE.DrawEdits();
}

void Menuekulisse::SchliesseEinzelbild()
{
    SchliesseEinzelbild(schwarz);
}

void Menuekulisse::SchliesseEinzelbild(VOQ_OGL_Bildlauf& schleier)
{
    GAME_EINGABE.maus.Draw();
    schleier.Draw(0, 0);
    VOQ_OGL_Zeichenliste::Zeige();
}

void Menuekulisse::RaeumeEingabe()
{
    GAME_EINGABE.ClearButtons();
    GAME_EINGABE.ClearEdits();
    GAME_EINGABE.ClearRadios();
    GAME_EINGABE.ClearCheckBoxes();
    GAME_EINGABE.maus.visible = true;
    GAME_EINGABE.maus.scrollLand = false;
    GAME_EINGABE.GiveMouse(&GAME_EINGABE.maus);
}

VOQ_Button* Menuekulisse::Knopf(int x, int y, const char* text)
{
    return Knopf(x, y, text, snd_mausklick);
}

VOQ_Button* Menuekulisse::Knopf(int x, int y, const char* text, Mix_Chunk* klick)
{
    const int vorher = GAME_EINGABE.buttonCount;
    GAME_EINGABE.CreateButton(KNOPFBILDER, x, y, text);
    if (GAME_EINGABE.buttonCount == vorher)
        return nullptr;
    VOQ_Button* knopf = GAME_EINGABE.buttons[GAME_EINGABE.GetLastButton()];
    knopf->SetSoundClick(klick);
    return knopf;
}

bool Menuekulisse::Geklickt(VOQ_Button* knopf)
{
    return knopf && knopf->WasClicked();
}

bool Menuekulisse::Abgelaufen(int slot, int start, int ms)
{
    VOQ_Zaehler* zaehler = Zaehler(slot);
    if (!zaehler || !zaehler->Counter())
        return false;
    zaehler->CountDownFrom(start, ms);
    return true;
}

void Menuekulisse::StarteZaehler(int slot, int start, int ms)
{
    if (VOQ_Zaehler* zaehler = Zaehler(slot))
        zaehler->CountDownFrom(start, ms);
}
