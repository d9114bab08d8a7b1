#!/bin/sh
# Installs the Debian packages of the named lists that are missing:
#   tools/install-deps.sh spiel        building and playing (tools/pakete-spiel.txt)
#   tools/install-deps.sh spiel test   and the tests too (tools/pakete-test.txt)
# Idempotent: does nothing (and needs no rights) when everything is there.
set -eu
hier=$(cd "$(dirname "$0")" && pwd)
[ $# -gt 0 ] || set -- spiel test
for name in "$@"; do
    [ -f "$hier/pakete-$name.txt" ] || { echo "Keine Paketliste '$name'" >&2; exit 2; }
done
pakete=$(for name in "$@"; do grep -v '^[[:space:]]*#' "$hier/pakete-$name.txt"; done | tr -s ' \t' '\n\n')

fehlend=""
for paket in $pakete; do
    status=$(dpkg-query -W -f='${Status}' "$paket" 2>/dev/null || true)
    case "$status" in
        *"install ok installed"*) ;;
        *) fehlend="$fehlend $paket" ;;
    esac
done

if [ -z "$fehlend" ]; then
    exit 0
fi

echo "Installiere fehlende Pakete:$fehlend"
if [ "$(id -u)" -eq 0 ]; then
    als=""
elif command -v sudo >/dev/null 2>&1; then
    als="sudo"
else
    echo "Weder root noch sudo: bitte installieren:$fehlend" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
# apt's and dpkg's own lines only when something fails.
protokoll=$(mktemp)
trap 'rm -f "$protokoll"' EXIT
# shellcheck disable=SC2086
if ! { $als apt-get update && $als apt-get install -y --no-install-recommends $fehlend; } >"$protokoll" 2>&1; then
    tail -n 30 "$protokoll" >&2
    exit 1
fi
echo "Installiert: $(echo $fehlend | wc -w) Pakete"
