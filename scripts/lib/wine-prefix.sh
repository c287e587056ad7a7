#!/bin/sh
# Imports wine-prefix.reg (font replacements, no crash debugger) into
# $WINEPREFIX, whose wineserver session must already be begun. Does nothing
# when the prefix holds a copy of the same file, so it is cheap to call on
# every run; an edited .reg is imported again.
#
#   WINEPREFIX=<prefix> sh wine-prefix.sh
set -eu

reg=$(cd "$(dirname "$0")" && pwd)/wine-prefix.reg
stamp="$WINEPREFIX/.tessmire-prefix.reg"

cmp -s "$reg" "$stamp" && exit 0
# reg import, unlike regedit /S (always 0), fails on a missing or bad file. Wine
# gets no stdio of ours: it may sit on CTest's pipe.
if ! wine reg import "Z:$(printf '%s' "$reg" | tr / '\\')" </dev/null >/dev/null 2>&1; then
    echo "wine-prefix.sh: could not import $reg into $WINEPREFIX" >&2
    exit 1
fi
cp "$reg" "$stamp"
