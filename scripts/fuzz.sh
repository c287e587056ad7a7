#!/usr/bin/env bash
# Fuzzes the IPTC reader's parse with libFuzzer for a bounded time.
#
#   scripts/fuzz.sh [SECONDS]     build into build/fuzz/ and run (default 60 s)
#   scripts/fuzz.sh --make-seeds  rewrite tests/fuzz/seeds from tests/fuzz/make_seeds.cpp
#
# The run starts from the seeds, copied into build/fuzz/corpus (which keeps
# what earlier runs found). An input that crashes, leaks or hangs is kept as
# tests/fuzz/crashes/<name>, where the native tests read it again; the script
# then exits non-zero. Needs clang++ with libFuzzer (Debian: libclang-rt-14-dev).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
out="$root/build/fuzz"
fuzz_dir="$root/tests/fuzz"
cxx=${CXX_FUZZ:-clang++}
flags=(-std=c++20 -g -O1 -fno-omit-frame-pointer -I"$root/src" -I"$root/tests")
mkdir -p "$out"

if [[ "${1:-}" == "--make-seeds" ]]; then
    "$cxx" "${flags[@]}" -o "$out/make_seeds" "$fuzz_dir/make_seeds.cpp" \
        "$root/tests/iptc/jpeg_builder.cpp"
    rm -rf "$fuzz_dir/seeds"
    "$out/make_seeds" "$fuzz_dir/seeds"
    ls -l "$fuzz_dir/seeds"
    exit 0
fi

seconds=${1:-60}
if ! [[ "$seconds" =~ ^[0-9]+$ ]] || ((seconds == 0)); then
    echo "usage: $0 [SECONDS] | --make-seeds" >&2
    exit 2
fi

"$cxx" "${flags[@]}" -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
    -o "$out/iptc_fuzz" "$fuzz_dir/iptc_fuzz.cpp" "$root"/src/iptc/*.cpp

mkdir -p "$out/corpus"
cp "$fuzz_dir"/seeds/* "$out/corpus/"
artifacts="$out/artifacts"
rm -rf "$artifacts"
mkdir -p "$artifacts"

set +e
"$out/iptc_fuzz" "$out/corpus" -dict="$fuzz_dir/iptc.dict" -max_len=65536 -timeout=10 \
    -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$artifacts/" \
    2>&1 | tee "$out/fuzz.log"
status=${PIPESTATUS[0]}
set -e

found=0
for input in "$artifacts"/*; do
    [[ -e "$input" ]] || continue
    mkdir -p "$fuzz_dir/crashes"
    cp "$input" "$fuzz_dir/crashes/"
    echo "kept tests/fuzz/crashes/$(basename "$input")"
    found=1
done

execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$out/fuzz.log" | tail -n 1)
echo "exec count: ${execs:-unknown} in ${seconds} s"
if ((status != 0 || found)); then
    echo "fuzzing found a fault (libFuzzer exit $status)" >&2
    exit 1
fi
