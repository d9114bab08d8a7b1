/* Test-only preload library, the director ("Regie"): runs the real, unchanged
 * game on a virtual clock and plays a scenario into it. Never part of the game.
 *
 * - Clock: SDL_GetTicks answers virtual milliseconds; SDL_Delay adds to them
 *   and returns at once. The event pump sleeps once a frame after the events,
 *   drawn or kept on show: that sleep adds the frame's work as well (16 ms
 *   unless the scenario says otherwise). time() is a fixed day plus the
 *   virtual seconds (read with TZ=UTC). rand() and srand() get a state of
 *   their own (glibc's algorithm): the module player draws random() from the
 *   audio thread at its own pace, which would shift the pieces from run to run.
 * - Input at virtual times: key events with the 1.2 key symbols and the live
 *   key state; the pointer and its left button (SDL_WarpMouse moves the
 *   scripted pointer); controller lines appended to the simulated
 *   controller's command file (QF_JOYSTICK_BEFEHLE), read in the event pump.
 * - Screenshots (PPM) of the frame due: read before its swap, or, when the
 *   game keeps the frame on show without drawing it, from the buffer it was
 *   last drawn into, as the next pump begins. Frames nobody looks at are
 *   drawn into one pixel (scissor), which spares the software renderer most
 *   of its work; then a due screenshot reports the window uncovered
 *   (SDL_VIDEOEXPOSE), so the game draws that frame whole.
 *   QF_REGIE_ALLES=1 draws every frame whole and reports nothing.
 * - Journal (QF_REGIE_AUS/journal), lines "<ms> <what>": the game's log lines,
 *   each sound effect played (named by its WAV file), music paused and
 *   resumed, pointer moves, screenshots, probes, bad script lines. A game
 *   still running QF_REGIE_NACHLAUF ms (5000) after the last line is ended.
 *
 * Script lines (QF_REGIE; other lines are ignored): "@<ms> <command>" at a
 * virtual time, "+<ms> <command>" that long after the line before; a comment
 * may follow after " #". The commands:
 *   taste <key> [ms]   pressed, released after ms (50); a key is one
 *                      character, a number, or Escape Return Space Up Down
 *                      Left Right
 *   tippe <text>       each character pressed for 34 ms, one every 68 ms (UTF-8,
 *                      up to U+00FF: the Latin-1 key, as a keyboard with it gives it)
 *   klick <x> <y>      the pointer there, the left button held for two frames
 *   zeiger <x> <y>     foto <name>     schritt <ms>     probe (memory, descriptors, frames)
 *   hut <v> | knopf <n> <0|1> | achse <n> <v>   for the simulated controller
 *   signal <n>         the game sends itself signal n
 *   melde <file>       creates the file in the working directory
 *   warte <file>       the game stands still (in real time, up to a minute)
 *                      until the file exists there: to meet another process
 * A screenshot shows the frame drawn after the commands due by its time. */
#ifndef _GNU_SOURCE
#define _GNU_SOURCE
#endif
#include "SDL.h"
#include "SDL_mixer.h"

#include <GL/gl.h>
#include <dirent.h>
#include <dlfcn.h>
#include <signal.h>
#include <stdarg.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <unistd.h>

enum { AUFTRAEGE = 8192, TEXT = 48, NAMEN = 64, WARTEND = 64, FOTO_BYTES = 1600 * 1200 * 3 };
enum Art { TASTE_AB, TASTE_AUF, ZEIGER, MAUS, STEUERUNG, FOTO, SCHRITT, PROBE, SIGNAL, MELDE, WARTE };
/* 2025-01-01 12:00:00 UTC */
static const time_t TAG = 1735732800;

typedef struct
{
    uint32_t zeit;
    enum Art art;
    int a, b;
    char text[TEXT];
} Auftrag;

static Auftrag auftraege[AUFTRAEGE];
static int anzahl, naechster;
static uint32_t jetzt, schritt = 16, schluss = UINT32_MAX;
static Uint8 tasten[SDLK_LAST];
static int zeigerX = 512, zeigerY = 384, maustaste, haltebilder, alles, voll = 1;
/* Key events waiting for the game: the symbol, negative for a release. */
static int wartend[WARTEND], wartendVon, wartendBis;
static const char* fotoName;
/* The pump that took the screenshot's order has slept: its frame is over by
 * the next pump. */
static int fotoNachSchlaf, pumpeLaeuft;
static unsigned long bilder;
static FILE* journal;
static char ordner[400], befehle[400], pfad[512];
/* Names of the WAV files behind SDL's streams and SDL_mixer's chunks. */
static struct
{
    const void* zeiger;
    char name[TEXT];
} namen[NAMEN];
static unsigned char foto[FOTO_BYTES];
static struct random_data zufall;
static char zufallsstand[128];

static void* Echt(const char* name)
{
    return dlsym(RTLD_NEXT, name);
}

static void* Gl(const char* name)
{
    return dlsym(RTLD_DEFAULT, name);
}

static uint32_t Jetzt(void)
{
    return __atomic_load_n(&jetzt, __ATOMIC_RELAXED);
}

static void Notiere(const char* format, ...)
{
    va_list werte;
    if (!journal)
        return;
    fprintf(journal, "%u ", Jetzt());
    va_start(werte, format);
    vfprintf(journal, format, werte);
    va_end(werte);
    fputc('\n', journal);
    fflush(journal);
}

static int Taste(const char* name)
{
    static const char* const NAME[] = {"Escape", "Return", "Space", "Up", "Down", "Left", "Right"};
    static const int SYM[] = {SDLK_ESCAPE, SDLK_RETURN, SDLK_SPACE, SDLK_UP, SDLK_DOWN, SDLK_LEFT, SDLK_RIGHT};
    char* ende = NULL;
    const long zahl = strtol(name, &ende, 10);
    if (name[0] && !name[1])
        return (unsigned char)name[0];
    if (*name && !*ende)
        return zahl > 0 && zahl < SDLK_LAST ? (int)zahl : -1;
    for (size_t i = 0; i < sizeof SYM / sizeof SYM[0]; ++i)
        if (strcmp(name, NAME[i]) == 0)
            return SYM[i];
    return -1;
}

/* In time order; among equal times in the order of the script. */
static int Plane(uint32_t zeit, enum Art art, int a, int b, const char* text)
{
    if (anzahl >= AUFTRAEGE || strlen(text) >= TEXT)
        return 0;
    int i = anzahl++;
    for (; i > 0 && auftraege[i - 1].zeit > zeit; --i)
        auftraege[i] = auftraege[i - 1];
    auftraege[i] = (Auftrag){zeit, art, a, b, ""};
    strcpy(auftraege[i].text, text);
    return 1;
}

static int LeseZeile(const char* z, uint32_t* basis)
{
    char befehl[16] = "", rest[256] = "", name[TEXT] = "";
    unsigned long ms = 0;
    int a = 0, b = 50, n = 0;
    if (sscanf(z + 1, "%lu %15s %n", &ms, befehl, &n) < 2)
        return 0;
    const uint32_t t = *basis = z[0] == '+' ? *basis + (uint32_t)ms : (uint32_t)ms;
    snprintf(rest, sizeof rest, "%s", z + 1 + n);
    rest[strcspn(rest, "\r\n")] = 0;
    if (strstr(rest, " #"))
        *strstr(rest, " #") = 0;
    for (size_t l = strlen(rest); l > 0 && rest[l - 1] == ' '; --l)
        rest[l - 1] = 0;
    if (strcmp(befehl, "taste") == 0)
        return sscanf(rest, "%47s %d", name, &b) >= 1 && (a = Taste(name)) > 0 && b > 0
               && Plane(t, TASTE_AB, a, 0, "") && Plane(t + (uint32_t)b, TASTE_AUF, a, 0, "");
    if (strcmp(befehl, "tippe") == 0) {
        unsigned char* z = (unsigned char*)rest;
        for (int i = 0; *z; ++i) {
            /* UTF-8 up to U+00FF: the Latin-1 character, whose 1.2 symbol has its number. */
            const int lang = (z[0] == 0xC2 || z[0] == 0xC3) && (z[1] & 0xC0) == 0x80;
            const int zeichen = lang ? (z[0] & 3) << 6 | (z[1] & 0x3F) : z[0];
            z += 1 + lang;
            if (!Plane(t + 68u * i, TASTE_AB, zeichen, 0, "") || !Plane(t + 68u * i + 34, TASTE_AUF, zeichen, 0, ""))
                return 0;
        }
        return rest[0] != 0;
    }
    if (strcmp(befehl, "klick") == 0)
        return sscanf(rest, "%d %d", &a, &b) == 2 && Plane(t, ZEIGER, a, b, "") && Plane(t, MAUS, 1, 2, "");
    if (strcmp(befehl, "zeiger") == 0)
        return sscanf(rest, "%d %d", &a, &b) == 2 && Plane(t, ZEIGER, a, b, "");
    if (strcmp(befehl, "schritt") == 0)
        return sscanf(rest, "%d", &a) == 1 && a > 0 && Plane(t, SCHRITT, a, 0, "");
    if (strcmp(befehl, "foto") == 0)
        return rest[0] && !strpbrk(rest, "/ ") && Plane(t, FOTO, 0, 0, rest);
    if (strcmp(befehl, "probe") == 0)
        return Plane(t, PROBE, 0, 0, "");
    if (strcmp(befehl, "signal") == 0)
        return sscanf(rest, "%d", &a) == 1 && a > 0 && Plane(t, SIGNAL, a, 0, "");
    if (strcmp(befehl, "melde") == 0 || strcmp(befehl, "warte") == 0)
        return rest[0] && !strpbrk(rest, "/ ") && Plane(t, befehl[0] == 'm' ? MELDE : WARTE, 0, 0, rest);
    if (strcmp(befehl, "hut") && strcmp(befehl, "knopf") && strcmp(befehl, "achse"))
        return 0;
    return befehle[0] && snprintf(name, sizeof name, "%s %s", befehl, rest) < (int)sizeof name
           && Plane(t, STEUERUNG, 0, 0, name);
}

__attribute__((constructor)) static void Lies(void)
{
    const char* skript = getenv("QF_REGIE");
    const char* nachlauf = getenv("QF_REGIE_NACHLAUF");
    char zeile[256];
    /* Only the game plays the scenario: a program it starts (the sanitizer's
     * symbolizer at exit) inherits the preload but must not touch the journal. */
    if (!skript)
        return;
    alles = getenv("QF_REGIE_ALLES") != NULL;
    snprintf(ordner, sizeof ordner, "%s", getenv("QF_REGIE_AUS") ? getenv("QF_REGIE_AUS") : ".");
    snprintf(befehle, sizeof befehle, "%s", getenv("QF_JOYSTICK_BEFEHLE") ? getenv("QF_JOYSTICK_BEFEHLE") : "");
    snprintf(pfad, sizeof pfad, "%s/journal", ordner);
    journal = fopen(pfad, "w");
    FILE* f = skript ? fopen(skript, "r") : NULL;
    if (!f)
        Notiere("FEHLER kein Skript (QF_REGIE): %s", skript ? skript : "");
    uint32_t basis = 0;
    while (f && fgets(zeile, sizeof zeile, f)) {
        const int ganz = strchr(zeile, '\n') || feof(f);
        zeile[strcspn(zeile, "\n")] = 0;
        if ((zeile[0] == '@' || zeile[0] == '+') && (!ganz || !LeseZeile(zeile, &basis)))
            Notiere("FEHLER Skriptzeile: %s", zeile);
        for (int c = ganz ? '\n' : fgetc(f); c != '\n' && c != EOF; c = fgetc(f)) {
        }
    }
    if (f)
        fclose(f);
    schluss = basis + (uint32_t)(nachlauf ? atoi(nachlauf) : 5000);
    unsetenv("QF_REGIE");
}

static void Warte(int sym)
{
    if (wartendBis - wartendVon < WARTEND)
        wartend[wartendBis++ % WARTEND] = sym;
    else
        Notiere("FEHLER zu viele Tasten auf einmal");
}

static void Probe(void)
{
    long seiten = 0, resident = 0, fds = -1;
    FILE* f = fopen("/proc/self/statm", "r");
    if (f && fscanf(f, "%ld %ld", &seiten, &resident) != 2)
        resident = 0;
    if (f)
        fclose(f);
    DIR* d = opendir("/proc/self/fd");
    for (struct dirent* e = d ? readdir(d) : NULL; e; e = readdir(d))
        fds += e->d_name[0] != '.';
    if (d)
        closedir(d);
    Notiere("probe %ld %ld %lu", resident * (sysconf(_SC_PAGESIZE) / 1024), fds, bilder);
}

/* Whole frames only while a screenshot is due. */
static void Schere(void)
{
    const int brauchen = alles || fotoName;
    void (*an)(GLenum) = Gl(brauchen ? "glDisable" : "glEnable");
    void (*schere)(GLint, GLint, GLsizei, GLsizei) = Gl("glScissor");
    if (brauchen != voll && an && schere) {
        schere(0, 0, 1, 1);
        an(GL_SCISSOR_TEST);
        voll = brauchen;
    }
}

static void Fotografiere(void);

static void Fotoauftrag(const char* name)
{
    fotoName = name;
    fotoNachSchlaf = 0;
    if (alles)
        return;
    int (*melde)(SDL_Event*) = Echt("SDL_PushEvent");
    SDL_Event aufgedeckt;
    memset(&aufgedeckt, 0, sizeof aufgedeckt);
    aufgedeckt.type = SDL_VIDEOEXPOSE;
    Schere();
    if (!melde || melde(&aufgedeckt) != 0)
        Notiere("FEHLER kein Aufdecken fuer %s", name);
}

static void Fuehre(const Auftrag* a)
{
    FILE* f = NULL;
    switch (a->art) {
    case TASTE_AB: Warte(a->a); break;
    case TASTE_AUF: Warte(-a->a); break;
    case ZEIGER: zeigerX = a->a, zeigerY = a->b; break;
    case MAUS: maustaste = a->a, haltebilder = a->b; break;
    case FOTO: Fotoauftrag(a->text); break;
    case SCHRITT: schritt = (uint32_t)a->a; break;
    case PROBE: Probe(); break;
    case SIGNAL: raise(a->a); break;
    case MELDE:
        if ((f = fopen(a->text, "w")))
            fclose(f);
        break;
    case WARTE:
        for (int i = 0; i < 6000 && access(a->text, F_OK) != 0; ++i)
            usleep(10000);
        if (access(a->text, F_OK) != 0)
            Notiere("FEHLER %s kommt nicht", a->text);
        break;
    case STEUERUNG:
        if ((f = fopen(befehle, "a")))
            fprintf(f, "%s\n", a->text), fclose(f);
        break;
    }
}

int SDL_PollEvent(SDL_Event* ereignis)
{
    int (*echt)(SDL_Event*) = Echt("SDL_PollEvent");
    if (!pumpeLaeuft && fotoName && fotoNachSchlaf) {
        Fotografiere();
        fotoName = NULL;
    }
    pumpeLaeuft = 1;
    while (naechster < anzahl && auftraege[naechster].zeit <= Jetzt())
        Fuehre(&auftraege[naechster++]);
    if (wartendVon == wartendBis)
        return echt ? echt(ereignis) : 0;
    if (!ereignis)
        return 1;
    const int sym = wartend[wartendVon++ % WARTEND];
    memset(ereignis, 0, sizeof *ereignis);
    ereignis->key.type = sym > 0 ? SDL_KEYDOWN : SDL_KEYUP;
    ereignis->key.state = sym > 0 ? SDL_PRESSED : SDL_RELEASED;
    ereignis->key.keysym.sym = (SDLKey)abs(sym);
    /* The character a press makes: the director types characters as symbols. */
    if (sym > 0 && sym < 256)
        ereignis->key.keysym.unicode = (Uint16)sym;
    tasten[abs(sym)] = sym > 0;
    return 1;
}

Uint8* SDL_GetKeyState(int* anzahlTasten)
{
    if (anzahlTasten)
        *anzahlTasten = SDLK_LAST;
    return tasten;
}

Uint8 SDL_GetMouseState(int* x, int* y)
{
    if (x)
        *x = zeigerX;
    if (y)
        *y = zeigerY;
    return maustaste ? SDL_BUTTON(SDL_BUTTON_LEFT) : 0;
}

void SDL_WarpMouse(Uint16 x, Uint16 y)
{
    if (x != zeigerX || y != zeigerY)
        Notiere("zeiger %d %d", zeigerX = x, zeigerY = y);
}

Uint32 SDL_GetTicks(void)
{
    return Jetzt();
}

void SDL_Delay(Uint32 ms)
{
    /* The pump may wait for the frame's turn before it reads the events: that
     * wait is only time. The sleep after the events ends the frame. */
    if (!pumpeLaeuft) {
        __atomic_add_fetch(&jetzt, ms, __ATOMIC_RELAXED);
        return;
    }
    pumpeLaeuft = 0;
    fotoNachSchlaf = fotoName != NULL;
    /* A click lets go after its frames, however long they are. */
    if (haltebilder > 0 && --haltebilder == 0)
        maustaste = 0;
    __atomic_add_fetch(&jetzt, ms + schritt, __ATOMIC_RELAXED);
    if (Jetzt() > schluss) {
        Notiere("FEHLER das Spiel endet nicht");
        _exit(3);
    }
}

time_t time(time_t* t)
{
    const time_t wert = TAG + Jetzt() / 1000;
    if (t)
        *t = wert;
    return wert;
}

void srand(unsigned int saat)
{
    if (!zufall.state)
        initstate_r(saat, zufallsstand, sizeof zufallsstand, &zufall);
    else
        srandom_r(saat, &zufall);
}

int rand(void)
{
    int32_t wert = 0;
    if (!zufall.state)
        srand(1);
    random_r(&zufall, &wert);
    return wert;
}

static void Fotografiere(void)
{
    void (*lies)(GLint, GLint, GLsizei, GLsizei, GLenum, GLenum, void*) = Gl("glReadPixels");
    void (*hole)(GLenum, GLint*) = Gl("glGetIntegerv");
    void (*packe)(GLenum, GLint) = Gl("glPixelStorei");
    GLint feld[4] = {0, 0, 0, 0};
    if (hole)
        hole(GL_VIEWPORT, feld);
    const long w = feld[2], h = feld[3];
    snprintf(pfad, sizeof pfad, "%s/%s.ppm", ordner, fotoName);
    FILE* f = lies && packe && w > 0 && h > 0 && w * h * 3 <= FOTO_BYTES ? fopen(pfad, "wb") : NULL;
    if (!f) {
        Notiere("FEHLER kein Bild %s", fotoName);
        return;
    }
    packe(GL_PACK_ALIGNMENT, 1);
    lies(0, 0, (GLsizei)w, (GLsizei)h, GL_RGB, GL_UNSIGNED_BYTE, foto);
    fprintf(f, "P6\n%ld %ld\n255\n", w, h);
    for (long y = h - 1; y >= 0; --y)
        fwrite(foto + y * w * 3, 1, (size_t)(w * 3), f);
    fclose(f);
    Notiere("foto %s", fotoName);
}

void SDL_GL_SwapBuffers(void)
{
    void (*echt)(void) = Echt("SDL_GL_SwapBuffers");
    if (fotoName)
        Fotografiere();
    fotoName = NULL;
    if (echt)
        echt();
    ++bilder;
    Schere();
}

/* The log as journal lines; a line written in pieces is joined first. */
size_t fwrite(const void* daten, size_t groesse, size_t n, FILE* strom)
{
    static char teil[256];
    static size_t laenge;
    size_t (*echt)(const void*, size_t, size_t, FILE*) = Echt("fwrite");
    for (size_t i = 0; strom == stdout && groesse == 1 && i < n; ++i) {
        const char c = ((const char*)daten)[i];
        if (c != '\n' && laenge < sizeof teil - 1)
            teil[laenge++] = c;
        if (c == '\n' && laenge)
            teil[laenge] = 0, laenge = 0, Notiere("%s", teil);
    }
    return echt ? echt(daten, groesse, n, strom) : 0;
}

static const char* Name(const void* zeiger)
{
    for (int i = 0; zeiger && i < NAMEN; ++i)
        if (namen[i].zeiger == zeiger)
            return namen[i].name;
    return NULL;
}

/* A handle SDL hands out again takes the new name. */
static void Merke(const void* zeiger, const char* name)
{
    char kopie[TEXT];
    snprintf(kopie, sizeof kopie, "%s", name ? name : "");
    for (int i = 0; zeiger && name && i < NAMEN; ++i)
        if (!namen[i].zeiger || namen[i].zeiger == zeiger) {
            namen[i].zeiger = zeiger;
            memcpy(namen[i].name, kopie, TEXT);
            return;
        }
}

SDL_RWops* SDL_RWFromFile(const char* datei, const char* modus)
{
    SDL_RWops* (*echt)(const char*, const char*) = Echt("SDL_RWFromFile");
    SDL_RWops* strom = echt ? echt(datei, modus) : NULL;
    Merke(strom, datei && strrchr(datei, '/') ? strrchr(datei, '/') + 1 : datei);
    return strom;
}

Mix_Chunk* Mix_LoadWAV_RW(SDL_RWops* strom, int freigeben)
{
    Mix_Chunk* (*echt)(SDL_RWops*, int) = Echt("Mix_LoadWAV_RW");
    Mix_Chunk* klang = echt ? echt(strom, freigeben) : NULL;
    Merke(klang, Name(strom));
    return klang;
}

int Mix_PlayChannelTimed(int kanal, Mix_Chunk* klang, int schleifen, int ms)
{
    int (*echt)(int, Mix_Chunk*, int, int) = Echt("Mix_PlayChannelTimed");
    if (Name(klang))
        Notiere("klang %s", Name(klang));
    return echt ? echt(kanal, klang, schleifen, ms) : -1;
}

void Mix_PauseMusic(void)
{
    void (*echt)(void) = Echt("Mix_PauseMusic");
    Notiere("musik angehalten");
    if (echt)
        echt();
}

void Mix_ResumeMusic(void)
{
    void (*echt)(void) = Echt("Mix_ResumeMusic");
    Notiere("musik weiter");
    if (echt)
        echt();
}
