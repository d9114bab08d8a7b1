#!/bin/sh
# make bench: the benchmark table for the build in BUILD and, given commits,
# side by side for each of them too, each built in BUILD-vergleich/<commit>
# (a worktree of the commit, only the game; the data of BUILD serve all).
#
#   bench/messen.sh BUILD ["COMMIT ..."] [ROUNDS]
set -eu
quelle=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$1" && pwd)
commits=${2:-}
runden=${3:-3}

spalten=""
for commit in $commits; do
    kurz=$(git -C "$quelle" rev-parse --short "$commit")
    vergleich=$build-vergleich/$kurz
    [ -d "$vergleich/quelle" ] || git -C "$quelle" worktree add --detach "$vergleich/quelle" "$kurz"
    cmake -S "$vergleich/quelle" -B "$vergleich/bau" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQF_TESTS=OFF >/dev/null
    cmake --build "$vergleich/bau" --target quaderfall -j "${JOBS:-2}"
    spalten="$spalten $kurz=$vergleich/bau/quaderfall"
done
spalten="$spalten jetzt=$build/quaderfall"

echo "Rechner: $(lscpu | sed -n 's/^Model name: *//p'), $(nproc) Kerne; $(uptime)" >&2
QF_DATEN_DIR=$build/daten QF_QUELL_DIR=$quelle \
QF_MESSUNG_LIB=$build/bench/libqf_messung.so \
QF_JOYSTICK_LIB=$build/tests/werkzeuge/libqf_virtueller_joystick.so \
QF_TASTEN=$build/bench/qf_tasten \
QF_WERKZEUGE=$build/tests/werkzeuge \
    "$quelle/tests/werkzeuge/testlauf.sh" --anzeige "$quelle/bench/bench.sh" -r "$runden" $spalten
