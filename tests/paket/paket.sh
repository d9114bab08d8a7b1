# Shell helpers for the installation tests, on top of the end-to-end kit:
# the installed launcher stands in for the binary, each player is a HOME (and
# maybe an XDG_DATA_HOME) below the test's scratch folder.
. "$(dirname "$0")/../e2e/lib.sh"

# The players' environment comes from the test alone.
unset XDG_DATA_HOME SDL12COMPAT_SYNC_TO_VBLANK

# paket_installiere PREFIX LIST: `cmake --install` of the build into PREFIX.
# cmake writes its list of installed files into the build folder; the test
# puts it aside as LIST and gives the developer's own list back.
paket_installiere() {
    manifest=$QF_BAU/install_manifest.txt
    rm -f "$QF_ARBEIT/manifest.eigen"
    [ ! -e "$manifest" ] || cp -p "$manifest" "$QF_ARBEIT/manifest.eigen"
    cmake --install "$QF_BAU" --prefix "$1" >"$QF_ARBEIT/install.log" 2>&1
    ende=$?
    mv -f "$manifest" "$2" 2>/dev/null
    [ ! -e "$QF_ARBEIT/manifest.eigen" ] || mv -f "$QF_ARBEIT/manifest.eigen" "$manifest"
    if [ "$ende" -ne 0 ]; then
        cat "$QF_ARBEIT/install.log"
        qf_scheitern "cmake --install nach $1"
    fi
}

# paket_starte LAUNCHER NAME=VALUE...: starts the game through the launcher
# and waits for its window.
paket_starte() {
    QF_BINARY=$1
    shift
    qf_starte "$@"
    qf_warte_auf_log "### STARTE HAUPTSCHLEIFE ###" 30
    PAKET_FENSTER=$(qf_fenster)
    qf_pruefe "ein sichtbares Fenster" test -n "$PAKET_FENSTER"
}

# The game runs in ORDNER and got SDL12COMPAT_SYNC_TO_VBLANK=WERT.
paket_pruefe_prozess() {
    qf_pruefe "Arbeitsverzeichnis ist $1" test "$(readlink "/proc/$QF_PID/cwd")" = "$1"
    qf_pruefe "SDL12COMPAT_SYNC_TO_VBLANK=$2" \
        grep -qx "SDL12COMPAT_SYNC_TO_VBLANK=$2" "/proc/$QF_PID/environ" --null-data
}

paket_beende() {
    qf_beende_mit_escape
    qf_pruefe "Ende mit Rueckgabewert 0 (ist $QF_ENDE)" test "$QF_ENDE" -eq 0
    qf_keine_fehler
}

# A player's folder right after the first start: daten/ links to DATEN/daten,
# settings and hall of fame are the shipped ones, the game wrote stg.konfig there.
paket_pruefe_neuen_ordner() {
    ordner=$1
    daten=$2
    qf_pruefe "$ordner/daten zeigt auf $daten/daten" \
        test "$(readlink "$ordner/daten")" = "$daten/daten"
    for datei in einstellungen.konfig quaderfall.dll; do
        qf_pruefe "$datei wie ausgeliefert" cmp -s "$ordner/$datei" "$QF_QUELL_DIR/data/$datei"
    done
    qf_pruefe "das Spiel schrieb stg.konfig in den Ordner" test -s "$ordner/stg.konfig"
}
