#!/bin/sh
# A game with the controller: the hat moves the piece when it newly points
# left or right (the diagonals too) and repeats while held, down drops
# softly; the rotate and drop buttons act once per press however long held;
# the pause button pauses, and then the hat steers the mouse pointer instead.
# After the end the controller's button 0 clicks "ZUR AUSWERTUNG".
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/spiel_lib.sh"

DREHEN=3
PAUSE=4
STURZ=5

# qf_hut_tippen value column: the hat pointed for a moment, shorter than the
# auto-repeat delay; on a slow frame the game may not see so short a tap
# (it reads the hat once a frame), which changes nothing, so it is tried
# again until the piece has left the column.
qf_hut_tippen() {
    for versuch in 1 2 3 4 5; do
        echo "$(date +%T.%N | cut -c1-12) Hut $1 getippt" >>"$QF_SPIELER_DIR/verlauf"
        qf_steuerung "hut $1"
        sleep 0.15
        qf_steuerung "hut 0"
        sleep 0.3
        qf_teil
        [ "$TEIL_SPALTE" != "$2" ] && return 0
    done
    qf_scheitern "der Hut ($1) bewegt den Stein nicht"
}

# qf_hut value seconds: the hat held in a position, then centred.
qf_hut() {
    echo "$(date +%T.%N | cut -c1-12) Hut $1 fuer $2 s" >>"$QF_SPIELER_DIR/verlauf"
    qf_steuerung "hut $1"
    sleep "$2"
    qf_steuerung "hut 0"
    sleep 0.1
}

# qf_knopf_bis n "text" k: controller button n held until the log shows the
# text k times (the game acts on the press, not on holding it), then released.
qf_knopf_bis() {
    qf_steuerung "knopf $1 1"
    qf_warte_auf_anzahl "$2" "$3"
    qf_steuerung "knopf $1 0"
    sleep 0.3
}

# The drop button in the pause, held until the next piece waits at the top.
qf_sturzknopf_in_der_pause() {
    qf_steuerung "knopf $STURZ 1"
    qf_spieler lerne "$QF_ZUSTAND"
    qf_steuerung "knopf $STURZ 0"
    sleep 0.3
}

zeiger_x() {
    set -- $(qf_zeiger)
    echo "$1"
}

qf_arbeitsverzeichnis
printf 'DREHTASTE=%s\nPAUSETASTE=%s\nSTURZTASTE=%s\n' $DREHEN $PAUSE $STURZ >"$QF_ARBEIT/stg.konfig"
qf_starte_mit_steuerung
qf_ins_spiel

# Pause button: the piece stays, the drop button still drops it.
qf_knopf_bis $PAUSE "#o> MenuSpiel - Pause" 1
qf_sturzknopf_in_der_pause
qf_teil
qf_pruefe "Sturzknopf in der Pause: der naechste Stein wartet oben" test "$TEIL_SPALTE.$TEIL_ZEILE" = "3.0"
xdotool mousemove 500 500
sleep 0.3
vorher=$(zeiger_x)
qf_hut 2 1.0
qf_teil
qf_pruefe "in der Pause lenkt der Hut den Zeiger ($vorher -> $(zeiger_x))" test "$(zeiger_x)" -ge $((vorher + 20))
qf_pruefe "... und nicht den Stein" test "$TEIL_SPALTE.$TEIL_ZEILE" = "3.0"
qf_knopf_bis $PAUSE "#o> MenuSpiel - weiter" 1

# The hat, newly to the right (right-up counts), then newly to the left (left-down).
qf_hut_tippen 3 3
sleep 0.4
qf_teil
qf_pruefe "Hut rechts oben: eine Spalte nach rechts ($TEIL_SPALTE)" test "$TEIL_SPALTE" -eq 4
qf_hut_tippen 12 4
sleep 0.4
qf_teil
qf_pruefe "Hut links unten: eine Spalte nach links ($TEIL_SPALTE)" test "$TEIL_SPALTE" -eq 3

# The rotate button turns once per press, however long it is held.
case "$TEIL_ART" in
    1) formen=1 ;;      # O
    0 | 4 | 5) formen=2 ;;  # I, S, Z
    *) formen=4 ;;
esac
form=$TEIL_FORM
qf_steuerknopf $DREHEN 0.8
qf_teil
qf_pruefe "Drehknopf gehalten: eine Drehung ($form -> $TEIL_FORM)" \
    test "$TEIL_FORM" -eq $(( (form + 1) % formen ))
qf_steuerknopf $DREHEN 0.8
qf_teil
qf_pruefe "neu gedrueckt: noch eine ($TEIL_FORM)" test "$TEIL_FORM" -eq $(( (form + 2) % formen ))
x=$(zeiger_x)
qf_hut 8 2.0
qf_teil
qf_pruefe "Hut links gehalten: bis an die Wand (linke Zelle $TEIL_LINKS)" test "$TEIL_LINKS" -eq 0
qf_pruefe "im Spiel bleibt der Zeiger stehen" test "$(zeiger_x)" -eq "$x"

qf_knopf_bis $PAUSE "#o> MenuSpiel - Pause" 2
qf_sturzknopf_in_der_pause
qf_knopf_bis $PAUSE "#o> MenuSpiel - weiter" 2

# Hat down: the soft drop, on a new piece with the field below it free.
qf_teil
zeile=$TEIL_ZEILE
sleep 0.8
qf_teil
schwerkraft=$((TEIL_ZEILE - zeile))
zeile=$TEIL_ZEILE
qf_hut 4 0.8
qf_teil
qf_pruefe "Hut unten: weicher Fall ($zeile -> $TEIL_ZEILE, ohne $schwerkraft)" \
    test "$TEIL_ZEILE" -ge $((zeile + schwerkraft + 2))

# Every piece dropped where it starts: the game ends without a row.
stuerze=0
while ! qf_log_enthaelt "SPIEL VORÜBER"; do
    stuerze=$((stuerze + 1))
    [ $stuerze -le 60 ] || qf_scheitern "kein Spielende nach 60 Stuerzen"
    qf_steuerknopf $STURZ 0.15
done
qf_pruefe "vorbei ohne Reihe" qf_log_enthaelt "#o> MenuSpiel - SPIEL VORÜBER, GELÖSTE REIHEN: 0"

# After the end the controller works the pointer again: its button 0 clicks.
# While held it clicks anew every frame, so the button completes its click
# only once it is let go; a press missed by a slow frame is tried again.
xdotool mousemove 480 466
sleep 0.3
for versuch in 1 2 3 4 5; do
    qf_steuerknopf 0 0.6
    sleep 1
    qf_log_enthaelt "#o> Bildschirm 50" && break
done
qf_bildschirm 50
qf_warte_auf_log "#o> MenuAuswertung - GELÖSTE REIHEN: 0, kein Platz"
qf_foto_eingeblendet steuerung_auswertung 600 650 "255,255,255"
qf_klicke 830 715
qf_bildschirm 30
qf_beende_mit_escape
qf_pruefe "Ende mit Rueckgabewert 0" test "$QF_ENDE" -eq 0
qf_keine_fehler
