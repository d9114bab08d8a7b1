#!/bin/sh
# The main menu without a controller: its texts, the way to help and about
# and back (by Escape and by their buttons), the menu music going on after
# them, and the quit button.
. "$(dirname "$0")/lib.sh"

MENUEMUSIK="#o> Musik 'daten/geraeuschkulisse/musik/hauptmenue.xm'"
HILFE='STEUERUNG:\n o LINKS - Pfeiltaste links\n o RECHTS - Pfeiltaste rechts\n o ABSENKEN - Pfeiltaste unten\n o DREHEN - Pfeiltaste oben\n o BLOCKSTURZ - Leertaste\n\n\n\nSPIELZIEL:\n Ziel des Spieles ist es, vollständige\n Reihen zu schaffen, die sich dadurch Auflösen.\n Die Fallgeschwindigkeit nimmt mit jeder Stufe zu!\n Spieler, die am meisten Reihen lösen können,\n bevor das Ende durch ein überfülltes Spielfeld\n eingeläutet wird, werden gerühmt.\n Die zehn besten Spielrunden werden\n in einer Liste festgehalten.\n\nTIPP:\n Möglichst viel Gebrauch von der Sturztaste machen.'
UEBER="QUENTABOR:\n     www.quentabor.example\n     post@quentabor.example\n     QUADERFALL - ein Spiel von QUENTABOR\n\n\n\nPROGRAMMIERUNG:\n     Werkstatt QUENTABOR\n\n\nGRAFISCHE GESTALTUNG:\n     Werkstatt QUENTABOR\n\n\nKLANGEFFEKTE:\n     Werkstatt QUENTABOR\n\n\nMUSIK:\n     Quaderklang ('Quentabor ruft', 'Ruhmeshalle')\n     Orgel Quadrat ('Schneller Stapel', 'Freier Fall')\n     Die Fallsteine ('Klötzchenwalzer')"

# A button's caption starts half a glyph step in and sits 8 pixels down.
beschriftung() {
    qf_text_sichtbar "$1" schrift_012 $(( $2 + 4 )) $(( $3 + 8 )) "$4"
}

# knopf x y ["log line" n]: a menu button clicked in its middle (all are
# 176 x 32), again until the log line stands there n times.
knopf() {
    if [ $# -eq 4 ]; then
        qf_klick_bis $(( $1 + 88 )) $(( $2 + 16 )) "$3" "$4"
    else
        qf_klick $(( $1 + 88 )) $(( $2 + 16 )) 0.4
    fi
}

# Each screen waited for by a text only it shows; on the first visit also
# until it has faded in, for the pictures that are checked.
zeigt() {
    if [ "$1" -eq 1 ]; then
        shift
        qf_menue_zeigt "$@"
    else
        shift
        qf_menue_da "$@"
    fi
}

hauptmenue() {
    qf_bildschirm 10 "$1"
    zeigt "$1" hauptmenue 404 258 "KLÖTZCHEN STAPELN"
}

hilfe() {
    qf_bildschirm 80 "$1"
    zeigt "$1" hilfe 300 300 "STEUERUNG:"
}

ueber() {
    qf_bildschirm 70 "$1"
    zeigt "$1" ueber 400 250 "QUENTABOR:"
}

menue_zeigt_musik_einmal() {
    test "$(qf_zaehle_log "$MENUEMUSIK")" -eq 1
}

qf_arbeitsverzeichnis
qf_starte
qf_bildschirm 0
sleep 1
qf_taste Return
hauptmenue 1
qf_pruefe "KLÖTZCHEN STAPELN" beschriftung hauptmenue 400 250 "KLÖTZCHEN STAPELN"
qf_pruefe "LISTE DES RUHMS!" beschriftung hauptmenue 400 300 " LISTE DES RUHMS!"
qf_pruefe "WIE GEHT DAS?" beschriftung hauptmenue 400 350 "  WIE GEHT DAS?"
qf_pruefe "WER ERSCHUF DIES?" beschriftung hauptmenue 400 400 "WER ERSCHUF DIES?"
qf_pruefe "ERLÖSE MICH!" beschriftung hauptmenue 400 450 "   ERLÖSE MICH!"
qf_pruefe "ohne Spielsteuerung kein EINSTELLEN" qf_text_fehlt hauptmenue schrift_012 404 708 "   EINSTELLEN"
qf_pruefe "KEINE SPIELSTEUERUNG GEFUNDEN!" qf_text_sichtbar hauptmenue schrift_012 350 700 \
    "     KEINE\nSPIELSTEUERUNG\n    GEFUNDEN! "
qf_pruefe "keine Anzahl von Spielsteuerungen" qf_text_fehlt hauptmenue schrift_012 350 540 \
    "1 SPIELSTEUERUNG(EN) GEFUNDEN! "
qf_pruefe "FPS oben links" qf_text_sichtbar hauptmenue schrift_012 5 5 "FPS:"
qf_pruefe "Hauptmenuemusik einmal geladen" menue_zeigt_musik_einmal

# Clicking where the hidden settings button would be does nothing.
knopf 400 700
sleep 1
qf_pruefe "der verborgene Knopf fuehrt nirgends hin" test "$(qf_zaehle_log '#o> Bildschirm')" -eq 2

# Help: in by its button, out by Escape; in again, out by its button.
knopf 400 350 "#o> Bildschirm 80" 1
hilfe 1
qf_pruefe "der Hilfetext Wort fuer Wort" qf_text_sichtbar hilfe schrift_012 300 300 "$HILFE"
qf_pruefe "WANDELT EUCH!" beschriftung hilfe 400 200 "  WANDELT EUCH!"
qf_pruefe "BIN ERLEUCHTET!" beschriftung hilfe 400 700 " BIN ERLEUCHTET!"
knopf 400 200
sleep 0.5
qf_pruefe "WANDELT EUCH! bleibt in der Hilfe" test "$(qf_zaehle_log '#o> Bildschirm')" -eq 3
qf_taste Escape
hauptmenue 2
qf_pruefe "nach der Hilfe laeuft die Hauptmenuemusik weiter" menue_zeigt_musik_einmal
knopf 400 350 "#o> Bildschirm 80" 2
hilfe 2
knopf 400 700 "#o> Bildschirm 10" 3
hauptmenue 3

# About: in, out by Escape; in again, out by its button.
knopf 400 400 "#o> Bildschirm 70" 1
ueber 1
qf_pruefe "der Text ueber das Spiel" qf_text_sichtbar ueber schrift_012 400 250 "$UEBER"
qf_pruefe "NUN WEIß ICH!" beschriftung ueber 400 700 " NUN WEIß ICH!"
qf_taste Escape
hauptmenue 4
knopf 400 400 "#o> Bildschirm 70" 2
ueber 2
knopf 400 700 "#o> Bildschirm 10" 5
hauptmenue 5
qf_pruefe "nach dem Ueber-Bildschirm laeuft die Hauptmenuemusik weiter" menue_zeigt_musik_einmal

# Quit by the button.
knopf 400 450 "Programm erfolgreich beendet" 1
qf_warte_ende 20
qf_pruefe "ERLÖSE MICH! beendet mit 0 (ist $QF_ENDE)" test "$QF_ENDE" -eq 0
qf_pruefe "letzte Zeile" test "$(tail -n 1 "$QF_ARBEIT/ausgabe.log")" = "Programm erfolgreich beendet"
qf_keine_fehler
