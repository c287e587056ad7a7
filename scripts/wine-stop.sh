#!/bin/sh
# Ends the wineserver (and every Wine process) that wine-run.sh started for a
# prefix. Nothing running is not an error.
#
#   wine-stop.sh <prefix-dir>
set -eu

if [ $# -ne 1 ]; then
    echo "usage: $0 <prefix-dir>" >&2
    exit 2
fi

# No prefix, no server. Wine takes only an absolute prefix path.
[ -d "$1" ] || exit 0
WINEPREFIX=$(cd "$1" && pwd)
export WINEPREFIX
wineserver -k </dev/null >/dev/null 2>&1 || true
# Returns once the server has saved the registry and gone.
wineserver -w </dev/null >/dev/null 2>&1 || true
