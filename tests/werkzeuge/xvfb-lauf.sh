#!/bin/sh
# Runs a command under a private Xvfb (1024x768, 24 bits, Mesa's software GL).
# The display number comes from -displayfd, so parallel tests never collide.
# The command's exit code is passed on.
set -u
tmp=$(mktemp -d "${TMPDIR:-/tmp}/qf-xvfb.XXXXXX")
Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp -noreset 5>"$tmp/nummer" 2>"$tmp/xvfb.log" &
xpid=$!

i=0
while [ ! -s "$tmp/nummer" ]; do
    i=$((i + 1))
    if [ $i -gt 200 ] || ! kill -0 $xpid 2>/dev/null; then
        echo "Xvfb startet nicht:" >&2
        cat "$tmp/xvfb.log" >&2
        rm -rf "$tmp"
        exit 1
    fi
    sleep 0.05
done

DISPLAY=":$(head -n 1 "$tmp/nummer")"
export DISPLAY
: "${SDL_AUDIODRIVER:=dummy}"
export SDL_AUDIODRIVER

"$@"
rc=$?

kill $xpid 2>/dev/null
wait $xpid 2>/dev/null
rm -rf "$tmp"
exit $rc
