#!/bin/sh
# Soak test: the real game under the director, QF_DAUER virtual seconds (120
# unless set) in the main menu's attract display, then as long in games
# played with random keys, each lost game going by blind clicks through the
# results and the hall of fame into the next. Frames of 50 virtual ms give
# more game per real second. Every 3 virtual seconds the director notes the
# resident memory, the open descriptors and the frames drawn. After the first
# third of each phase the memory stays flat, no descriptor is added and the
# frames keep coming; the game ends through its menu with exit code 0.
# `make dauerlauf` runs it for 300 s a phase.
set -u
DAUER=${QF_DAUER:-120}
# Allowed rise of the resident memory from the first to the last third of the
# samples after the warm-up (kB): the heap and Mesa's buffers breathe a little;
# a leak of one image or one allocation per frame shows far above it.
ANSTIEG_KB=${QF_ANSTIEG_KB:-3072}
mkdir -p "$QF_ERGEBNISSE"
szenario=$QF_ERGEBNISSE/dauerlauf.szenario

# The blind clicks: "ZUR AUSWERTUNG", "LISTE DES RUHMS", "KLÖTZCHEN STAPELN"
# (the last two at the same place); in a running game they hit nothing. At the
# end ABBRECHEN or STARTBILDSCHIRM lead to the main menu, where the first
# place is "ERLÖSE MICH!".
awk -v dauer="$DAUER" 'BEGIN {
    srand(7)
    ms = dauer * 1000
    print "@0 schritt 50\n@1000 taste Escape"
    for (t = 2000; t <= 2000 + ms; t += 3000) print "@" t " probe"
    spiel = 3000 + ms
    print "@" spiel " klick 488 266"
    split("Left Right Up Down Space", tasten)
    for (t = spiel + 2000; t < spiel + ms; t += 200) {
        if ((t - spiel) % 4000 == 0)
            print "@" t " klick 488 466\n@" t + 1000 " klick 838 716\n@" t + 2000 " klick 838 716"
        else if ((t - spiel) % 1000 != 0) print "@" t " taste " tasten[1 + int(rand() * 5)]
        if ((t - spiel) % 3000 == 0) print "@" t " probe"
    }
    for (t = spiel + ms; t < spiel + ms + 12000; t += 4000) {
        print "@" t " klick 488 466\n@" t + 1000 " klick 138 166"
        print "@" t + 2000 " klick 838 716\n@" t + 3000 " klick 138 716"
    }
    print "journal \"Programm erfolgreich beendet\"\nende 0"
}' >"$szenario"
QF_ZEITLIMIT=$((DAUER * 10 + 60)) "$QF_QUELL_DIR/tests/e2e/szenario.sh" "$szenario" || exit 1

# Per phase, the samples from the end of its first third on: "ms rss fds frames".
journal=$QF_ERGEBNISSE/dauerlauf/journal
fehler=0
for phase in hauptmenue:2000 spiel:$((5000 + DAUER * 1000)); do
    von=${phase#*:}
    awk -v von="$von" -v bis=$((von + DAUER * 1000)) -v phase="${phase%:*}" -v erlaubt="$ANSTIEG_KB" '
        $2 == "probe" && $1 >= von + (bis - von) / 3 && $1 <= bis { n++; r[n] = $3; f[n] = $4; b[n] = $5 }
        END {
            if (n < 6) { print phase ": zu wenige Proben (" n ")"; exit 1 }
            d = int(n / 3)
            for (i = 1; i <= d; i++) { a += r[i]; z += r[n - d + i] }
            printf "%s: VmRSS %d kB -> %d kB, Deskriptoren %d, Bilder %d -> %d\n", \
                phase, a / d, z / d, f[1], b[1], b[n]
            if (z / d - a / d > erlaubt) { print phase ": der Speicher waechst"; exit 1 }
            for (i = 2; i <= n; i++) {
                if (f[i] != f[1]) { print phase ": Deskriptoren " f[1] " -> " f[i]; exit 1 }
                if (b[i] <= b[i - 1]) { print phase ": keine neuen Bilder"; exit 1 }
            }
        }' "$journal" || fehler=1
done
exit $fehler
