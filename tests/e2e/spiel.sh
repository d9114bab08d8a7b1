#!/bin/sh
# A whole game by keyboard, from the intro and the main menu on: pause (the
# piece stays, Space still drops it), auto-repeat and the soft drop, then the
# test player places pieces with Left, Right, Up and Space until two rows
# dissolve, and stacks them until "SPIEL VORÜBER!".
# Every piece's lock is checked against the model. Then the results screen
# places the game in a list of two, the name typed there is stored (without
# its ";"), and the hall of fame shows the list of three.
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/spiel_lib.sh"

qf_arbeitsverzeichnis
printf 'ANNA|50;BERT|1;' >"$QF_ARBEIT/quaderfall.dll"
qf_starte_im_spiel
qf_pruefe "eine der beiden Spielmusiken" \
    grep -qE "^#o> Musik 'daten/geraeuschkulisse/musik/spiel_[12]\.xm'" "$QF_ARBEIT/ausgabe.log"

# The first piece, untouched, falls in its starting column.
qf_teil
qf_pruefe "erster Stein in Spalte 3 (ist $TEIL_SPALTE)" test "$TEIL_SPALTE" -eq 3

# Pause: the piece stays where it is, but Space still drops it.
qf_druecke Escape
qf_warte_auf_anzahl "#o> MenuSpiel - Pause" 1
qf_teil
zeile=$TEIL_ZEILE
sleep 1.5
qf_teil
qf_pruefe "in der Pause faellt nichts ($zeile -> $TEIL_ZEILE)" test "$TEIL_ZEILE" -eq "$zeile"
qf_bildschirmfoto spiel_pause
qf_pruefe "PAUSE steht im Feld" qf_text_sichtbar spiel_pause schrift_020 380 400 "PAUSE"
qf_fallen_in_der_pause
qf_teil
qf_pruefe "nach dem Sturz in der Pause steht der naechste Stein oben" \
    test "$TEIL_SPALTE.$TEIL_ZEILE" = "3.0"
boden=$(sed -n 20p "$QF_ZUSTAND")
qf_pruefe "der gestuerzte Stein liegt am Boden ($boden)" test "$boden" != ".........."
qf_druecke Escape
qf_warte_auf_anzahl "#o> MenuSpiel - weiter" 1

# A press moves one column; Left held goes on after the delay up to the wall.
# The piece is new at the top, above the one dropped in the pause.
spalte=$TEIL_SPALTE
qf_druecke Right
qf_warte_auf_spalte "$spalte"
sleep 0.4
qf_teil
qf_pruefe "ein Druck, eine Spalte ($spalte -> $TEIL_SPALTE)" test "$TEIL_SPALTE" -eq $((spalte + 1))
qf_druecke Left
qf_warte_auf_spalte $((spalte + 1))
sleep 0.4
qf_teil
qf_pruefe "und zurueck ($TEIL_SPALTE)" test "$TEIL_SPALTE" -eq "$spalte"
qf_halte Left 2.0
sleep 0.2
qf_teil
qf_pruefe "lange gehalten: bis an die Wand (linke Zelle $TEIL_LINKS)" test "$TEIL_LINKS" -eq 0

# That piece may have been locked by gravity by now: pause, drop it, and let
# the player learn the grid afresh with the next piece waiting at the top.
qf_druecke Escape
qf_warte_auf_anzahl "#o> MenuSpiel - Pause" 2
qf_fallen_in_der_pause
qf_druecke Escape
qf_warte_auf_anzahl "#o> MenuSpiel - weiter" 2

# Down held: about a row every 100 ms instead of every 500 ms, on a new piece
# with the field below it free.
qf_teil
zeile=$TEIL_ZEILE
sleep 0.8
qf_teil
schwerkraft=$((TEIL_ZEILE - zeile))
zeile=$TEIL_ZEILE
qf_halte Down 0.8
qf_teil
qf_pruefe "weicher Fall ($zeile -> $TEIL_ZEILE, ohne Taste $schwerkraft Zeilen)" \
    test "$TEIL_ZEILE" -ge $((zeile + schwerkraft + 2))
qf_druecke Escape
qf_warte_auf_anzahl "#o> MenuSpiel - Pause" 3
qf_fallen_in_der_pause
qf_druecke Escape
qf_warte_auf_anzahl "#o> MenuSpiel - weiter" 3

qf_spiele_bis_ende 2 spiel_reihe
reihen=$(qf_reihen)
echo "ok: $QF_ZUEGE Steine, $reihen Reihen"
qf_pruefe "die Stufe" qf_text_sichtbar spiel_reihe schrift_012 370 75 "GESCHWINDIGKEITSSTUFE: 1"
qf_pruefe "der naechste Block" qf_text_sichtbar spiel_reihe schrift_012 750 80 "NÄCHSTER BLOCK: "
qf_pruefe "die geloesten Reihen" qf_text_sichtbar spiel_reihe schrift_012 750 250 "GELÖSTE REIHEN: "
qf_pruefe "ihre Zahl nach der ersten ($QF_REIHEN_FOTO)" \
    qf_text_sichtbar spiel_reihe schrift_020 820 280 "$QF_REIHEN_FOTO"
qf_pruefe "PAUSE MIT [ESC]" qf_text_sichtbar spiel_reihe schrift_012 50 100 "  PAUSE MIT [ESC]"
qf_pruefe "mindestens zwei Reihen geloest" test "$reihen" -ge 2
qf_pruefe "das Spiel zaehlt die Reihen wie das Modell" \
    qf_log_enthaelt "#o> MenuSpiel - SPIEL VORÜBER, GELÖSTE REIHEN: $reihen"
sleep 0.5
qf_bildschirmfoto spiel_ende
qf_pruefe "SPIEL VORÜBER!" qf_text_sichtbar spiel_ende schrift_020 300 400 "SPIEL VORÜBER!"
qf_pruefe "ZUR AUSWERTUNG" qf_text_sichtbar spiel_ende schrift_012 404 458 "ZUR AUSWERTUNG"
qf_druecke Escape
sleep 0.3
qf_pruefe "nach dem Spielende keine Pause mehr" test "$(qf_zaehle_log "MenuSpiel - Pause")" -eq 3

qf_klicke 480 466
qf_warte_auf_log "#o> MenuAuswertung - GELÖSTE REIHEN: $reihen, PLATZ 2"
eintritt=$(date +%s)
qf_tippe te
qf_druecke semicolon
qf_tippe st
qf_pruefe_aufforderung "$eintritt"
qf_foto_eingeblendet auswertung 600 650 "255,255,255"
qf_pruefe "Bericht mit Platz 2" qf_text_sichtbar auswertung schrift_020 50 150 \
    "\n\nGELÖSTE REIHEN: $reihen\n\nERREICHTER PLATZ: 2\n\nNAME FÜR DIE LISTE DES RUHMS:"
qf_pruefe "der getippte Name im Feld" qf_text_sichtbar auswertung schrift_012 54 473 "te;st"
qf_druecke Return
sleep 0.3
qf_klicke 830 715
qf_warte_auf_log "#o> MenuBestenliste - 3 Einträge"
qf_pruefe "der Name steht ohne ';' auf Platz 2" \
    test "$(cat "$QF_ARBEIT/quaderfall.dll")" = "ANNA|50;test|$reihen;BERT|1;"
qf_foto_ruhmeshalle bestenliste
qf_pruefe "Namen mit Platz" qf_text_sichtbar bestenliste schrift_020 50 150 \
    "\n\n\n 1. ANNA\n 2. test\n 3. BERT"
qf_pruefe "Reihen daneben" qf_text_sichtbar bestenliste schrift_020 750 150 "\n\n\n50\n$reihen\n1"
qf_pruefe_nichts_darunter bestenliste 3

qf_beende_mit_escape
qf_pruefe "Ende mit Rueckgabewert 0" test "$QF_ENDE" -eq 0
qf_keine_fehler
