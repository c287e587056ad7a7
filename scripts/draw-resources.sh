#!/usr/bin/env bash
# Redraws the window's pictures, the hand pointer and the icon into resources/pictures/ with
# tools/draw_resources.cpp, built here with the native g++ (it needs no library). The drawn files
# are committed, so a build never runs this; run it after changing the drawing and commit the
# result.
#
#   scripts/draw-resources.sh [--sheet OUT.png]
#
# --sheet also writes a contact sheet of every picture enlarged 4 × (needs ImageMagick).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
sheet=
case ${1-} in
    --sheet) sheet=${2:?--sheet needs a file name} ;;
    "") ;;
    *)
        echo "usage: $0 [--sheet OUT.png]" >&2
        exit 2
        ;;
esac

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"${CXX:-g++}" -std=c++20 -O2 -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion \
    -o "$work/draw_resources" "$root/tools/draw_resources.cpp"
out=$root/resources/pictures
"$work/draw_resources" "$out"

if [[ -n $sheet ]]; then
    # The real ImageMagick, not a wrapper that may stand in front of it.
    convert=/usr/bin/convert
    [[ -x $convert ]] || convert=convert
    tiles=()
    n=0
    add_tile() { # SOURCE LABEL
        n=$((n + 1))
        "$convert" "$1" -filter point -resize 400% -background '#8a8f96' -alpha remove \
            -bordercolor '#8a8f96' -border 8 -gravity south -splice 0x22 \
            -fill white -pointsize 15 -annotate +0+3 "$2" "$work/tile-$n.png"
        tiles+=("$work/tile-$n.png")
    }
    for name in title-band go-normal go-hover go-pressed previous next page-down to-end shrink \
        startup; do
        add_tile "$out/$name-100.bmp" "$name 100%"
        add_tile "$out/$name-200.bmp" "$name 200%"
    done
    add_tile "$out/hand.cur[0]" "hand 32"
    add_tile "$out/hand.cur[1]" "hand 64"
    for i in 0 1 2 3; do
        add_tile "$out/tsviewer.ico[$i]" "icon $i"
    done
    montage=/usr/bin/montage
    [[ -x $montage ]] || montage=montage
    "$montage" "${tiles[@]}" -tile 6x -geometry +6+6 -background '#5a5f66' "$sheet"
    echo "contact sheet: $sheet"
fi

ls -l "$out"
