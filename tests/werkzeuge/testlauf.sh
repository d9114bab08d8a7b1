#!/bin/sh
# Runs one test in a world of its own, the same on every machine: a fresh
# HOME with its XDG folders below a scratch folder, no session bus, no display
# of the desktop and SDL's dummy audio unless the test names a driver.
# With --anzeige the test gets a private Xvfb (1024x768 unless QF_BILDSCHIRM
# names another size, 24 bits, Mesa's software GL); its number comes from
# -displayfd, so parallel tests never collide. QF_FENSTERMANAGER=1 puts
# openbox on it, for full screen and focus. The command's exit code is passed on.
set -u
anzeige=""
if [ "${1:-}" = "--anzeige" ]; then
    anzeige=1
    shift
fi
tmp=$(mktemp -d "${TMPDIR:-/tmp}/qf-test.XXXXXX")
mkdir -p "$tmp/heim/.config" "$tmp/heim/.local/share" "$tmp/heim/.cache" "$tmp/lauf"
chmod 700 "$tmp/lauf"
HOME="$tmp/heim"
XDG_CONFIG_HOME="$HOME/.config"
XDG_DATA_HOME="$HOME/.local/share"
XDG_CACHE_HOME="$HOME/.cache"
XDG_RUNTIME_DIR="$tmp/lauf"
# A bus address that leads nowhere: SDL would otherwise talk to the desktop's
# session bus, or start one of its own.
DBUS_SESSION_BUS_ADDRESS="unix:path=$tmp/kein-bus"
export HOME XDG_CONFIG_HOME XDG_DATA_HOME XDG_CACHE_HOME XDG_RUNTIME_DIR DBUS_SESSION_BUS_ADDRESS
unset DISPLAY WAYLAND_DISPLAY XAUTHORITY XDG_SESSION_TYPE XDG_CURRENT_DESKTOP XMODIFIERS SDL_VIDEODRIVER
: "${SDL_AUDIODRIVER:=dummy}"
export SDL_AUDIODRIVER

xpid=""
wmpid=""
ende() {
    for pid in $wmpid $xpid; do
        kill "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    done
    rm -rf "$tmp"
}
trap ende EXIT

if [ -n "$anzeige" ]; then
    Xvfb -displayfd 5 -screen 0 "${QF_BILDSCHIRM:-1024x768}x24" -nolisten tcp -noreset 5>"$tmp/nummer" 2>"$tmp/xvfb.log" &
    xpid=$!
    i=0
    while [ ! -s "$tmp/nummer" ]; do
        i=$((i + 1))
        if [ $i -gt 200 ] || ! kill -0 "$xpid" 2>/dev/null; then
            echo "Xvfb startet nicht:" >&2
            cat "$tmp/xvfb.log" >&2
            exit 1
        fi
        sleep 0.05
    done
    DISPLAY=":$(head -n 1 "$tmp/nummer")"
    export DISPLAY
fi
if [ -n "$xpid" ] && [ -n "${QF_FENSTERMANAGER:-}" ]; then
    # Windows mapped before it has finished starting may never be shown (and
    # SDL waits for that): its start-up command says it is ready.
    openbox --sm-disable --startup "touch $tmp/openbox.bereit" >"$tmp/openbox.log" 2>&1 &
    wmpid=$!
    until [ -e "$tmp/openbox.bereit" ]; do
        kill -0 "$wmpid" 2>/dev/null || { cat "$tmp/openbox.log" >&2; exit 1; }
        sleep 0.05
    done
fi

"$@"
