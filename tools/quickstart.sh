#!/usr/bin/env bash
# Builds cuprum-cli and runs the main job on the bundled example board (a 555
# blinker): a new board, its parts laid out from the .lay file, and a report.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh build
cmake -S . -B build -G Ninja -DCUPRUM_BUILD_TESTS=OFF -DCUPRUM_BUILD_BENCH=OFF >/dev/null
ninja -C build cuprum-cli

cli=build/src/cli/cuprum-cli
out=build/example
rm -rf "$out"
mkdir -p "$out"
cp examples/blinker/blinker.lay examples/blinker/blinker.rou "$out/"
"$cli" new "$out/blinker.brd" --size 30,20
"$cli" layout "$out/blinker.brd"
"$cli" info "$out/blinker.brd" --components
"$cli" nets "$out/blinker.brd"
echo "The board and its files are in $out/"
