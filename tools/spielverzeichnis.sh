#!/bin/sh
# Prepares the game's working directory: daten/ from the build, the shipped
# settings and the first hall of fame. The player's own files (quaderfall.dll,
# stg.konfig, an edited einstellungen.konfig) are never overwritten.
set -eu
build=$1
ziel=$2
quelle=$(cd "$(dirname "$0")/.." && pwd)

mkdir -p "$ziel"
build_abs=$(cd "$build" && pwd)
ln -sfn "$build_abs/daten" "$ziel/daten"
for datei in einstellungen.konfig quaderfall.dll; do
    if [ ! -e "$ziel/$datei" ] && [ -e "$quelle/data/$datei" ]; then
        cp "$quelle/data/$datei" "$ziel/$datei"
    fi
done
