#!/usr/bin/env bash
# Runs tsviewer.exe on a private X display and checks its main window at 96,
# 144 and 192 DPI (Wine's LogPixels): it appears with its caption, its client
# area is the designed 792 × 617 pixels scaled to the DPI, it is not one flat
# colour, and a screenshot of it is saved for each DPI (window.png at 96 DPI,
# window-144.png, window-192.png); so is every caption of the dialogs, by
# DialogWindows.* of TS_DIALOG_TEST (tswintests.exe) when that is set.
# Everything it starts it stops, by process id or by its own Wine prefix,
# whatever way it ends; the prefix is left at 96 DPI.
#
#   [TS_DIALOG_TEST=<tswintests.exe>] window-test.sh <tsviewer.exe> [file to open]
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
dialog_test=${TS_DIALOG_TEST:+$(realpath "$TS_DIALOG_TEST")}
build=$(realpath "${TS_BUILD_DIR:-$(dirname "$exe")/../../..}")
screenshot="$build/artifacts/window.png"
client_shot="$build/artifacts/window-client.png"
log="$build/artifacts/window-test.log"

tolerance=2          # pixels either way
wait_seconds=30

mkdir -p "$(dirname "$screenshot")"
source "$(dirname "$0")/lib/xdisplay.sh"
# Room for the window at 192 DPI.
export XD_SCREEN=1800x1400x24

fail() {
    echo "window-test: $*" >&2
    exit 1
}

# The DPI Wine gives its programs, for the next process started.
set_dpi() {
    local key
    for key in 'HKCU\Control Panel\Desktop' 'HKCC\Software\Fonts'; do
        wine reg add "$key" /v LogPixels /t REG_DWORD /d "$1" /f </dev/null >/dev/null 2>&1 ||
            return 1
    done
}
# The other tests share the prefix at 96 DPI.
restore_dpi() {
    local status=$?
    [[ -z "${WINEPREFIX:-}" ]] || set_dpi 96 || true
    (exit "$status")
    xd_cleanup
}
trap restore_dpi EXIT
trap 'exit 130' INT TERM

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

# One run of the viewer at `dpi`: the client area is the design's 11880 × 9255
# twips in pixels of that DPI.
check_at() {
    local dpi=$1 shot=$2 shot_client=$3
    local expected_width=$(((11880 * dpi + 720) / 1440))
    local expected_height=$(((9255 * dpi + 720) / 1440))
    set_dpi "$dpi" || fail "could not set $dpi DPI"
    wine "$exe" "${args[@]}" </dev/null >>"$log" 2>&1 &
    xd_viewer_pid=$!

    # Keep the pointer off the window, so no tooltip covers it in the picture.
    xdotool mousemove 0 0 >/dev/null 2>&1 || true
    local window
    window=$(xd_wait_window "$xd_viewer_pid" "Tessmire" "$wait_seconds") ||
        fail "no viewer window at $dpi DPI"

    # Wine's X window is the client area; without a window manager it has no frame.
    eval "$(xdotool getwindowgeometry --shell "$window")"
    echo "window-test: $dpi DPI: window $window at $X,$Y, ${WIDTH} x ${HEIGHT}"

    # Let the first paint land before the picture is taken.
    sleep 1
    import -window root "$shot"
    echo "window-test: screenshot saved to $shot"

    if ((WIDTH < expected_width - tolerance || WIDTH > expected_width + tolerance ||
         HEIGHT < expected_height - tolerance || HEIGHT > expected_height + tolerance)); then
        fail "at $dpi DPI the client area is ${WIDTH} x ${HEIGHT}, expected about ${expected_width} x ${expected_height}"
    fi

    # A window that painted nothing would be one flat colour.
    import -window "$window" "$shot_client"
    local spread
    spread=$(identify -format '%[fx:standard_deviation]' "$shot_client")
    awk -v spread="$spread" 'BEGIN { exit !(spread > 0.01) }' ||
        fail "at $dpi DPI the client area is one flat colour (standard deviation $spread)"

    # Closing with Alt+F4 runs the program's own shutdown.
    xd_close_window "$window" "$xd_viewer_pid" || fail "tsviewer.exe did not close cleanly"
    xd_viewer_pid=""
    [[ -z "$dialog_test" ]] || wine "$dialog_test" --gtest_filter='DialogWindows.*' </dev/null \
        >>"$log" 2>&1 || fail "at $dpi DPI a caption of the dialogs is cut off (see $log)"
}

check_at 96 "$screenshot" "$client_shot"
for dpi in 144 192; do
    check_at "$dpi" "$build/artifacts/window-$dpi.png" "$build/artifacts/window-$dpi-client.png"
done
echo "window-test: passed"
