#!/usr/bin/env bash
# clang-tidy with the project's checks (.clang-tidy) over the program's own
# sources: the portable core with the native build's compile commands, the
# Win32 layer with the win64 build's, read by clang as mingw-w64 code with
# mingw's C++ library. Any finding fails. Both builds must be configured.
#
#   tidy.sh [native-build-dir] [win64-build-dir]
set -euo pipefail
cd "$(dirname "$0")/.."

native=${1:-build/native}
win64=${2:-build/win64}
jobs=$(nproc)

mapfile -t portable < <(git ls-files 'src/*.cpp' | grep -v '/win32/')
mapfile -t windows < <(git ls-files 'src/*/win32/*.cpp' 'src/platform/win32/*.cpp' | sort -u)

# Clang's own intrinsics, gcc's C++ library for mingw, and mingw's headers.
gcc_dir=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-libgcc-file-name)")
mingw_args=(-extra-arg=--target=x86_64-w64-mingw32 -extra-arg=-nostdinc++)
for dir in "$gcc_dir/include/c++" "$gcc_dir/include/c++/x86_64-w64-mingw32" \
    "$gcc_dir/include/c++/backward" /usr/x86_64-w64-mingw32/include; do
    mingw_args+=("-extra-arg=-isystem$dir")
done

status=0
echo "tidy: ${#portable[@]} portable sources"
run-clang-tidy -quiet -j "$jobs" -p "$native" "${portable[@]}" >build/tidy-native.log 2>&1 ||
    status=1
echo "tidy: ${#windows[@]} Win32 sources"
run-clang-tidy -quiet -j "$jobs" -p "$win64" "${mingw_args[@]}" "${windows[@]}" \
    >build/tidy-win64.log 2>&1 || status=1

for log in build/tidy-native.log build/tidy-win64.log; do
    sed 's/\x1b\[[0-9;]*m//g' "$log" | grep -E "^/.*: (warning|error):" | sort -u || true
done
if ((status)); then
    echo "tidy: findings (build/tidy-native.log, build/tidy-win64.log)"
    exit 1
fi
echo "tidy: clean"
