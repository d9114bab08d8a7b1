/* Benchmark-only key sender for the latency figure: presses Left and Right in
 * turn, as real X key events through XTest from one client that stays
 * connected, and stamps each press as it is sent. Never part of the game.
 *
 *   qf_tasten MESSUNG ANZAHL
 *
 * MESSUNG is the record file of bench/messung.c, which the game (run with
 * QF_MESSUNG_FELD) appends to: a press is sent only after the field has just
 * changed by itself (the piece fell a row), a varied while later, so that
 * the next fall is far off and the first change after the press is the
 * press's own; and the next press waits until that change has been seen.
 * Each press goes to the same file:
 *
 *   T <t> <key symbol>     t: CLOCK_MONOTONIC in ns right after the flush
 *
 * Exit status 0 when ANZAHL presses were sent, 1 if the field stood still
 * for ten seconds or the file could not be read (the presses sent until
 * then count). */
#define _GNU_SOURCE
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <unistd.h>

enum { ZEILE = 512 };

/* SDL 1.2's symbols of the two keys, as the records name them. */
static const int SDL_LINKS = 276;
static const int SDL_RECHTS = 275;

static int lesen = -1;
static char rest[ZEILE];
static size_t restLaenge = 0;
/* The field's hash at the last swap seen, and when it last changed. */
static char hash[32] = "";
static long long geaendert = 0;

static long long Jetzt(void)
{
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return (long long)t.tv_sec * 1000000000LL + t.tv_nsec;
}

static void Schlafe(long long ns)
{
    struct timespec t = {(time_t)(ns / 1000000000LL), (long)(ns % 1000000000LL)};
    nanosleep(&t, NULL);
}

static void Zeile(const char* zeile)
{
    long long t = 0;
    char h[32];
    if (sscanf(zeile, "F %lld %31s", &t, h) != 2)
        return;
    if (strcmp(h, hash) != 0) {
        if (hash[0])
            geaendert = t;
        snprintf(hash, sizeof hash, "%s", h);
    }
}

/* Reads what the file has gained since; a line cut off at its end waits. */
static void LiesNeues(void)
{
    char puffer[4096];
    ssize_t n;
    while ((n = read(lesen, puffer, sizeof puffer)) > 0) {
        for (ssize_t i = 0; i < n; ++i) {
            if (puffer[i] != '\n') {
                if (restLaenge < sizeof rest - 1)
                    rest[restLaenge++] = puffer[i];
                continue;
            }
            rest[restLaenge] = '\0';
            Zeile(rest);
            restLaenge = 0;
        }
    }
}

/* Waits until the field changes after `seit`; false after `grenze` ns. */
static int WarteAufAenderung(long long seit, long long grenze)
{
    const long long ende = Jetzt() + grenze;
    while (Jetzt() < ende) {
        LiesNeues();
        if (geaendert > seit)
            return 1;
        Schlafe(1000000LL);
    }
    return 0;
}

int main(int argc, char** argv)
{
    if (argc != 3) {
        fprintf(stderr, "qf_tasten MESSUNG ANZAHL\n");
        return 2;
    }
    const int anzahl = atoi(argv[2]);
    lesen = open(argv[1], O_RDONLY | O_CLOEXEC);
    const int schreiben = open(argv[1], O_WRONLY | O_APPEND | O_CLOEXEC);
    Display* anzeige = XOpenDisplay(NULL);
    if (lesen < 0 || schreiben < 0 || !anzeige) {
        fprintf(stderr, "qf_tasten: %s oder die Anzeige nicht offen\n", argv[1]);
        return 1;
    }
    const KeyCode links = XKeysymToKeycode(anzeige, XK_Left);
    const KeyCode rechts = XKeysymToKeycode(anzeige, XK_Right);

    /* The screen's fade-in changes the field in every frame: start once it
     * has stood still for a while. */
    const long long beginn = Jetzt();
    long long ruhig = Jetzt();
    while (Jetzt() - ruhig < 300000000LL) {
        if (Jetzt() - beginn > 10000000000LL) {
            fprintf(stderr, "qf_tasten: das Feld kommt nicht zur Ruhe\n");
            return 1;
        }
        const long long vorher = geaendert;
        LiesNeues();
        if (geaendert != vorher)
            ruhig = Jetzt();
        Schlafe(1000000LL);
    }

    for (int i = 0; i < anzahl; ++i) {
        /* The piece falls a row by itself: from there the next fall is half a
         * second away at the first level. */
        if (!WarteAufAenderung(geaendert, 10000000000LL)) {
            fprintf(stderr, "qf_tasten: das Feld steht still\n");
            return 1;
        }
        const long long fall = geaendert;
        /* 40 to 158 ms later, in steps that fall on every part of a frame. */
        Schlafe((40 + (i * 37) % 119) * 1000000LL);
        LiesNeues();
        if (geaendert != fall) {
            --i;
            continue;
        }
        const int nachLinks = i % 2 == 0;
        const KeyCode taste = nachLinks ? links : rechts;
        XTestFakeKeyEvent(anzeige, taste, True, CurrentTime);
        XFlush(anzeige);
        const long long gesendet = Jetzt();
        char zeile[64];
        const int laenge = snprintf(zeile, sizeof zeile, "T %lld %d\n", gesendet, nachLinks ? SDL_LINKS : SDL_RECHTS);
        if (write(schreiben, zeile, (size_t)laenge) != laenge)
            return 1;
        /* Let go well before the game's auto-repeat (300 ms). */
        Schlafe(60000000LL);
        XTestFakeKeyEvent(anzeige, taste, False, CurrentTime);
        XFlush(anzeige);
        /* The press's own change; a move the wall refuses shows none. */
        WarteAufAenderung(gesendet, 400000000LL);
    }
    XCloseDisplay(anzeige);
    return 0;
}
