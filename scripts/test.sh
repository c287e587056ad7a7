#!/usr/bin/env bash
# Sets up the machine, builds every preset and runs every test: the native
# tests (with sanitizers), the threaded ones again under ThreadSanitizer, the
# Windows tests under Wine, the i686 build; clang-tidy beside the tests, told
# after them; then a bounded run of the IPTC reader's fuzzer.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh

fuzz_seconds=${TS_FUZZ_SECONDS:-60}
logs=build/test-logs
mkdir -p "$logs"

echo "== native build"
cmake --preset native >/dev/null
cmake --build --preset native -j2

echo "== ThreadSanitizer build (the threaded tests alone)"
cmake --preset tsan >/dev/null
cmake --build --preset tsan -j2

echo "== win64 build"
cmake --preset win64 >/dev/null
cmake --build --preset win64 -j2

echo "== win32 build (compile and link only)"
cmake --preset win32 >/dev/null
cmake --build --preset win32 -j2

# clang-tidy reads the two builds' compile commands and nothing the tests
# write, so it runs while the tests do (most of the Windows tests' time is
# spent waiting on windows); its findings are told after every test's result.
tidy_log="$logs/tidy.log"
scripts/tidy.sh build/native build/win64 >"$tidy_log" 2>&1 &
tidy_pid=$!

echo "== native tests"
native_rc=0
ctest --preset native -j2 2>&1 | tee "$logs/native.log" || native_rc=$?

echo "== threaded tests under ThreadSanitizer"
tsan_rc=0
ctest --preset tsan 2>&1 | tee "$logs/tsan.log" || tsan_rc=$?

echo "== Windows tests under Wine"
wine_rc=0
trap 'scripts/wine-stop.sh build/win64/wineprefix' EXIT
ctest --preset win64 2>&1 | tee "$logs/win64.log" || wine_rc=$?

# After every test, so a finding of either never hides a test's result.
echo "== clang-tidy"
tidy_rc=0
wait "$tidy_pid" || tidy_rc=$?
cat "$tidy_log"

echo "== fuzzing the IPTC reader for ${fuzz_seconds} s"
fuzz_rc=0
scripts/fuzz.sh "$fuzz_seconds" || fuzz_rc=$?

# One closing line for both runs.
count() { grep -oE "tests failed out of [0-9]+" "$1" | grep -oE "[0-9]+$" || echo 0; }
failed() { grep -oE "[0-9]+ tests failed out of" "$1" | grep -oE "^[0-9]+" || echo 0; }
logfiles=("$logs/native.log" "$logs/tsan.log" "$logs/win64.log")
total=0
bad=0
for log in "${logfiles[@]}"; do
    total=$((total + $(count "$log")))
    bad=$((bad + $(failed "$log")))
done
echo "$((total - bad)) passed, $bad failed"
((tidy_rc == 0)) || echo "clang-tidy found something (build/tidy-*.log)"
((fuzz_rc == 0)) || echo "the fuzzer found a crash (scripts/fuzz.sh)"
if ((native_rc || tsan_rc || wine_rc || bad || tidy_rc || fuzz_rc)); then exit 1; fi
