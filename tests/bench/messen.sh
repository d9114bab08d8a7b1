#!/bin/sh
# make bench: the benchmark table for the build in BUILD and, given a commit,
# side by side for that commit too, built in BUILD-vergleich (a worktree of
# the commit, only the game; the data of BUILD serve both).
#
#   tests/bench/messen.sh BUILD [COMMIT] [ROUNDS]
set -eu
quelle=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "$1" && pwd)
commit=${2:-}
runden=${3:-3}

spalten="jetzt=$build/quaderfall"
if [ -n "$commit" ]; then
    kurz=$(git -C "$quelle" rev-parse --short "$commit")
    vergleich=$build-vergleich
    if [ ! -d "$vergleich/quelle" ]; then
        git -C "$quelle" worktree add --detach "$vergleich/quelle" "$kurz"
    else
        git -C "$vergleich/quelle" checkout --detach -q "$kurz"
    fi
    cmake -S "$vergleich/quelle" -B "$vergleich/bau" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQF_TESTS=OFF >/dev/null
    cmake --build "$vergleich/bau" --target quaderfall -j "${JOBS:-2}"
    spalten="$kurz=$vergleich/bau/quaderfall $spalten"
fi

echo "Rechner: $(lscpu | sed -n 's/^Model name: *//p'), $(nproc) Kerne; $(uptime)" >&2
QF_DATEN_DIR=$build/daten QF_QUELL_DIR=$quelle \
QF_MESSUNG_LIB=$build/tests/bench/libqf_messung.so \
QF_JOYSTICK_LIB=$build/tests/werkzeuge/libqf_virtueller_joystick.so \
QF_WERKZEUGE=$build/tests/werkzeuge \
    "$quelle/tests/werkzeuge/xvfb-lauf.sh" "$quelle/tests/bench/bench.sh" -r "$runden" $spalten
