#!/usr/bin/env bash
# Builds cuprum-cli and runs the main job on the bundled 8-bit ISA card: a new
# board, its parts laid out from the .lay file and routed from the .rou
# netlist, the result checked, and the manufacturing files written.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh build
cmake -S . -B build -G Ninja -DCUPRUM_BUILD_TESTS=OFF -DCUPRUM_BUILD_BENCH=OFF >/dev/null
ninja -C build cuprum-cli

cli=build/src/cli/cuprum-cli
out=build/example
rm -rf "$out"
mkdir -p "$out"
cp examples/isa8/isa8.lay examples/isa8/isa8.rou "$out/"
"$cli" new "$out/isa8.brd" --size 64,40
"$cli" route "$out/isa8.brd"
"$cli" check "$out/isa8.brd"
"$cli" export "$out/isa8.brd"
echo "The board and its files are in $out/"
