#!/usr/bin/env bash
# Builds everything and runs every test: the unit and command-line tests, the
# core tests again under AddressSanitizer and UndefinedBehaviorSanitizer,
# clang-tidy over the engine, and a short run of every fuzz target.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh test
jobs=$(nproc)

step() { printf '\n==== %s ====\n' "$*"; }

step "build and test"
cmake -S . -B build -G Ninja -DCUPRUM_BUILD_TESTS=ON -DCUPRUM_BUILD_CLI=ON -DCUPRUM_BUILD_BENCH=ON >/dev/null
ninja -C build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

step "benchmarks (smoke run)"
if [[ -x build/bench/route_bench ]]; then
  build/bench/route_bench --smoke
fi

step "core tests under ASan and UBSan"
cmake -S . -B build-asan -G Ninja -DCUPRUM_SANITIZE=ON -DCUPRUM_BUILD_BENCH=OFF \
  -DCUPRUM_BUILD_CLI=OFF -DCMAKE_BUILD_TYPE=Debug >/dev/null
ninja -C build-asan -j "$jobs" cuprum_core_tests
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j "$jobs" -L core

step "clang-tidy over src/core"
mapfile -t sources < <(find src/core -name '*.cpp' | sort)
run-clang-tidy -quiet -p build -j "$jobs" "${sources[@]}" >build/clang-tidy.log 2>&1 ||
  { grep -E 'error:|warning:' build/clang-tidy.log | sort -u | head -50; echo "clang-tidy found problems"; exit 1; }
echo "clang-tidy: clean (${#sources[@]} files)"

step "fuzz smoke runs"
if command -v clang++ >/dev/null && [[ -f /usr/lib/llvm-14/lib/clang/14.0.6/lib/linux/libclang_rt.fuzzer-x86_64.a ]]; then
  CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCUPRUM_BUILD_FUZZ=ON -DCUPRUM_SANITIZE=ON \
    -DCUPRUM_BUILD_TESTS=OFF -DCUPRUM_BUILD_CLI=OFF -DCUPRUM_BUILD_BENCH=OFF >/dev/null
  ninja -C build-fuzz -j "$jobs"
  for target in build-fuzz/fuzz/*_fuzz; do
    name=$(basename "$target" _fuzz)
    work=$(mktemp -d)
    "$target" -max_total_time="${FUZZ_SECONDS:-10}" -print_final_stats=0 "$work" "fuzz/corpus/$name" \
      >"build-fuzz/$name.log" 2>&1 || { tail -40 "build-fuzz/$name.log"; echo "fuzz target $name failed"; exit 1; }
    rm -rf "$work"
    echo "fuzz $name: $(grep -Eo 'Done [0-9]+ runs' "build-fuzz/$name.log" || echo ok)"
  done
else
  echo "skipped: clang with libFuzzer is not installed"
fi

step "all tests passed"
