#!/usr/bin/env bash
# End to end under Wine on a private X display, with our recorder registered as
# the program that opens ".html" files (so it stands in for the browser):
#  - the viewer on a page image whose address holds blanks, a tab, quotes and
#    an option: a click on the go button starts the recorder with the address
#    as one argument, and so does Shift+Click on the picture, with a folder
#    "dummy.html" in the temporary folder;
#  - with no ".html" handler at all the go button shows "Failed to open
#    browser." and the viewer goes on stepping afterwards; the user's own
#    "dummy.html" there is left as it was, and no probe file is left behind;
#  - the about box: its screenshot is saved, its link starts the recorder with
#    the web site, and Enter closes it.
#
#   e2e-browser.sh <tsviewer.exe> <recorder.exe> <about_box.exe> <build-dir>
#
# The prefix is the build's shared X prefix (wineprefix-x11); the screenshot
# goes to <build-dir>/artifacts/about.png.
set -euo pipefail

if [[ $# -ne 4 ]]; then
    echo "usage: $0 <tsviewer.exe> <recorder.exe> <about_box.exe> <build-dir>" >&2
    exit 2
fi
viewer=$(realpath "$1")
recorder=$(realpath "$2")
about_box=$(realpath "$3")
build=$(realpath "$4")
root=$(cd "$(dirname "$0")/.." && pwd)
work="$build/e2e-browser"
artifacts="$build/artifacts"
log="$work/wine.log"
source "$root/scripts/lib/xdisplay.sh"
trap xd_cleanup EXIT
trap 'exit 130' INT TERM

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

rm -rf "$work"
mkdir -p "$work/pages" "$artifacts"
: >"$log"
# The crafted page first in Explorer's order, a sample page image after it.
cp "$root/tests/win32/data/crafted-address.jpg" "$work/pages/a-crafted.jpg"
cp "$root/samples/page-news.jpg" "$work/pages/b-news.jpg"
winpath() { echo "Z:${1//\//\\}"; }

xd_start_xvfb "$log" || fail "no X display"
xd_wine_session "$build/wineprefix-x11"

quiet() { "$@" </dev/null >/dev/null 2>&1; }
export TS_RECORDER_OUT="$work/recorded.txt"
html_opens_with_recorder() {
    quiet wine reg add 'HKCR\.html' /ve /d tsrecorderpage /f &&
        quiet wine reg add 'HKCR\tsrecorderpage\shell\open\command' /ve \
            /d "\"$(winpath "$recorder")\" \"%1\"" /f
}
html_opens_with_recorder || fail "could not register the recorder for .html"
temp=$(winepath -u "$(wine cmd /c echo %TEMP% </dev/null 2>/dev/null | tr -d '\r')" 2>/dev/null)
[[ -d "$temp" ]] || fail "no temporary folder in the prefix"
rm -rf "$temp"/*.html
mkdir "$temp/dummy.html"
# The address bar shown, whatever an earlier run left.
quiet wine reg add 'HKCU\Software\tessmire' /v ADDRESS_BAR /d 1 /f || fail "no settings key"

# What the recorder was started with, once it has been.
recorded() {
    local _
    for _ in $(seq 1 100); do
        if [[ -s "$TS_RECORDER_OUT" ]]; then
            cat "$TS_RECORDER_OUT"
            return 0
        fi
        sleep 0.1
    done
    return 1
}
expect_recorded() {
    local what=$1 expected=$2 got
    got=$(recorded) || fail "$what: the recorder was not started"
    [[ "$got" == "$expected" ]] || fail "$what: the recorder got \"$got\", expected \"$expected\""
    echo "$what: the recorder got \"$got\""
    rm -f "$TS_RECORDER_OUT"
}

# An unknown browser gets one blank, then the address, whose blanks, tab and
# quotes are percent-encoded: one argument, no option of its own.
expected_page=' https://example.org/page%20one%09%22quoted%22%20--new-window'

start_viewer() {
    wine "$viewer" "$(winpath "$work/pages/a-crafted.jpg")" </dev/null >>"$log" 2>&1 &
    xd_viewer_pid=$!
    window=$(xd_wait_window "$xd_viewer_pid" "a-crafted.jpg" 30) || fail "no viewer window"
    eval "$(xdotool getwindowgeometry --shell "$window")"
    # The go button: 775 twips in from the bar's right edge, 51 × 23 pixels
    # from 893 twips down (15 twips to the pixel); the picture below the bar.
    go_x=$(((WIDTH * 15 - 775) / 15 + 25))
    go_y=$((893 / 15 + 11))
    picture_x=$((WIDTH / 2))
    picture_y=$((85 + 200))
}
click_go() {
    xdotool mousemove --window "$window" "$go_x" "$go_y" >/dev/null &&
        sleep 0.2 && xdotool click 1 >/dev/null || fail "could not click the go button"
}

start_viewer
click_go
expect_recorded "go button" "$expected_page"

# Shift held over the picture, a click, Shift let go.
xdotool mousemove --window "$window" "$picture_x" "$picture_y" >/dev/null
xdotool keydown shift >/dev/null
xdotool mousemove --window "$window" "$((picture_x + 4))" "$((picture_y + 4))" >/dev/null
sleep 0.2
xdotool click 1 >/dev/null
[[ ! -e "$TS_RECORDER_OUT" ]] || fail "Shift+Click opened the address before Shift was let go"
xdotool keyup shift >/dev/null
expect_recorded "Shift+Click" "$expected_page"
xd_close_window "$window" "$xd_viewer_pid" || fail "the viewer did not close cleanly"
xd_viewer_pid=""

# No handler for ".html" at all: the message, and a viewer that goes on.
quiet wine reg delete 'HKCR\.html' /f || fail "could not remove the .html handler"
rmdir "$temp/dummy.html"
echo "the user's own" >"$temp/dummy.html"
start_viewer
click_go
message=$(xd_wait_window "$xd_viewer_pid" "Failed to open browser." 15) || fail "no message box"
echo "no browser: \"Failed to open browser.\" shown"
xdotool key --window "$message" Return >/dev/null 2>&1
next_x=$(((WIDTH * 15 - 390 - 355 - 365 - 350) / 15 + 11))
next_y=$(((465 + 165) / 15))
sleep 0.5
xdotool mousemove --window "$window" "$next_x" "$next_y" click 1 >/dev/null
caption=""
for _ in $(seq 1 50); do
    caption=$(xdotool getwindowname "$window" 2>/dev/null || true)
    [[ "$caption" == *"b-news.jpg"* ]] && break
    sleep 0.1
done
[[ "$caption" == *"b-news.jpg    [2/2]"* ]] || fail "after the message, Next gave \"$caption\""
echo "after the message: stepped to \"$caption\""
[[ ! -e "$TS_RECORDER_OUT" ]] || fail "a browser was started without a handler"
[[ "$(cat "$temp/dummy.html" 2>/dev/null)" == "the user's own" ]] || fail "dummy.html was changed"
[[ "$(cd "$temp" && echo *.html)" == "dummy.html" ]] || fail "left behind: $(cd "$temp" && echo *.html)"
echo "the user's dummy.html left as it was, no probe left behind"
xd_close_window "$window" "$xd_viewer_pid" || fail "the viewer did not close cleanly"
xd_viewer_pid=""

# The about box: a screenshot, its link, and Enter to close it.
html_opens_with_recorder || fail "could not register the recorder again"
wine "$about_box" </dev/null >>"$log" 2>&1 &
xd_viewer_pid=$!
about=$(xd_wait_window "$xd_viewer_pid" "About Tessmire" 30) || fail "no about box"
xdotool mousemove 0 0 >/dev/null
sleep 1
import -window "$about" "$artifacts/about.png"
echo "about box: screenshot saved to $artifacts/about.png"
# The link: 180 + 240 twips in, 120 + 1560 down.
xdotool mousemove --window "$about" $(((180 + 240) / 15 + 20)) $(((120 + 1560) / 15 + 7)) \
    click 1 >/dev/null
expect_recorded "about box link" " https://www.example.org/tessmire/"
xdotool key --window "$about" Return >/dev/null 2>&1
for _ in $(seq 1 50); do
    kill -0 "$xd_viewer_pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$xd_viewer_pid" 2>/dev/null && fail "Enter did not close the about box"
wait "$xd_viewer_pid" || fail "the about box ended with status $?"
xd_viewer_pid=""
echo "browser end to end: passed"
