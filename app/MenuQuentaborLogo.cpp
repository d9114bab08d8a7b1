#include "Bildschirme.h"

#include "Globale.h"
#include "Menuekulisse.h"
#include "Musik.h"
#include "VOQ_OGL_Bildspeicher.h"
#include "VOQ_Zaehler.h"

namespace
{
const char* const LOGO = "daten/bilder/eingabe/intro/quentabor";
const char* const ZEICHEN = "daten/bilder/eingabe/intro/zeichen";
const char* const SCHWARZ = "daten/bilder/eingabe/hintergruende/schwarz";

// The intro clock: 16 steps of 500 ms, read as 8000 down to 0.
const int UHR = 0;
const int UHR_SCHRITTE = 16;
const int UHR_MS = 500;
const int ZEICHEN_KOMMT = 6000;
const int SCHWARZ_KOMMT = 2000;

struct Intro
{
    VOQ_OGL_Bildlauf logo;
    VOQ_OGL_Bildlauf zeichen;
    VOQ_OGL_Bildlauf schwarz;
    VOQ_Zaehler* uhr = nullptr;
    bool verlassen = false;
};

void Betrete(Intro& intro)
{
    GAME_EINGABE.maus.visible = false;
    intro.logo.Init(LOGO);
    intro.zeichen.Init(ZEICHEN);
    intro.zeichen.SetAlpha(0.0f);
    WechsleMusik(MUSIK_INTRO);
    GAME_EINGABE.maus.scrollLand = false;
    Menuekulisse::StarteZaehler(UHR, UHR_SCHRITTE, UHR_MS);
    if (UHR < GAME_ZAEHLER.zaehler_anzahl)
        intro.uhr = GAME_ZAEHLER.zaehler[UHR];
    intro.logo.Einblenden();
    intro.schwarz.Init(SCHWARZ);
    intro.schwarz.Ausblenden();
    lastmenu = MENU_INTRO;
}

// The clock's end, Escape or Return (keypad Enter is not Return).
bool IntroVorbei(Intro& intro)
{
    const int taste = GAME_EINGABE.GetKeyDown();
    return !intro.uhr || intro.uhr->Counter() || taste == SDLK_ESCAPE || taste == SDLK_RETURN;
}

// Each fade is restarted in every frame while the clock holds its value, so
// it really runs once the clock has moved on.
void Blenden(Intro& intro)
{
    const int rest = intro.uhr ? intro.uhr->GetCurrent() : 0;
    if (rest == ZEICHEN_KOMMT)
        intro.zeichen.Einblenden();
    if (rest == SCHWARZ_KOMMT)
        intro.schwarz.Einblenden();
}

void Einzelbild(Intro& intro)
{
    Menuekulisse::BeginneEinzelbild();
    if (IntroVorbei(intro)) {
        // The key is used up here, so Escape does not also quit the menu.
        GAME_EINGABE.InputBuffer(0, VOQ_OGL_Eingabe::TASTE_GEDRUECKT);
        // Cut off by the menu's music, the intro would click.
        BlendeMusikAus();
        menunummer = MENU_HAUPT;
        intro.verlassen = true;
    }
    Blenden(intro);
    intro.logo.Draw(0, 0);
    intro.zeichen.Draw(400, 40);
    Menuekulisse::SchliesseEinzelbild(intro.schwarz);
}
}

void MenuQuentaborLogo()
{
    {
        Intro intro;
        Betrete(intro);
        while (!intro.verlassen && !done)
            Einzelbild(intro);
    }
    // The intro comes once a run: what its images leave in the store would
    // only take memory from the screens after it.
    VOQ_OGL_Bildspeicher::Leeren();
}
