#!/bin/sh
# Runs `make test` on another Debian release, as a new machine of it would:
#
#   tools/wurzel-test.sh RELEASE [SOURCE]        e.g. trixie, bookworm, forky
#
# Builds a clean Debian root of RELEASE with debootstrap (minbase, from
# Debian's archive), clones the committed state of SOURCE (default: this
# repository) into it and runs `make test` there in the minimal environment
# of .ci/run. The root and its mounts are removed at the end, also when a test
# fails or the run is interrupted. Needs root (or sudo) for debootstrap,
# chroot and mount.
#
# QF_DEBIAN_ARCHIV  the archive to bootstrap from (default http://deb.debian.org/debian)
# QF_WURZEL_ORT     the folder the root goes into (default /var/tmp)
# QF_WURZEL_BEFEHL  what runs in the clone instead of `make test` (say, `make -k test`
#                   to see every part of the suite on a release where one fails)
set -eu

[ $# -ge 1 ] || { echo "Aufruf: $0 RELEASE [QUELLE]" >&2; exit 2; }
release=$1
hier=$(cd "$(dirname "$0")" && pwd)
quelle=$(cd "${2:-$hier/..}" && pwd)
archiv=${QF_DEBIAN_ARCHIV:-http://deb.debian.org/debian}
befehl=${QF_WURZEL_BEFEHL:-make test}
suchpfad=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin

melde() { echo "wurzel-test ($release): $*"; }

if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null 2>&1 || { echo "wurzel-test: braucht root oder sudo" >&2; exit 1; }
    exec sudo env QF_DEBIAN_ARCHIV="$archiv" QF_WURZEL_ORT="${QF_WURZEL_ORT:-}" QF_WURZEL_BEFEHL="$befehl" "$0" "$@"
fi
"$hier/install-deps.sh" wurzel

wurzel=$(mktemp -d "${QF_WURZEL_ORT:-/var/tmp}/qf-wurzel-$release.XXXXXX")

# The mounts below the root, deepest first.
eigene_mounts() {
    awk -v w="$wurzel" '$2 == w || index($2, w "/") == 1 { print $2 }' /proc/self/mounts | sort -r
}

# Ends what still runs inside the root (an Xvfb of a test, say), unmounts its
# folders and removes it. Removes nothing while something is still mounted.
aufraeumen() {
    for prozess in /proc/[0-9]*; do
        [ "$(readlink "$prozess/root" 2>/dev/null)" = "$wurzel" ] && kill -9 "${prozess#/proc/}" 2>/dev/null
    done
    for punkt in $(eigene_mounts); do
        umount "$punkt" 2>/dev/null || umount -l "$punkt" || true
    done
    if [ -n "$(eigene_mounts)" ]; then
        echo "wurzel-test: $wurzel ist noch eingehaengt und bleibt stehen" >&2
        return 1
    fi
    rm -rf --one-file-system "$wurzel"
}
trap 'ende=$?; trap - EXIT; aufraeumen || ende=1; rm -f "$wurzel.log"; exit $ende' EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# Runs a command in the background and waits for it: the shell acts on a
# signal only between commands, but at once while it waits.
abwarten() {
    "$@" &
    wait $!
}

# A release newer than this machine's debootstrap is bootstrapped with the
# script of unstable, which every newer release shares.
skript=/usr/share/debootstrap/scripts/$release
[ -e "$skript" ] || skript=/usr/share/debootstrap/scripts/sid
melde "debootstrap nach $wurzel"
beginn=$(date +%s)
if ! abwarten debootstrap --variant=minbase --include=ca-certificates,git,make \
        "$release" "$wurzel" "$archiv" "$skript" >"$wurzel.log" 2>&1; then
    tail -n 20 "$wurzel.log" >&2
    exit 1
fi
cp /etc/resolv.conf "$wurzel/etc/resolv.conf"

mount -t proc proc "$wurzel/proc"
mount --bind /sys "$wurzel/sys"
mount --bind /dev "$wurzel/dev"
mount --bind /dev/pts "$wurzel/dev/pts"
mount -t tmpfs -o mode=1777,nosuid,nodev tmpfs "$wurzel/dev/shm"

in_wurzel() { chroot "$wurzel" /usr/bin/env -i PATH="$suchpfad" "$@"; }

# A copy of the archive whose Release file has passed its Valid-Until date
# (testing's is signed for a week at a time) would stop every apt-get update
# in the root.
if ! in_wurzel apt-get update -q >"$wurzel/tmp/apt.log" 2>&1; then
    if grep -q -e 'is expired' -e 'is not valid yet' "$wurzel/tmp/apt.log"; then
        melde "die Release-Datei des Archivs ist abgelaufen (Valid-Until): apt prueft das hier nicht"
        echo 'Acquire::Check-Valid-Until "false";' >"$wurzel/etc/apt/apt.conf.d/99qf-wurzel-test"
    else
        cat "$wurzel/tmp/apt.log" >&2
        exit 1
    fi
fi
melde "$(in_wurzel sh -c '. /etc/os-release; echo "$PRETTY_NAME, Debian $(cat /etc/debian_version)"')"

git clone --quiet --no-hardlinks "$quelle" "$wurzel/quaderfall"
melde "Stand $(git -C "$wurzel/quaderfall" log -1 --format='%h %s')"
vorbereitet=$(date +%s)
melde "$befehl in der Minimalumgebung (Wurzel bereit nach $((vorbereitet - beginn)) s)"
heim=$(in_wurzel mktemp -d)
if abwarten in_wurzel HOME="$heim" CI=true sh -c "cd /quaderfall && $befehl"; then
    melde "$befehl bestanden in $(($(date +%s) - vorbereitet)) s ($(($(date +%s) - beginn)) s in allem)"
else
    melde "$befehl GESCHEITERT nach $(($(date +%s) - vorbereitet)) s" >&2
    exit 1
fi
