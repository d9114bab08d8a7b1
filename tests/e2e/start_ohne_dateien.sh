#!/bin/sh
# Without settings file, controller file, data and sounds the game still
# reaches its screen loop and can be left.
. "$(dirname "$0")/lib.sh"

qf_arbeitsverzeichnis ohne_einstellungen ohne_daten
qf_starte
qf_warte_auf_log "### STARTE HAUPTSCHLEIFE ###"
qf_pruefe "Vorgabewerte gemeldet" qf_log_enthaelt \
    "Datei einstellungen.konfig kann nicht geöffnet werden. Lade Vorgabewerte."
qf_pruefe "Vollbild 1024x768 als Vorgabe" qf_log_enthaelt \
    "Lade Darstellung (AUFLOESUNG: 1024x768 | FARBTIEFE: 32 | VOLLBILD: 1)"
sleep 1
qf_pruefe "laeuft ohne Daten weiter" qf_laeuft
qf_beende_mit_escape
qf_pruefe "Ende mit Rueckgabewert 0" test "$QF_ENDE" -eq 0
