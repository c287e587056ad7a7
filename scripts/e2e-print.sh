#!/usr/bin/env bash
# Printing end to end under Wine on a private X display, on a PostScript
# printer (A4, 300 dpi) whose output goes to a file, with the system's Print
# dialog answered by keys as a user does:
#  - Cancel: no output, no settings kept;
#  - a 1024 × 6000 page image at original size, a remembered orientation the
#    printer lacks ignored: tiled down one column of portrait sheets, the
#    sheets the arithmetic gives, the title on the first sheet, the address
#    on the last, each sheet carrying only its band of the picture;
#  - shrunk: one sheet with title and address, the whole picture on it, sent
#    at the dots it covers;
#  - Print to file, on a page whose address is 300 characters long: the file
#    named in the Save dialog gets the sheet, the printer nothing, and the
#    address wraps within the sheet's width;
#  - landscape chosen in the printer's properties: kept, and the next print
#    starts from it.
#
#   e2e-print.sh <print_page.exe> <add_ps_printer.exe> <build-dir>
#
# The prefix is the build's shared X prefix (wineprefix-x11).
set -euo pipefail

if [[ $# -ne 3 ]]; then
    echo "usage: $0 <print_page.exe> <add_ps_printer.exe> <build-dir>" >&2
    exit 2
fi
print_page=$(realpath "$1")
add_printer=$(realpath "$2")
build=$(realpath "$3")
root=$(cd "$(dirname "$0")/.." && pwd)
work="$build/e2e-print"
log="$work/wine.log"
output="$work/job.ps"
source "$root/scripts/lib/xdisplay.sh"
source "$root/scripts/lib/ps-printer.sh"
trap xd_cleanup EXIT
trap 'exit 130' INT TERM

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

rm -rf "$work"
mkdir -p "$work"
: >"$log"
page="$work/page-long.mire"
cp "$root/samples/page-long.mire" "$page"
title="Annual report 2023: the full text"
address="https://example.org/reports/2023/annual-report?view=all"
winpath() { echo "Z:${1//\//\\}"; }

xd_start_xvfb "$log" || fail "no X display"
xd_wine_session "$build/wineprefix-x11"
ps_printer_install "$add_printer" "$output" || fail "no PostScript printer"

quiet() { "$@" </dev/null >/dev/null 2>&1; }
settings='HKCU\Software\tessmire'
quiet wine reg add "$settings" /v ADDRESS_BAR /d 1 /f || fail "no settings key"
quiet wine reg delete "$settings\\Print" /f || true
stored_orientation() {
    wine reg query "$settings\\Print" /v orientation </dev/null 2>/dev/null |
        awk '$1 == "orientation" { print $3 }' | tr -d '\r'
}

# Prints $page with print_page.exe (options first), answering the dialog
# with the keys of answer_dialog; waits for the run to end.
answer_with() { xdotool key --window "$1" "$2" 2>/dev/null; }
print_with() {
    local answer=$1
    shift
    rm -f "$output"
    wine "$print_page" "$@" "$(winpath "$page")" </dev/null >>"$log" 2>&1 &
    xd_viewer_pid=$!
    local dialog
    dialog=$(xd_wait_window "$xd_viewer_pid" '^Print$' 60) || fail "no Print dialog"
    "$answer" "$dialog"
    wait "$xd_viewer_pid" || fail "print_page ended with status $?"
    xd_viewer_pid=""
}
ok() { answer_with "$1" Return; }
cancel() { answer_with "$1" Escape; }
to_file() {
    answer_with "$1" alt+l
    answer_with "$1" Return
    local save
    save=$(xd_wait_window "$xd_viewer_pid" '^Print to File$' 30) || fail "no Save dialog"
    xdotool windowfocus --sync "$save" 2>/dev/null || true
    xdotool type --delay 10 "$(winpath "$work/printed.prn")"
    answer_with "$save" Return
}
landscape() {
    answer_with "$1" alt+p
    local sheet
    sheet=$(xd_wait_window "$xd_viewer_pid" '^Options$' 30) || fail "no printer properties"
    answer_with "$sheet" alt+l
    answer_with "$sheet" Return
    # The Print dialog takes keys again once the properties are gone.
    while xdotool search --onlyvisible --name '^Options$' >/dev/null 2>&1; do sleep 0.1; done
    answer_with "$1" Return
}

# Sheets down a column for a picture `height` dots high on sheets `page` dots
# high, under the header: a 10-point title line (48 dots at 300 dpi) and 10.
sheets_down() { awk -v h="$1" -v page="$2" 'BEGIN { n = (h + 48 + 10) / page; print (n == int(n)) ? n : int(n) + 1 }'; }
# The page's printed size: 1024 × 6000 pixels at 15 twips each, at 300 dpi,
# brought to the page's width when wider.
printed_height() {
    awk -v page_w="$1" 'BEGIN { w = 1024 * 15 * 300 / 1440; h = 6000 * 15 * 300 / 1440
        if (w > page_w) h = page_w * h / w
        printf "%d\n", h + 0.5 }'
}

check_tiled() {
    local what=$1 orientation=$2 page_w=$3 page_h=$4 expected count sheet
    expected=$(sheets_down "$(printed_height "$page_w")" "$page_h")
    count=$(ps_page_count "$output")
    [[ "$count" == "$expected" ]] || fail "$what: $count sheets, expected $expected"
    [[ "$(ps_orientation "$output" 1)" == "$orientation" ]] || fail "$what: not $orientation"
    [[ "$(ps_page_text "$output" 1)" == "$title" ]] || fail "$what: sheet 1 reads \"$(ps_page_text "$output" 1)\""
    [[ "$(ps_page_text "$output" "$count")" == "$address" ]] ||
        fail "$what: the last sheet reads \"$(ps_page_text "$output" "$count")\""
    for sheet in $(seq 2 $((count - 1))); do
        [[ -z "$(ps_page_text "$output" "$sheet")" ]] || fail "$what: text on sheet $sheet"
    done
    # Each sheet is sent its own band of rows, never the whole picture.
    for sheet in $(seq 1 "$count"); do
        ps_images "$output" "$sheet" | awk -v s="$sheet" -v what="$what" '
            { n++; if ($2 >= 3000) { print what ": sheet " s " carries " $2 " rows"; exit 1 } }
            END { if (n != 1) { print what ": sheet " s " has " n + 0 " pictures"; exit 1 } }' >&2 ||
            fail "$what: sheet $sheet is not one band of the picture"
    done
    echo "$what: $count $orientation sheets, title on the first, address on the last"
}

print_with cancel
[[ ! -e "$output" ]] || fail "Cancel printed"
[[ -z "$(stored_orientation)" ]] || fail "Cancel kept settings"
echo "cancel: nothing printed, nothing kept"

quiet wine reg add "$settings\\Print" /v orientation /d -5 /f || fail "no Print key"
print_with ok
check_tiled "original size" portrait 2329 3358
[[ "$(stored_orientation)" == 1 ]] || fail "orientation kept as \"$(stored_orientation)\""

print_with ok --shrink
[[ "$(ps_page_count "$output")" == 1 ]] || fail "shrunk: $(ps_page_count "$output") sheets"
[[ "$(ps_page_text "$output" 1)" == "$title"$'\n'"$address" ]] ||
    fail "shrunk: the sheet reads \"$(ps_page_text "$output" 1)\""
# The whole picture, handed over in bands that join on the sheet without seams,
# with about a pixel for each dot it covers.
ps_images "$output" 1 | awk '
    NR > 1 && $4 != y + h { print "shrunk: a band at " $4 " after one ending at " y + h; bad = 1 }
    { rows += $2; y = $4; h = $6; down += $6; dots += ($5 + 1) * ($6 + 1); sent += $1 * $2 }
    END { if (!rows || rows < down || sent > dots) { print "shrunk: " sent " pixels sent for " dots " dots"; bad = 1 }
          exit bad }' >&2 ||
    fail "shrunk: the picture is not printed whole at the dots it covers"
echo "shrunk: one sheet with title and address, the picture whole at its printed size"

page="$work/long-address.jpg"
cp "$root/tests/win32/data/long-address.jpg" "$page"
long_address="https://archive.example.org/collections/2023/annual-reports/full-text/chapter-07/section-12/appendix-b/tables-and-figures/index.html?view=print&lang=en&edition=second&page=all&source=newsletter-march&campaign=spring-reading-list&ref=front-page-banner&session=a81f3c9e0b7d42e5&utm=print-test-x&n=12345"
print_with to_file --shrink
[[ ! -e "$output" ]] || fail "print to file: the printer printed"
lines=$(ps_page_text "$work/printed.prn" 1) || fail "print to file: no sheet in the file"
[[ "$(tail -n +2 <<<"$lines" | tr -d '\n')" == "$long_address" && $(wc -l <<<"$lines") -gt 2 ]] ||
    fail "print to file: the sheet reads \"$lines\""
ps_text_right_edges "$work/printed.prn" 1 | awk '$1 > 2329 { print "a line ends at " $1; bad = 1 } END { exit bad }' >&2 ||
    fail "print to file: text runs off the sheet"
echo "print to file: the file has the sheet, the printer nothing; the address in $(($(wc -l <<<"$lines") - 1)) lines"
page="$work/page-long.mire"

print_with landscape
check_tiled "landscape chosen" landscape 3358 2329
[[ "$(stored_orientation)" == 2 ]] || fail "landscape kept as \"$(stored_orientation)\""
print_with ok
check_tiled "the next print" landscape 3358 2329
