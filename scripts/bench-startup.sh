#!/usr/bin/env bash
# How fast the viewer starts and steps, under Wine with the X11 driver on a
# private Xvfb display (real window surfaces, as a user's desktop has them), in
# a Wine prefix of its own with a persistent wineserver.
#
#   scripts/bench-startup.sh [ROUNDS]      (default 7)
#
# The Windows build is taken from TS_WIN64_BUILD (default build/win64); the
# page images are made once with make_page_image (bench preset) and kept
# under build/bench-startup. The Linux peers (Debian's nsxiv and feh) and
# Xlib's headers for x_first_paint are installed with apt-get when missing;
# without them the peers are left out.
#
# Prints, as medians of ROUNDS rounds whose order alternates:
#   - the start of tsviewer.exe, from just before CreateProcessW until its main
#     window is shown and painted (bench_startup.exe, which says how it tells),
#     for the empty window, a 1280 × 20000 page image in a small folder, the
#     same picture in a folder of 200 page images of 1 to 3 MB, a
#     1920 × 60000 page image, and the 1280 × 20000 picture in a folder of
#     5,000 small page images (about 6 KB each) opened through a long path
#     (over 25 characters) and through a short one (a drive letter of the
#     prefix for the same folder);
#   - the peak memory of each start (the process's peak working set, from
#     GetProcessMemoryInfo, checked once against VmHWM in /proc), and what the
#     picture adds over the empty window against one 32-bit bitmap of it;
#   - measured inside one process: the pieces of the start in the 200-page
#     folder (tag check, folder scan, opening, paint), next-picture steps
#     through that folder, and the to-the-end button on the 1920 × 60000 page;
#   - beside the viewers a Linux user would pick, nsxiv and feh, with their
#     default settings on the same files and display: start to first painted
#     window for each, and for ours once more the same way. Those are timed
#     from outside by x_first_paint (which says how it tells): from just
#     before fork until a window of the program's class is mapped and the
#     middle of it is no longer one flat colour. A file a peer refuses is
#     reported with its own message;
#   - a summary of the ratios.
# Figures and goals only; nothing is asserted.
set -euo pipefail
cd "$(dirname "$0")/.."

rounds=${1:-7}
if ! [[ $rounds =~ ^[1-9][0-9]*$ ]]; then
    echo "usage: $0 [ROUNDS]" >&2
    exit 2
fi
build=${TS_WIN64_BUILD:-build/win64}
work=build/bench-startup
prefix=$work/prefix
steps=20
parts_rounds=5

# Goals printed next to the figures: the first painted screen against the
# empty window's start, the next picture's median and worst, folder starts
# against the small folder's, and peak memory over the empty window against
# the bitmap.
first_screen_goal_ratio=1.3
step_median_goal_ms=16
step_worst_goal_ms=33
many_goal_ratio=1.05
huge_goal_ratio=1.1
memory_goal_ratio=1.05
# The first screens a start may read ahead beside its picture (the next and
# the previous page's), counted in the memory goal: rows of the default
# window's frame, as the to-the-end figures print it.
read_ahead_rows=$((2 * 512))
# Next-picture steps of each viewer seen from X, a reader's pause before each.
x_steps=8
# The empty window's start of an earlier build, to tell the change by
# (TS_BENCH_EMPTY_BEFORE_MS, measured on the same machine); its goal: 20% faster.
empty_before_ms=${TS_BENCH_EMPTY_BEFORE_MS:-}

# ---- the peers -----------------------------------------------------------------

# Installed here rather than by scripts/setup.sh: only this benchmark needs them.
peer_packages=(nsxiv feh libx11-dev libxtst-dev)
peer_missing=()
for package in "${peer_packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || peer_missing+=("$package")
done
if ((${#peer_missing[@]})); then
    echo "== installing ${peer_missing[*]} (the Linux peers, and Xlib's headers for x_first_paint)"
    sudo=""
    [[ $(id -u) -eq 0 ]] || sudo="sudo"
    if ! { $sudo apt-get update -qq &&
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
            "${peer_missing[@]}"; } >/dev/null; then
        echo "bench-startup: could not install ${peer_missing[*]}; peers missing are left out" >&2
    fi
fi

# ---- building ----------------------------------------------------------------

echo "== building (bench preset: make_page_image, x_first_paint; $build: tsviewer, bench_startup)"
cmake --preset bench >/dev/null
cmake --build --preset bench --target make_page_image >/dev/null
x_first_paint=build/bench/tools/x_first_paint
cmake --build --preset bench --target x_first_paint >/dev/null 2>&1 || rm -f "$x_first_paint"
cmake --preset win64 -B "$build" >/dev/null
cmake --build "$build" -j2 --target tsviewer bench_startup >/dev/null
make_page=build/bench/tools/make_page_image
viewer_exe=$build/src/app/win32/tsviewer.exe
bench_exe=$build/tools/bench_startup.exe
for program in "$make_page" "$viewer_exe" "$bench_exe"; do
    [[ -f $program ]] || { echo "bench-startup: $program was not built" >&2; exit 1; }
done

# ---- page images ---------------------------------------------------------------

small=$work/small
many="$work/Saved pages from the research project on coastal towns"
tall=$work/tall
stamp=$work/pages.stamp
stamp_version="bench-startup pages 2"
big_name="Harbour front, the whole page.jpg"

headlines=(
    "Harbour festival draws record crowds"
    "Council approves new sea wall for the old town"
    "Fishing fleet returns early as storm nears"
    "Lighthouse keepers remember the winter of floods"
    "Ferry timetable changes for the summer season"
    "Beach clean-up volunteers collect two tonnes of plastic"
    "Local museum opens exhibition on shipbuilding"
    "Coastal path reopens after landslip repairs"
    "Oyster farmers report a better year than expected"
    "Town band celebrates its hundredth anniversary"
)
many_count=200
big_index=90  # its place in the folder: the steps after it go through pictures of the usual size

# The name of the page at `index` (1-based) in the 200-page folder.
page_name() {
    local index=$1
    local group=$(((index - 1) / 20))
    printf '2024-%02d-14 %s - part %03d.jpg' $((group + 1)) "${headlines[group]}" "$index"
}

make_page() {
    local out=$1 width=$2 height=$3 seed=$4 title=$5
    "$make_page" "$out" "$width" "$height" --seed "$seed" --quality 85 --title "$title" \
        --address "https://example.com/coast/$seed.html"
}

make_pages() {
    rm -rf "$small" "$many" "$tall" "$stamp"
    mkdir -p "$small" "$many" "$tall"
    echo "making the page images (once; kept under $work)"
    make_page "$small/$big_name" 1280 20000 1 "Harbour front"
    local i
    for i in 1 2 3; do
        make_page "$small/Small page $i.jpg" 1280 1500 $((100 + i)) "Small page $i"
    done
    make_page "$tall/Page 1920 x 60000.jpg" 1920 60000 2 "A very long page"
    for ((i = 1; i <= many_count; i++)); do
        local name
        name=$(page_name "$i")
        if ((i == big_index)); then
            ln "$small/$big_name" "$many/$name"
        else
            # Heights 6000 to 12500 rows: 1 to 3 MB at this quality (170 to 240 bytes a row).
            make_page "$many/$name" 1280 $((6000 + (i * 7919) % 6501)) $((1000 + i)) \
                "${headlines[(i - 1) / 20]}, part $i"
        fi
        ((i % 20)) || echo "  $i of $many_count"
    done
    echo "$stamp_version" >"$stamp"
}

if [[ ! -f $stamp || $(cat "$stamp") != "$stamp_version" ]]; then
    make_pages
fi

# A deep folder, so that every path in it is longer than 25 characters; the
# prefix's drive T: gives the same files short paths, to tell what length costs.
huge="$work/Archive/Coastal towns research project/Saved pages, every one kept"
huge_stamp=$work/pages-5000.stamp
huge_stamp_version="bench-startup small pages 1"
huge_count=5000
huge_big_index=2500
huge_big_name=$(printf 'p%04d.jpg' "$huge_big_index")
huge_drive=t:

make_small_pages() {
    rm -rf "$huge" "$huge_stamp"
    mkdir -p "$huge"
    echo "making $huge_count small page images (once; kept under $work)"
    local i
    for ((i = 1; i <= huge_count; i++)); do
        ((i == huge_big_index)) && continue
        # 160 × 220 at quality 75: about 6 KB each.
        printf '"%s/p%04d.jpg" 160 220 --seed %d --quality 75 --title "Small page %d" --address %s\n' \
            "$huge" "$i" $((20000 + i)) "$i" "https://example.com/coast/small/$i.html"
    done | xargs -P "$(nproc)" -L 1 "$make_page"
    echo "$huge_stamp_version" >"$huge_stamp"
}

if [[ ! -f $huge_stamp || $(cat "$huge_stamp") != "$huge_stamp_version" ]]; then
    make_small_pages
fi
# Linked anew each run: the small folder's picture may have been made again.
ln -f "$small/$big_name" "$huge/$huge_big_name"
# The sizes of the folder's pages other than the 1280 × 20000 one.
sizes=$(for ((i = 1; i <= many_count; i++)); do
    ((i == big_index)) || stat -c %s "$many/$(page_name "$i")"
done | sort -n)
echo "folder of $many_count page images: the 1280 x 20000 one" \
    "$(awk -v s="$(stat -c %s "$small/$big_name")" 'BEGIN { printf "%.1f MB", s / 1e6 }'), the" \
    "$(awk 'NR == 1 { min = $1 } { max = $1; sum += $1; n++ }
    END { printf "%d others %.1f to %.1f MB each, %.0f MB in all", n, min / 1e6, max / 1e6, sum / 1e6 }' <<<"$sizes")"
find "$huge" -maxdepth 1 -name 'p*.jpg' ! -name "$huge_big_name" -printf '%s\n' | sort -n |
    awk -v n="$huge_count" 'NR == 1 { min = $1 } { max = $1; sum += $1; count++ }
    END { printf "folder of %d page images: the 1280 x 20000 one, the %d others %.1f to %.1f KB each, %.0f MB in all\n",
          n, count, min / 1e3, max / 1e3, sum / 1e6 }'

# ---- the Wine session ------------------------------------------------------------

# shellcheck source=scripts/lib/xdisplay.sh
source scripts/lib/xdisplay.sh
cleanup() {
    xd_wine_end
    xd_stop_xvfb
}
trap cleanup EXIT
trap 'exit 130' INT TERM

echo "== starting Xvfb and a Wine session in $prefix"
xd_start_xvfb "$work/xvfb.log"
xd_wine_session "$(mkdir -p "$prefix" && cd "$prefix" && pwd)"

winpath() { winepath -w "$(realpath "$1")" 2>/dev/null; }
viewer_win=$(winpath "$viewer_exe")
big_small_win=$(winpath "$small/$big_name")
big_many_win=$(winpath "$many/$(page_name "$big_index")")
tall_win=$(winpath "$tall/Page 1920 x 60000.jpg")
# Spelt out on Z: (the root): winepath would name the folder by its drive T:.
huge_real=$(realpath "$huge")
huge_long_win="Z:${huge_real//\//\\}\\$huge_big_name"
ln -sfn "$huge_real" "$WINEPREFIX/dosdevices/$huge_drive"
huge_short_win="${huge_drive^^}\\$huge_big_name"

bench() { wine "$bench_exe" "$@" </dev/null 2>&1; }

# One start of the viewer; prints its key=value line.
start_case() {
    local output
    case $1 in
        empty) output=$(bench start "$viewer_win") ;;
        small) output=$(bench start "$viewer_win" "$big_small_win") ;;
        many) output=$(bench start "$viewer_win" "$big_many_win") ;;
        tall) output=$(bench start "$viewer_win" "$tall_win") ;;
        huge_long) output=$(bench start "$viewer_win" "$huge_long_win") ;;
        huge_short) output=$(bench start "$viewer_win" "$huge_short_win") ;;
    esac
    grep '^start_ms=' <<<"$output" || { echo "bench-startup: start ($1) failed: $output" >&2; return 1; }
}

field() { sed -n "s/.*\\b$1=\\([-0-9.]*\\).*/\\1/p" <<<"$2"; }

median() {
    printf '%s\n' "$@" | sort -g |
        awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

cases=(empty small many tall huge_long huge_short)
echo "5,000-page folder: the long path $huge_long_win (${#huge_long_win} characters)," \
    "the short one $huge_short_win (${#huge_short_win})"
echo "== warming up (one untimed start of each)"
for name in "${cases[@]}"; do start_case "$name" >/dev/null; done

echo "== $rounds rounds of starts, start to painted (ms)"
declare -A start_ms=() peak_ws=() peak_pf=()
for ((r = 1; r <= rounds; r++)); do
    names=("${cases[@]}")
    ((r % 2)) || names=(huge_short huge_long tall many small empty)
    line="round $r:"
    for name in "${names[@]}"; do
        result=$(start_case "$name")
        start_ms[$name]+="$(field start_ms "$result") "
        peak_ws[$name]+="$(field peak_working_set "$result") "
        peak_pf[$name]+="$(field peak_pagefile "$result") "
        line+=" $name $(field start_ms "$result")"
    done
    echo "$line"
done

# ---- checking the detection and the memory figures once ----------------------

echo "== checking the detection (by polling alone) and the memory figure against /proc"
# The Linux process of the viewer in this prefix, while bench_startup holds its window open.
viewer_pid() {
    local pid program
    for pid in $(pgrep -f 'tsviewer\.exe' || true); do
        # Its own program, not bench_startup's argument; NUL-separated, read without pipes.
        IFS= read -r -d '' program 2>/dev/null <"/proc/$pid/cmdline" || true
        [[ $program == *tsviewer.exe ]] || continue
        if grep -qxzF "WINEPREFIX=$WINEPREFIX" "/proc/$pid/environ" 2>/dev/null; then
            echo "$pid"
            return 0
        fi
    done
    return 1
}
verify_out=$(mktemp)
bench verify 3000 "$viewer_win" "$big_small_win" >"$verify_out" &
verify_pid=$!
hwm_kb=""
for _ in $(seq 1 100); do
    if grep -q '^pending_polls=' "$verify_out" && pid=$(viewer_pid); then
        hwm_kb=$(sed -n 's/^VmHWM:[[:space:]]*\([0-9]*\) kB/\1/p' "/proc/$pid/status")
        break
    fi
    sleep 0.1
done
wait "$verify_pid" || echo "bench-startup: the check's start failed" >&2
verify=$(cat "$verify_out")
rm -f "$verify_out"
pending=$(field pending_polls "$verify")
echo "polls that found the window shown but not yet painted: $pending;" \
    "a shown window without the file's name: $( (($(field shown_without_name "$verify"))) && echo yes || echo no)"
echo "that start, by polling alone: $(field start_ms "$verify") ms (the poll competes with the viewer" \
    "for the two cores; the timed starts wait for input idle first, then poll)"
repaint=$(field repaint_ms "$verify")
if [[ $repaint == -1 ]]; then
    echo "after invalidating its windows from outside, no pending update region was seen: the detection is blind"
else
    echo "after invalidating its windows from outside, the pending update region was seen and cleared by the viewer in $repaint ms"
fi
verify_ws=$(field peak_working_set "$verify")
if [[ -n $hwm_kb ]]; then
    awk -v ws="$verify_ws" -v hwm="$hwm_kb" 'BEGIN {
        printf "peak working set from GetProcessMemoryInfo %.1f MB, VmHWM in /proc %.1f MB\n",
               ws / 1048576, hwm / 1024 }'
else
    echo "could not read the viewer's /proc entry to compare"
fi

# ---- inside one process ------------------------------------------------------------

echo "== inside one process: the pieces of the start in the 200-page folder ($parts_rounds rounds)"
parts=$(bench parts "$big_many_win" "$parts_rounds")
echo "$parts"
echo "== inside one process: $steps next-picture steps in the 200-page folder"
step=$(bench step "$big_many_win" "$steps")
echo "$step"
echo "== inside one process: to the end of the 1920 x 60000 page"
bottom=$(bench bottom "$tall_win")
echo "$bottom"

# ---- beside the Linux peers ----------------------------------------------------------

# The peers get folders of their own for settings and caches, so nothing of the
# user's is read or written.
peer_home=$work/peer-home
mkdir -p "$peer_home/.config" "$peer_home/.cache"
peer_timeout_s=120
pictures=(wide tall)
declare -A picture_path=([wide]="$small/$big_name" [tall]="$tall/Page 1920 x 60000.jpg")
declare -A picture_win=([wide]="$big_small_win" [tall]="$tall_win")
declare -A picture_label=([wide]="1280 x 20000" [tall]="1920 x 60000")

peers=()
if [[ -x $x_first_paint ]]; then
    peers=(ours)
    for peer in nsxiv feh; do
        if command -v "$peer" >/dev/null; then
            peers+=("$peer")
        else
            echo "bench-startup: $peer is not installed; left out" >&2
        fi
    done
else
    echo "bench-startup: x_first_paint was not built (Xlib's headers missing?); the peers are left out" >&2
fi

# One start of a viewer on a picture, timed from outside; prints x_first_paint's line.
peer_start() {
    local who=$1 picture=$2
    if [[ $who == ours ]]; then
        "$x_first_paint" tsviewer.exe "$peer_timeout_s" wine "$viewer_exe" "${picture_win[$picture]}"
    else
        HOME=$peer_home XDG_CONFIG_HOME=$peer_home/.config XDG_CACHE_HOME=$peer_home/.cache \
            "$x_first_paint" "$who" "$peer_timeout_s" "$who" "${picture_path[$picture]}"
    fi
}

# Why a start gave no time, from x_first_paint's line; empty when it gave one.
refusal() {
    local result=$1
    if [[ $result == *refused=1* ]]; then
        # Their message names the file by its whole path; its name is enough.
        local message=${result#*message=}
        echo "refused (status $(field status "$result")): ${message//"$work/"/}"
    elif [[ $result == *timeout=1* ]]; then
        echo "no painted window within $peer_timeout_s s"
    elif [[ $result != *start_ms=* ]]; then
        echo "failed: $result"
    fi
}

# The viewers in the order of round $1: reversed every other round.
round_order() {
    order=("${peers[@]}")
    (($1 % 2)) || mapfile -t order < <(printf '%s\n' "${peers[@]}" | tac)
}

declare -A peer_ms=() peer_rss=() peer_refused=()
if ((${#peers[@]})); then
    echo "== beside the Linux peers: warming up (one untimed start of each on each picture)"
    for picture in "${pictures[@]}"; do
        for who in "${peers[@]}"; do
            why=$(refusal "$(peer_start "$who" "$picture")")
            # A refusal does not change from one round to the next.
            [[ -z $why ]] || peer_refused[$who,$picture]=$why
        done
    done
    echo "== beside the Linux peers: $rounds rounds, start to first painted window seen from X (ms)"
    for ((r = 1; r <= rounds; r++)); do
        round_order "$r"
        line="round $r:"
        for picture in "${pictures[@]}"; do
            line+=" ${picture_label[$picture]// /}"
            for who in "${order[@]}"; do
                [[ -z ${peer_refused[$who,$picture]:-} ]] || continue
                result=$(peer_start "$who" "$picture")
                why=$(refusal "$result")
                if [[ -n $why ]]; then
                    peer_refused[$who,$picture]=$why
                    line+=" $who -"
                    continue
                fi
                peer_ms[$who,$picture]+="$(field start_ms "$result") "
                peer_rss[$who,$picture]+="$(field peak_rss_kb "$result") "
                line+=" $who $(field start_ms "$result")"
            done
        done
        echo "$line"
    done
fi

# Next-picture steps in the 200-page folder seen from X, from its first page:
# x_first_paint's steps_ms, each viewer with its own next-image key.
step_start() {
    local who=$1 first="$many/$(page_name 1)"
    case $who in
        ours) "$x_first_paint" --steps "$x_steps" Right tsviewer.exe "$peer_timeout_s" \
            wine "$viewer_exe" "$(winpath "$first")" ;;
        nsxiv) HOME=$peer_home XDG_CONFIG_HOME=$peer_home/.config XDG_CACHE_HOME=$peer_home/.cache \
            "$x_first_paint" --steps "$x_steps" n nsxiv "$peer_timeout_s" nsxiv "$many"/*.jpg ;;
        feh) HOME=$peer_home XDG_CONFIG_HOME=$peer_home/.config XDG_CACHE_HOME=$peer_home/.cache \
            "$x_first_paint" --steps "$x_steps" Right feh "$peer_timeout_s" feh "$many" ;;
    esac
}
declare -A x_step_ms=()
if ((${#peers[@]})); then
    echo "== next picture in the 200-page folder seen from X: $rounds rounds of $x_steps steps each (ms)"
    for ((r = 1; r <= rounds; r++)); do
        round_order "$r"
        line="round $r:"
        for who in "${order[@]}"; do
            result=$(step_start "$who")
            steps_ms=$(sed -n 's/.*steps_ms=\([-0-9.,]*\).*/\1/p' <<<"$result")
            x_step_ms[$who]+="${steps_ms//,/ } "
            line+=" $who ${steps_ms:-failed}"
        done
        echo "$line"
    done
fi

# ---- the figures ------------------------------------------------------------------

declare -A mid_ms=() mid_ws=() mid_pf=()
for name in "${cases[@]}"; do
    # shellcheck disable=SC2086  # lists of numbers
    mid_ms[$name]=$(median ${start_ms[$name]})
    # shellcheck disable=SC2086
    mid_ws[$name]=$(median ${peak_ws[$name]})
    # shellcheck disable=SC2086
    mid_pf[$name]=$(median ${peak_pf[$name]})
done

met() { awk -v ok="$1" 'BEGIN { print ok ? "met" : "NOT met" }'; }

echo
echo "== start to painted window, medians of $rounds rounds"
for name in "${cases[@]}"; do
    label=$(case $name in
        empty) echo "empty window" ;;
        small) echo "1280 x 20000, small folder" ;;
        many) echo "1280 x 20000, 200-page folder" ;;
        tall) echo "1920 x 60000, alone" ;;
        huge_long) echo "1280 x 20000, 5000 pages, long" ;;
        huge_short) echo "1280 x 20000, 5000 pages, short" ;;
    esac)
    awk -v label="$label" -v ms="${mid_ms[$name]}" -v empty="${mid_ms[empty]}" \
        -v ws="${mid_ws[$name]}" -v pf="${mid_pf[$name]}" 'BEGIN {
        printf "%-31s %7.1f ms (%.2f x empty)  peak working set %6.1f MB, pagefile %6.1f MB\n",
               label, ms, ms / empty, ws / 1048576, pf / 1048576 }'
done
small_ms=${mid_ms[small]}
empty_ms=${mid_ms[empty]}
for name in small tall; do
    awk -v label="$([[ $name == small ]] && echo "1280 x 20000" || echo "1920 x 60000")" \
        -v s="${mid_ms[$name]}" -v e="$empty_ms" -v goal="$first_screen_goal_ratio" 'BEGIN {
        printf "%s first screen: %.1f ms, %.2f x the empty window (goal: at most %.1f x): %s\n",
               label, s, s / e, goal, s / e <= goal ? "met" : "NOT met" }'
done
awk -v s="$small_ms" -v e="$empty_ms" -v tag="$(field tag_ms "$parts")" \
    -v open="$(field open_ms "$parts")" -v paint="$(field paint_ms "$parts")" 'BEGIN {
    printf "  the picture adds %.1f ms to the empty start; in one process its tag check, opening" \
           " (decode, layout) and paint take %.1f ms\n", s - e, tag + open + paint }'
scan_ms=$(field scan_ms "$parts")
awk -v scan="$scan_ms" -v copies="$(field scan_copies_ms "$parts")" -v many="${mid_ms[many]}" \
    -v small="$small_ms" 'BEGIN {
    printf "200-page folder: start %.1f ms, %.1f ms more than the small folder; the scan, on a thread of its own after the page is shown, %.1f ms\n",
           many, many - small, scan
    printf "  (copying every entry to the temporary folder, as an earlier scan did, would take %.1f ms of it on its own)\n",
           copies }'
awk -v long="${mid_ms[huge_long]}" -v short="${mid_ms[huge_short]}" -v small="$small_ms" \
    -v n="$huge_count" 'BEGIN {
    printf "%d-page folder: start %.1f ms through the long path = %.2f x the small folder, %.1f ms through" \
           " the short path = %.2f x; the long path adds %.1f ms\n",
           n, long, long / small, short, short / small, long - short }'

echo "== peak memory over the empty window, against one 32-bit bitmap of the picture and two first screens read ahead"
memory_line() {
    awk -v label="$1" -v w="$2" -v h="$3" -v ws="$4" -v pf="$5" -v ews="${mid_ws[empty]}" \
        -v epf="${mid_pf[empty]}" -v goal="$memory_goal_ratio" -v ahead="$read_ahead_rows" 'BEGIN {
        bitmap = w * h * 4 + w * ahead * 4
        r = (ws - ews) / bitmap
        printf "%-31s bitmap %5.1f MB; working set +%6.1f MB = %.2f x (goal at most %.2f: %s); pagefile +%6.1f MB = %.2f x\n",
               label, bitmap / 1e6, (ws - ews) / 1e6, r, goal, r <= goal ? "met" : "NOT met",
               (pf - epf) / 1e6, (pf - epf) / bitmap }'
}
memory_line "1280 x 20000, small folder" 1280 20000 "${mid_ws[small]}" "${mid_pf[small]}"
memory_line "1280 x 20000, 200-page folder" 1280 20000 "${mid_ws[many]}" "${mid_pf[many]}"
memory_line "1920 x 60000, alone" 1920 60000 "${mid_ws[tall]}" "${mid_pf[tall]}"

echo "== next picture in the 200-page folder, click to painted"
awk -v m="$(field step_median_ms "$step")" -v w="$(field step_worst_ms "$step")" \
    -v n="$(field steps "$step")" -v d="$(field decode_median_ms "$step")" \
    -v l="$(field list_median_ms "$step")" -v gm="$step_median_goal_ms" \
    -v gw="$step_worst_goal_ms" 'BEGIN {
    printf "%d steps: median %.1f ms, worst %.1f ms (goal: median at most %d ms: %s; worst at most %d ms: %s)\n",
           n, m, w, gm, m <= gm ? "met" : "NOT met", gw, w <= gw ? "met" : "NOT met"
    printf "  measured on their own (medians): decoding the whole picture %.1f ms," \
           " listing its folder anew %.1f ms\n", d, l }'

echo "== to the end of the 1920 x 60000 page, click until its last rows are decoded and painted"
awk -v ms="$(field bottom_ms "$bottom")" -v at="$(field at_max "$bottom")" \
    -v laid="$(field bottom_as_laid_out "$bottom")" -v in_frame="$(field last_row_in_frame "$bottom")" \
    -v shown="$(field row_shown "$bottom")" 'BEGIN {
    printf "%.1f ms; bar at its maximum: %s; picture bottom where the layout puts it: %s; " \
           "last row inside the frame: %s; last row painted from the picture: %s\n",
           ms, at ? "yes" : "NO", laid ? "yes" : "NO", in_frame ? "yes" : "no", shown ? "yes" : "NO" }'

if ((${#peers[@]})); then
    echo "== beside the Linux peers, start to first painted window seen from X, medians of $rounds rounds"
    echo "   (ours: wine tsviewer.exe, timed the same way as the peers; peak resident memory from /proc)"
    declare -A peer_mid=()
    for picture in "${pictures[@]}"; do
        for who in "${peers[@]}"; do
            label="${picture_label[$picture]}, $who"
            if [[ -n ${peer_refused[$who,$picture]:-} ]]; then
                printf '%-20s %s\n' "$label" "${peer_refused[$who,$picture]}"
                continue
            fi
            # shellcheck disable=SC2086  # lists of numbers
            peer_mid[$who,$picture]=$(median ${peer_ms[$who,$picture]})
            # shellcheck disable=SC2086
            rss=$(median ${peer_rss[$who,$picture]})
            awk -v label="$label" -v ms="${peer_mid[$who,$picture]}" -v rss="$rss" \
                -v ours="${peer_mid[ours,$picture]:-}" -v who="$who" 'BEGIN {
                printf "%-20s %7.1f ms, peak resident %6.1f MB", label, ms, rss / 1024
                if (who != "ours" && ours != "") printf "; ours takes %.2f x its time", ours / ms
                printf "\n" }'
        done
    done
    echo "   (bench_startup's start of ours, for comparison: 1280 x 20000 ${mid_ms[small]} ms, 1920 x 60000 ${mid_ms[tall]} ms)"
fi

if ((${#x_step_ms[@]})); then
    echo "== next picture in the 200-page folder seen from X, key to changed window (all steps of all rounds)"
    for who in "${peers[@]}"; do
        # shellcheck disable=SC2086  # lists of numbers
        printf '%s\n' ${x_step_ms[$who]:-} | sort -g | awk -v who="$who" '
            $1 < 0 { bad++; next }
            { v[++m] = $1 }
            END {
                if (m == 0) { printf "%-6s no step seen\n", who; exit }
                med = (m % 2) ? v[(m + 1) / 2] : (v[m / 2] + v[m / 2 + 1]) / 2
                printf "%-6s median %6.1f ms, worst %6.1f ms of %d steps%s\n", who, med, v[m], m,
                       bad ? sprintf(" (%d showed no change within 5 s)", bad) : "" }'
    done | tee "$work/x-steps.txt"
fi

# ---- the summary ---------------------------------------------------------------------

# "ours against a peer" on the 1280 × 20000 page, or why there is no ratio.
peer_ratio() {
    local who=$1
    if [[ ! " ${peers[*]} " == *" $who "* ]]; then
        echo "not measured"
    elif [[ -n ${peer_refused[$who,wide]:-} || -n ${peer_refused[ours,wide]:-} ]]; then
        echo "none (${peer_refused[$who,wide]:-${peer_refused[ours,wide]}})"
    else
        awk -v o="${peer_mid[ours,wide]}" -v t="${peer_mid[$who,wide]}" 'BEGIN {
            printf "%.2f x (goal: faster: %s)", o / t, o < t ? "met" : "NOT met" }'
    fi
}

echo
echo "== summary: ratios (medians of $rounds rounds; rough when other work shares the cores)"
awk -v e="${mid_ms[empty]}" -v s="${mid_ms[small]}" -v t="${mid_ms[tall]}" \
    -v goal="$first_screen_goal_ratio" 'BEGIN {
    printf "first painted screen against the empty window:  1280 x 20000 %.2f x, 1920 x 60000 %.2f x (goal: at most %.1f x: %s)\n",
           s / e, t / e, goal, s / e <= goal && t / e <= goal ? "met" : "NOT met" }'
echo "ours against the peers on 1280 x 20000, seen from X: nsxiv $(peer_ratio nsxiv), feh $(peer_ratio feh)"
if [[ -s $work/x-steps.txt ]]; then
    awk '$2 == "median" { m[$1] = $3 } END {
        if (!("ours" in m)) { print "next picture seen from X: ours not measured"; exit }
        line = sprintf("next picture seen from X: ours %.1f ms (median)", m["ours"])
        for (who in m) if (who != "ours")
            line = line sprintf(", %s %.1f ms (goal: faster: %s)", who, m[who], m["ours"] < m[who] ? "met" : "NOT met")
        print line }' "$work/x-steps.txt"
fi
if [[ -n $empty_before_ms ]]; then
    awk -v now="${mid_ms[empty]}" -v before="$empty_before_ms" 'BEGIN {
        printf "empty window start: %.1f ms against %.1f ms before = %.2f x (goal: at most 0.80 x: %s)\n",
               now, before, now / before, now / before <= 0.8 ? "met" : "NOT met" }'
fi
awk -v m="$(field step_median_ms "$step")" -v w="$(field step_worst_ms "$step")" \
    -v gm="$step_median_goal_ms" -v gw="$step_worst_goal_ms" 'BEGIN {
    printf "next picture in the 200-page folder:  median %.1f ms = %.2f x the %d ms goal, worst %.1f ms = %.2f x the %d ms goal: %s\n",
           m, m / gm, gm, w, w / gw, gw, m <= gm && w <= gw ? "met" : "NOT met" }'
awk -v many="${mid_ms[many]}" -v long="${mid_ms[huge_long]}" -v short="${mid_ms[huge_short]}" \
    -v small="${mid_ms[small]}" -v n="$huge_count" -v gm="$many_goal_ratio" -v gh="$huge_goal_ratio" 'BEGIN {
    printf "folder start against the small folder:  200 pages %.2f x (goal: at most %.2f x: %s); %d pages %.2f x (long path), %.2f x (short path) (goal: at most %.2f x: %s)\n",
           many / small, gm, many / small <= gm ? "met" : "NOT met", n, long / small, short / small, gh,
           long / small <= gh && short / small <= gh ? "met" : "NOT met" }'
awk -v ews="${mid_ws[empty]}" -v s="${mid_ws[small]}" -v t="${mid_ws[tall]}" -v goal="$memory_goal_ratio" \
    -v ahead="$read_ahead_rows" 'BEGIN {
    rs = (s - ews) / (1280 * (20000 + ahead) * 4)
    rt = (t - ews) / (1920 * (60000 + ahead) * 4)
    printf "peak working set over the empty window against the bitmap and the screens read ahead:  1280 x 20000 %.2f x, 1920 x 60000 %.2f x (goal: at most %.2f x: %s)\n",
           rs, rt, goal, rs <= goal && rt <= goal ? "met" : "NOT met" }'
