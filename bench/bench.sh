#!/bin/sh
# The benchmark: the real game under a private Xvfb (run this script through
# tests/werkzeuge/testlauf.sh --anzeige), driven by xdotool through every screen,
# measured from inside by the preloaded bench/messung.c. Prints one
# table (bench/tabelle.awk), one column per binary, each figure the
# median of the rounds.
#
#   bench.sh [-r ROUNDS] NAME=BINARY [NAME=BINARY ...]
#
# Binaries are run in turns (a round runs each once), so a change of the
# machine's load falls on all of them alike. Set by the caller: QF_DATEN_DIR
# (the game's data), QF_QUELL_DIR, QF_MESSUNG_LIB, QF_JOYSTICK_LIB, QF_TASTEN.
# QF_BENCH_AUFZEICHNUNG: a folder to keep the raw records and figures in.
# Not part of `make test`: the figures are reported, not checked.
set -u

runden=3
if [ "${1:-}" = "-r" ]; then
    runden=$2
    shift 2
fi
[ $# -ge 1 ] || { echo "bench.sh [-r RUNDEN] NAME=BINARY ..." >&2; exit 2; }

hier=$(cd "$(dirname "$0")" && pwd)
QF_BINARY=/bin/false
. "$hier/hilfe.sh"
QF_LAUF_BASIS=$QF_ARBEIT
zahlen=$QF_LAUF_BASIS/zahlen
: >"$zahlen"
laeufe=0

# Steady-state stay on the main menu and the game, and on the other screens (s).
RUHE_LANG=${QF_BENCH_RUHE_LANG:-12}
RUHE_KURZ=${QF_BENCH_RUHE_KURZ:-6}
# Key presses a round for the latency figure.
TASTEN=${QF_BENCH_TASTEN:-40}
# The runs of a round (QF_BENCH_TEILE: a choice of alle steuerung menue tasten).
TEILE=${QF_BENCH_TEILE:-alle steuerung menue tasten}
# The playfield in picture pixels, hashed at every swap for the latency figure.
FELD=340,100,320,640

teil() {
    case " $TEILE " in *" $1 "*) return 0 ;; esac
    return 1
}

klick() {
    xdotool mousemove "$1" "$2" sleep 0.2 mousedown 1 sleep 0.3 mouseup 1
    sleep 0.2
    xdotool mousemove 1010 300
}

# In the menus the event pump warps the pointer to where it stands, which can
# undo a move that comes in between; so the click waits until it holds.
menueklick() {
    for versuch in 1 2 3 4 5; do
        xdotool mousemove "$1" "$2"
        sleep 0.3
        [ "$(qf_zeiger)" = "$1 $2" ] && break
    done
    klick "$1" "$2"
}

# lauf NAME BINARY ART KEYS PREFIX [environment...]: one run in a fresh
# working directory; its figures whose keys match the extended regex KEYS go
# to $zahlen as "NAME<TAB>PREFIXkey<TAB>value".
lauf() {
    name=$1
    QF_BINARY=$2
    art=$3
    schluessel=$4
    vorsatz=$5
    shift 5
    QF_ARBEIT=$QF_LAUF_BASIS/$name-$art-$runde
    mkdir -p "$QF_ARBEIT"
    qf_arbeitsverzeichnis
    messung=$QF_ARBEIT/messung.txt
    vorlast=$(cut -d' ' -f1 /proc/loadavg)
    qf_starte QF_MESSUNG="$messung" QF_MESSUNG_START="$(date +%s%N)" "$@"
    "rundgang_$art"
    awk -f "$hier/auswertung.awk" "$messung" | grep -E -- "$schluessel" | sed "s/^/$name\t$vorsatz/" >>"$zahlen"
    echo "  $name $art: Last vorher $vorlast, nachher $(cut -d' ' -f1 /proc/loadavg)" >&2
    if [ -n "${QF_BENCH_AUFZEICHNUNG:-}" ]; then
        mkdir -p "$QF_BENCH_AUFZEICHNUNG"
        laeufe=$((laeufe + 1))
        cp "$messung" "$QF_BENCH_AUFZEICHNUNG/$name-$art-$runde-$laeufe.txt"
    fi
    rm -rf "$QF_ARBEIT"
}

# Every screen but the controller settings, each entered at least once.
rundgang_alle() {
    qf_bildschirm 0
    sleep 1
    xdotool key Return
    qf_bildschirm 10
    xdotool mousemove 1010 300
    sleep "$RUHE_LANG"
    menueklick 488 366
    qf_bildschirm 80
    sleep "$RUHE_KURZ"
    xdotool key Escape
    qf_bildschirm 10 2
    sleep 2
    menueklick 488 416
    qf_bildschirm 70
    sleep "$RUHE_KURZ"
    xdotool key Escape
    qf_bildschirm 10 3
    sleep 2
    menueklick 488 316
    qf_bildschirm 30
    sleep "$RUHE_KURZ"
    menueklick 138 716
    qf_bildschirm 10 4
    sleep 2
    menueklick 488 266
    qf_bildschirm 100
    sleep "$RUHE_LANG"
    klick 130 216
    qf_bildschirm 100 2
    sleep 2
    versuch=0
    while ! qf_log_enthaelt "SPIEL VORÜBER"; do
        versuch=$((versuch + 1))
        [ $versuch -le 80 ] || qf_scheitern "kein Spielende nach 80 Stuerzen"
        xdotool key space
        sleep 0.15
    done
    sleep 1
    klick 480 466
    qf_bildschirm 50
    sleep "$RUHE_KURZ"
    menueklick 830 715
    qf_bildschirm 30 2
    sleep 2
    menueklick 138 716
    qf_bildschirm 10 5
    sleep 2
    xdotool key Escape
    qf_warte_ende 30
}

# With a simulated controller: into the controller settings and back.
rundgang_steuerung() {
    qf_bildschirm 0
    sleep 1
    xdotool key Return
    qf_bildschirm 10
    sleep 3
    menueklick 488 716
    qf_bildschirm 90
    xdotool mousemove 1010 300
    sleep "$RUHE_KURZ"
    xdotool key Escape
    qf_bildschirm 10 2
    sleep 2
    xdotool key Escape
    qf_warte_ende 30
}

# The main menu alone, for its CPU time per second.
rundgang_menue() {
    qf_bildschirm 0
    sleep 1
    xdotool key Return
    qf_bildschirm 10
    xdotool mousemove 1010 300
    sleep "$RUHE_LANG"
    xdotool key Escape
    qf_warte_ende 30
}

# Into a game, then TASTEN presses of Left and Right from bench/tasten.c, each
# sent a while after the piece fell a row; the game is ended by a signal.
rundgang_tasten() {
    qf_bildschirm 0
    sleep 1
    xdotool key Return
    qf_bildschirm 10
    sleep 2
    menueklick 488 266
    qf_bildschirm 100
    xdotool mousemove 1010 300
    sleep 2
    "$QF_TASTEN" "$messung" "$TASTEN" || echo "  weniger Tasten als $TASTEN gesendet" >&2
    kill -TERM "$QF_PID"
    qf_warte_ende 30
}

# ltris (Debian's falling-block game, if installed) idling in its menu, in the
# same run for comparison: CPU seconds per second over RUHE_LANG s, and its
# peak memory.
ltris_lauf() {
    [ -x /usr/games/ltris ] || return 0
    (cd "$QF_LAUF_BASIS" && exec env SDL_AUDIODRIVER=dummy /usr/games/ltris >/dev/null 2>&1) &
    pid=$!
    sleep 3
    a=$(awk '{print $14 + $15}' "/proc/$pid/stat")
    sleep "$RUHE_LANG"
    b=$(awk '{print $14 + $15}' "/proc/$pid/stat")
    hwm=$(awk '/^VmHWM:/ { printf "%.1f", $2 / 1024 }' "/proc/$pid/status")
    kill "$pid"
    wait "$pid" 2>/dev/null
    printf 'ltris\tltris\t%s\n' "$(awk -v t="$(getconf CLK_TCK)" "BEGIN { printf \"%.2f\", ($b - $a) / t / $RUHE_LANG }")" >>"$zahlen"
    printf 'ltris\tltris hwm\t%s\n' "$hwm" >>"$zahlen"
}

echo "Quaderfall-Benchmark: $runden Runde(n); Last $(cut -d' ' -f1-3 /proc/loadavg)" >&2
runde=1
while [ "$runde" -le "$runden" ]; do
    echo "Runde $runde" >&2
    for paar in "$@"; do
        name=${paar%%=*}
        binaer=${paar#*=}
        teil alle && lauf "$name" "$binaer" alle . "" LD_PRELOAD="$QF_MESSUNG_LIB${LD_PRELOAD:+ $LD_PRELOAD}"
        teil steuerung && lauf "$name" "$binaer" steuerung "^(wechsel .*90|[a-z]+ 90[[:space:]])" "" \
            QF_JOYSTICK_BEFEHLE=/dev/null LD_PRELOAD="$QF_JOYSTICK_LIB $QF_MESSUNG_LIB${LD_PRELOAD:+ $LD_PRELOAD}"
        teil tasten && lauf "$name" "$binaer" tasten "^(latenz|hwm)" "spiel " \
            QF_MESSUNG_FELD=$FELD LD_PRELOAD="$QF_MESSUNG_LIB${LD_PRELOAD:+ $LD_PRELOAD}"
        if teil menue; then
            lauf "$name" "$binaer" menue "^((cpuwand|fps) 10[[:space:]]|hwm)" "sync unset " \
                env -u SDL12COMPAT_SYNC_TO_VBLANK LD_PRELOAD="$QF_MESSUNG_LIB${LD_PRELOAD:+ $LD_PRELOAD}"
            lauf "$name" "$binaer" menue "^(cpuwand|fps) 10[[:space:]]" "sync 1 " \
                SDL12COMPAT_SYNC_TO_VBLANK=1 LD_PRELOAD="$QF_MESSUNG_LIB${LD_PRELOAD:+ $LD_PRELOAD}"
            lauf "$name" "$binaer" menue "^(cpuwand|fps) 10[[:space:]]" "skalierung 0 " \
                SDL12COMPAT_OPENGL_SCALING=0 LD_PRELOAD="$QF_MESSUNG_LIB${LD_PRELOAD:+ $LD_PRELOAD}"
        fi
    done
    ltris_lauf
    runde=$((runde + 1))
done

awk -f "$hier/tabelle.awk" "$zahlen"
QF_ARBEIT=$QF_LAUF_BASIS
[ -z "${QF_BENCH_AUFZEICHNUNG:-}" ] || cp "$zahlen" "$QF_BENCH_AUFZEICHNUNG/zahlen.tsv"
