#!/bin/sh
# The game on a 3840 x 2160 screen under a window manager (testlauf.sh starts
# openbox): the window opens at twice its size and takes clicks there, the
# controller steers the pointer in steps of the picture's pixels; Alt+Return
# and F11 switch to full screen and back on every screen, unseen by the
# screens (Return would end the intro), and clicks land in full screen too;
# another window taking the focus pauses a game, only Escape resumes it.
# Then started in full screen: the pointer moves and clicks there as in a
# window (no relative mouse mode), is free after every switch to a window,
# and a name field holds it in the game's corner only while the game has the
# focus.
. "$(dirname "$0")/lib.sh"

# umschalten KEY SIZE: the key switches, and the game's window gets that size. The window
# changes size inside the switch, before the game has let go of the pointer: the switch is done
# when the game logs it.
umschalten() {
    gewechselt=$(( $(qf_zaehle_log "#o> VOQ_OGL_Init - Fenster") + $(qf_zaehle_log "#o> VOQ_OGL_Init - Vollbild") ))
    grenze=$(( $(date +%s) + 10 ))
    xdotool key "$1"
    while [ $(( $(qf_zaehle_log "#o> VOQ_OGL_Init - Fenster") + $(qf_zaehle_log "#o> VOQ_OGL_Init - Vollbild") )) -le $gewechselt ]; do
        kill -0 "$QF_PID" 2>/dev/null || qf_scheitern "das Spiel endete beim Wechsel ($1)"
        [ "$(date +%s)" -lt "$grenze" ] || qf_scheitern "$1: der Wechsel steht nicht im Log"
        sleep 0.1
    done
    for versuch in $(seq 25); do
        xdotool getwindowgeometry "$fenster" | grep -q "Geometry: $2" && return
        sleep 0.2
    done
    qf_scheitern "$1: das Fenster wird nicht $2"
}
# klick X Y LOGTEXT [n]: a click at window pixel (X, Y), until the text stands n times in the log.
# With a controller the menus put the pointer back where they last saw it, every 50 ms: moved a
# second time, it stays.
klick() {
    for versuch in 1 2 3; do
        xdotool mousemove --window "$fenster" "$1" "$2" sleep 0.3 mousemove --window "$fenster" "$1" "$2" \
            mousedown 1 sleep 0.4 mouseup 1 sleep 1
        [ "$(qf_zaehle_log "$3")" -ge "${4:-1}" ] && break
    done
    qf_warte_auf_anzahl "$3" "${4:-1}" 5
}
# zeigerschritt: the hat steps the pointer 20 picture pixels to the right (40 window pixels in the
# doubled window, 56 in full screen), on the same row. The hat is held until two steps are seen,
# at most 10 s (frames come slowly under load or in a sanitizer build): the pump's warp to where
# SDL last saw the pointer may undo a step SDL has not yet seen when the hat is let go.
zeigerschritt() {
    set -- $(qf_zeiger)
    echo "hut 2" >>"$QF_ARBEIT/steuerung"
    for warten in $(seq 100); do
        sleep 0.1
        [ "$(qf_zeiger | cut -d' ' -f1)" -ge $(( $1 + 80 )) ] && break
    done
    echo "hut 0" >>"$QF_ARBEIT/steuerung" && sleep 0.3
    set -- "$@" $(qf_zeiger)
    qf_pruefe "Steuerung: ($1, $2) nach ($3, $4)" \
        test $(( $3 - $1 )) -ge 40 -a $(( $3 - $1 )) -lt 480 -a $(( ($4 - $2) / 2 )) -eq 0
}

qf_arbeitsverzeichnis
qf_starte LD_PRELOAD="$QF_JOYSTICK_LIB${LD_PRELOAD:+ $LD_PRELOAD}" QF_JOYSTICK_BEFEHLE="$QF_ARBEIT/steuerung"
qf_bildschirm 0
fenster=$(qf_fenster)
umschalten alt+Return 3840x2160
umschalten F11 2048x1536
qf_pruefe "das Intro laeuft noch" test "$(qf_zaehle_log "#o> Bildschirm 10")" -eq 0
xdotool key Escape
qf_bildschirm 10
xdotool mousemove --window "$fenster" 400 300
zeigerschritt
klick 976 532 "#o> Bildschirm 100"                # KLÖTZCHEN STAPELN
# Crisp: every picture pixel a square of 2 x 2 window pixels of one colour.
import -window "$fenster" "$(qf_bild fenster)"
qf_pruefe "scharf" test "$(convert "$(qf_bild fenster)" -sample 50% -sample 200% png:- \
    | compare -metric AE "$(qf_bild fenster)" png:- null: 2>&1)" = 0
for weg in 1 2; do                                # the second time while paused
    xlogo 2>/dev/null &
    qf_warte_auf_log "#o> MenuSpiel - Pause" 10
    kill $! && wait $!
    xdotool windowactivate --sync "$fenster"
done
# The paused picture stands still, once the game's fade-in is over, but for
# the clock, which has it drawn each second; uncovered, it is drawn at once.
# Three times, at other moments of the clock's second.
# (ImageMagick 7 writes large counts as 3.14573e+06.)
gleich() { compare -metric AE "$(qf_bild "$1")" "$(qf_bild "$2")" null: 2>&1 | awk '{ exit !($1 < 20000) }'; }
for versuch in $(seq 20); do
    import -window "$fenster" "$(qf_bild vorher)" && sleep 0.3 && import -window "$fenster" "$(qf_bild pause)"
    gleich vorher pause && break
done
for weg in 1 2 3; do
    xlogo -geometry 400x400+700+500 2>/dev/null &
    xdotool search --sync --class xlogo >/dev/null && sleep 0.$weg && kill $! && wait $!
    sleep 0.2 && import -window "$fenster" "$(qf_bild aufgedeckt)"
    qf_pruefe "aufgedeckt neu gezeichnet" gleich pause aufgedeckt
done
xdotool windowactivate --sync "$fenster"
xdotool key Escape
qf_warte_auf_log "#o> MenuSpiel - weiter" 10
qf_pruefe "eine Pause, einmal weiter" test "$(qf_zaehle_log "#o> MenuSpiel - ")" -eq 3
umschalten alt+Return 3840x2160
umschalten F11 2048x1536
umschalten F11 3840x2160
klick 869 466 "#o> Bildschirm 10" 2               # ABBRECHEN, in full screen at (138, 166)
zeigerschritt
umschalten alt+Return 2048x1536
klick 976 932 "Programm erfolgreich beendet"      # ERLÖSE MICH!
qf_warte_ende 20
qf_pruefe "Ende mit 0 (ist $QF_ENDE)" test "$QF_ENDE" -eq 0
qf_keine_fehler

# frei X Y: the desktop's pointer goes there and stays.
frei() {
    xdotool mousemove "$1" "$2" sleep 0.5
    qf_pruefe "Zeiger bleibt bei ($1, $2) (ist $(qf_zeiger))" test "$(qf_zeiger)" = "$1 $2"
}
sed -i 's/^VOLLBILD=.*/VOLLBILD=1/' "$QF_ARBEIT/einstellungen.konfig"
printf 'ANNA|5;BERT|-1;' >"$QF_ARBEIT/quaderfall.dll"
qf_starte
qf_bildschirm 0
fenster=$(qf_fenster)
xdotool key Escape
qf_bildschirm 10
klick 1853 890 "#o> Bildschirm 30"                # LISTE DES RUHMS!, in full screen at (488, 316)
xdotool key Escape
qf_bildschirm 10 2
umschalten F11 1024x768
frei 3000 2000
umschalten F11 3840x2160
umschalten F11 1024x768
frei 3100 1900
klick 488 266 "#o> Bildschirm 100"                # KLÖTZCHEN STAPELN
for i in $(seq 16); do xdotool key space sleep 0.15; done
klick 488 466 "#o> Bildschirm 50"                 # ZUR AUSWERTUNG: place 2, the name field selected
xlogo 2>/dev/null &
xdotool search --sync --class xlogo >/dev/null && sleep 0.5
frei 150 150
kill $! && wait $!
xdotool windowactivate --sync "$fenster" key Return
klick 838 716 "#o> Bildschirm 30" 2               # LISTE DES RUHMS
qf_beende_mit_escape
qf_pruefe "Ende mit 0 (ist $QF_ENDE)" test "$QF_ENDE" -eq 0
qf_keine_fehler
