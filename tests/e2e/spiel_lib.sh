# Helpers for the end-to-end tests of a game: the way into it, the test
# player (qf_spieler) and its moves. Sourced after lib.sh.
# Set by CTest: QF_SPIELER.

QF_SPIELER_DIR="$QF_ARBEIT/spieler"
mkdir -p "$QF_SPIELER_DIR"
QF_ZUSTAND="$QF_SPIELER_DIR/zustand"

# The game as a player reaches it: Escape ends the intro, the main menu's
# "KLÖTZCHEN STAPELN" starts the game. Arguments go to qf_starte.
qf_starte_im_spiel() {
    qf_starte "$@"
    qf_ins_spiel
}

# From the intro of a game started otherwise (qf_starte_mit_steuerung) into the game.
qf_ins_spiel() {
    qf_bildschirm 0
    sleep 1
    qf_druecke Escape
    qf_bildschirm 10
    qf_menue_zeigt hauptmenue 404 258 "KLÖTZCHEN STAPELN"
    qf_klicke 488 266
    qf_bildschirm 100
    qf_warte_auf_log "#o> MenuSpiel - Spiel beginnt" 60
}

# A click held long enough for a slow frame: widgets read the live button
# state while they are drawn, so a press must last past one whole frame
# (on a loaded machine a frame may take half a second).
qf_klicke() {
    xdotool mousemove "$1" "$2" sleep 0.3 mousedown 1 sleep 0.8 mouseup 1
    sleep 0.3
}

# A tap: pressed and released by one xdotool call, so that a slow start of
# a second process on a loaded machine can't turn it into a held key (and
# auto-repeat). The game takes the press from its key buffer, whatever frame
# the release falls into.
qf_druecke() {
    echo "$(date +%T.%N | cut -c1-12) Taste $1" >>"$QF_SPIELER_DIR/verlauf"
    xdotool key "$1"
    sleep 0.05
}

# qf_halte KEY SECONDS: a key held, down and up in one xdotool call.
qf_halte() {
    echo "$(date +%T.%N | cut -c1-12) Taste $1 gehalten $2 s" >>"$QF_SPIELER_DIR/verlauf"
    xdotool keydown "$1" sleep "$2" keyup "$1"
    sleep 0.05
}

# qf_spieler with retries while the screen shows no consistent picture
# (a fade, a piece not yet placed); its output in QF_ANTWORT, empty once the
# game is over.
qf_spieler() {
    grenze=$(( $(date +%s) + 20 ))
    while :; do
        QF_ANTWORT=""
        qf_log_enthaelt "SPIEL VORÜBER" && return 0
        QF_ANTWORT=$(cd "$QF_SPIELER_DIR" && "$QF_SPIELER" "$@" 2>"$QF_SPIELER_DIR/fehler")
        rc=$?
        [ $rc -eq 0 ] && return 0
        if [ $rc -ne 2 ] || [ "$(date +%s)" -ge "$grenze" ]; then
            cat "$QF_SPIELER_DIR/fehler" >&2
            echo "--- zuletzt ---" >&2
            tail -n 15 "$QF_SPIELER_DIR/verlauf" >&2
            qf_scheitern "qf_spieler $* (Rueckgabe $rc)"
        fi
        sleep 0.2
    done
}

# The falling piece: TEIL_ART, TEIL_SPALTE, TEIL_ZEILE (of its box), TEIL_FORM
# (turns made, modulo its shapes), TEIL_LINKS (its leftmost cell).
qf_teil() {
    qf_spieler teil "$QF_ZUSTAND"
    echo "$(date +%T.%N | cut -c1-12) Teil $QF_ANTWORT" >>"$QF_SPIELER_DIR/verlauf"
    [ -n "$QF_ANTWORT" ] || qf_scheitern "kein fallender Stein: das Spiel ist vorbei"
    set -- $QF_ANTWORT
    TEIL_ART=$1
    TEIL_SPALTE=$2
    TEIL_ZEILE=$3
    TEIL_FORM=$4
    TEIL_LINKS=$5
}

# qf_warte_auf_teil SPALTE FORM: until the piece shows that column and shape,
# so that a key has reached the game before the next one is sent.
qf_warte_auf_teil() {
    bis=$(( $(date +%s) + 10 ))
    while :; do
        qf_teil
        [ "$TEIL_SPALTE:$TEIL_FORM" = "$1:$2" ] && return 0
        [ "$(date +%s)" -lt "$bis" ] || qf_scheitern "der Stein zeigt $TEIL_SPALTE:$TEIL_FORM statt $1:$2"
        sleep 0.1
    done
}

# qf_warte_auf_spalte ALT: until the piece has left column ALT; its column in TEIL_SPALTE.
qf_warte_auf_spalte() {
    bis=$(( $(date +%s) + 10 ))
    while :; do
        qf_teil
        [ "$TEIL_SPALTE" != "$1" ] && return 0
        [ "$(date +%s)" -lt "$bis" ] || qf_scheitern "der Stein bleibt in Spalte $1"
        sleep 0.1
    done
}

# One piece placed by the test player, key by key, each one seen on the screen
# before the next; QF_ENDE_GEPLANT=1 when its drop ends the game.
qf_zug() {
    qf_spieler plane "$QF_ZUSTAND" "$1"
    echo "$(date +%T.%N | cut -c1-12) Plan $QF_ANTWORT" >>"$QF_SPIELER_DIR/verlauf"
    QF_ENDE_GEPLANT=0
    for schritt in $QF_ANTWORT; do
        case "$schritt" in
            ENDE) QF_ENDE_GEPLANT=1 ;;
            *:*:*)
                qf_druecke "${schritt%%:*}"
                rest=${schritt#*:}
                qf_warte_auf_teil "${rest%%:*}" "${rest#*:}"
                ;;
            space)
                qf_druecke space
                mv "$QF_ZUSTAND.neu" "$QF_ZUSTAND"
                ;;
        esac
    done
    sleep 0.15
}

# While paused: Space drops the piece (the pause does not hold the hard drop)
# and the next one waits at the top, so the test player can learn the grid.
qf_fallen_in_der_pause() {
    qf_druecke space
    qf_spieler lerne "$QF_ZUSTAND"
    echo "$(date +%T.%N | cut -c1-12) gelernt:" >>"$QF_SPIELER_DIR/verlauf"
    echo "$QF_ANTWORT" >>"$QF_SPIELER_DIR/verlauf"
}

qf_reihen() {
    (cd "$QF_SPIELER_DIR" && "$QF_SPIELER" reihen "$QF_ZUSTAND")
}

# qf_spiele_bis_ende ZIEL [picture]: places pieces until ZIEL rows are dissolved,
# then drops them where they start until the game is over. The picture is
# taken after the first dissolved row, which QF_REIHEN_FOTO counts.
qf_spiele_bis_ende() {
    zuege=0
    while ! qf_log_enthaelt "SPIEL VORÜBER"; do
        zuege=$((zuege + 1))
        [ $zuege -le 80 ] || qf_scheitern "nach 80 Steinen kein Spielende"
        vorher=$(qf_reihen)
        qf_zug "$1"
        if [ -n "${2:-}" ] && [ "$vorher" -eq 0 ] && [ "$(qf_reihen)" -gt 0 ]; then
            sleep 0.1
            qf_bildschirmfoto "$2"
            QF_REIHEN_FOTO=$(qf_reihen)
        fi
        if [ "$QF_ENDE_GEPLANT" -eq 1 ]; then
            qf_warte_auf_log "SPIEL VORÜBER" 20
        fi
    done
    QF_ZUEGE=$zuege
}

# qf_foto_eingeblendet NAME X Y "r,g,b" [X2 Y2 "r,g,b"]: screenshots until the
# pixel shows the colour, i.e. the screen has faded in from black, and the
# second pixel, if given, does not show its colour (it tells the screen from
# the one before, which may still stand while the new one loads).
qf_foto_eingeblendet() {
    grenze=$(( $(date +%s) + 30 ))
    while :; do
        qf_bildschirmfoto "$1"
        if [ "$(qf_pixel "$1" "$2" "$3")" = "$4" ] \
            && { [ $# -lt 7 ] || [ "$(qf_pixel "$1" "$5" "$6")" != "$7" ]; }; then
            return 0
        fi
        [ "$(date +%s)" -lt "$grenze" ] || qf_scheitern "$1: der Bildschirm blendet nicht ein"
        sleep 0.3
    done
}

# The hall of fame, faded in: white background, and the trophy where the
# results screen has none.
qf_foto_ruhmeshalle() {
    qf_foto_eingeblendet "$1" 600 650 "255,255,255" 894 440 "255,255,255"
}

# qf_tinte NAME X Y W H: the rectangle of the screenshot holds dark ink (text).
qf_tinte() {
    hellste=$(convert "$(qf_bild "$1")" -crop "$4x$5+$2+$3" +repage -colorspace gray \
        -format '%[fx:int(255*minima)]' info:)
    [ "$hellste" -lt 100 ]
}

# qf_dunkler NAME X Y W H: the rectangle holds pixels much darker than the
# background at (600, 650). Relative, so it holds while the screen fades in.
qf_dunkler() {
    hell=$(convert "$(qf_bild "$1")" -crop 1x1+600+650 +repage -colorspace gray \
        -format '%[fx:int(255*p{0,0})]' info:)
    dunkel=$(convert "$(qf_bild "$1")" -crop "$4x$5+$2+$3" +repage -colorspace gray \
        -format '%[fx:int(255*minima)]' info:)
    [ "$dunkel" -lt $((hell - 60)) ]
}

# qf_pruefe_aufforderung SEKUNDE: the name prompt of the results screen blinks
# from entry (at that second) on, and after about ten seconds it stays off.
# Watched from the entry on, the fade-in included: at a low frame rate the
# fade may last as long as the blinking.
qf_pruefe_aufforderung() {
    beginn=$1
    while ! { qf_bildschirmfoto aufforderung && qf_dunkler aufforderung 470 470 300 28; }; do
        [ $(( $(date +%s) - beginn )) -lt 20 ] || qf_scheitern "keine Aufforderung zum Namen"
        sleep 0.2
    done
    echo "ok: die Aufforderung erscheint"
    aus=0
    while [ $aus -lt 8 ]; do
        [ $(( $(date +%s) - beginn )) -lt 60 ] || qf_scheitern "die Aufforderung blinkt ohne Ende"
        sleep 0.4
        qf_bildschirmfoto aufforderung
        if qf_dunkler aufforderung 470 470 300 28; then
            aus=0
        else
            aus=$((aus + 1))
        fi
    done
    dauer=$(( $(date +%s) - beginn ))
    qf_pruefe "die Aufforderung blinkt etwa zehn Sekunden (aus seit $dauer s)" test "$dauer" -ge 11
}

# qf_pruefe_nichts_darunter NAME n: below the n lines of the hall of fame the
# screenshot shows no text.
qf_pruefe_nichts_darunter() {
    if [ "$2" -lt 10 ] && qf_tinte "$1" 50 $((234 + 28 * $2)) 760 28; then
        qf_scheitern "$1: unter der Liste steht noch etwas"
    fi
    echo "ok: $1: nach $2 Zeilen nichts mehr"
}
