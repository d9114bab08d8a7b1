# Shell helpers for the tests that drive the real binary through the real X
# input path (echt.sh, the installation tests, the benchmark): a working
# directory of its own, under the Xvfb of tests/werkzeuge/testlauf.sh.
# Set by the caller: QF_BINARY, QF_DATEN_DIR, QF_QUELL_DIR, QF_ERGEBNISSE.

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

# The working directory as `make run` prepares it.
qf_arbeitsverzeichnis() {
    ln -s "$QF_DATEN_DIR" "$QF_ARBEIT/daten"
    cp "$QF_QUELL_DIR/data/einstellungen.konfig" "$QF_QUELL_DIR/data/quaderfall.dll" "$QF_ARBEIT/"
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

# qf_bild name: the file of a screenshot. Each test keeps its own (tests run
# side by side and must not overwrite each other's pictures).
qf_bild() {
    echo "$QF_ERGEBNISSE/${QF_TEST}_$1.png"
}

qf_bildschirmfoto() {
    import -window root "$(qf_bild "$1")"
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

# Escape until the game ends (the intro takes the first one, the main menu quits).
qf_beende_mit_escape() {
    for versuch in 1 2 3 4; do
        qf_laeuft || break
        qf_taste Escape
        sleep 1
    done
    qf_warte_ende 10
}

# qf_zaehle_log "text": how often the text stands in the game's standard output.
qf_zaehle_log() {
    grep -cF -- "$1" "$QF_ARBEIT/ausgabe.log" 2>/dev/null || true
}

# qf_warte_auf_anzahl "text" n [seconds]: waits until the text stands in the log n times.
qf_warte_auf_anzahl() {
    grenze=$(( $(date +%s) + ${3:-30} ))
    while [ "$(qf_zaehle_log "$1")" -lt "$2" ]; do
        if [ "$(date +%s)" -ge "$grenze" ]; then
            qf_scheitern "'$1' erscheint nicht $2-mal im Log (nur $(qf_zaehle_log "$1")-mal)"
        fi
        kill -0 "$QF_PID" 2>/dev/null || qf_scheitern "das Spiel endete, bevor '$1' $2-mal erschien"
        sleep 0.1
    done
}

# qf_bildschirm n [k]: waits until screen n has been entered k times (default 1).
qf_bildschirm() {
    qf_warte_auf_anzahl "#o> Bildschirm $1" "${2:-1}" 60
}

# The pointer position as "x y".
qf_zeiger() {
    xdotool getmouselocation | sed 's/x:\([0-9]*\) y:\([0-9]*\).*/\1 \2/'
}
