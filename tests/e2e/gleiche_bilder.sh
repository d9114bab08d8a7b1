#!/bin/sh
# Each scenario twice: every frame drawn, every quad blended, as it always was
# (QF_ALLES_ZEICHNEN=1), and as the game draws now, keeping a frame on show
# that would be drawn the same. Every screenshot must be the same, byte for
# byte. For the game as it draws now, the director draws every frame whole
# (QF_REGIE_ALLES=1), so that a screenshot of a kept frame is what the window
# shows; the other run draws every frame anyway, so the director's one-pixel
# frames and whole screenshot frames do for it.
#   gleiche_bilder.sh SCENARIO...
set -u
hier=$(cd "$(dirname "$0")" && pwd)
ergebnisse=$QF_ERGEBNISSE/gleich
fehler=0
for name in "$@"; do
    for art in 1 0; do
        [ $art = 0 ] && export QF_REGIE_ALLES=1 || unset QF_REGIE_ALLES
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
