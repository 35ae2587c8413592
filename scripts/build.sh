#!/usr/bin/env bash
# Builds the three trees: build/win32 (the deliverables and the Wine tests,
# assembling dist/), build/native (portable code and its unit tests, with
# sanitizers) and, when clang is there, build/fuzz (libFuzzer targets).
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc 2>/dev/null || echo 2)
# Trees to build: all three by default, or those named (win32, native, fuzz).
trees=${*:-win32 native fuzz}
want() { [[ " $trees " == *" $1 "* ]]; }

if want win32; then
cmake -S . -B build/win32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake \
      -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/win32 -j "$jobs"
# The setup program and the portable zip of dist/, where NSIS is installed.
if command -v makensis >/dev/null; then bash scripts/package.sh >/dev/null; fi
fi

if want native; then
cmake -S . -B build/native -DCMAKE_BUILD_TYPE=Debug -DQUILLON_SANITIZE=ON >/dev/null
cmake --build build/native -j "$jobs"
fi

if want fuzz && command -v clang++ >/dev/null; then
  cmake -S . -B build/fuzz -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLON_FUZZ=ON >/dev/null
  cmake --build build/fuzz -j "$jobs"
fi
