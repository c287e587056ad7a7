#!/usr/bin/env bash
# Paging a long capture under Wine on a private Xvfb (real window surfaces):
# the page-down button, 40 Page Down presses and 40 wheel notches on a
# 1280 × 20000 page image at original size, each timed from the input to the
# frame repainted (bench_scroll.exe says how), in a Wine prefix of its own.
#
#   scripts/bench-keys.sh
#
# The Windows build is taken from TS_WIN64_BUILD (default build/win64); the
# page image is made once with make_page_image (bench preset) and kept under
# build/bench-keys. Figures and goals only; nothing is asserted.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${TS_WIN64_BUILD:-build/win64}
work=$(pwd)/build/bench-keys

echo "== building (bench preset: make_page_image; $build: bench_scroll)"
cmake --preset bench >/dev/null
cmake --build --preset bench --target make_page_image >/dev/null
cmake --preset win64 -B "$build" >/dev/null
cmake --build "$build" -j2 --target bench_scroll >/dev/null
bench=$(realpath "$build/tools/bench_scroll.exe")

mkdir -p "$work"
page="$work/Harbour front, the whole page.jpg"
if [[ ! -f $page ]]; then
    build/bench/tools/make_page_image "$page" 1280 20000 --seed 1 --quality 85 \
        --title "Harbour front" --address "https://example.com/coast/1.html"
fi

source scripts/lib/xdisplay.sh
trap xd_cleanup EXIT
trap 'exit 130' INT TERM
log="$work/wine.log"
: >"$log"
xd_start_xvfb "$log"
xd_wine_session "$work/prefix"
wine "$bench" "Z:${page//\//\\}" </dev/null 2>>"$log" | tr -d '\r'
