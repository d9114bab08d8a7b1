#!/bin/sh
# Installs the Debian packages listed in tools/pakete.txt that are missing.
# Idempotent: does nothing (and needs no rights) when everything is there.
set -eu
hier=$(cd "$(dirname "$0")" && pwd)
liste="$hier/pakete.txt"

fehlend=""
for paket in $(grep -v '^[[:space:]]*#' "$liste" | tr -s ' \t' '\n\n'); do
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
$als apt-get update
# shellcheck disable=SC2086
$als apt-get install -y --no-install-recommends $fehlend
