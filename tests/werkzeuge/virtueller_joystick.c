/* Test-only preload library: presents simulated game controllers to the real
 * program through SDL, without any hardware.
 *
 * It stands in for the SDL 1.2 functions SDL_Init and SDL_InitSubSystem (and
 * SDL_PollEvent, for controllers plugged in later). When the joystick
 * subsystem is asked for, it first attaches SDL2 virtual joysticks
 * (sdl12-compat enumerates controllers only inside that call), then calls the
 * real function. The state of controller 0 comes from a command
 * file that the test appends to; SDL2 calls our Update callback from inside
 * the program's event pump, and each call applies the lines added since.
 *
 * Environment:
 *   QF_JOYSTICK_BEFEHLE  command file (lines: "hut <wert>", "knopf <n> <0|1>", "achse <n> <wert>")
 *   QF_JOYSTICK_NAME     name of controller 0 (default "Quaderfall Testpad")
 *   QF_JOYSTICK_ANZAHL   number of controllers (1 or 2, default 1)
 *   QF_JOYSTICK_SPAETER  a file: the controllers are plugged in only once it
 *                        exists, looked for at every SDL_PollEvent; the program
 *                        sees them when it lets SDL look for controllers anew
 *
 * Every SDL2 function is called through dlsym on the SDL2 handle: SDL2's
 * symbols are also in the global scope and a call by name could land in the
 * wrong place. Never part of the shipped game. */
#define _GNU_SOURCE
#include <SDL2/SDL.h>

#include <dlfcn.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

typedef int (*InitFn)(Uint32);
typedef int (*AttachFn)(const SDL_VirtualJoystickDesc*);
typedef SDL_Joystick* (*OpenFn)(int);
typedef int (*SetButtonFn)(SDL_Joystick*, int, Uint8);
typedef int (*SetAxisFn)(SDL_Joystick*, int, Sint16);
typedef int (*SetHatFn)(SDL_Joystick*, int, Uint8);

enum { KNOEPFE = 12, ACHSEN = 4, HUETE = 1, MAX_STEUERUNGEN = 2 };

static int angelegt = 0;
static SDL_Joystick* steuerung = NULL;
static SetButtonFn setzeKnopf;
static SetAxisFn setzeAchse;
static SetHatFn setzeHut;
static long gelesen = 0;
static char namen[MAX_STEUERUNGEN][128];

static void WendeZeileAn(const char* zeile)
{
    int a = 0, b = 0;
    if (sscanf(zeile, "hut %d", &a) == 1)
        setzeHut(steuerung, 0, (Uint8)a);
    else if (sscanf(zeile, "knopf %d %d", &a, &b) == 2)
        setzeKnopf(steuerung, a, (Uint8)b);
    else if (sscanf(zeile, "achse %d %d", &a, &b) == 2)
        setzeAchse(steuerung, a, (Sint16)b);
}

static void SDLCALL Aktualisiere(void* nutzdaten)
{
    (void)nutzdaten;
    const char* pfad = getenv("QF_JOYSTICK_BEFEHLE");
    if (!pfad || !steuerung)
        return;
    FILE* datei = fopen(pfad, "r");
    if (!datei)
        return;
    char zeile[256];
    if (fseek(datei, gelesen, SEEK_SET) == 0) {
        while (fgets(zeile, sizeof zeile, datei)) {
            /* Only whole lines: a line still being written waits for the next update. */
            if (!strchr(zeile, '\n'))
                break;
            WendeZeileAn(zeile);
            gelesen = ftell(datei);
        }
    }
    fclose(datei);
}

static void LegeSteuerungenAn(void)
{
    const char* spaeter = getenv("QF_JOYSTICK_SPAETER");
    if (angelegt || (spaeter && access(spaeter, F_OK) != 0))
        return;
    angelegt = 1;
    void* sdl2 = dlopen("libSDL2-2.0.so.0", RTLD_NOW | RTLD_GLOBAL);
    if (!sdl2) {
        fprintf(stderr, "virtueller_joystick: %s\n", dlerror());
        return;
    }
    InitFn initSub = (InitFn)dlsym(sdl2, "SDL_InitSubSystem");
    AttachFn anlegen = (AttachFn)dlsym(sdl2, "SDL_JoystickAttachVirtualEx");
    OpenFn oeffnen = (OpenFn)dlsym(sdl2, "SDL_JoystickOpen");
    setzeKnopf = (SetButtonFn)dlsym(sdl2, "SDL_JoystickSetVirtualButton");
    setzeAchse = (SetAxisFn)dlsym(sdl2, "SDL_JoystickSetVirtualAxis");
    setzeHut = (SetHatFn)dlsym(sdl2, "SDL_JoystickSetVirtualHat");
    if (!initSub || !anlegen || !oeffnen || !setzeKnopf || !setzeAchse || !setzeHut) {
        fprintf(stderr, "virtueller_joystick: SDL2 ohne virtuelle Joysticks\n");
        return;
    }
    initSub(SDL_INIT_JOYSTICK);

    const char* anzahlText = getenv("QF_JOYSTICK_ANZAHL");
    int anzahl = anzahlText ? atoi(anzahlText) : 1;
    if (anzahl < 1)
        anzahl = 1;
    if (anzahl > MAX_STEUERUNGEN)
        anzahl = MAX_STEUERUNGEN;
    const char* name = getenv("QF_JOYSTICK_NAME");
    snprintf(namen[0], sizeof namen[0], "%s", name ? name : "Quaderfall Testpad");
    snprintf(namen[1], sizeof namen[1], "Quaderfall Zweitpad");

    for (int i = 0; i < anzahl; ++i) {
        SDL_VirtualJoystickDesc beschreibung;
        memset(&beschreibung, 0, sizeof beschreibung);
        beschreibung.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        beschreibung.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        beschreibung.naxes = ACHSEN;
        beschreibung.nbuttons = KNOEPFE;
        beschreibung.nhats = HUETE;
        beschreibung.name = namen[i];
        if (i == 0)
            beschreibung.Update = Aktualisiere;
        const int nummer = anlegen(&beschreibung);
        if (i == 0 && nummer >= 0)
            steuerung = oeffnen(nummer);
    }
}

static void* Echt(const char* name)
{
    return dlsym(RTLD_NEXT, name);
}

int SDL_Init(Uint32 flaggen)
{
    if (flaggen & SDL_INIT_JOYSTICK)
        LegeSteuerungenAn();
    InitFn echt = (InitFn)Echt("SDL_Init");
    return echt ? echt(flaggen) : -1;
}

int SDL_PollEvent(SDL_Event* ereignis)
{
    typedef int (*PollFn)(SDL_Event*);
    if (!angelegt)
        LegeSteuerungenAn();
    PollFn echt = (PollFn)Echt("SDL_PollEvent");
    return echt ? echt(ereignis) : 0;
}

int SDL_InitSubSystem(Uint32 flaggen)
{
    if (flaggen & SDL_INIT_JOYSTICK)
        LegeSteuerungenAn();
    InitFn echt = (InitFn)Echt("SDL_InitSubSystem");
    return echt ? echt(flaggen) : -1;
}
