/* Benchmark-only preload library: records what the benchmark reports,
 * from inside the real game, without touching its code.
 *
 *   - every buffer swap (SDL_GL_SwapBuffers): wall time, CPU time of the
 *     process and of its main thread, the heap allocations counted so far,
 *     and when the event pump last went to sleep (SDL_Delay);
 *   - the start of every event pump, the first SDL_PollEvent after a sleep,
 *     once a frame, also for a frame the game keeps on show without drawing
 *     it: the same figures (a frame begins there, however the pump orders
 *     its waits);
 *   - every key press the game takes from the queue;
 *   - with QF_MESSUNG_FELD, at every swap a hash of the pixels of that
 *     rectangle of the picture (the playfield), read before the swap;
 *   - every screen entry, from the game's log line "#o> Bildschirm N" (the
 *     game writes each log line with one fwrite), with the resident memory;
 *   - heap allocations (malloc, calloc, realloc and the aligned ones), in the
 *     main thread and in all others; from a moment after each screen entry on,
 *     each main-thread allocation is also put down to the code that asked for
 *     it: the first caller on the stack outside the C and C++ runtime, the
 *     game itself or a library (SDL, Mesa, X11, ...).
 *
 * Environment:
 *   QF_MESSUNG           file the records are appended to; unset: no records
 *   QF_MESSUNG_START     CLOCK_REALTIME in ns when the process was started
 *   QF_MESSUNG_HERKUNFT  ms after a screen entry from which allocations are
 *                        put down to their callers (default 2000)
 *   QF_MESSUNG_LOG       1: every line of the game's standard output too (L)
 *   QF_MESSUNG_FELD      "x,y,w,h": the rectangle hashed at every swap (F),
 *                        in picture pixels from the top left
 *
 * Records, one a line, times in ns of CLOCK_MONOTONIC:
 *   A <t> <ns since the process start>        when this library was loaded
 *   B <t> <screen>                            a screen is entered
 *   S <t> <cpu> <cpu main> <allocs main> <allocs game> <allocs others> <sleep t>
 *   P <t> <cpu> <cpu main> <allocs main> <allocs game> <allocs others>
 *   K <t> <key symbol>                        a key press taken from the queue
 *   F <t> <hash>                              the field's pixels at a swap (t after it)
 *   R <t> <VmRSS kB> <VmHWM kB>
 *   L <t> <text>                              a log line, its first 120 bytes
 *   H <t> <origin> <allocs>                   since the last B record
 *   O <t> <offset> <caller> <allocs>          the same for the game's call sites: return
 *                                             addresses of the first game frame and the
 *                                             one above it, as offsets into its executable
 *
 * Never part of the shipped game. */
#define _GNU_SOURCE
#include "SDL.h"
#include "SDL_opengl.h"

#include <dlfcn.h>
#include <errno.h>
#include <execinfo.h>
#include <fcntl.h>
#include <link.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/auxv.h>
#include <sys/syscall.h>
#include <time.h>
#include <unistd.h>

extern void* __libc_malloc(size_t);
extern void* __libc_calloc(size_t, size_t);
extern void* __libc_realloc(void*, size_t);
extern void* __libc_memalign(size_t, size_t);

enum { TIEFE = 32, HERKUENFTE = 24, STELLEN = 64, ZEILE = 256 };

typedef void (*TauschFn)(void);
typedef void (*SchlafFn)(uint32_t);
typedef size_t (*SchreibFn)(const void*, size_t, size_t, FILE*);
typedef int (*EreignisFn)(SDL_Event*);
typedef void (*LeseFn)(GLint, GLint, GLsizei, GLsizei, GLenum, GLenum, void*);
typedef void (*FrageFn)(GLenum, GLint*);

static int ausgabe = -1;
static pid_t hauptfaden = 0;
static long long herkunftNach = 2000000000LL;

static volatile unsigned long long allocHaupt = 0;
static volatile unsigned long long allocSpiel = 0;
static unsigned long long allocAndere = 0; /* updated atomically */
static long long letzterSchlaf = 0;
static long long letzterBildschirm = 0;
static int zuordnen = 0;
static int logZeilen = 0;

/* The pump has begun: set by its first SDL_PollEvent, cleared by a sleep. */
static int pumpt = 0;
/* The field: x, y, w, h in picture pixels; w 0: no hash. */
static int feld[4] = {0, 0, 0, 0};
static unsigned char* feldPixel = NULL;

static EreignisFn echtesEreignis = NULL;
static TauschFn echtesTauschen = NULL;
static SchlafFn echtesSchlafen = NULL;
static SchreibFn echtesSchreiben = NULL;

/* Objects whose frames are skipped when looking for the caller. */
static void* uebergangen[6];
static int uebergangenAnzahl = 0;
static void* spielBasis = NULL;

struct Herkunft
{
    void* basis;
    char name[64];
    unsigned long long anzahl;
};
static struct Herkunft herkuenfte[HERKUENFTE];
static int herkunftAnzahl = 0;

/* Call sites in the game, as offsets into its executable. */
struct Stelle
{
    uintptr_t versatz;
    uintptr_t aufrufer;
    unsigned long long anzahl;
};
static struct Stelle stellen[STELLEN];
static int stellenAnzahl = 0;

static __thread int imHaken = 0;
static __thread int fadenArt = 0; /* 0 unknown, 1 main thread, 2 another */

static long long Uhr(clockid_t uhr)
{
    struct timespec t;
    clock_gettime(uhr, &t);
    return (long long)t.tv_sec * 1000000000LL + t.tv_nsec;
}

static void Schreibe(const char* zeile)
{
    if (ausgabe < 0)
        return;
    size_t rest = strlen(zeile);
    while (rest > 0) {
        ssize_t n = write(ausgabe, zeile, rest);
        if (n <= 0) {
            if (n < 0 && errno == EINTR)
                continue;
            return;
        }
        zeile += n;
        rest -= (size_t)n;
    }
}

static int ImHauptfaden(void)
{
    if (fadenArt == 0) {
        if (hauptfaden == 0)
            hauptfaden = getpid();
        fadenArt = ((pid_t)syscall(SYS_gettid) == hauptfaden) ? 1 : 2;
    }
    return fadenArt == 1;
}

static void* Basis(const void* adresse, const char** name)
{
    Dl_info info;
    if (!dladdr(adresse, &info))
        return NULL;
    if (name)
        *name = info.dli_fname;
    return info.dli_fbase;
}

static void MerkeUebergangen(const void* adresse)
{
    void* basis = Basis(adresse, NULL);
    if (basis && uebergangenAnzahl < (int)(sizeof uebergangen / sizeof uebergangen[0]))
        uebergangen[uebergangenAnzahl++] = basis;
}

static int IstUebergangen(void* basis)
{
    for (int i = 0; i < uebergangenAnzahl; ++i)
        if (uebergangen[i] == basis)
            return 1;
    return 0;
}

static void Zaehle(void* basis, const char* pfad)
{
    for (int i = 0; i < herkunftAnzahl; ++i) {
        if (herkuenfte[i].basis == basis) {
            ++herkuenfte[i].anzahl;
            return;
        }
    }
    if (herkunftAnzahl == HERKUENFTE)
        return;
    struct Herkunft* h = &herkuenfte[herkunftAnzahl++];
    h->basis = basis;
    const char* kurz = pfad ? strrchr(pfad, '/') : NULL;
    kurz = kurz ? kurz + 1 : (pfad && pfad[0] ? pfad : "?");
    snprintf(h->name, sizeof h->name, "%s", basis == spielBasis ? "spiel" : kurz);
    h->anzahl = 1;
}

static void ZaehleStelle(uintptr_t versatz, uintptr_t aufrufer)
{
    for (int i = 0; i < stellenAnzahl; ++i) {
        if (stellen[i].versatz == versatz && stellen[i].aufrufer == aufrufer) {
            ++stellen[i].anzahl;
            return;
        }
    }
    if (stellenAnzahl == STELLEN)
        return;
    stellen[stellenAnzahl].versatz = versatz;
    stellen[stellenAnzahl].aufrufer = aufrufer;
    stellen[stellenAnzahl].anzahl = 1;
    ++stellenAnzahl;
}

/* The first caller outside the runtime libraries and this one. */
static void OrdneZu(void)
{
    void* rahmen[TIEFE];
    const int tiefe = backtrace(rahmen, TIEFE);
    for (int i = 1; i < tiefe; ++i) {
        const char* pfad = NULL;
        void* basis = Basis(rahmen[i], &pfad);
        if (!basis || IstUebergangen(basis))
            continue;
        if (basis == spielBasis) {
            ++allocSpiel;
            /* The frame above as well: the first may be a library template compiled into the game. */
            const uintptr_t basis0 = (uintptr_t)spielBasis;
            const uintptr_t aufrufer = i + 1 < tiefe ? (uintptr_t)rahmen[i + 1] - basis0 : 0;
            ZaehleStelle((uintptr_t)rahmen[i] - basis0, aufrufer);
        }
        Zaehle(basis, pfad);
        return;
    }
}

static void Gezaehlt(void)
{
    if (!ImHauptfaden()) {
        __atomic_add_fetch(&allocAndere, 1, __ATOMIC_RELAXED);
        return;
    }
    ++allocHaupt;
    if (zuordnen && !imHaken) {
        imHaken = 1;
        OrdneZu();
        imHaken = 0;
    }
}

void* malloc(size_t n)
{
    Gezaehlt();
    return __libc_malloc(n);
}

void* calloc(size_t n, size_t groesse)
{
    Gezaehlt();
    return __libc_calloc(n, groesse);
}

void* realloc(void* p, size_t n)
{
    if (n > 0)
        Gezaehlt();
    return __libc_realloc(p, n);
}

void* memalign(size_t ausrichtung, size_t n)
{
    Gezaehlt();
    return __libc_memalign(ausrichtung, n);
}

void* aligned_alloc(size_t ausrichtung, size_t n)
{
    Gezaehlt();
    return __libc_memalign(ausrichtung, n);
}

int posix_memalign(void** ziel, size_t ausrichtung, size_t n)
{
    if (ausrichtung < sizeof(void*) || (ausrichtung & (ausrichtung - 1)) != 0)
        return EINVAL;
    Gezaehlt();
    void* p = __libc_memalign(ausrichtung, n);
    if (!p)
        return ENOMEM;
    *ziel = p;
    return 0;
}

static long LeseStatusWert(const char* text, const char* schluessel)
{
    const char* stelle = strstr(text, schluessel);
    return stelle ? strtol(stelle + strlen(schluessel), NULL, 10) : -1;
}

static void SchreibeSpeicher(long long jetzt)
{
    char status[4096];
    const int fd = open("/proc/self/status", O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return;
    const ssize_t n = read(fd, status, sizeof status - 1);
    close(fd);
    if (n <= 0)
        return;
    status[n] = '\0';
    char zeile[ZEILE];
    snprintf(zeile, sizeof zeile, "R %lld %ld %ld\n", jetzt, LeseStatusWert(status, "VmRSS:"),
             LeseStatusWert(status, "VmHWM:"));
    Schreibe(zeile);
}

static void SchreibeHerkuenfte(long long jetzt)
{
    char zeile[ZEILE];
    for (int i = 0; i < herkunftAnzahl; ++i) {
        snprintf(zeile, sizeof zeile, "H %lld %s %llu\n", jetzt, herkuenfte[i].name, herkuenfte[i].anzahl);
        Schreibe(zeile);
    }
    herkunftAnzahl = 0;
    for (int i = 0; i < stellenAnzahl; ++i) {
        snprintf(zeile, sizeof zeile, "O %lld %lx %lx %llu\n", jetzt, (unsigned long)stellen[i].versatz,
                 (unsigned long)stellen[i].aufrufer, stellen[i].anzahl);
        Schreibe(zeile);
    }
    stellenAnzahl = 0;
}

/* "<kind> <t> <cpu> <cpu main> <allocs main> <allocs game> <allocs others>" */
static void Zeitpunkt(char art, long long jetzt, char* zeile, size_t groesse)
{
    snprintf(zeile, groesse, "%c %lld %lld %lld %llu %llu %llu", art, jetzt, Uhr(CLOCK_PROCESS_CPUTIME_ID),
             Uhr(CLOCK_THREAD_CPUTIME_ID), allocHaupt, allocSpiel, __atomic_load_n(&allocAndere, __ATOMIC_RELAXED));
}

/* FNV-1a, a pixel a step, over the field's pixels as the frame about to be swapped holds them. */
static int FeldHash(unsigned long long* hash)
{
    static LeseFn lies = NULL;
    static FrageFn frage = NULL;
    if (feld[2] <= 0 || !feldPixel)
        return 0;
    if (!lies) {
        lies = (LeseFn)dlsym(RTLD_DEFAULT, "glReadPixels");
        frage = (FrageFn)dlsym(RTLD_DEFAULT, "glGetIntegerv");
    }
    if (!lies || !frage)
        return 0;
    GLint blick[4] = {0, 0, 0, 0};
    frage(GL_VIEWPORT, blick);
    lies(feld[0], blick[3] - feld[1] - feld[3], feld[2], feld[3], GL_RGBA, GL_UNSIGNED_BYTE, feldPixel);
    /* A pixel at a time: the field is read at every swap. */
    unsigned long long h = 1469598103934665603ULL;
    const size_t pixel = (size_t)feld[2] * (size_t)feld[3];
    for (size_t i = 0; i < pixel; ++i) {
        uint32_t p;
        memcpy(&p, feldPixel + 4 * i, 4);
        h = (h ^ p) * 1099511628211ULL;
    }
    *hash = h;
    return 1;
}

void SDL_GL_SwapBuffers(void)
{
    if (!echtesTauschen)
        echtesTauschen = (TauschFn)dlsym(RTLD_NEXT, "SDL_GL_SwapBuffers");
    unsigned long long hash = 0;
    const int gehasht = ausgabe >= 0 && FeldHash(&hash);
    echtesTauschen();
    pumpt = 0;
    if (ausgabe < 0)
        return;
    const long long jetzt = Uhr(CLOCK_MONOTONIC);
    char zeile[ZEILE];
    Zeitpunkt('S', jetzt, zeile, sizeof zeile);
    const size_t laenge = strlen(zeile);
    snprintf(zeile + laenge, sizeof zeile - laenge, " %lld\n", letzterSchlaf);
    Schreibe(zeile);
    if (gehasht) {
        snprintf(zeile, sizeof zeile, "F %lld %016llx\n", jetzt, hash);
        Schreibe(zeile);
    }
    if (!zuordnen && letzterBildschirm > 0 && jetzt - letzterBildschirm >= herkunftNach)
        zuordnen = 1;
}

void SDL_Delay(uint32_t ms)
{
    if (!echtesSchlafen)
        echtesSchlafen = (SchlafFn)dlsym(RTLD_NEXT, "SDL_Delay");
    letzterSchlaf = Uhr(CLOCK_MONOTONIC);
    pumpt = 0;
    echtesSchlafen(ms);
}

/* The pump's first look at the queue begins a frame; a key press taken is
 * stamped as it leaves the queue. */
int SDL_PollEvent(SDL_Event* ereignis)
{
    if (!echtesEreignis)
        echtesEreignis = (EreignisFn)dlsym(RTLD_NEXT, "SDL_PollEvent");
    char zeile[ZEILE];
    if (!pumpt && ausgabe >= 0) {
        Zeitpunkt('P', Uhr(CLOCK_MONOTONIC), zeile, sizeof zeile - 1);
        strcat(zeile, "\n");
        Schreibe(zeile);
    }
    pumpt = 1;
    const int da = echtesEreignis(ereignis);
    if (da && ereignis && ereignis->type == SDL_KEYDOWN && ausgabe >= 0) {
        snprintf(zeile, sizeof zeile, "K %lld %d\n", Uhr(CLOCK_MONOTONIC), (int)ereignis->key.keysym.sym);
        Schreibe(zeile);
    }
    return da;
}

static void Bildschirm(const char* text, size_t laenge)
{
    static const char KENNUNG[] = "#o> Bildschirm ";
    const size_t k = sizeof KENNUNG - 1;
    if (ausgabe < 0 || laenge <= k || memcmp(text, KENNUNG, k) != 0)
        return;
    const long long jetzt = Uhr(CLOCK_MONOTONIC);
    zuordnen = 0;
    SchreibeHerkuenfte(jetzt);
    SchreibeSpeicher(jetzt);
    char nummer[16] = "";
    const size_t n = laenge - k < sizeof nummer - 1 ? laenge - k : sizeof nummer - 1;
    memcpy(nummer, text + k, n);
    char zeile[ZEILE];
    snprintf(zeile, sizeof zeile, "B %lld %ld\n", jetzt, strtol(nummer, NULL, 10));
    Schreibe(zeile);
    letzterBildschirm = jetzt;
}

static void Logzeile(const char* text, size_t laenge)
{
    if (ausgabe < 0 || !logZeilen)
        return;
    char zeile[ZEILE];
    const int n = laenge < 120 ? (int)laenge : 120;
    int k = snprintf(zeile, sizeof zeile, "L %lld ", Uhr(CLOCK_MONOTONIC));
    for (int i = 0; i < n && k < ZEILE - 2; ++i)
        zeile[k++] = (text[i] == '\n' || text[i] == '\t') ? ' ' : text[i];
    zeile[k++] = '\n';
    zeile[k] = '\0';
    Schreibe(zeile);
}

size_t fwrite(const void* daten, size_t groesse, size_t anzahl, FILE* strom)
{
    if (!echtesSchreiben)
        echtesSchreiben = (SchreibFn)dlsym(RTLD_NEXT, "fwrite");
    if (strom == stdout && groesse == 1)
        Bildschirm((const char*)daten, anzahl);
    if (strom == stdout && groesse == 1)
        Logzeile((const char*)daten, anzahl);
    return echtesSchreiben(daten, groesse, anzahl, strom);
}

__attribute__((constructor)) static void Beginne(void)
{
    hauptfaden = getpid();
    const char* pfad = getenv("QF_MESSUNG");
    if (!pfad || !pfad[0])
        return;

    /* backtrace loads libgcc_s on its first call; do it now, not inside malloc. */
    void* probe[2];
    imHaken = 1;
    backtrace(probe, 2);
    imHaken = 0;
    MerkeUebergangen((const void*)&Beginne);
    MerkeUebergangen((const void*)&snprintf);
    MerkeUebergangen(dlsym(RTLD_DEFAULT, "_ZSt9terminatev"));
    MerkeUebergangen(dlsym(RTLD_DEFAULT, "_Unwind_Backtrace"));
    MerkeUebergangen(dlsym(RTLD_DEFAULT, "_dl_find_object"));
    spielBasis = Basis((const void*)getauxval(AT_ENTRY), NULL);

    const char* log = getenv("QF_MESSUNG_LOG");
    logZeilen = log && log[0] == '1';
    const char* feldText = getenv("QF_MESSUNG_FELD");
    if (feldText && sscanf(feldText, "%d,%d,%d,%d", &feld[0], &feld[1], &feld[2], &feld[3]) == 4 && feld[2] > 0
        && feld[3] > 0 && feld[2] <= 4096 && feld[3] <= 4096)
        feldPixel = __libc_malloc((size_t)feld[2] * (size_t)feld[3] * 4);
    const char* herkunft = getenv("QF_MESSUNG_HERKUNFT");
    if (herkunft && herkunft[0])
        herkunftNach = strtoll(herkunft, NULL, 10) * 1000000LL;

    ausgabe = open(pfad, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    const char* start = getenv("QF_MESSUNG_START");
    if (start && start[0]) {
        char zeile[ZEILE];
        const long long seitStart = Uhr(CLOCK_REALTIME) - strtoll(start, NULL, 10);
        snprintf(zeile, sizeof zeile, "A %lld %lld\n", Uhr(CLOCK_MONOTONIC), seitStart);
        Schreibe(zeile);
    }
}

__attribute__((destructor)) static void Ende(void)
{
    if (ausgabe < 0)
        return;
    const long long jetzt = Uhr(CLOCK_MONOTONIC);
    zuordnen = 0;
    SchreibeHerkuenfte(jetzt);
    SchreibeSpeicher(jetzt);
    close(ausgabe);
    ausgabe = -1;
}
