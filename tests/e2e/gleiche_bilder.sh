#!/bin/sh
# Each scenario twice: with every quad drawn, blended, as it always was
# (QF_ALLES_ZEICHNEN=1) and as the game draws now. Every screenshot must be the
# same, byte for byte.   gleiche_bilder.sh SCENARIO...
set -u
hier=$(cd "$(dirname "$0")" && pwd)
ergebnisse=$QF_ERGEBNISSE/gleich
fehler=0
for name in "$@"; do
    for art in 1 0; do
        QF_ERGEBNISSE=$ergebnisse/$art QF_ALLES_ZEICHNEN=$art \
            "$hier/szenario.sh" "$hier/szenarien/$name.szenario" || fehler=1
    done
    n=0
    for bild in "$ergebnisse/1/$name"/*.ppm; do
        [ -f "$bild" ] && n=$((n + 1))
        cmp "$bild" "$ergebnisse/0/$name/${bild##*/}" || fehler=1
    done
    echo "$name: $n Bilder verglichen"
    [ $n -gt 0 ] || fehler=1
done
exit $fehler
