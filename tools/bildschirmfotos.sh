#!/bin/sh
# Screenshots for the README, taken from the real game under a private Xvfb:
# the main menu, a game in progress and the hall of fame; then once more with
# SCHATTEN=1 and names with accents in the list, a game with its landing
# shadow and that hall of fame; scaled to 512 pixels wide.
# tools/bildschirmfotos.sh [BUILD [TARGET]] (build, docs/bilder).
set -eu
quelle=$(cd "$(dirname "$0")/.." && pwd)
bau=$(cd "${1:-$quelle/build}" && pwd)
ziel=${2:-$quelle/docs/bilder}

if [ -z "${QF_FOTO_ANZEIGE:-}" ]; then
    exec env QF_FOTO_ANZEIGE=1 "$quelle/tests/werkzeuge/testlauf.sh" --anzeige "$0" "$bau" "$ziel"
fi

mkdir -p "$ziel"
ziel=$(cd "$ziel" && pwd)
arbeit=$(mktemp -d "${TMPDIR:-/tmp}/qf-fotos.XXXXXX")
pid=""
aufraeumen() {
    if [ -n "$pid" ]; then
        kill -9 "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    fi
    rm -rf "$arbeit"
}
trap aufraeumen EXIT

scheitern() {
    echo "bildschirmfotos: $*" >&2
    tail -n 20 "$arbeit/ausgabe.log" >&2 2>/dev/null || true
    exit 1
}

# starte FOLDER: the game in that working directory, until its main loop runs.
starte() {
    (cd "$1" && exec env SDL_AUDIODRIVER=dummy SDL12COMPAT_SYNC_TO_VBLANK=1 "$bau/quaderfall" \
        >"$arbeit/ausgabe.log" 2>&1) &
    pid=$!
    i=0
    until grep -qF "### STARTE HAUPTSCHLEIFE ###" "$arbeit/ausgabe.log" 2>/dev/null; do
        i=$((i + 1))
        [ $i -le 300 ] || scheitern "das Spiel erreicht seine Hauptschleife nicht"
        kill -0 "$pid" 2>/dev/null || scheitern "das Spiel endete beim Start"
        sleep 0.1
    done
}

"$quelle/tools/spielverzeichnis.sh" "$bau" "$arbeit/spiel"
starte "$arbeit/spiel"

# Keys and buttons are held for a few frames: the game reads their live state.
taste() {
    xdotool keydown "$1"
    sleep 0.08
    xdotool keyup "$1"
    sleep 0.05
}
# Clicks the middle of a button of the game's widget size (176 x 32) at x, y.
knopf() {
    xdotool mousemove $(($1 + 88)) $(($2 + 16))
    sleep 0.2
    xdotool mousedown 1
    sleep 0.1
    xdotool mouseup 1
    sleep 0.1
}
# The game draws its own pointer: parked in the corner it is all but off the
# picture; a few frames pass before the game shows it there.
zeiger_weg() {
    xdotool mousemove 1023 767
    sleep 0.5
}
# A screen fades in over a hundred frames, however long they take: waits
# until the picture's mean brightness stops rising.
eingeblendet() {
    vorher=-1
    for versuch in $(seq 60); do
        jetzt=$(import -window root png:- | convert png:- -resize 25% -format '%[fx:int(mean*1000)]' info:)
        [ "$jetzt" -le "$vorher" ] && return
        vorher=$jetzt
        sleep 0.5
    done
}
foto() {
    kill -0 "$pid" 2>/dev/null || scheitern "das Spiel endete vor '$1'"
    import -window root "$arbeit/$1-voll.png"
    convert "$arbeit/$1-voll.png" -resize 512x -strip "$ziel/$1.png"
    if command -v optipng >/dev/null 2>&1; then
        optipng -quiet -o5 "$ziel/$1.png"
    fi
    echo "$ziel/$1.png"
}

taste Return          # leave the intro (Escape would quit from the menu)
sleep 3               # the attract fields are moving
zeiger_weg
eingeblendet
foto hauptmenue

# Pieces turned and pushed to varying columns (negative: to the left) and
# dropped, so that a stack stands in the field.
zuege() {
    for zug in "$@"; do
        drehen=${zug%%:*}
        schieben=${zug##*:}
        n=0
        while [ $n -lt "$drehen" ]; do taste Up; n=$((n + 1)); done
        richtung=Right
        if [ "$schieben" -lt 0 ]; then
            richtung=Left
            schieben=$((-schieben))
        fi
        n=0
        while [ $n -lt "$schieben" ]; do taste $richtung; n=$((n + 1)); done
        taste space
        sleep 0.3
    done
}

# A game of a dozen pieces, the next one caught on its way down; then the
# hall of fame.
spiel_und_liste() {
    knopf 400 250         # KLOETZCHEN STAPELN
    sleep 1.5
    zuege 0:-4 1:2 2:0 0:4 1:-2 3:3 0:-1 2:1 1:-3 0:2 2:-4 1:4
    sleep 1.2
    zeiger_weg
    foto "$1"

    knopf 50 150          # ABBRECHEN: back to the main menu
    sleep 2
    knopf 400 300         # LISTE DES RUHMS
    sleep 2.5
    zeiger_weg
    eingeblendet
    foto "$2"
}
spiel_und_liste spiel bestenliste

kill -9 "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
"$quelle/tools/spielverzeichnis.sh" "$bau" "$arbeit/schatten"
echo "SCHATTEN=1" >>"$arbeit/schatten/einstellungen.konfig"
# Latin-1, as the game writes its list.
printf 'Zo\351-Pe\361a|38;Ren\351e|33;Bj\370rn|29;Fran\347ois|25;Ana-Mar\355a|21;S\370ren|17;J\374rgen|13;' \
    >"$arbeit/schatten/quaderfall.dll"
printf '\323lafur|9;\311lodie|6;I\361aki|3;' >>"$arbeit/schatten/quaderfall.dll"
starte "$arbeit/schatten"
taste Return
sleep 3
spiel_und_liste spiel_schatten bestenliste_akzente
