#!/usr/bin/env bash
# Builds cuprum-cli and runs the main job on the bundled 8-bit ISA card: from
# its parts layout and netlist to a routed, checked board, its manufacturing
# files and pictures, in one `make`.
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
"$cli" make "$out/isa8.brd"
echo "The board, its files and its pictures (isa8_overlay.png) are in $out/"
