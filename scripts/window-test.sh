#!/usr/bin/env bash
# Runs tsviewer.exe on a private X display and checks its main window: it
# appears with its caption, its client area is the designed 792 × 617 pixels,
# and a screenshot of it is saved. Everything it starts it stops, by process id
# or by its own Wine prefix, whatever way it ends.
#
#   window-test.sh <tsviewer.exe> [file to open]
#
# The build folder (for the prefix and the screenshot) is TS_BUILD_DIR, else
# the one the executable was built in (<build>/src/app/win32/tsviewer.exe).
set -euo pipefail

if [[ $# -lt 1 || $# -gt 2 ]]; then
    echo "usage: $0 <tsviewer.exe> [file to open]" >&2
    exit 2
fi

exe=$(realpath "$1")
file=${2:-}
build=$(realpath "${TS_BUILD_DIR:-$(dirname "$exe")/../../..}")
screenshot="$build/artifacts/window.png"
client_shot="$build/artifacts/window-client.png"
log="$build/artifacts/window-test.log"

expected_width=792
expected_height=617
tolerance=2          # pixels either way
wait_seconds=30

mkdir -p "$(dirname "$screenshot")"
source "$(dirname "$0")/lib/xdisplay.sh"
trap xd_cleanup EXIT
trap 'exit 130' INT TERM

fail() {
    echo "window-test: $*" >&2
    exit 1
}

: >"$log"
xd_start_xvfb "$log" || fail "no free X display for Xvfb"
xd_wine_session "$build/wineprefix-x11"
# Without the replacement the titles fall back to a sans-serif face.
serif=$(wine reg query 'HKCU\Software\Wine\Fonts\Replacements' /v 'Times New Roman' \
    </dev/null 2>/dev/null || true)
[[ $serif == *"Liberation Serif"* ]] ||
    fail "the prefix does not replace Times New Roman with Liberation Serif"

args=()
if [[ -n "$file" ]]; then
    args+=("$(winepath -w "$(realpath "$file")" 2>/dev/null)")
fi
wine "$exe" "${args[@]}" </dev/null >>"$log" 2>&1 &
xd_viewer_pid=$!

# Keep the pointer off the window, so no tooltip covers it in the picture.
xdotool mousemove 0 0 >/dev/null 2>&1 || true

window=$(xd_wait_window "$xd_viewer_pid" "Tessmire" "$wait_seconds") || fail "no viewer window"

# Wine's X window is the client area; without a window manager it has no frame.
eval "$(xdotool getwindowgeometry --shell "$window")"
echo "window-test: window $window at $X,$Y, ${WIDTH} x ${HEIGHT}"

# Let the first paint land before the picture is taken.
sleep 1
import -window root "$screenshot"
echo "window-test: screenshot saved to $screenshot"

if ((WIDTH < expected_width - tolerance || WIDTH > expected_width + tolerance ||
     HEIGHT < expected_height - tolerance || HEIGHT > expected_height + tolerance)); then
    fail "client area is ${WIDTH} x ${HEIGHT}, expected about ${expected_width} x ${expected_height}"
fi

# A window that painted nothing would be one flat colour.
import -window "$window" "$client_shot"
spread=$(identify -format '%[fx:standard_deviation]' "$client_shot")
awk -v spread="$spread" 'BEGIN { exit !(spread > 0.01) }' ||
    fail "the client area is one flat colour (standard deviation $spread)"

# Closing with Alt+F4 runs the program's own shutdown.
xd_close_window "$window" "$xd_viewer_pid" || fail "tsviewer.exe did not close cleanly"
xd_viewer_pid=""
echo "window-test: passed"
