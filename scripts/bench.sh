#!/usr/bin/env bash
# Builds and runs the benchmarks under Wine in a throwaway prefix and prints
# their figures.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
bash scripts/setup.sh
bash scripts/build.sh win32
prefix=$(mktemp -d)/prefix
trap '"$root"/tests/wine/remove_prefix.sh "$prefix"; rm -rf "$(dirname "$prefix")"' EXIT
tests/wine/make_prefix.sh "$prefix"
cd build/win32/bench
../../../tests/wine/run.sh "$prefix" ./model_bench.exe
