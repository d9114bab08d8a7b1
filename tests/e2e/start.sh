#!/bin/sh
# Start-up with the shipped settings: the log lines in their order, the window,
# the controller file; a close request from the window manager changes nothing.
. "$(dirname "$0")/lib.sh"

qf_arbeitsverzeichnis
qf_starte
qf_warte_auf_log "### STARTE HAUPTSCHLEIFE ###"

qf_pruefe "Startzeilen in ihrer Reihenfolge" qf_log_reihenfolge \
    "Einstellungsdatei 'einstellungen.konfig' eingelesen" \
    "Lade Darstellung (AUFLOESUNG: 1024x768 | FARBTIEFE: 32 | VOLLBILD: 0)" \
    "Lade Klang (HZ: 44100 | STEREO: 1 | STUECKGROESSE: 1024)" \
    "Einstellungsdatei 'einstellungen.konfig' abgearbeitet" \
    "### STARTE HAUPTSCHLEIFE ###"

fenster=$(qf_fenster)
qf_pruefe "ein sichtbares Fenster" test -n "$fenster"
qf_pruefe "Fenstertitel aus der Einstellungsdatei" \
    test "$(xdotool getwindowname "$fenster")" = "QUENTABOR - QUADERFALL"
groesse=$(xdotool getwindowgeometry "$fenster" | sed -n 's/.*Geometry: //p')
qf_pruefe "Fenster 1024x768 (ist $groesse)" test "$groesse" = "1024x768"

qf_pruefe "stg.konfig nach dem ersten Start" \
    test "$(cat "$QF_ARBEIT/stg.konfig")" = "$(printf 'DREHTASTE=0\nPAUSETASTE=-1\nSTURZTASTE=-1')"

"$QF_WERKZEUGE/fenster_schliessen" "$fenster"
sleep 1
qf_pruefe "Schliessanfrage beendet das Spiel nicht" qf_laeuft
qf_bildschirmfoto start

qf_beende_mit_escape
qf_pruefe "Ende mit Rueckgabewert 0 (ist $QF_ENDE)" test "$QF_ENDE" -eq 0
qf_pruefe "letzte Zeile" test "$(tail -n 1 "$QF_ARBEIT/ausgabe.log")" = "Programm erfolgreich beendet"
qf_keine_fehler
