#!/usr/bin/env bash
# Installs what building and testing need on Debian 12, and nothing that is
# already there: quick when everything is in place. Safe to run again.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    clang libclang-rt-14-dev          # the IPTC reader's fuzzer
    clang-tidy                        # scripts/tidy.sh
    libgtest-dev googletest           # GoogleTest natively, and its sources for mingw
    libjpeg62-turbo-dev
    nasm dpkg-dev                     # libjpeg-turbo for mingw: its SIMD code, apt-get source
    g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix binutils-mingw-w64
    wine wine64
    fonts-liberation                  # Times New Roman, Arial, Courier New under Wine (lib/wine-prefix.reg)
    xvfb xdotool x11-utils            # a private display, driving the window, xdpyinfo
    imagemagick                       # the window test's screenshot (import)
    fp-utils                          # chmcmd, which compiles help.chm
    nsis                              # the Windows installer
)

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$package")
done

if ((${#missing[@]})); then
    echo "setup: installing ${missing[*]}"
    sudo=""
    [[ $(id -u) -eq 0 ]] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
