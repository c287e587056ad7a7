#!/usr/bin/env bash
# Sets up the machine, builds tsviewer.exe for 64-bit Windows and opens it under
# Wine on the bundled samples, showing the first page image of samples/ in the
# viewer's order (page-long.mire); the Next and Previous buttons step through
# the others, passing over the plain photo.jpg.
#
# With a display the viewer stays open until you close it. Without one (no
# DISPLAY, or one that does not answer) it starts a private Xvfb, saves a
# screenshot of the window to build/win64/artifacts/run.png, closes the viewer
# and exits. The viewer's settings live in the Wine prefix build/win64/run-prefix.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

scripts/setup.sh
echo "== building tsviewer.exe (win64)"
cmake --preset win64 >/dev/null
cmake --build --preset win64 -j2 --target tsviewer tsviewer_help

viewer=$root/build/win64/src/app/win32/tsviewer.exe
first=$root/samples/page-long.mire
screenshot=$root/build/win64/artifacts/run.png
log=$root/build/win64/artifacts/run.log
mkdir -p "$(dirname "$screenshot")"
: >"$log"
source scripts/lib/xdisplay.sh
trap xd_cleanup EXIT
trap 'exit 130' INT TERM

headless=false
if ! xd_display_works; then
    headless=true
    xd_start_xvfb "$log"
fi
echo "== opening $first under Wine on display $DISPLAY"
xd_wine_session "$root/build/win64/run-prefix"
wine "$viewer" "$(winepath -w "$first" 2>/dev/null)" </dev/null >>"$log" 2>&1 &
xd_viewer_pid=$!

if ! $headless; then
    echo "Close the viewer's window to end."
    wait "$xd_viewer_pid" || true
    xd_viewer_pid=""
    exit 0
fi

window=$(xd_wait_window "$xd_viewer_pid" "Tessmire" 60)
xdotool mousemove 0 0 >/dev/null 2>&1 || true
sleep 2  # let the first paint land
import -window "$window" "$screenshot"
echo "window: $(xdotool getwindowname "$window")"
echo "screenshot saved to $screenshot"
xd_close_window "$window" "$xd_viewer_pid" || true
xd_viewer_pid=""
