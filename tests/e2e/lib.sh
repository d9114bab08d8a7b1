# Shell helpers for the end-to-end tests: the real binary in a working
# directory of its own, under the Xvfb of tests/werkzeuge/xvfb-lauf.sh.
# Set by CTest: QF_BINARY, QF_DATEN_DIR, QF_QUELL_DIR, QF_WERKZEUGE, QF_ERGEBNISSE.

set -u

QF_TEST=$(basename "$0" .sh)
QF_ARBEIT=$(mktemp -d "${TMPDIR:-/tmp}/qf-e2e-$QF_TEST.XXXXXX")
QF_PID=""
QF_FEHLER=0
mkdir -p "$QF_ERGEBNISSE"

qf_aufraeumen() {
    if [ -n "$QF_PID" ] && kill -0 "$QF_PID" 2>/dev/null; then
        kill "$QF_PID" 2>/dev/null
        sleep 0.2
        kill -9 "$QF_PID" 2>/dev/null
    fi
    if [ "$QF_FEHLER" -ne 0 ]; then
        echo "--- Ausgabe des Spiels ($QF_ARBEIT) ---"
        cat "$QF_ARBEIT/ausgabe.log" 2>/dev/null | tail -n 60
        echo "--- Fehlerausgabe ---"
        cat "$QF_ARBEIT/fehler.log" 2>/dev/null | tail -n 30
    else
        rm -rf "$QF_ARBEIT"
    fi
}
trap qf_aufraeumen EXIT

qf_scheitern() {
    echo "FEHLGESCHLAGEN: $*" >&2
    QF_FEHLER=1
    exit 1
}

qf_pruefe() {
    # qf_pruefe "description" command...
    beschreibung=$1
    shift
    if "$@"; then
        echo "ok: $beschreibung"
    else
        qf_scheitern "$beschreibung"
    fi
}

# The working directory as `make run` prepares it. Options: ohne_einstellungen, ohne_daten.
qf_arbeitsverzeichnis() {
    for option in "$@"; do
        case "$option" in
            ohne_einstellungen) QF_OHNE_EINSTELLUNGEN=1 ;;
            ohne_daten) QF_OHNE_DATEN=1 ;;
        esac
    done
    [ -n "${QF_OHNE_DATEN:-}" ] || ln -s "$QF_DATEN_DIR" "$QF_ARBEIT/daten"
    [ -n "${QF_OHNE_EINSTELLUNGEN:-}" ] || cp "$QF_QUELL_DIR/data/einstellungen.konfig" "$QF_ARBEIT/"
    if [ -e "$QF_QUELL_DIR/data/quaderfall.dll" ]; then
        cp "$QF_QUELL_DIR/data/quaderfall.dll" "$QF_ARBEIT/"
    fi
}

# Starts the game in the background; extra arguments are environment assignments.
qf_starte() {
    (cd "$QF_ARBEIT" && exec env SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}" "$@" "$QF_BINARY" \
        >"$QF_ARBEIT/ausgabe.log" 2>"$QF_ARBEIT/fehler.log") &
    QF_PID=$!
}

# qf_warte_auf_log "text" [seconds]: waits until the text stands in the game's standard output.
qf_warte_auf_log() {
    grenze=$(( $(date +%s) + ${2:-20} ))
    while ! grep -qF -- "$1" "$QF_ARBEIT/ausgabe.log" 2>/dev/null; do
        if [ "$(date +%s)" -ge "$grenze" ]; then
            qf_scheitern "'$1' erscheint nicht im Log"
        fi
        kill -0 "$QF_PID" 2>/dev/null || qf_scheitern "das Spiel endete, bevor '$1' erschien"
        sleep 0.1
    done
}

qf_fenster() {
    xdotool search --sync --onlyvisible --pid "$QF_PID" 2>/dev/null | head -n 1
}

qf_laeuft() {
    kill -0 "$QF_PID" 2>/dev/null
}

# A key held for a few frames (xdotool key alone is too short for held-key checks).
qf_taste() {
    xdotool keydown "$1"
    sleep "${2:-0.1}"
    xdotool keyup "$1"
    sleep 0.05
}

qf_klick() {
    xdotool mousemove "$1" "$2"
    sleep 0.1
    xdotool mousedown 1
    sleep 0.1
    xdotool mouseup 1
    sleep 0.1
}

qf_tippe() {
    # Types text letter by letter as key presses.
    text=$1
    while [ -n "$text" ]; do
        zeichen=$(printf '%s' "$text" | cut -c1)
        text=$(printf '%s' "$text" | cut -c2-)
        case "$zeichen" in
            " ") qf_taste space 0.05 ;;
            *) qf_taste "$zeichen" 0.05 ;;
        esac
    done
}

qf_bildschirmfoto() {
    import -window root "$QF_ERGEBNISSE/$1.png"
}

# The colour of a screenshot's pixel as "r,g,b" (0..255).
qf_pixel() {
    convert "$QF_ERGEBNISSE/$1.png" -format '%[fx:int(255*p{'"$2,$3"'}.r)],%[fx:int(255*p{'"$2,$3"'}.g)],%[fx:int(255*p{'"$2,$3"'}.b)]' info:
}

# qf_warte_ende [seconds]: waits for the game to end; its exit code in QF_ENDE.
qf_warte_ende() {
    grenze=$(( $(date +%s) + ${1:-10} ))
    while qf_laeuft; do
        [ "$(date +%s)" -lt "$grenze" ] || qf_scheitern "das Spiel endet nicht"
        sleep 0.1
    done
    wait "$QF_PID"
    QF_ENDE=$?
    QF_PID=""
}

qf_log_enthaelt() {
    grep -qF -- "$1" "$QF_ARBEIT/ausgabe.log"
}

# Lines of the error output with "FEHLER" that no expected pattern (extended regex) explains.
qf_unerwartete_fehler() {
    muster=${1:-'^$'}
    grep "FEHLER" "$QF_ARBEIT/fehler.log" | grep -Ev -- "$muster" || true
}

qf_keine_fehler() {
    rest=$(qf_unerwartete_fehler "${1:-^$}")
    if [ -n "$rest" ]; then
        echo "$rest" >&2
        qf_scheitern "unerwartete FEHLER-Zeilen"
    fi
    echo "ok: keine unerwarteten FEHLER-Zeilen"
}

# qf_log_reihenfolge "line 1" "line 2" ...: the lines stand in the log in this order.
qf_log_reihenfolge() {
    vorige=0
    for zeile in "$@"; do
        nummer=$(grep -nF -- "$zeile" "$QF_ARBEIT/ausgabe.log" | cut -d: -f1 \
                 | awk -v v="$vorige" '$1 > v { print; exit }')
        if [ -z "$nummer" ]; then
            echo "nicht (in der Reihenfolge) im Log: $zeile" >&2
            return 1
        fi
        vorige=$nummer
    done
    return 0
}

# Escape until the game ends (the intro takes the first one, the main menu quits).
qf_beende_mit_escape() {
    for versuch in 1 2 3 4; do
        qf_laeuft || break
        qf_taste Escape
        sleep 1
    done
    qf_warte_ende 10
}
