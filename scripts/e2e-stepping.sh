#!/usr/bin/env bash
# End to end under Wine on a private X display: tsviewer.exe started with a page
# image in a folder of page images and one plain JPEG; its caption read from
# outside, its Next button clicked with the mouse (the plain JPEG is passed
# over and the listing wraps round), the window closed with Alt+F4, and the
# settings it left in the registry read back. Then started as from a console,
# with a relative name in another letter case.
#
#   e2e-stepping.sh <tsviewer.exe> <work-dir>
set -euo pipefail

if [[ $# -ne 2 ]]; then
    echo "usage: $0 <tsviewer.exe> <work-dir>" >&2
    exit 2
fi
viewer=$(realpath "$1")
work=$(realpath -m "$2")
root=$(cd "$(dirname "$0")/.." && pwd)
log="$work/wine.log"
source "$root/scripts/lib/xdisplay.sh"
trap xd_cleanup EXIT
trap 'exit 130' INT TERM

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

rm -rf "$work"
mkdir -p "$work/saved pages"
: >"$log"
# Explorer's order: page-long.mire, page-news.jpg, page-recipes.jpg, photo.jpg; the
# caption counts the three page images.
cp "$root"/samples/page-long.mire "$root"/samples/page-news.jpg "$root"/samples/page-recipes.jpg \
    "$root"/samples/photo.jpg "$work/saved pages/"
winpath() { echo "Z:${1//\//\\}"; }
start_file=$(winpath "$work/saved pages/page-news.jpg")

xd_start_xvfb "$log" || fail "no X display"
xd_wine_session "$work/prefix"

value_of() {
    wine reg query "$1" /v "$2" </dev/null 2>/dev/null | tr -d '\r' |
        awk -F'REG_SZ' 'NF > 1 { sub(/^[ \t]+/, "", $2); print $2 }'
}
settings='HKCU\Software\tessmire'
# Any number but 0 shows the address bar; closing stores the bar's state as "1".
wine reg add "$settings" /v ADDRESS_BAR /d 7 /f </dev/null >/dev/null 2>&1 ||
    fail "could not prepare the settings"

wine "$viewer" "$start_file" </dev/null >>"$log" 2>&1 &
xd_viewer_pid=$!
window=$(xd_wait_window "$xd_viewer_pid" "page-news.jpg" 30) || fail "no viewer window"
xdotool mousemove 0 0 >/dev/null 2>&1 || true

caption() { xdotool getwindowname "$window" 2>/dev/null; }
expect_caption() {
    local expected=$1 now="" _
    for _ in $(seq 1 100); do
        now=$(caption)
        [[ "$now" == "$expected" ]] && return 0
        sleep 0.1
    done
    fail "caption is \"$now\", expected \"$expected\""
}
expect_caption "Tessmire v1.2  page-news.jpg    [2/3]"
echo "started: $(caption)"

# The Next button sits in the address bar, placed from the bar's right edge
# (twips, 15 to the pixel): Shrink at width - 390, then 355, 365 and 350 to
# its left; all four are 330 high from 465. Wine's X window is the client area.
eval "$(xdotool getwindowgeometry --shell "$window")"
next_left=$(((WIDTH * 15 - 390 - 355 - 365 - 350) / 15))
next_x=$((next_left + 11))
next_y=$(((465 + 165) / 15))
click_next() {
    xdotool mousemove --window "$window" "$next_x" "$next_y" click 1 >/dev/null 2>&1 ||
        fail "could not click the Next button"
}

click_next
expect_caption "Tessmire v1.2  page-recipes.jpg    [3/3]"
echo "after Next: $(caption)"
# photo.jpg carries no page marker: the step passes it and wraps to the first entry.
click_next
expect_caption "Tessmire v1.2  page-long.mire    [1/3]"
echo "after Next: $(caption)"

xd_close_window "$window" "$xd_viewer_pid" || fail "tsviewer.exe did not close cleanly"
xd_viewer_pid=""

address_bar=$(value_of "$settings" ADDRESS_BAR)
[[ "$address_bar" == 1 ]] || fail "ADDRESS_BAR is \"$address_bar\" after closing, expected 1"
last_run="$settings\\Last Execute"
error=$(value_of "$last_run" Error)
[[ "$error" == "IPTC:IPTC not found |Tag:"* ]] ||
    fail "the last run's Error is \"$error\", expected the plain JPEG's"
command=$(value_of "$last_run" Command)
[[ "$command" == *"page-news.jpg"* ]] || fail "the last run's Command is \"$command\""
[[ -n $(value_of "$last_run" Time) ]] || fail "the last run has no Time"
echo "registry: ADDRESS_BAR=$address_bar; Last Execute: Error=\"$error\", Command=\"$command\""

# Started from a console in a folder of its own with a relative name whose
# non-ASCII letter differs in case from the file's: the name is made whole
# against the console's folder and found in the listing as Windows finds it.
mkdir -p "$work/Seiten"
cp "$root"/samples/page-news.jpg "$work/Seiten/Übersicht.jpg"
cp "$root"/samples/page-recipes.jpg "$work/Seiten/"
(cd "$work/Seiten" && exec env LC_ALL=C.UTF-8 wine "$viewer" "übersicht.jpg") </dev/null >>"$log" 2>&1 &
xd_viewer_pid=$!
window=$(xd_wait_window "$xd_viewer_pid" "bersicht.jpg" 30) || fail "no viewer window for the relative name"
expect_caption "Tessmire v1.2  übersicht.jpg    [2/2]"
echo "started from a console: $(caption)"
click_next
expect_caption "Tessmire v1.2  page-recipes.jpg    [1/2]"
echo "after Next: $(caption)"
xd_close_window "$window" "$xd_viewer_pid" || fail "tsviewer.exe did not close cleanly"
xd_viewer_pid=""
echo "stepping end to end: passed"
