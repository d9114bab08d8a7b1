#!/bin/sh
# Two controllers: the main menu counts and names both; the settings screen
# first asks for the device, and a press of controller 0 chooses it. A
# rotate press held for a while also becomes the pause button.
. "$(dirname "$0")/lib.sh"

qf_arbeitsverzeichnis
qf_starte_mit_steuerung QF_JOYSTICK_ANZAHL=2
qf_bildschirm 0
sleep 1
qf_taste Return
qf_bildschirm 10
qf_menue_zeigt hauptmenue_zwei 404 258 "KLÖTZCHEN STAPELN"
qf_pruefe "zwei Spielsteuerungen" qf_text_sichtbar hauptmenue_zwei schrift_012 350 540 \
    "2 SPIELSTEUERUNG(EN) GEFUNDEN! "
qf_pruefe "beide Namen" qf_text_sichtbar hauptmenue_zwei schrift_012 400 560 \
    "o Quaderfall Testpad\no Quaderfall Zweitpad"

qf_klick_bis 488 716 "#o> Bildschirm 90" 1
qf_menue_zeigt geraetewahl 400 220 "Quaderfall Testpad"
qf_pruefe "GERÄT AUSWÄHLEN!" qf_text_sichtbar geraetewahl schrift_020 380 170 "GERÄT AUSWÄHLEN!"
qf_pruefe "Schritt 0" qf_text_sichtbar geraetewahl schrift_012 400 650 "EINST.-NR.:0   WAR GEDR.: 0"

# In assignment mode any button chooses the device: button 6 held while
# EINSTELLEN! is clicked (again, if the click was missed).
qf_steuerung "knopf 6 1"
for versuch in 1 2 3 4 5; do
    qf_klick 488 466 0.4
    xdotool mousemove 1010 300
    qf_zeigt_bald geraet_gewaehlt schrift_012 400 650 "EINST.-NR.:1   WAR GEDR.: 1" 5 && break
done
qf_warte_auf_text geraet_gewaehlt schrift_012 400 650 "EINST.-NR.:1   WAR GEDR.: 1" 5
qf_steuerung "knopf 6 0"
qf_warte_auf_text geraet_gewaehlt schrift_012 400 650 "EINST.-NR.:1   WAR GEDR.: 0" 20
qf_pruefe "nach der Wahl EINSTELLUNGEN" qf_text_sichtbar geraet_gewaehlt schrift_020 380 170 "EINSTELLUNGEN"

# Rotate on button 3, held on into the pause step.
qf_steuerung "knopf 3 1"
qf_warte_auf_text gedreht schrift_012 400 650 "EINST.-NR.:2   WAR GEDR.: 1" 20
sleep 0.5
qf_steuerung "knopf 3 0"
qf_warte_auf_text gedreht schrift_012 400 650 "EINST.-NR.:2   WAR GEDR.: 0" 20
qf_taste Escape
qf_bildschirm 10 2
qf_pruefe "Drehen und, gehalten, auch Pause auf Knopf 3" \
    test "$(cat "$QF_ARBEIT/stg.konfig")" = "$(printf 'DREHTASTE=3\nPAUSETASTE=3\nSTURZTASTE=-1')"
qf_menue_da hauptmenue_zurueck 404 258 "KLÖTZCHEN STAPELN"
qf_taste Escape
qf_warte_ende 20
qf_pruefe "Ende mit 0 (ist $QF_ENDE)" test "$QF_ENDE" -eq 0
qf_keine_fehler
