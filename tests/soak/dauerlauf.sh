#!/bin/sh
# Soak test: the real game left in the main menu's attract display, then in
# games driven by xdotool (moves, turns, drops; each lost game goes through
# the results and the hall of fame into the next), each for QF_DAUER seconds.
# Sampled every few seconds from outside: the resident memory (VmRSS), the
# open descriptors and the game's own frame counter (`frames`, read from its
# memory at the symbol's address). After a warm-up the memory stays flat,
# no descriptor is added, the frames keep moving, and no texture is made but
# for the time bar of a new level.
#
# `make test` runs it for 60 s a phase; `make dauerlauf` for 5 minutes
# (QF_DAUER=300). The samples are kept in tests/soak/dauerlauf_<phase>.tsv.
. "$(dirname "$0")/../e2e/lib.sh"

DAUER=${QF_DAUER:-60}
TAKT=${QF_TAKT:-3}
AUFWAERMEN=${QF_AUFWAERMEN:-15}
# Allowed rise of the resident memory from the first to the last third of
# the samples after the warm-up (kB): the heap and Mesa's buffers breathe a
# little; a leak of one image or one allocation per frame shows far above it.
ANSTIEG_KB=${QF_ANSTIEG_KB:-3072}

FRAMES_VERSATZ=$(nm "$QF_BINARY" 2>/dev/null | awk '$3 == "frames" { print $1 }')
[ -n "$FRAMES_VERSATZ" ] || qf_scheitern "kein Symbol 'frames' in $QF_BINARY"

# The game's frame counter, from its memory (the binary is position independent).
frames() {
    programm=$(readlink -f "$QF_BINARY")
    basis=$(awk -v p="$programm" '$6 == p { split($1, a, "-"); print a[1]; exit }' "/proc/$QF_PID/maps")
    [ -n "$basis" ] || return 1
    dd if="/proc/$QF_PID/mem" bs=4 count=1 skip=$(( (0x$basis + 0x$FRAMES_VERSATZ) / 4 )) status=none 2>/dev/null \
        | od -An -tu4 | tr -d ' '
}

rss() {
    awk '$1 == "VmRSS:" { print $2 }' "/proc/$QF_PID/status"
}

deskriptoren() {
    ls "/proc/$QF_PID/fd" | wc -l
}

texturen() {
    qf_zaehle_log "#o> VOQ_OGL_Bildlauf - Lade Texturen"
}

# probe DATEI: one sample line "seconds rss fds frames textures levels screens".
probe() {
    printf '%s\t%s\t%s\t%s\t%s\t%s\t%s\n' "$(( $(date +%s) - PHASE_START ))" "$(rss)" "$(deskriptoren)" \
        "$(frames)" "$(texturen)" "$(qf_zaehle_log "#o> MenuSpiel - Stufe")" \
        "$(qf_zaehle_log "#o> Bildschirm ")" >>"$1"
}

# pruefe DATEI PHASE AB: the checks on the samples from AB seconds on.
pruefe() {
    datei=$1
    phase=$2
    cp "$datei" "$QF_ERGEBNISSE/dauerlauf_$phase.tsv"
    awk -v ab="$3" '$1 >= ab' "$datei" >"$datei.ruhig"
    anzahl=$(wc -l <"$datei.ruhig")
    qf_pruefe "$phase: genug Proben nach dem Aufwaermen ($anzahl)" test "$anzahl" -ge 6

    set -- $(awk '{ n++; r[n] = $2 } END {
        d = int(n / 3); a = 0; b = 0
        for (i = 1; i <= d; i++) { a += r[i]; b += r[n - d + i] }
        min = r[1]; max = r[1]
        for (i = 1; i <= n; i++) { if (r[i] < min) min = r[i]; if (r[i] > max) max = r[i] }
        printf "%d %d %d %d\n", a / d, b / d, min, max }' "$datei.ruhig")
    echo "  $phase: VmRSS erstes Drittel $1 kB, letztes $2 kB, kleinste $3, groesste $4"
    qf_pruefe "$phase: Speicher flach (+$(( $2 - $1 )) kB, erlaubt $ANSTIEG_KB)" test $(( $2 - $1 )) -le "$ANSTIEG_KB"

    fds=$(awk '{ print $3 }' "$datei.ruhig" | sort -u | tr '\n' ' ')
    qf_pruefe "$phase: Deskriptoren gleich ($fds)" test "$(awk '{ print $3 }' "$datei.ruhig" | sort -u | wc -l)" -eq 1

    qf_pruefe "$phase: der Bildzaehler laeuft weiter" awk '
        NR > 1 && $4 <= vorher { exit 1 } { vorher = $4 }' "$datei.ruhig"
    rate=$(awk 'NR == 1 { t = $1; f = $4 } END { if ($1 > t) printf "%d", ($4 - f) / ($1 - t) }' "$datei.ruhig")
    qf_pruefe "$phase: mindestens 2 Bilder je Sekunde ($rate)" test "${rate:-0}" -ge 2

    # Between two samples without a screen entry, textures are made only for
    # the time bar of a new level, one each.
    qf_pruefe "$phase: Texturen nur an Eintritten und neuen Stufen" awk '
        NR > 1 && $7 == e && $5 - t != $6 - s { exit 1 } { t = $5; s = $6; e = $7 }' "$datei.ruhig"
}

qf_arbeitsverzeichnis
qf_starte
qf_bildschirm 0
sleep 1
qf_taste Return
qf_bildschirm 10
xdotool mousemove 1010 300

# The main menu, untouched.
proben=$QF_ARBEIT/menue.tsv
PHASE_START=$(date +%s)
while [ $(( $(date +%s) - PHASE_START )) -lt $(( DAUER + AUFWAERMEN )) ]; do
    probe "$proben"
    sleep "$TAKT"
    qf_laeuft || qf_scheitern "das Spiel endete im Hauptmenue"
done
pruefe "$proben" hauptmenue "$AUFWAERMEN"

# Games: random moves and turns, a drop now and then; a lost game goes by way
# of the results and the hall of fame into the next one.
qf_klick 488 266 0.3
qf_bildschirm 100
proben=$QF_ARBEIT/spiel.tsv
PHASE_START=$(date +%s)
naechste=$PHASE_START
verloren=0
# The warm-up lasts at least until the first lost game has led into the next.
ruhig_ab=$AUFWAERMEN
tasten="Left Right Up Down Left Right Up space"
while [ $(( $(date +%s) - PHASE_START )) -lt $(( DAUER + ruhig_ab )) ]; do
    if [ "$(date +%s)" -ge "$naechste" ]; then
        probe "$proben"
        naechste=$(( $(date +%s) + TAKT ))
    fi
    if [ "$(qf_zaehle_log "SPIEL VORÜBER")" -gt "$verloren" ]; then
        verloren=$((verloren + 1))
        sleep 0.5
        qf_klick 480 466 0.3
        qf_bildschirm 50 "$verloren"
        sleep 1
        qf_klick 830 715 0.3
        qf_bildschirm 30 "$verloren"
        sleep 1
        qf_klick 838 716 0.3
        qf_bildschirm 100 $((verloren + 1))
        if [ "$verloren" -eq 1 ] && [ $(( $(date +%s) - PHASE_START )) -gt "$ruhig_ab" ]; then
            ruhig_ab=$(( $(date +%s) - PHASE_START ))
        fi
        continue
    fi
    set -- $tasten
    shift $(( $(od -An -N1 -tu1 /dev/urandom) % 8 ))
    xdotool key "$1"
    sleep 0.2
    qf_laeuft || qf_scheitern "das Spiel endete im Spiel"
done
echo "  $verloren Spiele verloren"
pruefe "$proben" spiel "$ruhig_ab"

qf_klick 130 166 0.3
qf_bildschirm 10 2
qf_beende_mit_escape
qf_pruefe "Ende mit Rueckgabewert 0" test "$QF_ENDE" -eq 0
qf_keine_fehler
