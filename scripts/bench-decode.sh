#!/usr/bin/env bash
# What decoding a tall page image costs with the viewer's picture codec, next to
# djpeg: both the Windows x86_64 builds of the same libjpeg-turbo, under Wine.
#
#   scripts/bench-decode.sh [ROUNDS]      (default 9)
#
# Makes a 1280 × 20000 page image and times two pairs, in rounds whose order
# alternates:
#   whole picture   the codec decoding into one new bitmap, as the viewer does
#                   (bench_decode.exe), against djpeg -bmp, which also holds the
#                   whole picture in memory before it writes it (to the null device);
#   decoding alone  the codec's band reader into one small buffer
#                   (bench_decode.exe --bands), against djpeg writing PPM row by
#                   row to the null device: no whole picture, no file.
# Each run is a process of its own with a warm wineserver and page cache, and so
# is "start" (djpeg.exe -version: a process that only starts and ends); "net" is
# a run less the start of its round. Prints the medians and the ratios
# codec/djpeg (goal: at most 1.2), and the codec's own in-process timings.
# Figures only; nothing is asserted.
set -euo pipefail
cd "$(dirname "$0")/.."

rounds=${1:-9}
if ! [[ $rounds =~ ^[1-9][0-9]*$ ]]; then
    echo "usage: $0 [ROUNDS]" >&2
    exit 2
fi
work=build/bench-decode
page=$work/page-1280x20000.jpg
prefix=build/win64/wineprefix
goal=1.2

echo "== building (bench preset: make_page_image; win64: bench_decode, djpeg)"
cmake --preset bench >/dev/null
cmake --build --preset bench --target make_page_image >/dev/null
cmake --preset win64 >/dev/null
cmake --build --preset win64 -j2 --target bench_decode >/dev/null
bench=build/win64/tools/bench_decode.exe
djpeg=$(sed -n 's/^TS_DJPEG_EXECUTABLE:INTERNAL=//p' build/win64/CMakeCache.txt)
for program in "$bench" "$djpeg"; do
    [[ -f $program ]] || { echo "bench-decode: $program was not built" >&2; exit 1; }
done

mkdir -p "$work"
if [[ ! -f $page ]]; then
    build/bench/tools/make_page_image "$page" 1280 20000 --title "Decode benchmark" \
        --address "https://example.com/bench/decode.html"
fi
echo "page image: $page, $(($(stat -c %s "$page") / 1024)) KB"

# The wineserver of this prefix: kept when it already runs (a test run may be
# using it), otherwise started by wine-run.sh below and stopped at the end.
mkdir -p "$prefix"
WINEPREFIX=$(cd "$prefix" && pwd)
export WINEPREFIX
probe=0
wineserver -p </dev/null >/dev/null 2>&1 || probe=$?
if ((probe == 0)); then
    # This probe started it; let wine-run.sh start the session properly instead.
    wineserver -k </dev/null >/dev/null 2>&1 || true
    wineserver -w </dev/null >/dev/null 2>&1 || true
    trap 'scripts/wine-stop.sh "$prefix"' EXIT
fi

run() { scripts/wine-run.sh "$prefix" "$@"; }

# Seconds taken by one command, its output discarded.
seconds() {
    local start=$EPOCHREALTIME
    "$@" >/dev/null 2>&1
    awk -v a="$start" -v b="$EPOCHREALTIME" 'BEGIN { printf "%.4f", b - a }'
}

median() {
    printf '%s\n' "$@" | sort -g |
        awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

ms() { awk -v s="$1" 'BEGIN { printf "%6.1f ms", s * 1000 }'; }

# The four timed commands, by name.
declare -A command=(
    [codec_whole]="$bench $page 1"
    [djpeg_bmp]="$djpeg -bmp -outfile NUL $page"
    [codec_bands]="$bench --bands $page 1"
    [djpeg_ppm]="$djpeg -outfile NUL $page"
)
order=(codec_whole djpeg_bmp codec_bands djpeg_ppm)

echo "== warming up (wineserver, page cache, one untimed run of each)"
run "$djpeg" -version >/dev/null 2>&1
for name in "${order[@]}"; do
    # shellcheck disable=SC2086  # the commands are word lists without blanks inside words
    run ${command[$name]} >/dev/null || { echo "bench-decode: $name failed" >&2; exit 1; }
done

declare -A net=()
starts=()
for ((r = 1; r <= rounds; r++)); do
    start=$(seconds run "$djpeg" -version)
    starts+=("$start")
    line="round $r: start $(ms "$start")"
    names=("${order[@]}")
    ((r % 2)) || names=(djpeg_ppm codec_bands djpeg_bmp codec_whole)
    for name in "${names[@]}"; do
        # shellcheck disable=SC2086
        t=$(seconds run ${command[$name]})
        net[$name]+="$(awk -v a="$t" -v b="$start" 'BEGIN { print a - b }') "
        line+=", $name $(ms "$t")"
    done
    echo "$line"
done

# The codec timed inside its process: the decode alone, no process start.
inside_whole=$(run "$bench" "$page" "$rounds" | sed -n 's/^median_ms=//p')
inside_bands=$(run "$bench" --bands "$page" "$rounds" | sed -n 's/^median_ms=//p')

declare -A middle=()
for name in "${order[@]}"; do
    # shellcheck disable=SC2086
    middle[$name]=$(median ${net[$name]})
done
echo "== medians of $rounds rounds, net of a process start ($(ms "$(median "${starts[@]}")"))"
ratio() {
    awk -v c="$2" -v d="$3" -v goal="$goal" -v what="$1" 'BEGIN {
        printf "%-15s codec %6.1f ms, djpeg %6.1f ms: ratio %.2f (goal at most %.1f: %s)\n",
               what, c * 1000, d * 1000, c / d, goal, c / d <= goal ? "met" : "NOT met"
    }'
}
ratio "whole picture" "${middle[codec_whole]}" "${middle[djpeg_bmp]}"
ratio "decoding alone" "${middle[codec_bands]}" "${middle[djpeg_ppm]}"
echo "codec inside its process: whole picture ${inside_whole} ms, decoding alone ${inside_bands} ms"
