#!/bin/sh
# `cmake --install` into a temporary prefix: the layout, the desktop files as
# Debian's validators see them, the icon, the man page; then the installed
# launcher for two players, a second start, an update to a new place, and
# the removal.
. "$(dirname "$0")/paket.sh"

praefix=$QF_ARBEIT/praefix
paket_installiere "$praefix" "$QF_ARBEIT/installiert1.txt"

starter=$praefix/games/quaderfall
vorlagen=$praefix/share/games/quaderfall
desktop=$praefix/share/applications/de.quentabor.quaderfall.desktop
metainfo=$praefix/share/metainfo/de.quentabor.quaderfall.metainfo.xml
qf_pruefe "Starter ausfuehrbar" test -x "$starter"
qf_pruefe "Programm ausfuehrbar" test -x "$praefix/libexec/quaderfall/quaderfall"
qf_pruefe "daten/ wie im Bau" diff -r "$QF_BAU/daten" "$vorlagen/daten"
for datei in einstellungen.konfig quaderfall.dll; do
    qf_pruefe "$datei installiert" cmp -s "$QF_QUELL_DIR/data/$datei" "$vorlagen/$datei"
done

qf_pruefe "desktop-file-validate" desktop-file-validate "$desktop"
# The strictest validation, but for one thing no file can give both releases:
# the <developer> element that AppStream 1.0 (Debian 13) asks for instead of
# <developer_name> is unknown to 0.16 (Debian 12), which rejects it. Those two
# hints count as pedantic where the installed appstreamcli knows them.
nachsicht=""
for hinweis in developer-name-tag-deprecated developer-info-missing; do
    appstreamcli validate --no-net --override="$hinweis=pedantic" /dev/null 2>&1 | grep -q "not recognized" \
        || nachsicht="${nachsicht:+$nachsicht,}$hinweis=pedantic"
done
qf_pruefe "appstreamcli validate --strict" \
    appstreamcli validate --no-net --strict --pedantic ${nachsicht:+--override="$nachsicht"} "$metainfo"
qf_pruefe "Exec= ist der Starter" grep -qx "Exec=$(basename "$starter")" "$desktop"
qf_pruefe "Metadaten nennen den Desktop-Eintrag" \
    grep -qF ">$(basename "$desktop")</launchable>" "$metainfo"
qf_pruefe "Fensterklasse im Desktop-Eintrag" grep -qx "StartupWMClass=quaderfall" "$desktop"
handbuch=$praefix/share/man/man6/quaderfall.6
warnungen=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$handbuch" 2>&1 >/dev/null)
[ -z "$warnungen" ] || echo "$warnungen" >&2
qf_pruefe "Handbuchseite ohne Warnungen" test -z "$warnungen"

# The icon, under the name the desktop entry gives, in every size.
symbol=$(sed -n 's/^Icon=//p' "$desktop")
for n in 16 32 48 64 128 256; do
    png=$praefix/share/icons/hicolor/${n}x$n/apps/$symbol.png
    qf_pruefe "Symbol ${n}x$n mit Alphakanal" \
        test "$(identify -format '%w %h %[channels]' "$png" | cut -d' ' -f1-3)" = "$n $n srgba"
    ecke=$(convert "$png" -format '%[fx:int(255*p{0,0}.a)]' info:)
    mitte=$(convert "$png" -format '%[fx:int(255*p{'$((n / 2)),$((n / 2))'}.a)]' info:)
    qf_pruefe "Symbol ${n}x$n: Ecke durchsichtig, Mitte deckend" test "$ecke,$mitte" = "0,255"
done
# The scalable icon shows the same picture as the largest PNG.
svg=$praefix/share/icons/hicolor/scalable/apps/$symbol.svg
rsvg-convert -w 256 -h 256 "$svg" -o "$QF_ARBEIT/svg.png" || qf_scheitern "rsvg-convert liest das SVG nicht"
abstand=$(compare -metric RMSE "$QF_ARBEIT/svg.png" "$praefix/share/icons/hicolor/256x256/apps/$symbol.png" \
    null: 2>&1 | sed 's/.*(\(.*\))/\1/')
qf_pruefe "SVG gleicht dem PNG (RMSE $abstand)" awk -v a="$abstand" 'BEGIN { exit !(a < 0.02) }'

# Player one: HOME and XDG_DATA_HOME of their own.
heim1=$QF_ARBEIT/heim1
xdg1=$QF_ARBEIT/xdg1
ordner1=$xdg1/quaderfall
mkdir -p "$heim1"
paket_starte "$starter" HOME="$heim1" XDG_DATA_HOME="$xdg1"
paket_pruefe_prozess "$ordner1" 1
qf_pruefe "Fensterklasse quaderfall" sh -c "xdotool search --classname '^quaderfall$' | grep -qx '$PAKET_FENSTER'"
qf_pruefe "Einstellungen aus dem Spielerordner gelesen" \
    qf_log_enthaelt "Einstellungsdatei 'einstellungen.konfig' eingelesen"
qf_bildschirmfoto installiert
paket_beende
paket_pruefe_neuen_ordner "$ordner1" "$vorlagen"
qf_pruefe "nichts unter HOME, wenn XDG_DATA_HOME gesetzt ist" test -z "$(ls -A "$heim1")"

# The player's changes survive the next start.
printf 'PROBE|99;KLOTZMEISTER|40;' >"$ordner1/quaderfall.dll"
sed -i 's/^TITELBESCHRIFTUNG=.*/TITELBESCHRIFTUNG=QUADERFALL PROBE/' "$ordner1/einstellungen.konfig"
cp "$ordner1/quaderfall.dll" "$QF_ARBEIT/liste1"
cp "$ordner1/einstellungen.konfig" "$QF_ARBEIT/einstellungen1"
paket_starte "$starter" HOME="$heim1" XDG_DATA_HOME="$xdg1"
qf_pruefe "der Titel kommt aus den geaenderten Einstellungen" \
    test "$(xdotool getwindowname "$PAKET_FENSTER")" = "QUADERFALL PROBE"
paket_beende
qf_pruefe "geaenderte Liste behalten" cmp -s "$QF_ARBEIT/liste1" "$ordner1/quaderfall.dll"
qf_pruefe "geaenderte Einstellungen behalten" cmp -s "$QF_ARBEIT/einstellungen1" "$ordner1/einstellungen.konfig"

# Player two: only HOME (a relative XDG_DATA_HOME does not count), and an
# SDL12COMPAT_SYNC_TO_VBLANK of their own.
heim2=$QF_ARBEIT/heim2
ordner2=$heim2/.local/share/quaderfall
mkdir -p "$heim2"
paket_starte "$starter" HOME="$heim2" XDG_DATA_HOME=relativ/daten SDL12COMPAT_SYNC_TO_VBLANK=0
paket_pruefe_prozess "$ordner2" 0
paket_beende
paket_pruefe_neuen_ordner "$ordner2" "$vorlagen"
qf_pruefe "kein Ordner fuer den relativen XDG_DATA_HOME" test ! -e "$QF_ARBEIT/relativ"
qf_pruefe "Liste von Spieler eins unberuehrt" cmp -s "$QF_ARBEIT/liste1" "$ordner1/quaderfall.dll"

# An update that installs elsewhere and removes the old tree; the launcher is
# called through a symbolic link, as from a bin/ folder.
praefix2=$QF_ARBEIT/praefix2
paket_installiere "$praefix2" "$QF_ARBEIT/installiert2.txt"
rm -rf "$praefix"
mkdir -p "$QF_ARBEIT/bin"
ln -s "$praefix2/games/quaderfall" "$QF_ARBEIT/bin/quaderfall"
paket_starte "$QF_ARBEIT/bin/quaderfall" HOME="$heim1" XDG_DATA_HOME="$xdg1"
paket_pruefe_prozess "$ordner1" 1
paket_beende
qf_pruefe "daten/ folgt der neuen Installation" \
    test "$(readlink "$ordner1/daten")" = "$praefix2/share/games/quaderfall/daten"
qf_pruefe "Liste nach dem Update behalten" cmp -s "$QF_ARBEIT/liste1" "$ordner1/quaderfall.dll"
qf_pruefe "Einstellungen nach dem Update behalten" cmp -s "$QF_ARBEIT/einstellungen1" "$ordner1/einstellungen.konfig"

# Where no folder can be made the launcher says so and starts nothing.
touch "$QF_ARBEIT/datei"
if env HOME="$heim1" XDG_DATA_HOME="$QF_ARBEIT/datei" "$praefix2/games/quaderfall" \
    >"$QF_ARBEIT/ausgabe.log" 2>"$QF_ARBEIT/fehler.log"; then
    qf_scheitern "Starter meldet Erfolg ohne Spielerordner"
fi
qf_pruefe "Meldung ohne Spielerordner" grep -qF "kann nicht angelegt werden" "$QF_ARBEIT/fehler.log"
qf_pruefe "das Spiel lief nicht" test ! -s "$QF_ARBEIT/ausgabe.log"
if env -u HOME -u XDG_DATA_HOME "$praefix2/games/quaderfall" >/dev/null 2>"$QF_ARBEIT/fehler.log"; then
    qf_scheitern "Starter meldet Erfolg ohne HOME"
fi
qf_pruefe "Meldung ohne HOME" grep -qF "weder XDG_DATA_HOME noch HOME" "$QF_ARBEIT/fehler.log"

# Removal by cmake's list: the files and the game's own folders go, shared
# folders and the players' folders stay.
"$QF_QUELL_DIR/tools/deinstallieren.sh" "$QF_ARBEIT/installiert2.txt" >"$QF_ARBEIT/deinstallieren.log" \
    || qf_scheitern "deinstallieren.sh"
qf_pruefe "keine Datei mehr im Praefix" test -z "$(find "$praefix2" ! -type d)"
qf_pruefe "Ordner des Spiels entfernt" \
    test ! -e "$praefix2/share/games/quaderfall" -a ! -e "$praefix2/libexec/quaderfall"
qf_pruefe "gemeinsame Ordner bleiben" test -d "$praefix2/share/applications"
qf_pruefe "die Spielerordner bleiben" test -s "$ordner1/quaderfall.dll" -a -s "$ordner2/quaderfall.dll"
