#!/usr/bin/env bash
# Builds and runs the benchmarks under Wine in a throwaway prefix and prints
# their figures.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
bash scripts/setup.sh
bash scripts/build.sh win32
# Native figures come from an optimised build without sanitizers.
cmake -S . -B build/bench-native -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/bench-native --target fire_bench flash_bench -j "$(nproc)" >/dev/null
build/bench-native/tests/native/fire_bench
build/bench-native/tests/native/flash_bench
if ! bash tests/wine/host_runs_i386.sh; then
  echo "This computer cannot run 32-bit programs: the benchmarks run in the emulated test machine,"
  echo "so their figures are emulated times; compare them with each other only."
  exec bash tests/wine/vm/run.sh "bash scripts/bench_wine.sh"
fi
exec bash scripts/bench_wine.sh
