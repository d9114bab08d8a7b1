#!/bin/sh
# The way through the screens: intro, main menu, a game left by ABBRECHEN,
# the hall of fame left by Escape, and back each time to the main menu, whose
# music then starts anew (it goes on only after help, about and the controller
# settings). Escape in the main menu quits.
. "$(dirname "$0")/lib.sh"

MENUEMUSIK="#o> Musik 'daten/geraeuschkulisse/musik/hauptmenue.xm'"

hauptmenue() {
    qf_bildschirm 10 "$1"
    qf_menue_da hauptmenue 404 258 "KLÖTZCHEN STAPELN"
}

# knopf x y "log line" n: a button clicked in its middle until the log line stands there n times.
knopf() {
    qf_klick_bis $(( $1 + 88 )) $(( $2 + 16 )) "$3" "$4"
}

menuemusik_geladen() {
    test "$(qf_zaehle_log "$MENUEMUSIK")" -eq "$1"
}

qf_arbeitsverzeichnis
qf_starte
qf_bildschirm 0
sleep 1
qf_taste Escape
hauptmenue 1
qf_pruefe "Hauptmenuemusik nach dem Intro" menuemusik_geladen 1

knopf 400 250 "#o> Bildschirm 100" 1
qf_bildschirm 100
qf_warte_auf_log "#o> MenuSpiel - Spiel beginnt" 60
sleep 1
knopf 50 150 "#o> Bildschirm 10" 2
hauptmenue 2
qf_pruefe "nach dem Spiel die Hauptmenuemusik von vorn" menuemusik_geladen 2

knopf 400 300 "#o> Bildschirm 30" 1
qf_bildschirm 30
qf_warte_auf_log "#o> Musik 'daten/geraeuschkulisse/musik/ruhmeshalle.ogg'"
qf_warte_auf_log "#o> MenuBestenliste - "
sleep 1
qf_taste Escape
hauptmenue 3
qf_pruefe "nach der Liste des Ruhms die Hauptmenuemusik von vorn" menuemusik_geladen 3

qf_taste Escape
qf_warte_ende 20
qf_pruefe "Escape beendet mit 0 (ist $QF_ENDE)" test "$QF_ENDE" -eq 0
qf_pruefe "letzte Zeile" test "$(tail -n 1 "$QF_ARBEIT/ausgabe.log")" = "Programm erfolgreich beendet"
qf_pruefe "der Weg durch die Bildschirme" qf_log_reihenfolge "#o> Bildschirm 0" "#o> Bildschirm 10" \
    "#o> Bildschirm 100" "#o> Bildschirm 10" "#o> Bildschirm 30" "#o> Bildschirm 10"
qf_pruefe "keine anderen Bildschirme" test "$(qf_zaehle_log '#o> Bildschirm')" -eq 6
qf_keine_fehler
