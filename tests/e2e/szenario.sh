#!/bin/sh
# Runs the real game through one scenario (tests/e2e/szenarien/*.szenario)
# under the director (tests/werkzeuge/regie.c) and checks what it left.
# A scenario file is plain text, one statement a line; "#" starts a comment,
# a text stands in double quotes ("\n" a line feed), times are virtual ms.
#   set-up:   ohne <file>  |  datei <file> "content"  |  umgebung <VAR=value>
#             einstellung "LINE"           (a line added to the shipped settings file)
#             steuerung [count] ["name"]   (the simulated controller)
#             zweites <script>             (a second game in the same folder, on the
#                                          director's script in that file beside the scenario)
#             nebenher "command"           (a shell command run beside the game, in its folder)
#   script:   @<ms> ... and +<ms> ...      (read by the director)
#   checks:   journal "text"               (in this order; "^text" at the start of a
#                                          line, "text$" at its end, "@<ms> text" at that time)
#             anzahl <n> "text"            (journal lines holding the text)
#             text|kein-text <picture> schrift_012|schrift_020 <x> <y> "text"
#             farbe <picture> <x> <y> "r,g,b"
#             feld <picture> <row> [x y] "pattern"   (a row of the playfield at x y,
#                                          by default the game's at 340 100)
#             inhalt <file> "content"      fehler "regex" (allowed FEHLER lines)
#             ende <exit code>             (0 unless given)
# Set by CTest: QF_BINARY, QF_DATEN_DIR, QF_QUELL_DIR, QF_WERKZEUGE,
# QF_ERGEBNISSE, QF_REGIE_LIB, QF_JOYSTICK_LIB.
set -uf
szenario=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
name=$(basename "$1" .szenario)
aus=$QF_ERGEBNISSE/$name
arbeit=$(mktemp -d "${TMPDIR:-/tmp}/qf-$name.XXXXXX")
trap 'rm -rf "$arbeit"' EXIT
rm -rf "$aus"
mkdir -p "$aus"
ln -s "$QF_DATEN_DIR" "$arbeit/daten"
cp "$QF_QUELL_DIR/data/einstellungen.konfig" "$QF_QUELL_DIR/data/quaderfall.dll" "$arbeit/"
fehler=0
scheitern() {
    echo "FEHLGESCHLAGEN ($name): $*" >&2
    fehler=1
}

# zerlege LINE: TEXT = the quoted part, the words before it as $1, $2, ...
zerlege() {
    TEXT=""
    case $1 in *\"*)
        TEXT=${1#*\"}
        TEXT=${TEXT%\"*} ;;
    esac
    WOERTER=${1%%\"*}
}

preload=$QF_REGIE_LIB
anzahl=1 steuername="Quaderfall Testpad" zweites="" nebenher=""
while IFS= read -r zeile; do
    zerlege "$zeile"
    set -- $WOERTER
    case "${1:-}" in
        ohne) rm -rf "${arbeit:?}/$2" ;;
        datei) printf '%b' "$TEXT" >"$arbeit/$2" ;;
        einstellung) printf '%b\n' "$TEXT" >>"$arbeit/einstellungen.konfig" ;;
        umgebung) export "$2" ;;
        steuerung)
            preload="$preload $QF_JOYSTICK_LIB"
            anzahl=${2:-1} steuername=${TEXT:-$steuername}
            : >"$arbeit/steuerung.befehle" ;;
        zweites) zweites=$(dirname "$szenario")/$2 ;;
        nebenher) nebenher=$TEXT ;;
    esac
done <"$szenario"

# spiele SCRIPT OUTPUT: the game in the working folder, on the director's script.
spiele() {
    mkdir -p "$2"
    (cd "$arbeit" && exec timeout -s KILL "${QF_ZEITLIMIT:-120}" env TZ=UTC \
        SDL12COMPAT_OPENGL_SCALING="${SDL12COMPAT_OPENGL_SCALING:-0}" QF_REGIE="$1" QF_REGIE_AUS="$2" \
        QF_JOYSTICK_BEFEHLE="$arbeit/steuerung.befehle" QF_JOYSTICK_ANZAHL="$anzahl" QF_JOYSTICK_NAME="$steuername" \
        LD_PRELOAD="$preload${LD_PRELOAD:+ $LD_PRELOAD}" "$QF_BINARY" >"$2/ausgabe.log" 2>"$2/fehler.log")
}

# sdl12-compat's scaling framebuffer would cost each frame a copy of the whole
# window; the game draws the same without it (echt.sh keeps it, and a
# scenario may set it).
beginn=$(date +%s%N)
[ -z "$nebenher" ] || (cd "$arbeit" && exec timeout -s KILL "${QF_ZEITLIMIT:-120}" sh -c "$nebenher") &
[ -z "$zweites" ] || { spiele "$zweites" "$aus/zweites" & }
spiele "$szenario" "$aus"
rc=$?
wait
[ -z "$zweites" ] || [ "$(tail -n 1 "$aus/zweites/ausgabe.log")" = "Programm erfolgreich beendet" ] \
    || scheitern "das zweite Spiel endet nicht wie es soll"
journal=$aus/journal
echo "$name: Rueckgabe $rc, $(tail -n 1 "$journal" | cut -d' ' -f1) ms Spielzeit" \
    "in $(( ($(date +%s%N) - beginn) / 1000000 )) ms"

bild() {
    echo "$aus/$1.ppm"
}

# schrift NAME: the font sheet (as PPM, made once for all scenarios) and its description.
schrift() {
    blatt=$QF_DATEN_DIR/bilder/eingabe/schriften/$1
    [ "$QF_ERGEBNISSE/$1.ppm" -nt "$blatt.bmp" ] || { convert "$blatt.bmp" "ppm:$aus/$1.ppm" \
        && mv "$aus/$1.ppm" "$QF_ERGEBNISSE/$1.ppm"; }
    echo "$QF_ERGEBNISSE/$1.ppm $blatt.konfig"
}

# Journal lines are "<ms> <text>"; a check finds its text in a line's text:
# "^text" at its start, "text$" at its end, "@<ms> text" at that time.
treffer() {
    awk -v ab="$2" -v t="$1" 'BEGIN { zeit = sub(/^@/, "", t); anfang = sub(/^\^/, "", t)
                                      ende = sub(/[$]$/, "", t) }
        NR > ab { s = zeit ? $0 : substr($0, index($0, " ") + 1); i = index(s, t)
            if (i && (i == 1 || !(zeit || anfang)) && (!ende || substr(s, length(s) - length(t) + 1) == t)) {
                print NR; if (ab >= 0) exit } }' "$journal"
}

erlaubt="^$"
vorige=0
while IFS= read -r zeile; do
    zerlege "$zeile"
    set -- $WOERTER
    case "${1:-}" in
        journal)
            nummer=$(treffer "$TEXT" "$vorige")
            [ -n "$nummer" ] || scheitern "nicht (in dieser Reihenfolge) im Journal: $TEXT"
            vorige=${nummer:-$vorige} ;;
        anzahl)
            ist=$(treffer "$TEXT" -1 | wc -l)
            [ "$ist" -eq "$2" ] || scheitern "'$TEXT' $ist-mal im Journal statt $2-mal" ;;
        text | kein-text)
            bericht=$("$QF_WERKZEUGE/bild_pruefen" "$(bild "$2")" text $(schrift "$3") "$4" "$5" "$TEXT")
            ergebnis=$?
            [ "$1" = text ] && [ $ergebnis -ne 0 ] && scheitern "$2 zeigt nicht '$TEXT' bei ($4, $5): $bericht"
            [ "$1" = kein-text ] && [ $ergebnis -ne 1 ] && scheitern "$2 zeigt '$TEXT' bei ($4, $5): $bericht" ;;
        farbe)
            ist=$("$QF_WERKZEUGE/bild_pruefen" "$(bild "$2")" farbe "$3" "$4")
            [ "$ist" = "$TEXT" ] || scheitern "$2 ($3, $4) ist $ist statt $TEXT" ;;
        feld)
            ist=$("$QF_WERKZEUGE/bild_pruefen" "$(bild "$2")" feld "${4:-340}" "${5:-100}" "$3")
            [ "$ist" = "$TEXT" ] || scheitern "$2: Reihe $3 ist $ist statt $TEXT" ;;
        inhalt)
            [ "$(od -c "$arbeit/$2")" = "$(printf '%b' "$TEXT" | od -c)" ] \
                || scheitern "$2 ist '$(cat "$arbeit/$2")' statt '$TEXT'" ;;
        fehler) erlaubt="$erlaubt|$TEXT" ;;
        ende) erwartet=$2 ;;
    esac
done <"$szenario"

[ "$rc" -eq "${erwartet:-0}" ] || scheitern "Rueckgabe $rc statt ${erwartet:-0}"
unerwartet=$(grep "FEHLER" "$aus/fehler.log" | grep -Ev -- "$erlaubt"; grep -E "^[0-9]+ FEHLER" "$journal")
[ -z "$unerwartet" ] || scheitern "unerwartete FEHLER: $unerwartet"
if [ $fehler -ne 0 ]; then
    echo "--- Journal (Ende) ---"
    tail -n 25 "$journal"
    echo "--- Fehlerausgabe (Ende) ---"
    tail -n 15 "$aus/fehler.log"
fi
exit $fehler
