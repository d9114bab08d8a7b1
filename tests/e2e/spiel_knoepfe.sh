#!/bin/sh
# The game screen's buttons and a game without a place: MUSIKWECHSEL swaps the
# two tracks, MUSIKPAUSE pauses (and a new track is not shown as paused),
# NEUSTART starts afresh; dropping every piece where it starts ends the game
# with no row; after the end only "ZUR AUSWERTUNG" answers; the results screen
# offers no place and leaves the full list untouched; the hall of fame shows
# the ten places, starts a new game, and ABBRECHEN leads to the main menu.
# The game is reached from the intro and the main menu.
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/spiel_lib.sh"

MUSIK="#o> Musik 'daten/geraeuschkulisse/musik/spiel_"

spielmusik() {
    grep -F -- "$MUSIK" "$QF_ARBEIT/ausgabe.log" | sed -n "$1p"
}

qf_arbeitsverzeichnis
cp "$QF_ARBEIT/quaderfall.dll" "$QF_ARBEIT/liste_vorher"
qf_starte_im_spiel
sleep 1

qf_klicke 130 366
qf_warte_auf_anzahl "$MUSIK" 2
qf_pruefe "MUSIKWECHSEL nimmt die andere Musik" test "$(spielmusik 1)" != "$(spielmusik 2)"
qf_klicke 130 366
qf_warte_auf_anzahl "$MUSIK" 3
qf_pruefe "zweimal MUSIKWECHSEL: wieder die erste" test "$(spielmusik 1)" = "$(spielmusik 3)"

qf_klicke 130 416
qf_warte_auf_anzahl "#o> MenuSpiel - Musik angehalten" 1
qf_bildschirmfoto spiel_musikpause
qf_klicke 130 416
qf_warte_auf_anzahl "#o> MenuSpiel - Musik geht weiter" 1
qf_klicke 130 416
qf_warte_auf_anzahl "#o> MenuSpiel - Musik angehalten" 2
qf_klicke 130 366
qf_warte_auf_anzahl "$MUSIK" 4
qf_klicke 130 416
qf_warte_auf_anzahl "#o> MenuSpiel - Musik angehalten" 3
echo "ok: nach MUSIKWECHSEL haelt MUSIKPAUSE die neue Musik an"

qf_klicke 130 216
qf_warte_auf_anzahl "#o> MenuSpiel - Spiel beginnt" 2
qf_warte_auf_anzahl "$MUSIK" 5

versuch=0
while ! qf_log_enthaelt "SPIEL VORÜBER"; do
    versuch=$((versuch + 1))
    [ $versuch -le 60 ] || qf_scheitern "kein Spielende nach 60 Stuerzen"
    qf_druecke space
    sleep 0.1
done
qf_pruefe "ohne geloeste Reihe vorbei" qf_log_enthaelt "#o> MenuSpiel - SPIEL VORÜBER, GELÖSTE REIHEN: 0"

# After the end only "ZUR AUSWERTUNG" answers.
qf_druecke Escape
qf_klicke 130 216
qf_klicke 130 166
sleep 0.5
qf_pruefe "nach dem Ende: kein Neustart" test "$(qf_zaehle_log "Spiel beginnt")" -eq 2
qf_pruefe "nach dem Ende: keine Pause" test "$(qf_zaehle_log "MenuSpiel - Pause")" -eq 0
qf_klicke 480 466
qf_warte_auf_log "#o> MenuAuswertung - GELÖSTE REIHEN: 0, kein Platz"
xdotool mousemove 900 600
qf_foto_eingeblendet auswertung_ohne_platz 600 650 "255,255,255"
qf_pruefe "Bericht ohne Platz" qf_text_sichtbar auswertung_ohne_platz schrift_020 50 150 \
    "\n\nGELÖSTE REIHEN: 0\n\nERREICHTER PLATZ: keiner\n\nFür einen Platz in der Liste des \nRuhms sind mehr als 4 gelöste\nReihen nötig!"
if qf_tinte auswertung_ohne_platz 50 465 560 40; then
    qf_scheitern "ohne Platz: Namensfeld oder Aufforderung sichtbar"
fi
echo "ok: ohne Platz weder Namensfeld noch Aufforderung"
qf_tippe abc
qf_klicke 830 715
qf_warte_auf_log "#o> MenuBestenliste - 10 Einträge"
qf_pruefe "die volle Liste bleibt unberuehrt" cmp -s "$QF_ARBEIT/liste_vorher" "$QF_ARBEIT/quaderfall.dll"
qf_foto_ruhmeshalle bestenliste_voll
qf_pruefe "die zehn Namen, Platz 10 ohne Leerzeichen davor" qf_text_sichtbar bestenliste_voll schrift_020 50 150 \
    "\n\n\n 1. KLOTZMEISTER\n 2. FRIEDA\n 3. ULRIKE\n 4. BALDUR\n 5. JÜRGEN\n 6. OSKAR\n 7. GRETA\n 8. KUNIBERT\n 9. LIESEL\n10. ANTON"
qf_pruefe "ihre Reihen" qf_text_sichtbar bestenliste_voll schrift_020 750 150 \
    "\n\n\n40\n35\n31\n27\n22\n18\n14\n10\n7\n4"
qf_pruefe "die Ruhmeshalle setzt die Musik der Auswertung fort" \
    test "$(qf_zaehle_log "#o> Musik 'daten/geraeuschkulisse/musik/ruhmeshalle.ogg'")" -eq 1

qf_klicke 830 715
qf_warte_auf_anzahl "#o> MenuSpiel - Spiel beginnt" 3
qf_warte_auf_anzahl "$MUSIK" 6
sleep 0.5
qf_klicke 130 166
qf_bildschirm 10 2
qf_pruefe "ABBRECHEN: kein neues Spiel" test "$(qf_zaehle_log "Spiel beginnt")" -eq 3

qf_beende_mit_escape
qf_pruefe "Ende mit Rueckgabewert 0" test "$QF_ENDE" -eq 0
qf_keine_fehler
