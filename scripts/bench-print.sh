#!/usr/bin/env bash
# Printing a long capture under Wine: a 1280 × 20000 page image printed at its
# original size (tiled down the sheets) and shrunk (the whole picture once on
# one sheet) to a PostScript printer (A4, 300 dpi) whose output goes to a
# file, the Print dialog confirmed with Return on a private Xvfb, in a Wine
# prefix of its own.
#
#   scripts/bench-print.sh [ROUNDS]      (default 3)
#
# The Windows build is taken from TS_WIN64_BUILD (default build/win64); the
# page image is made once with make_page_image (bench preset) and kept under
# build/bench-print.
#
# Prints, as medians of ROUNDS rounds: the sheets, the time from the dialog's
# OK to the end of the job (measured inside print_page.exe), the peak of the
# process's private bytes during the command over what it had before, against
# the picture's 32-bit bitmap, and the size of the one-sheet job (the picture
# at its printed size) against the tiled job. Figures and goals only; nothing is asserted.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

rounds=${1:-3}
if ! [[ $rounds =~ ^[1-9][0-9]*$ ]]; then
    echo "usage: $0 [ROUNDS]" >&2
    exit 2
fi
build=${TS_WIN64_BUILD:-build/win64}
work=$root/build/bench-print
bytes_goal_ratio=0.1
memory_goal_ratio=0.3

echo "== building (bench preset: make_page_image; $build: print_page, add_ps_printer)"
cmake --preset bench >/dev/null
cmake --build --preset bench --target make_page_image >/dev/null
cmake --preset win64 -B "$build" >/dev/null
cmake --build "$build" -j2 --target print_page add_ps_printer >/dev/null
make_page=build/bench/tools/make_page_image
print_page=$(realpath "$build/tools/print_page.exe")
add_printer=$(realpath "$build/tools/add_ps_printer.exe")

mkdir -p "$work"
page="$work/Harbour front, the whole page.jpg"
if [[ ! -f $page ]]; then
    "$make_page" "$page" 1280 20000 --seed 1 --quality 85 --title "Harbour front" \
        --address "https://example.com/coast/1.html"
fi

source scripts/lib/xdisplay.sh
source scripts/lib/ps-printer.sh
trap xd_cleanup EXIT
trap 'exit 130' INT TERM
log="$work/wine.log"
output="$work/job.ps"
: >"$log"
xd_start_xvfb "$log"
xd_wine_session "$work/prefix"
ps_printer_install "$add_printer" "$output"
wine reg add 'HKCU\Software\tessmire' /v ADDRESS_BAR /d 1 /f </dev/null >/dev/null 2>&1

# One print; appends "sheets bytes job_ms set_over committed_over picture" to $2.
print_once() {
    local mode=$1 results=$2 report="$work/report.txt" options=()
    [[ $mode == shrunk ]] && options=(--shrink)
    rm -f "$output" "$report"
    wine "$print_page" --measure "Z:${report//\//\\}" "${options[@]}" "Z:${page//\//\\}" \
        </dev/null >>"$log" 2>&1 &
    xd_viewer_pid=$!
    local dialog
    dialog=$(xd_wait_window "$xd_viewer_pid" '^Print$' 60)
    xdotool key --window "$dialog" Return 2>/dev/null
    wait "$xd_viewer_pid"
    xd_viewer_pid=""
    local set_before set_peak committed_before committed_peak picture job_ms
    read -r _ set_before set_peak _ committed_before committed_peak _ picture _ job_ms <"$report"
    echo "$(ps_page_count "$output") $(stat -c %s "$output") $job_ms" \
        "$((set_peak - set_before)) $((committed_peak - committed_before)) $picture" >>"$results"
}

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
column() { awk -v c="$2" '{ print $c }' "$1" | median; }

for mode in tiled shrunk; do
    : >"$work/$mode.txt"
done
for ((round = 1; round <= rounds; round++)); do
    for mode in tiled shrunk; do
        print_once "$mode" "$work/$mode.txt"
    done
    echo "round $round of $rounds done"
done

picture=$(column "$work/tiled.txt" 6)
echo
echo "1280 x 20000 page image, bitmap $(awk -v b="$picture" 'BEGIN { printf "%.1f MB", b / 1e6 }'), A4 at 300 dpi, medians of $rounds"
for mode in tiled shrunk; do
    sheets=$(column "$work/$mode.txt" 1)
    bytes=$(column "$work/$mode.txt" 2)
    ms=$(column "$work/$mode.txt" 3)
    set_over=$(column "$work/$mode.txt" 4)
    committed_over=$(column "$work/$mode.txt" 5)
    awk -v m="$mode" -v s="$sheets" -v b="$bytes" -v t="$ms" -v w="$set_over" \
        -v c="$committed_over" -v p="$picture" -v goal="$memory_goal_ratio" 'BEGIN {
        printf "  %-7s %2d sheets, job %.1f MB, OK to end of job %d ms\n", m, s, b / 1e6, t
        printf "          over the viewer: working set + %.1f MB = %.2f x the bitmap, committed + %.1f MB = %.2f x (goal %.1f x)\n",
            w / 1e6, w / p, c / 1e6, c / p, goal }'
done
awk -v t="$(column "$work/tiled.txt" 2)" -v s="$(column "$work/shrunk.txt" 2)" \
    -v goal="$bytes_goal_ratio" 'BEGIN {
    printf "  the one-sheet job is %.3f x the tiled job (goal at most %.1f x)\n", s / t, goal }'
