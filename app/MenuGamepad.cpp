#include "Bildschirme.h"

#include "Gamepad.h"
#include "Globale.h"
#include "Menuekulisse.h"
#include "Spielsteuerung.h"
#include "Tastenzuordnung.h"
#include "VOQ_Button.h"
#include "Zierfelder.h"

#include <optional>
#include <string>

namespace
{
// The prompt blinks about 250 ms on, 250 ms off, on the counter the
// decorating fields leave free.
const int BLINK_ZAEHLER = 1;
const int BLINK_MS = 250;

struct Einstellung
{
    Menuekulisse kulisse;
    std::optional<Zierfelder> felder;
    VOQ_Button* einstellen = nullptr;
    VOQ_Button* fertig = nullptr;
    Tastenzuordnung zuordnung{&joy_drehen, &joy_pause, &joy_sturz};
    int steuerungen = 0;
    bool gezaehlt = false;
    int knoepfe = 0;
    int achsen = 0;
    int huete = 0;
    int baelle = 0;
    bool geraetewahl = false;
    // The prompt of this frame, null for none.
    const char* aufforderung = nullptr;
    bool blinken = false;
    bool verlassen = false;
};

void Betrete(Einstellung& e)
{
    joy_mouse = true;
    // The number of the help screen: the main menu keeps its music.
    lastmenu = MENU_HILFE;
    Menuekulisse::RaeumeEingabe();
    e.einstellen = Menuekulisse::Knopf(400, 450, "   EINSTELLEN!");
    e.fertig = Menuekulisse::Knopf(400, 700, "    FERTIG!");
    e.kulisse.Lade();
    e.felder.emplace(Zierfelder::HILFE, Zierfelder::NUR_BEWEGEN);
    Menuekulisse::StarteZaehler(BLINK_ZAEHLER, 2, BLINK_MS);
    e.steuerungen = SDL_NumJoysticks();
}

void ZaehleAusstattung(Einstellung& e)
{
    if (e.gezaehlt || !joy)
        return;
    e.knoepfe = SDL_JoystickNumButtons(joy);
    e.achsen = SDL_JoystickNumAxes(joy);
    e.huete = SDL_JoystickNumHats(joy);
    e.baelle = SDL_JoystickNumBalls(joy);
    e.gezaehlt = true;
}

void WaehleGeraet(Einstellung& e)
{
    e.geraetewahl = e.zuordnung.Geraetewahl(e.steuerungen);
}

void MaleUeberschrift(const Einstellung& e)
{
    if (e.geraetewahl)
        schrift_20.SetText("GER\xc4T AUSW\xc4HLEN!");
    else
        schrift_20.SetText("EINSTELLUNGEN");
    schrift_20.Draw(380, 170);
}

// Each name with its trailing blank; positions without a name show nothing.
const char* Steuerkreuzname(int hut)
{
    switch (hut) {
    case SDL_HAT_CENTERED: return "zentriert ";
    case SDL_HAT_UP: return "auf ";
    case SDL_HAT_RIGHT: return "rechts ";
    case SDL_HAT_RIGHTUP: return "rechts auf ";
    case SDL_HAT_DOWN: return "ab ";
    case SDL_HAT_RIGHTDOWN: return "rechts ab ";
    case SDL_HAT_LEFT: return "links ";
    case SDL_HAT_LEFTUP: return "links auf ";
    case SDL_HAT_LEFTDOWN: return "links ab ";
    default: return "";
    }
}

// An axis position as a share of its full travel, -100% to 100%.
int Achsenprozent(int lage)
{
    return lage * 100 / 32767;
}

void MaleGeraet(const Einstellung& e)
{
    schrift_12.SetText(Spielsteuerung::Name(0).c_str());
    schrift_12.AddText("\nKn\xf6pfe: ");
    schrift_12.AddText(e.knoepfe);
    schrift_12.AddText("\nAchsen: ");
    schrift_12.AddText(e.achsen);
    schrift_12.AddText("\nB\xe4lle: ");
    schrift_12.AddText(e.baelle);
    schrift_12.AddText("\nSteuerkreuze: ");
    schrift_12.AddText(e.huete);
    schrift_12.Draw(400, 220);
}

void MaleZustand(const Einstellung& e)
{
    schrift_12.SetText("STEUERKREUZ:\n ");
    schrift_12.AddText(Steuerkreuzname(SDL_JoystickGetHat(joy, 0)));
    schrift_12.AddText("\nGEDR\xdc" "CKTE KN\xd6PFE: \n ");
    for (int k = 0; k < e.knoepfe; ++k) {
        if (SDL_JoystickGetButton(joy, k)) {
            schrift_12.AddText(k + 1);
            schrift_12.AddText(" ");
        }
    }
    schrift_12.AddText("\nACHSENZUST\xc4NDE: \n ");
    for (int a = 0; a < e.achsen; ++a) {
        schrift_12.AddText(a + 1);
        schrift_12.AddText(":");
        schrift_12.AddText(Achsenprozent(SDL_JoystickGetAxis(joy, a)));
        schrift_12.AddText("% ");
    }
    schrift_12.Draw(400, 320);
}

const char* Aufforderung(int schritt)
{
    switch (schritt) {
    case Tastenzuordnung::DREHEN: return "Taste f\xfcr Drehen dr\xfc" "cken";
    case Tastenzuordnung::PAUSE: return "Taste f\xfcr Pause dr\xfc" "cken";
    case Tastenzuordnung::STURZ: return "Taste f\xfcr Blocksturz dr\xfc" "cken";
    default: return "";
    }
}

// The lowest-numbered button of controller 0 held now, -1 for none.
int ErsterGehaltenerKnopf(const Einstellung& e)
{
    if (!joy)
        return -1;
    for (int k = 0; k < e.knoepfe; ++k)
        if (SDL_JoystickGetButton(joy, k))
            return k;
    return -1;
}

void BelegungZeile(const char* aktion, short knopf)
{
    schrift_12.AddText(aktion);
    if (knopf >= 0)
        schrift_12.AddText(knopf + 1);
    else
        schrift_12.AddText("unbelegt");
    schrift_12.AddText("\n");
}

void MaleBelegung()
{
    schrift_12.ClearText();
    BelegungZeile("Drehtaste: ", joy_drehen);
    BelegungZeile("Pausetaste: ", joy_pause);
    BelegungZeile("Blocksturztaste: ", joy_sturz);
}

// The prompt names the step as it was before this frame's button moves it on.
void Ordne(Einstellung& e)
{
    const bool aktiv = e.zuordnung.IstAktiv();
    e.aufforderung = aktiv && e.blinken ? Aufforderung(e.zuordnung.GetSchritt()) : nullptr;
    e.zuordnung.Einzelbild(aktiv ? ErsterGehaltenerKnopf(e) : -1);
}

void Blinke(Einstellung& e)
{
    if (Menuekulisse::Abgelaufen(BLINK_ZAEHLER, 2, BLINK_MS))
        e.blinken = !e.blinken;
}

// The prompt while assigning, otherwise the buttons assigned so far.
void MaleZuordnung(const Einstellung& e)
{
    schrift_12.ClearText();
    if (e.aufforderung)
        schrift_12.SetText(e.aufforderung);
    if (!e.zuordnung.IstAktiv())
        MaleBelegung();
    schrift_12.Draw(400, 500);

    schrift_12.SetText("EINST.-NR.:", e.zuordnung.GetSchritt());
    schrift_12.AddText("   WAR GEDR.: ");
    schrift_12.AddText(e.zuordnung.WarGedrueckt() ? 1 : 0);
    schrift_12.Draw(400, 650);
}

void FrageKnoepfe(Einstellung& e)
{
    if (Menuekulisse::Geklickt(e.einstellen))
        e.zuordnung.Einschalten();
    if (GAME_EINGABE.GetKeyDown() == SDLK_ESCAPE || Menuekulisse::Geklickt(e.fertig)) {
        GamepadSchreiben();
        GAME_EINGABE.InputBuffer(0, VOQ_OGL_Eingabe::TASTE_GEDRUECKT);
        SetMenuNummer(MENU_HAUPT);
        e.verlassen = true;
    }
}

void Einzelbild(Einstellung& e)
{
    Menuekulisse::BeginneEinzelbild();
    ZaehleAusstattung(e);
    WaehleGeraet(e);
    Ordne(e);
    Blinke(e);
    e.felder->Laufe();
    e.kulisse.MaleGrund();
    MaleUeberschrift(e);
    if (joy) {
        MaleGeraet(e);
        MaleZustand(e);
    }
    MaleZuordnung(e);
    e.felder->Male();
    Menuekulisse::MaleWidgets();
    FrageKnoepfe(e);
    e.kulisse.SchliesseEinzelbild();
}
}

void MenuGamepad()
{
    Einstellung e;
    Betrete(e);
    while (!e.verlassen && !done)
        Einzelbild(e);
}
