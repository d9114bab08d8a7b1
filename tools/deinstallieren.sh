#!/bin/sh
# Removes what `cmake --install` put in place, by the list it left in the
# build folder: tools/deinstallieren.sh [build/install_manifest.txt].
# The files go, then the game's own folders that are left empty (those named
# quaderfall and what lies below them); shared folders such as
# share/applications stay. The players' folders are never touched.
set -eu
liste=${1:-build/install_manifest.txt}
if [ ! -f "$liste" ]; then
    echo "deinstallieren: '$liste' fehlt - wurde mit diesem Bau installiert?" >&2
    exit 1
fi

# The list ends without a line feed: the last line counts too.
while IFS= read -r datei || [ -n "$datei" ]; do
    if [ -n "$datei" ] && { [ -e "$datei" ] || [ -L "$datei" ]; }; then
        rm -f "$datei"
        echo "entfernt: $datei"
    fi
done <"$liste"

while IFS= read -r datei || [ -n "$datei" ]; do
    [ -n "$datei" ] || continue
    ordner=$(dirname "$datei")
    while case "$ordner" in */quaderfall | */quaderfall/*) true ;; *) false ;; esac do
        rmdir "$ordner" 2>/dev/null || break
        ordner=$(dirname "$ordner")
    done
done <"$liste"
