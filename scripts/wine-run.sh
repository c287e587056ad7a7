#!/bin/sh
# Runs a Windows program under Wine in a throwaway prefix: the emulator CTest
# puts in front of every Windows test program.
#
#   wine-run.sh <prefix-dir> <program.exe> [arguments...]
#
# The prefix is made on first use, with no display (Graphics=null), and gets
# the settings of lib/wine-prefix.reg (fonts, no crash debugger). A persistent
# wineserver keeps later runs fast; scripts/wine-stop.sh ends it.
#
# Wine's background services (services.exe, winedevice, explorer) inherit the
# stdio of the first process of a wineserver session and outlive it; on CTest's
# pipe they would make CTest wait for ever. So every session is begun here by a
# wineboot whose stdio is on /dev/null, before the program runs.
set -eu

here=$(dirname "$0")

if [ $# -lt 2 ]; then
    echo "usage: $0 <prefix-dir> <program.exe> [arguments...]" >&2
    exit 2
fi

# Wine takes only an absolute prefix path.
mkdir -p "$1"
prefix=$(cd "$1" && pwd)
shift

export WINEPREFIX="$prefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64

ready_marker="$prefix/.tessmire-ready"

# The commands below run with fd 9 (the lock) closed, so no Wine process that
# outlives this script keeps holding the lock.
quietly() {
    "$@" </dev/null >/dev/null 2>&1 9>&-
}

# Starts a persistent wineserver and begins its session; does nothing when a
# server already runs for this prefix (wineserver exits with 2 then).
start_session() {
    status=0
    quietly wineserver -p || status=$?
    case $status in
        0) quietly wineboot -i ;;
        2) ;;
        *)
            echo "wine-run.sh: wineserver failed to start for $prefix (status $status)" >&2
            exit 1
            ;;
    esac
}

# Serialises the set-up between test programs CTest runs in parallel.
exec 9>"$prefix.lock"
flock 9

start_session
if [ ! -f "$ready_marker" ]; then
    quietly wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f
    # Restart so that the session's desktop process starts with the null driver.
    quietly wineserver -k || true
    quietly wineserver -w || true
    start_session
    touch "$ready_marker"
fi
# Outside the ready step, so that prefixes made before it get the settings too.
sh "$here/lib/wine-prefix.sh" 9>&-

exec 9>&-
exec wine "$@"
