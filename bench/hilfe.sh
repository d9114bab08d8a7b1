# The few helpers the benchmark needs to drive the real game under Xvfb:
# a working directory as `make run` prepares it, the game started in the
# background, waiting for its screens in the log.
# Set by the caller: QF_BINARY, QF_DATEN_DIR, QF_QUELL_DIR.

set -u

QF_ARBEIT=$(mktemp -d "${TMPDIR:-/tmp}/qf-bench.XXXXXX")
QF_PID=""

qf_aufraeumen() {
    if [ -n "$QF_PID" ] && kill -0 "$QF_PID" 2>/dev/null; then
        kill -9 "$QF_PID" 2>/dev/null
    fi
    rm -rf "$QF_ARBEIT"
}
trap qf_aufraeumen EXIT

qf_scheitern() {
    echo "FEHLGESCHLAGEN: $*" >&2
    exit 1
}

qf_arbeitsverzeichnis() {
    ln -s "$QF_DATEN_DIR" "$QF_ARBEIT/daten"
    cp "$QF_QUELL_DIR/data/einstellungen.konfig" "$QF_QUELL_DIR/data/quaderfall.dll" "$QF_ARBEIT/"
}

# Starts the game in the background; arguments are environment assignments.
qf_starte() {
    (cd "$QF_ARBEIT" && exec env SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}" "$@" "$QF_BINARY" \
        >"$QF_ARBEIT/ausgabe.log" 2>"$QF_ARBEIT/fehler.log") &
    QF_PID=$!
}

qf_log_enthaelt() {
    grep -qF -- "$1" "$QF_ARBEIT/ausgabe.log"
}

# qf_bildschirm n [k]: waits until screen n has been entered k times (default 1).
qf_bildschirm() {
    grenze=$(( $(date +%s) + 60 ))
    # Before the log exists grep counts nothing, not 0.
    while n=$(grep -cF -- "#o> Bildschirm $1" "$QF_ARBEIT/ausgabe.log" 2>/dev/null); [ "${n:-0}" -lt "${2:-1}" ]; do
        [ "$(date +%s)" -lt "$grenze" ] || qf_scheitern "Bildschirm $1 erscheint nicht"
        kill -0 "$QF_PID" 2>/dev/null || qf_scheitern "das Spiel endete vor Bildschirm $1"
        sleep 0.1
    done
}

# qf_warte_ende [seconds]: waits for the game to end.
qf_warte_ende() {
    grenze=$(( $(date +%s) + ${1:-10} ))
    while kill -0 "$QF_PID" 2>/dev/null; do
        [ "$(date +%s)" -lt "$grenze" ] || qf_scheitern "das Spiel endet nicht"
        sleep 0.1
    done
    wait "$QF_PID"
    QF_PID=""
}

# The pointer position as "x y".
qf_zeiger() {
    xdotool getmouselocation | sed 's/x:\([0-9]*\) y:\([0-9]*\).*/\1 \2/'
}
