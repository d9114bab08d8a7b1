#!/bin/sh
# With a simulated game controller: the main menu names it; its hat moves the
# pointer in 20-pixel steps and its button 0 clicks the settings button; the
# settings screen shows what the controller reports, assigns rotate, pause
# and drop by button presses and writes them to stg.konfig when left by
# Escape, with the menu music going on.
. "$(dirname "$0")/lib.sh"

MENUEMUSIK="#o> Musik 'daten/geraeuschkulisse/musik/hauptmenue.xm'"

beschriftung() {
    qf_text_sichtbar "$1" schrift_012 $(( $2 + 4 )) $(( $3 + 8 )) "$4"
}

# zeiger_nach x y: puts the pointer there (the event pump warps it to its own
# position every 50 ms, which can undo a move that comes in between).
zeiger_nach() {
    for versuch in 1 2 3 4 5; do
        xdotool mousemove "$1" "$2"
        sleep 0.3
        [ "$(qf_zeiger)" = "$1 $2" ] && return 0
    done
    qf_scheitern "der Zeiger bleibt nicht bei ($1, $2), sondern bei $(qf_zeiger)"
}

# blinkt bild x y text: screenshots show the text and, a moment later, not (and so on).
blinkt() {
    for erwartet in 0 1 0; do
        grenze=$(( $(date +%s) + 10 ))
        while :; do
            [ "$(date +%s)" -lt "$grenze" ] || return 1
            qf_bildschirmfoto "$1"
            qf_text_sichtbar "$1" schrift_012 "$2" "$3" "$4" 2>/dev/null
            [ $? -eq $erwartet ] && break
            sleep 0.05
        done
    done
}

# halte knopf bild "step line": holds the controller button until the settings
# screen shows that step line, then lets go and waits for the release to be seen.
halte() {
    qf_steuerung "knopf $1 1"
    qf_warte_auf_text "$2" schrift_012 400 650 "$3"
    qf_steuerung "knopf $1 0"
    qf_warte_auf_text "$2" schrift_012 400 650 "${3%1}0"
}

um_vielfache_von_20() {
    [ "$1" -gt 0 ] && [ $(( $1 % 20 )) -eq 0 ]
}

qf_arbeitsverzeichnis
qf_starte_mit_steuerung QF_JOYSTICK_NAME="Testpad Größe"
qf_bildschirm 0
sleep 1
qf_taste Return
qf_bildschirm 10
qf_menue_zeigt hauptmenue_steuerung 404 258 "KLÖTZCHEN STAPELN"
qf_pruefe "Anzahl der Spielsteuerungen" qf_text_sichtbar hauptmenue_steuerung schrift_012 350 540 \
    "1 SPIELSTEUERUNG(EN) GEFUNDEN! "
qf_pruefe "ihr Name" qf_text_sichtbar hauptmenue_steuerung schrift_012 400 560 "o Testpad Größe"
qf_pruefe "kein KEINE" qf_text_fehlt hauptmenue_steuerung schrift_012 350 700 "     KEINE"
qf_pruefe "EINSTELLEN" beschriftung hauptmenue_steuerung 400 700 "   EINSTELLEN"

# The hat to the right moves the pointer along the row of EINSTELLEN (400..576, 700..732).
zeiger_nach 300 716
qf_steuerung "hut 2"
grenze=$(( $(date +%s) + 15 ))
while [ "$(qf_zeiger | cut -d' ' -f1)" -lt 440 ]; do
    [ "$(date +%s)" -lt "$grenze" ] || qf_scheitern "der Zeiger folgt dem Steuerkreuz nicht ($(qf_zeiger))"
    sleep 0.02
done
qf_steuerung "hut 0"
sleep 0.5
set -- $(qf_zeiger)
qf_pruefe "nach rechts in 20er-Schritten (von 300 nach $1)" um_vielfache_von_20 $(( $1 - 300 ))
qf_pruefe "die Hoehe bleibt (ist $2)" test "$2" -eq 716
qf_pruefe "der Zeiger steht auf EINSTELLEN" test "$1" -le 576
qf_steuerknopf_bis 0 "#o> Bildschirm 90" 1

# The settings screen, fresh: rotate is button 1, nothing else assigned.
qf_menue_zeigt einstellungen 400 650 "EINST.-NR.:1   WAR GEDR.: 0"
qf_pruefe "Ueberschrift EINSTELLUNGEN" qf_text_sichtbar einstellungen schrift_020 380 170 "EINSTELLUNGEN"
qf_pruefe "Name und Ausstattung" qf_text_sichtbar einstellungen schrift_012 400 220 \
    "Testpad Größe\nKnöpfe: 12\nAchsen: 4\nBälle: 0\nSteuerkreuze: 1"
qf_pruefe "Belegung nach dem ersten Start" qf_text_sichtbar einstellungen schrift_012 400 500 \
    "Drehtaste: 1\nPausetaste: unbelegt\nBlocksturztaste: unbelegt"
qf_pruefe "Schrittzeile" qf_text_sichtbar einstellungen schrift_012 400 650 "EINST.-NR.:1   WAR GEDR.: 0"
qf_pruefe "EINSTELLEN!" beschriftung einstellungen 400 450 "   EINSTELLEN!"
qf_pruefe "FERTIG!" beschriftung einstellungen 400 700 "    FERTIG!"

# What the controller reports now.
qf_steuerung "hut 3"
qf_steuerung "knopf 4 1"
qf_steuerung "knopf 9 1"
qf_steuerung "achse 1 -16384"
qf_steuerung "achse 3 32767"
qf_warte_auf_text einstellungen_zustand schrift_012 400 320 \
    "STEUERKREUZ:\n rechts auf \nGEDRÜCKTE KNÖPFE: \n 5 10 \nACHSENZUSTÄNDE: \n 1:0% 2:-50% 3:0% 4:100% " 20
echo "ok: Steuerkreuz, gedrueckte Knoepfe und Achsen"
qf_steuerung "hut 0"
qf_steuerung "knopf 4 0"
qf_steuerung "knopf 9 0"
qf_steuerung "achse 1 0"
qf_steuerung "achse 3 0"

# Assigning: EINSTELLEN!, then one press each for rotate, pause and drop.
# The click switches the assignment mode on: the prompt appears (again, if missed).
for versuch in 1 2 3 4 5; do
    zeiger_nach 488 466
    qf_klick 488 466 0.4
    zeiger_nach 1010 300
    qf_zeigt_bald einstellungen_drehen schrift_012 400 500 "Taste für Drehen drücken" 5 && break
done
qf_pruefe "Aufforderung fuer das Drehen blinkt" blinkt einstellungen_drehen 400 500 "Taste für Drehen drücken"
halte 3 einstellungen_drehen "EINST.-NR.:2   WAR GEDR.: 1"
qf_pruefe "Aufforderung fuer die Pause blinkt" blinkt einstellungen_pause 400 500 "Taste für Pause drücken"
halte 5 einstellungen_pause "EINST.-NR.:3   WAR GEDR.: 1"
qf_pruefe "Aufforderung fuer den Blocksturz blinkt" blinkt einstellungen_sturz 400 500 \
    "Taste für Blocksturz drücken"
# Held, the drop button is also what step 4 sees: that ends the assignment,
# which then shows the buttons assigned.
qf_steuerung "knopf 7 1"
qf_warte_auf_text einstellungen_belegt schrift_012 400 500 \
    "Drehtaste: 4\nPausetaste: 6\nBlocksturztaste: 8" 20
echo "ok: neue Belegung"
qf_steuerung "knopf 7 0"
qf_warte_auf_text einstellungen_belegt schrift_012 400 650 "EINST.-NR.:1   WAR GEDR.: 0" 20
echo "ok: wieder Schritt 1"

qf_taste Escape
qf_bildschirm 10 2
qf_pruefe "Escape schreibt stg.konfig" \
    test "$(cat "$QF_ARBEIT/stg.konfig")" = "$(printf 'DREHTASTE=3\nPAUSETASTE=5\nSTURZTASTE=7')"
qf_pruefe "die Hauptmenuemusik laeuft weiter" test "$(qf_zaehle_log "$MENUEMUSIK")" -eq 1

qf_menue_da hauptmenue_zurueck 404 258 "KLÖTZCHEN STAPELN"
qf_taste Escape
qf_warte_ende 20
qf_pruefe "Ende mit 0 (ist $QF_ENDE)" test "$QF_ENDE" -eq 0
qf_pruefe "stg.konfig behaelt die Belegung" \
    test "$(cat "$QF_ARBEIT/stg.konfig")" = "$(printf 'DREHTASTE=3\nPAUSETASTE=5\nSTURZTASTE=7')"
qf_keine_fehler
