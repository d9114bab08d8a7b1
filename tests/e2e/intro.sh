#!/bin/sh
# The intro: the sign fades in over the logo, the screen ends by itself about
# seven and a half seconds after it began; Escape and Return end it at once
# and are used up, so Escape does not also quit the main menu. Escape in the
# main menu then quits with the last log line and exit code 0.
. "$(dirname "$0")/lib.sh"

jetzt_ms() {
    echo $(( $(date +%s%N) / 1000000 ))
}

# The red block of the sign (drawn at 400, 40) at (490, 145), over the blue of
# the logo (29, 40, 75). The logo's fade-in and the black veil scale red and
# blue alike; the sign raises red against blue, past 60 % of it at a tenth
# faded in. A fade takes 100 frames, so on a loaded machine the sign may not
# be complete before the veil returns.
zeichen_sichtbar() {
    farbe=$(qf_pixel "$1" 490 145)
    r=${farbe%%,*}
    b=${farbe##*,}
    [ "$b" -ge 20 ] && [ $((r * 100)) -ge $((b * 60)) ]
}

zwischen() {
    [ "$1" -ge "$2" ] && [ "$1" -le "$3" ]
}

qf_arbeitsverzeichnis

# 1. Left alone.
qf_starte
qf_bildschirm 0
beginn=$(jetzt_ms)
qf_warte_auf_log "#o> Musik 'daten/geraeuschkulisse/musik/intro_logo.ogg'"
# The sign fades in from about 2 s on (over 100 frames), before the veil returns.
sleep 2
gesehen=nein
while [ "$(qf_zaehle_log '#o> Bildschirm 10')" -eq 0 ]; do
    qf_bildschirmfoto intro_zeichen
    if zeichen_sichtbar intro_zeichen; then
        gesehen=ja
        break
    fi
    sleep 0.2
done
qf_pruefe "das Zeichen wird eingeblendet ($(qf_pixel intro_zeichen 490 145))" test "$gesehen" = ja
qf_bildschirm 10
dauer=$(( $(jetzt_ms) - beginn ))
qf_pruefe "das Intro endet nach etwa 7,5 s (nach $dauer ms)" zwischen "$dauer" 7000 12000
qf_pruefe "danach die Hauptmenuemusik" qf_log_reihenfolge \
    "#o> Musik 'daten/geraeuschkulisse/musik/intro_logo.ogg'" "#o> Bildschirm 10" \
    "#o> Musik 'daten/geraeuschkulisse/musik/hauptmenue.xm'"
sleep 1
qf_taste Escape
qf_warte_ende 20
qf_pruefe "Escape im Hauptmenue beendet mit 0 (ist $QF_ENDE)" test "$QF_ENDE" -eq 0
qf_pruefe "letzte Zeile" test "$(tail -n 1 "$QF_ARBEIT/ausgabe.log")" = "Programm erfolgreich beendet"
qf_keine_fehler

# 2. Return and 3. Escape during the intro.
for taste in Return Escape; do
    qf_starte
    qf_bildschirm 0
    sleep 1.5
    beginn=$(jetzt_ms)
    qf_taste "$taste"
    qf_bildschirm 10
    dauer=$(( $(jetzt_ms) - beginn ))
    qf_pruefe "$taste beendet das Intro sofort (nach $dauer ms)" zwischen "$dauer" 0 2500
    sleep 2
    qf_pruefe "$taste wurde verbraucht: das Hauptmenue laeuft weiter" qf_laeuft
    qf_pruefe "das Hauptmenue wurde nicht verlassen" test "$(qf_zaehle_log '#o> Bildschirm')" -eq 2
    qf_beende_mit_escape
    qf_pruefe "Ende mit 0 (ist $QF_ENDE)" test "$QF_ENDE" -eq 0
done
qf_keine_fehler
