#!/bin/sh
# Runs the fuzz targets of a sanitizer tree built with -DQF_FUZZ=ON (clang) one
# after the other, each for SEKUNDEN seconds, and fails if any of them finds a
# crash, a sanitizer report or a leak.
#
#   tests/fuzz/fuzz.sh BAUORDNER SEKUNDEN [ZIEL...]
#
# Each target first replays its seeds (tests/fuzz/korpus/<ziel>) and every
# input of tests/fuzz/regression/<ziel>, then fuzzes from them. What it learns
# stays in BAUORDNER/tests/fuzz/korpus/<ziel> for the next run; a crashing input
# is written to BAUORDNER/tests/fuzz/funde/<ziel>/, the output of the run to
# BAUORDNER/tests/fuzz/protokoll/<ziel>.log.
set -eu

quelle=$(cd "$(dirname "$0")" && pwd)
[ $# -ge 2 ] || { echo "Aufruf: $0 BAUORDNER SEKUNDEN [ZIEL...]" >&2; exit 2; }
bau=$(cd "$1" && pwd)/tests/fuzz
sekunden=$2
shift 2
ziele=${*:-einstellungen bild_beschreibung bild_streifen schrift_beschreibung widget_ordner steuerung bestenliste texteingabe}

# The targets' private directories go below one of our own, removed at the end.
lauf=$(mktemp -d /dev/shm/qf-fuzz-lauf.XXXXXX 2>/dev/null || mktemp -d)
trap 'rm -rf "$lauf"' EXIT INT TERM
export QF_FUZZ_TMP="$lauf" TMPDIR="$lauf"
# Ours first: options the caller has set come after them and win. Dynamic TLS
# is not intercepted: see tests/CMakeLists.txt.
export ASAN_OPTIONS="intercept_tls_get_addr=0${ASAN_OPTIONS:+:$ASAN_OPTIONS}"
export LSAN_OPTIONS="suppressions=$quelle/../sanitizer/lsan.supp:print_suppressions=0${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
export UBSAN_OPTIONS="print_stacktrace=1${UBSAN_OPTIONS:+:$UBSAN_OPTIONS}"
# The release's default llvm-symbolizer (package llvm), for readable reports.
symbolisierer=$(command -v llvm-symbolizer || true)
[ -z "$symbolisierer" ] || export ASAN_SYMBOLIZER_PATH="$symbolisierer"

bestanden=0 gescheitert=0
for ziel in $ziele; do
    programm="$bau/fuzz_$ziel"
    [ -x "$programm" ] || { echo "fuzz: kein Programm $programm" >&2; exit 2; }
    korpus="$bau/korpus/$ziel" funde="$bau/funde/$ziel" protokoll="$bau/protokoll/$ziel.log"
    mkdir -p "$korpus" "$funde" "$bau/protokoll"
    # Every target has seeds and a dictionary; the regression inputs are optional.
    vorgaben="$quelle/korpus/$ziel $(ls -d "$quelle/regression/$ziel" 2>/dev/null || true)"
    set -- -max_total_time="$sekunden" -artifact_prefix="$funde/" -timeout=10 -dict="$quelle/woerter/$ziel.dict"
    # A picture's description may ask for thousands of frames or glyphs of
    # thousands of pixels, which the engine then makes: the memory and the time
    # that takes are no fault of the reader, so these targets fuzz in a child
    # process (-fork) that may run out of memory or time without ending the run.
    # LeakSanitizer would scan Mesa's large heap after every input; their leaks
    # are looked for when each child ends.
    case $ziel in
        bild_*|schrift_*|widget_*) set -- "$@" -fork=1 -ignore_ooms=1 -ignore_timeouts=1 -detect_leaks=0 ;;
    esac

    # The seeds and the regression inputs once each, none may fail; then fuzzing.
    # shellcheck disable=SC2086
    if "$programm" -runs=0 -artifact_prefix="$funde/" $vorgaben >"$protokoll" 2>&1 \
        && "$programm" "$@" "$korpus" $vorgaben >>"$protokoll" 2>&1; then
        laeufe=$(grep -oE '^#[0-9]+' "$protokoll" | tail -n 1 | tr -d '#')
        zuviel=$(grep -oE 'oom/timeout/crash: [0-9]+/[0-9]+' "$protokoll" | tail -n 1 | sed 's/.*: //')
        echo "fuzz_$ziel: ${laeufe:-0} Eingaben in $sekunden s, nichts gefunden${zuviel:+ (Speicher/Zeit ueberschritten: $zuviel)}"
        bestanden=$((bestanden + 1))
    else
        echo "fuzz_$ziel: GEFUNDEN (Eingabe in $funde/, Protokoll $protokoll):" >&2
        grep -E 'ERROR|SUMMARY|runtime error|Test unit written|^ *#[0-9]+ 0x' "$protokoll" | head -40 >&2 || true
        gescheitert=$((gescheitert + 1))
    fi
done

echo "fuzz: $bestanden passed, $gescheitert failed"
[ "$gescheitert" -eq 0 ]
