# Shell helpers for the end-to-end tests: the real binary in a working
# directory of its own, under the Xvfb of tests/werkzeuge/testlauf.sh.
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

# qf_klick x y [seconds]: the button held that long (widgets read the live state).
qf_klick() {
    xdotool mousemove "$1" "$2"
    sleep "${3:-0.1}"
    xdotool mousedown 1
    sleep "${3:-0.1}"
    xdotool mouseup 1
    sleep "${3:-0.1}"
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

# qf_bild name: the file of a screenshot. Each test keeps its own (tests run
# side by side and must not overwrite each other's pictures).
qf_bild() {
    echo "$QF_ERGEBNISSE/${QF_TEST}_$1.png"
}

qf_bildschirmfoto() {
    import -window root "$(qf_bild "$1")"
}

# The colour of a screenshot's pixel as "r,g,b" (0..255).
qf_pixel() {
    convert "$(qf_bild "$1")" -format '%[fx:int(255*p{'"$2,$3"'}.r)],%[fx:int(255*p{'"$2,$3"'}.g)],%[fx:int(255*p{'"$2,$3"'}.b)]' info:
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

# qf_warte_auf_farbe x y "r,g,b" [seconds]: waits until a screenshot shows that colour
# at (x, y); the menus are ready once their veil has faded from that spot.
qf_warte_auf_farbe() {
    grenze=$(( $(date +%s) + ${4:-30} ))
    while :; do
        qf_bildschirmfoto warten
        [ "$(qf_pixel warten "$1" "$2")" = "$3" ] && return 0
        if [ "$(date +%s)" -ge "$grenze" ]; then
            qf_scheitern "($1, $2) wird nicht $3 (ist $(qf_pixel warten "$1" "$2"))"
        fi
        qf_laeuft || qf_scheitern "das Spiel endete beim Warten auf ($1, $2)"
        sleep 0.2
    done
}

# The white menus once fully faded in (the bottom right corner stays free there).
qf_warte_auf_menue() {
    xdotool mousemove 1010 300
    qf_warte_auf_farbe 1015 764 "255,255,255" 60
}

# qf_menue_da bild x y "text": waits until the screen on display shows the text
# (schrift_012): it runs and takes clicks, though it may still be fading in.
qf_menue_da() {
    xdotool mousemove 1010 300
    qf_warte_auf_text "$1" schrift_012 "$2" "$3" "$4"
}

# qf_menue_zeigt bild x y "text": as qf_menue_da, then waits until the screen has
# faded in (the fade counts frames: slow on a loaded machine) and keeps that
# screenshot as "bild".
qf_menue_zeigt() {
    qf_menue_da "$@"
    qf_warte_auf_menue
    qf_bildschirmfoto "$1"
}

# qf_text_sichtbar bild schrift x y "text": the screenshot shows the text drawn with
# the font (schrift_012 or schrift_020) at (x, y), UTF-8 with \n for a line feed.
qf_text_sichtbar() {
    schrift="$QF_DATEN_DIR/bilder/eingabe/schriften/$2"
    [ -e "$QF_ARBEIT/$2.ppm" ] || convert "$schrift.bmp" "ppm:$QF_ARBEIT/$2.ppm"
    convert "$(qf_bild "$1")" "ppm:$QF_ARBEIT/$1.ppm"
    bericht=$("$QF_WERKZEUGE/text_pruefen" "$QF_ARBEIT/$1.ppm" "$QF_ARBEIT/$2.ppm" "$schrift.konfig" \
              "$3" "$4" "$5")
    ergebnis=$?
    [ $ergebnis -eq 0 ] || echo "  $1 ($3, $4): $bericht" >&2
    return $ergebnis
}

qf_text_fehlt() {
    ! qf_text_sichtbar "$@" 2>/dev/null
}

# qf_zeigt_bald bild schrift x y "text" seconds: screenshots until one shows the
# text; false (and no failure) when none has within the time.
qf_zeigt_bald() {
    grenze=$(( $(date +%s) + $6 ))
    while [ "$(date +%s)" -lt "$grenze" ]; do
        qf_bildschirmfoto "$1"
        qf_text_sichtbar "$1" "$2" "$3" "$4" "$5" 2>/dev/null && return 0
        sleep 0.1
    done
    return 1
}

# qf_warte_auf_text bild schrift x y "text" [seconds]: screenshots until one shows the
# text. A screen is logged before it loads, so this is how a test knows that the
# screen it waits for is the one on display (and its widgets can be clicked).
qf_warte_auf_text() {
    grenze=$(( $(date +%s) + ${6:-60} ))
    while :; do
        qf_bildschirmfoto "$1"
        qf_text_sichtbar "$1" "$2" "$3" "$4" "$5" 2>/dev/null && return 0
        if [ "$(date +%s)" -ge "$grenze" ]; then
            qf_text_sichtbar "$1" "$2" "$3" "$4" "$5"
            qf_scheitern "$1 zeigt nicht '$5' bei ($3, $4)"
        fi
        qf_laeuft || qf_scheitern "das Spiel endete beim Warten auf '$5'"
        sleep 0.2
    done
}

# The simulated game controller (QF_JOYSTICK_LIB): qf_starte_mit_steuerung [assignments...],
# e.g. QF_JOYSTICK_NAME=... QF_JOYSTICK_ANZAHL=2. Its state follows qf_steuerung lines.
qf_starte_mit_steuerung() {
    QF_BEFEHLE="$QF_ARBEIT/steuerung.befehle"
    : >"$QF_BEFEHLE"
    qf_starte QF_JOYSTICK_BEFEHLE="$QF_BEFEHLE" \
        LD_PRELOAD="$QF_JOYSTICK_LIB${LD_PRELOAD:+ $LD_PRELOAD}" "$@"
}

# qf_klick_bis x y "log line" n: clicks until the log line stands there n times.
# Widgets read the live button state, so a frame slower than the press (a
# loaded machine, the sanitizer build) misses it; then the click is repeated.
# Each try waits long enough that a click taken late is never doubled.
qf_klick_bis() {
    for versuch in 1 2 3 4; do
        qf_klick "$1" "$2" 0.4
        grenze=$(( $(date +%s) + 10 ))
        while [ "$(date +%s)" -lt "$grenze" ]; do
            [ "$(qf_zaehle_log "$3")" -ge "$4" ] && return 0
            qf_laeuft || qf_scheitern "das Spiel endete nach dem Klick auf ($1, $2)"
            sleep 0.1
        done
    done
    qf_scheitern "der Klick auf ($1, $2) fuehrt nicht zu '$3' ($4-mal)"
}

# qf_steuerknopf_bis n "log line" k: as qf_klick_bis, with controller button n.
qf_steuerknopf_bis() {
    for versuch in 1 2 3 4; do
        qf_steuerknopf "$1" 0.4
        grenze=$(( $(date +%s) + 10 ))
        while [ "$(date +%s)" -lt "$grenze" ]; do
            [ "$(qf_zaehle_log "$2")" -ge "$3" ] && return 0
            qf_laeuft || qf_scheitern "das Spiel endete nach Steuerknopf $1"
            sleep 0.1
        done
    done
    qf_scheitern "Steuerknopf $1 fuehrt nicht zu '$2' ($3-mal)"
}

# qf_steuerung "hut 2" | "knopf 3 1" | "achse 1 -1234"
qf_steuerung() {
    echo "$*" >>"$QF_BEFEHLE"
}

# qf_steuerknopf n [seconds]: controller button n held for a few frames, then released.
qf_steuerknopf() {
    qf_steuerung "knopf $1 1"
    sleep "${2:-0.25}"
    qf_steuerung "knopf $1 0"
    sleep 0.25
}

# The pointer position as "x y".
qf_zeiger() {
    xdotool getmouselocation | sed 's/x:\([0-9]*\) y:\([0-9]*\).*/\1 \2/'
}
