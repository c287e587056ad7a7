#!/usr/bin/env bash
# Every command from the keyboard, end to end under Wine on a private X display,
# the real tsviewer.exe on a folder of three page images:
#  - Page Down changes the screen and Page Up brings it back; the wheel
#    scrolls; Right and Left step through the folder (the caption's counter);
#  - Alt+A hides the address bar, and the next run starts without it;
#  - Alt+S shows "File Association", Alt+B the about box, Alt+P the Print
#    dialog (on a PostScript test printer);
#  - Alt+H starts the program ".chm" files open with (our recorder) on the
#    help file next to the viewer; the help file itself opens in Wine's help
#    viewer, whose screenshot goes to <build-dir>/artifacts/help.png.
#
#   e2e-keys.sh <tsviewer.exe> <recorder.exe> <add_ps_printer.exe> <build-dir>
#
# The prefix is the build's shared X prefix (wineprefix-x11).
set -euo pipefail

if [[ $# -ne 4 ]]; then
    echo "usage: $0 <tsviewer.exe> <recorder.exe> <add_ps_printer.exe> <build-dir>" >&2
    exit 2
fi
viewer=$(realpath "$1")
recorder=$(realpath "$2")
add_printer=$(realpath "$3")
build=$(realpath "$4")
root=$(cd "$(dirname "$0")/.." && pwd)
work="$build/e2e-keys"
artifacts="$build/artifacts"
log="$work/wine.log"
help_file="$(dirname "$viewer")/help.chm"
source "$root/scripts/lib/xdisplay.sh"
source "$root/scripts/lib/ps-printer.sh"
trap xd_cleanup EXIT
trap 'exit 130' INT TERM

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

[[ -f "$help_file" ]] || fail "no help file next to the viewer ($help_file)"
rm -rf "$work"
mkdir -p "$work/pages" "$artifacts"
: >"$log"
cp "$root/samples/page-long.mire" "$work/pages/a-long.mire"
cp "$root/samples/page-news.jpg" "$work/pages/b-news.jpg"
cp "$root/samples/page-recipes.jpg" "$work/pages/c-recipes.jpg"
winpath() { echo "Z:${1//\//\\}"; }

xd_start_xvfb "$log" || fail "no X display"
xd_wine_session "$build/wineprefix-x11"
ps_printer_install "$add_printer" "$work/job.ps" || fail "no PostScript printer"

quiet() { "$@" </dev/null >/dev/null 2>&1; }
settings='HKCU\Software\tessmire'
quiet wine reg add "$settings" /v ADDRESS_BAR /d 1 /f || fail "no settings key"
export TS_RECORDER_OUT="$work/recorded.txt"
quiet wine reg add 'HKCR\.chm' /ve /d tsrecorderhelp /f &&
    quiet wine reg add 'HKCR\tsrecorderhelp\shell\open\command' /ve \
        /d "\"$(winpath "$recorder")\" \"%1\"" /f || fail "could not register the recorder for .chm"

key() { xdotool key --window "$window" "$@" 2>/dev/null; }
caption() { xdotool getwindowname "$window" 2>/dev/null || true; }
# The window's picture as a checksum, once it has settled, with the mouse
# away from it (a tooltip would show in it).
screen_sum() {
    xdotool mousemove 1279 1023 >/dev/null 2>&1
    sleep 0.5
    import -window "$window" rgb:- 2>/dev/null | md5sum | cut -d' ' -f1
}
expect_caption() {
    local counter=$1 _
    for _ in $(seq 1 50); do
        [[ "$(caption)" == *"$counter" ]] && return 0
        sleep 0.1
    done
    fail "the caption reads \"$(caption)\", not ...$counter"
}
start_viewer() {
    wine "$viewer" "$(winpath "$work/pages/a-long.mire")" </dev/null >>"$log" 2>&1 &
    xd_viewer_pid=$!
    window=$(xd_wait_window "$xd_viewer_pid" "a-long.mire" 30) || fail "no viewer window"
    expect_caption "[1/3]"
}
stored() {
    wine reg query "$settings" /v "$1" </dev/null 2>/dev/null | awk -v k="$1" '$1 == k { print $3 }' |
        tr -d '\r'
}

start_viewer
top=$(screen_sum)
key Next
paged=$(screen_sum)
[[ "$paged" != "$top" ]] || fail "Page Down did not change the screen"
key Prior
[[ "$(screen_sum)" == "$top" ]] || fail "Page Up did not bring the top back"
echo "Page Down pages the picture, Page Up brings it back"

eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove --window "$window" $((WIDTH / 2)) $((HEIGHT / 2)) click 5 >/dev/null 2>&1
[[ "$(screen_sum)" != "$top" ]] || fail "the wheel did not scroll"
key Home
echo "the wheel scrolls"

key Right
expect_caption "[2/3]"
key ctrl+Left
expect_caption "[1/3]"
echo "Right and Ctrl+Left step through the folder"

# A command's window: shown by its keys, then closed (Escape or Alt+F4).
shows_window() {
    local keys=$1 name=$2 close=$3 dialog attempt
    key "$keys"
    dialog=$(xd_wait_window "$xd_viewer_pid" "$name" 30) || fail "$keys showed no \"$name\""
    echo "$keys shows \"$(xdotool getwindowname "$dialog" 2>/dev/null)\""
    # A key sent the moment a window appears can be lost: sent again while it stays.
    for attempt in $(seq 1 100); do
        ((attempt % 25 == 1)) && { xdotool key --window "$dialog" "$close" 2>/dev/null || true; }
        xdotool search --onlyvisible --name "$name" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    fail "\"$name\" did not close"
}
shows_window alt+s "^File Association$" alt+F4
shows_window alt+b "^About Tessmire$" Escape
shows_window alt+p "^Print$" Escape

rm -f "$TS_RECORDER_OUT"
key alt+h
for _ in $(seq 1 100); do
    [[ -s "$TS_RECORDER_OUT" ]] && break
    sleep 0.1
done
# The recorder writes its whole command line: itself, then the file.
[[ "$(cat "$TS_RECORDER_OUT" 2>/dev/null)" == *" \"$(winpath "$help_file")\"" ]] ||
    fail "Alt+H started \"$(cat "$TS_RECORDER_OUT" 2>/dev/null)\", not on the help file"
echo "Alt+H starts the .chm program with $(winpath "$help_file")"

key alt+a
[[ "$(screen_sum)" != "$top" ]] || fail "Alt+A did not hide the address bar"
xd_close_window "$window" "$xd_viewer_pid" || fail "the viewer did not close cleanly"
xd_viewer_pid=""
[[ "$(stored ADDRESS_BAR)" == 0 ]] || fail "the hidden bar was stored as \"$(stored ADDRESS_BAR)\""
start_viewer
[[ "$(screen_sum)" != "$top" ]] || fail "the next run started with the address bar"
key alt+a
[[ "$(screen_sum)" == "$top" ]] || fail "Alt+A did not bring the address bar back as it was"
xd_close_window "$window" "$xd_viewer_pid" || fail "the viewer did not close cleanly"
xd_viewer_pid=""
[[ "$(stored ADDRESS_BAR)" == 1 ]] || fail "the shown bar was stored as \"$(stored ADDRESS_BAR)\""
echo "Alt+A hides the bar, the next run starts without it, Alt+A brings it back"

# The help file in Wine's help viewer.
wine hh.exe "$(winpath "$help_file")" </dev/null >>"$log" 2>&1 &
xd_viewer_pid=$!
help_window=$(xd_wait_window "$xd_viewer_pid" "^Tessmire Viewer Help$" 30) || fail "the help viewer showed nothing"
# Its contents list takes a few seconds to paint.
sleep 3
import -window "$help_window" "$artifacts/help.png" 2>/dev/null || fail "no screenshot of the help"
echo "the help file opens in the help viewer: $artifacts/help.png"
