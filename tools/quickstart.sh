#!/usr/bin/env bash
# Builds cuprum-cli and runs the main job on the bundled example board.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh build
cmake -S . -B build -G Ninja -DCUPRUM_BUILD_TESTS=OFF -DCUPRUM_BUILD_BENCH=OFF >/dev/null
ninja -C build cuprum-cli

out=build/example
mkdir -p "$out"
./build/src/cli/cuprum-cli new "$out/blinker.brd" --size 30,20
./build/src/cli/cuprum-cli info "$out/blinker.brd"
./build/src/cli/cuprum-cli info --json "$out/blinker.brd"
echo "The board is in $out/"
