#!/bin/sh
# Builds the Debian package: tools/deb-bauen.sh [SOURCE [TARGET]].
# dpkg-buildpackage writes into the tree it builds and beside it, so it works
# on a copy of the source tree (the files git knows and new ones it does not
# ignore); .deb, .buildinfo and .changes end up in TARGET (build/deb).
set -eu
quelle=$(cd "${1:-$(dirname "$0")/..}" && pwd)
ziel=${2:-$quelle/build/deb}
mkdir -p "$ziel"
ziel=$(cd "$ziel" && pwd)

arbeit=$(mktemp -d "${TMPDIR:-/tmp}/qf-deb.XXXXXX")
trap 'rm -rf "$arbeit"' EXIT INT TERM
baum=$arbeit/quaderfall
mkdir "$baum"

if git -C "$quelle" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    (cd "$quelle" && git ls-files -z --cached --others --exclude-standard \
        | tar --null --no-recursion --ignore-failed-read -T - -cf -) | tar -xf - -C "$baum"
else
    tar -C "$quelle" --exclude=./.git --exclude=./build --exclude='./build-*' -cf - . | tar -xf - -C "$baum"
fi

jobs=${JOBS:-$(nproc 2>/dev/null || echo 2)}
(cd "$baum" && DEB_BUILD_OPTIONS="parallel=$jobs ${DEB_BUILD_OPTIONS:-}" dpkg-buildpackage -us -uc -b)

for datei in "$arbeit"/*.deb "$arbeit"/*.buildinfo "$arbeit"/*.changes; do
    [ -e "$datei" ] && mv -f "$datei" "$ziel/"
done
ls "$ziel"/quaderfall_*.deb
