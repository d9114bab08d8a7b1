#!/bin/sh
# The Debian packages: built with dpkg-buildpackage from the sources, checked
# with lintian, installed with dpkg into a private root whose package
# database is a copy of this machine's (so their dependencies are checked
# against what is really installed), played once, and removed again.
. "$(dirname "$0")/paket.sh"

pakete=$QF_ARBEIT/pakete
if ! "$QF_QUELL_DIR/tools/deb-bauen.sh" "$QF_QUELL_DIR" "$pakete" >"$QF_ARBEIT/bau.log" 2>&1; then
    tail -n 40 "$QF_ARBEIT/bau.log"
    qf_scheitern "dpkg-buildpackage"
fi
spiel_deb=$(ls "$pakete"/quaderfall_*_*.deb)
daten_deb=$(ls "$pakete"/quaderfall-data_*_all.deb)
changes=$(ls "$pakete"/quaderfall_*.changes)

# lintian sees every package of the upload; errors and warnings fail the test.
lintian --info --fail-on error,warning "$changes" >"$QF_ARBEIT/lintian.log" 2>&1
lintian_ende=$?
sed '/running with root privileges/d' "$QF_ARBEIT/lintian.log"
qf_pruefe "lintian ohne Fehler und Warnungen" test "$lintian_ende" -eq 0

qf_pruefe "das Spiel haengt von seinen Daten ab" sh -c "dpkg-deb -f '$spiel_deb' Depends | grep -q 'quaderfall-data (= '"
qf_pruefe "die Daten sind architekturunabhaengig" test "$(dpkg-deb -f "$daten_deb" Architecture)" = all
for bibliothek in libsdl1.2 libsdl-mixer1.2 libgl1 libglu1; do
    qf_pruefe "Abhaengigkeit von $bibliothek" sh -c "dpkg-deb -f '$spiel_deb' Depends | grep -q '$bibliothek'"
done

wurzel=$QF_ARBEIT/wurzel
mkdir -p "$wurzel/var/lib/dpkg/info" "$wurzel/var/lib/dpkg/updates"
cp /var/lib/dpkg/status "$wurzel/var/lib/dpkg/status"
touch "$wurzel/var/lib/dpkg/available"
als_wer=""
[ "$(id -u)" -eq 0 ] || als_wer="--force-not-root"
# shellcheck disable=SC2086
paket_dpkg() {
    PATH=$PATH:/usr/sbin:/sbin dpkg $als_wer --root="$wurzel" --log=/dev/null "$@" \
        2>&1 | grep -v "files list file for package"
}

paket_dpkg -i "$spiel_deb" >"$QF_ARBEIT/dpkg.log"
qf_pruefe "ohne Daten verweigert dpkg die Einrichtung" \
    grep -qF "depends on quaderfall-data" "$QF_ARBEIT/dpkg.log"
paket_dpkg -i "$daten_deb" "$spiel_deb" >"$QF_ARBEIT/dpkg.log"
qf_pruefe "beide Pakete eingerichtet" sh -c \
    "PATH=\$PATH:/usr/sbin dpkg --root='$wurzel' -s quaderfall quaderfall-data 2>/dev/null | grep -c 'Status: install ok installed' | grep -qx 2"
for datei in usr/games/quaderfall usr/libexec/quaderfall/quaderfall usr/share/games/quaderfall/quaderfall.dll \
    usr/share/applications/de.quentabor.quaderfall.desktop usr/share/metainfo/de.quentabor.quaderfall.metainfo.xml \
    usr/share/icons/hicolor/256x256/apps/quaderfall.png usr/share/man/man6/quaderfall.6.gz; do
    qf_pruefe "$datei installiert" test -s "$wurzel/$datei"
done

heim=$QF_ARBEIT/heim
ordner=$heim/.local/share/quaderfall
mkdir -p "$heim"
paket_starte "$wurzel/usr/games/quaderfall" HOME="$heim"
paket_pruefe_prozess "$ordner" 1
qf_bildschirmfoto deb
paket_beende
paket_pruefe_neuen_ordner "$ordner" "$wurzel/usr/share/games/quaderfall"

paket_dpkg --purge quaderfall quaderfall-data >"$QF_ARBEIT/dpkg.log"
qf_pruefe "nach dem Entfernen keine Datei mehr unter usr/" test -z "$(find "$wurzel/usr" -type f 2>/dev/null)"
qf_pruefe "der Ordner des Spielers bleibt" cmp -s "$ordner/quaderfall.dll" "$QF_QUELL_DIR/data/quaderfall.dll"
