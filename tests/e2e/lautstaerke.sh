#!/bin/sh
# The volume settings as the player hears them: two scenes recorded through
# SDL's disk audio driver, the intro's music (lautstaerke/musik.szenario) at
# LAUTSTAERKE_MUSIK 100, 50 and 0, and a click with the music off
# (lautstaerke/klaenge.szenario) at LAUTSTAERKE_KLAENGE 100, 50 and 0. At 50
# the loudest sample of the first second of sound is about half of that at
# 100 (40 to 60 %), at 0 the whole recording is silent.
set -u
hier=$(cd "$(dirname "$0")" && pwd)
aus=$QF_ERGEBNISSE/lautstaerke
mkdir -p "$aus"
fehler=0

# spitze FILE: the largest magnitude among the samples (S16LE, 44100 Hz
# stereo) of the second from the first one that is not 0.
spitze() {
    od -An -v -td2 -w2 "$1" | awk '{ w = $1 < 0 ? -$1 : $1; if (!n && w) n = 1
        if (n && n++ <= 88200 && w > m) m = w } END { print m + 0 }'
}

for szene in musik:MUSIK klaenge:KLAENGE; do
    for stufe in 100 50 0; do
        name=${szene%:*}_$stufe
        { cat "$hier/lautstaerke/${szene%:*}.szenario"
          echo "einstellung \"LAUTSTAERKE_${szene#*:}=$stufe\""; } >"$aus/$name.szenario"
        rm -f "$aus/$name.raw"
        SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=$aus/$name.raw "$hier/szenario.sh" "$aus/$name.szenario" || fehler=1
        eval "spitze_$stufe=$(spitze "$aus/$name.raw")"
    done
    echo "${szene%:*}: lautester Wert bei 100, 50, 0: $spitze_100, $spitze_50, $spitze_0"
    [ "$spitze_100" -gt 1000 ] || { echo "FEHLGESCHLAGEN: ${szene%:*} bei 100 fast still" >&2; fehler=1; }
    [ $((spitze_50 * 100)) -ge $((spitze_100 * 40)) ] && [ $((spitze_50 * 100)) -le $((spitze_100 * 60)) ] \
        || { echo "FEHLGESCHLAGEN: ${szene%:*} bei 50 nicht halb so laut" >&2; fehler=1; }
    [ "$spitze_0" -eq 0 ] || { echo "FEHLGESCHLAGEN: ${szene%:*} bei 0 nicht still" >&2; fehler=1; }
done
exit $fehler
