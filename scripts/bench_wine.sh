#!/usr/bin/env bash
# Runs the built benchmarks under Wine in a throwaway prefix and prints their
# figures; scripts/bench.sh builds them and calls this.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
prefix=$(mktemp -d)/prefix
trap '"$root"/tests/wine/remove_prefix.sh "$prefix"; rm -rf "$(dirname "$prefix")"' EXIT
tests/wine/make_prefix.sh "$prefix"
cd build/win32/bench
# Pinned to one processor (Wine's server too, which the first program of the
# prefix starts): each request to the server is a round trip between
# processes, and its cost otherwise depends on where the two land.
pin=()
if command -v taskset >/dev/null; then pin=(taskset -c 0); fi
../../../tests/wine/run.sh "$prefix" ./model_bench.exe
# Wine sees the build folder on drive Z:.
quillon="Z:${root//\//\\}\\dist\\Quillon.exe"
# The next program starts a new, pinned server.
WINEPREFIX=$prefix wineserver -k 2>/dev/null || true
"${pin[@]}" ../../../tests/wine/run.sh "$prefix" ./profile_bench.exe "$quillon" trivial_console.exe
"${pin[@]}" ../../../tests/wine/run.sh "$prefix" ./startup_bench.exe "Z:${root//\//\\}\\dist" bare_window.exe
# Pellam beside the recording hook library of the Wine tests.
../../../tests/wine/run.sh "$prefix" ./pellam_bench.exe "Z:${root//\//\\}\\dist\\Pellam.exe" \
  "Z:${root//\//\\}\\build\\win32\\testbin\\fixture_pellam_hook.dll"
# The hook library in programs started beside it.
../../../tests/wine/run.sh "$prefix" ./hook_bench.exe "Z:${root//\//\\}\\dist\\Pellam.dll"
