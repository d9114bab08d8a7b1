#include "EreignisVerarbeitung.h"

#include "Bildtakt.h"
#include "Globale.h"
#include "Musik.h"
#include "Steuerkreuz.h"
#include "VOQ_Log.h"
#include "VOQ_OGL_Zeichenliste.h"
#include "VOQ_Zaehler.h"

#include <csignal>

namespace
{
// The pointer moves this many pixels per tick while the hat is held.
const int ZEIGER_SCHRITT_PX = 20;
const int TAKT_MS = 50;

int Begrenzt(int wert, int groesse)
{
    if (wert > groesse - 1)
        wert = groesse - 1;
    if (wert < 0)
        wert = 0;
    return wert;
}

// Set by SIGTERM and SIGINT (a logout, a shutdown, Ctrl+C in a terminal).
volatile std::sig_atomic_t beendenAngefordert = 0;

void FordereBeendenAn(int)
{
    beendenAngefordert = 1;
}

// Set by the pump that took the window's loss of the input focus.
bool fokusVerloren = false;

// Alt+Return and F11 switch between window and full screen on every screen.
// Neither the press nor its release reaches the input manager, so no screen
// and no text field sees the key.
bool Vollbildtaste(const SDL_Event& ereignis)
{
    static SDLKey verschluckt = SDLK_UNKNOWN;
    const SDL_keysym& taste = ereignis.key.keysym;
    if (ereignis.type == SDL_KEYUP && taste.sym == verschluckt && verschluckt != SDLK_UNKNOWN) {
        verschluckt = SDLK_UNKNOWN;
        return true;
    }
    if (ereignis.type != SDL_KEYDOWN
        || !(taste.sym == SDLK_F11 || (taste.sym == SDLK_RETURN && (taste.mod & KMOD_ALT))))
        return false;
    verschluckt = taste.sym;
    GAME_INIT.WechsleVollbild();
    return true;
}

bool FokusGeht(const SDL_Event& ereignis)
{
    return ereignis.type == SDL_ACTIVEEVENT && (ereignis.active.state & SDL_APPINPUTFOCUS) && !ereignis.active.gain;
}

void NimmEreignisse()
{
    fokusVerloren = false;
    SDL_Event ereignis;
    while (SDL_PollEvent(&ereignis)) {
        if (Vollbildtaste(ereignis))
            continue;
        // The character the keyboard layout makes of a press goes with it, for
        // the text fields.
        if (ereignis.type == SDL_KEYDOWN)
            GAME_EINGABE.InputBuffer(ereignis.key.keysym.sym, 2, ereignis.key.keysym.unicode);
        else if (ereignis.type == SDL_KEYUP)
            GAME_EINGABE.InputBuffer(ereignis.key.keysym.sym, 3, 0);
        else if (FokusGeht(ereignis))
            fokusVerloren = true;
        // Uncovered or resized: what the window shows must be drawn again.
        else if (ereignis.type == SDL_VIDEOEXPOSE || ereignis.type == SDL_VIDEORESIZE)
            VOQ_OGL_Zeichenliste::Verwirf();
        // Everything else is dropped, the request to close the window too:
        // the program ends only through the main menu, or by a signal.
    }
}

void BeendeAufSignal()
{
    if (!beendenAngefordert || done)
        return;
    VOQ_Log::Aus("#o> Signal zum Beenden erhalten\n");
    done = true;
}

void SteuerungAlsMaus(VOQ_Zaehler& takt)
{
    int x = 0;
    int y = 0;
    SDL_GetMouseState(&x, &y);
    if (takt.Counter()) {
        const SDL_Surface* schirm = GAME_INIT.GetBildschirm();
        const int breite = schirm ? schirm->w : GAME_INIT.GetVideoWidth();
        const int hoehe = schirm ? schirm->h : GAME_INIT.GetVideoHeight();
        ZeigerSchritt(SDL_JoystickGetHat(joy, 0), x, y, breite, hoehe);
        GAME_EINGABE.maus.SetPosXY(x, y);
        takt.CountDownFrom(2, TAKT_MS);
    }
    if (SDL_JoystickGetButton(joy, 0) == 1)
        GAME_EINGABE.maus.SimClick();
}
}

void ZeigerSchritt(int hut, int& x, int& y, int breite, int hoehe)
{
    if (Steuerkreuz::Links(hut))
        x -= ZEIGER_SCHRITT_PX;
    if (Steuerkreuz::Rechts(hut))
        x += ZEIGER_SCHRITT_PX;
    if (Steuerkreuz::Unten(hut))
        y += ZEIGER_SCHRITT_PX;
    if (Steuerkreuz::Oben(hut))
        y -= ZEIGER_SCHRITT_PX;
    // The pointer position is an unsigned 16-bit value for SDL: never let it wrap.
    x = Begrenzt(x, breite);
    y = Begrenzt(y, hoehe);
}

bool FokusVerloren()
{
    return fokusVerloren;
}

void FangeBeendenSignale()
{
    struct sigaction aktion = {};
    aktion.sa_handler = FordereBeendenAn;
    sigemptyset(&aktion.sa_mask);
    sigaction(SIGTERM, &aktion, nullptr);
    sigaction(SIGINT, &aktion, nullptr);
}

void EreignisVerarbeitung()
{
    static VOQ_OGL_Zaehler JOY_ZAEHLER;
    static bool e_init = false;
    if (!e_init) {
        JOY_ZAEHLER.CreateZaehler();
        JOY_ZAEHLER.zaehler[0]->CountDownFrom(2, TAKT_MS);
        e_init = true;
    }

    // The frame's turn first, then the events: a key pressed during the wait
    // is read now and handled in this frame.
    const Uint32 warten = Bildtakt::Pause(SDL_GetTicks(), VOQ_OGL_Zeichenliste::Bilder());
    if (warten > 0)
        SDL_Delay(warten);
    NimmEreignisse();
    BeendeAufSignal();

    if (joy_mouse && joy)
        SteuerungAlsMaus(*JOY_ZAEHLER.zaehler[0]);

    HalteMusikAmLaufen();

    ++frames;
    SDL_Delay(static_cast<Uint32>(ereignis_delay));
}
