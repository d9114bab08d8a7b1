#!/bin/sh
# The simulated controller reaches an SDL 1.2 program: count, name, counts,
# and the state written to the command file.
set -eu
befehle=$(mktemp)
trap 'rm -f "$befehle"' EXIT
printf 'hut 6\nknopf 3 1\nachse 1 -1234\n' >"$befehle"
ausgabe=$(QF_JOYSTICK_BEFEHLE="$befehle" QF_JOYSTICK_NAME="Probe Pad" LD_PRELOAD="$QF_JOYSTICK_LIB${LD_PRELOAD:+ $LD_PRELOAD}" "$QF_PROBE")
echo "$ausgabe"
echo "$ausgabe" | grep -qx "anzahl 1"
echo "$ausgabe" | grep -qx "name Probe Pad"
echo "$ausgabe" | grep -qx "knoepfe 12 achsen 4 huete 1"
echo "$ausgabe" | grep -qx "hut 6 knopf3 1 achse1 -1234"
zwei=$(QF_JOYSTICK_ANZAHL=2 LD_PRELOAD="$QF_JOYSTICK_LIB${LD_PRELOAD:+ $LD_PRELOAD}" "$QF_PROBE")
echo "$zwei" | grep -qx "anzahl 2"
echo "$zwei" | grep -qx "hut 0 knopf3 0 achse1 0"
