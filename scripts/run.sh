#!/usr/bin/env bash
# Sets up the machine, builds the tools and prints the page tags of the bundled
# sample images.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
cmake --preset native >/dev/null
cmake --build --preset native -j2 --target iptcdump
build/native/tools/iptcdump samples/*
