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
failed=()
# bench <name> <command...>: runs one benchmark; a failing one is named at
# the end and does not keep the others from printing their figures.
bench() {
  local name=$1; shift
  echo "== $name"
  "$@" || { echo "$name did not run to its end"; failed+=("$name"); }
}
bench "tweak model" ../../../tests/wine/run.sh "$prefix" ./model_bench.exe
# Wine sees the build folder on drive Z:.
dist="Z:${root//\//\\}\\dist"
# The next program starts a new, pinned server.
WINEPREFIX=$prefix wineserver -k 2>/dev/null || true
bench "Profile=" "${pin[@]}" ../../../tests/wine/run.sh "$prefix" ./profile_bench.exe "$dist\\Quillon.exe" \
  trivial_console.exe
bench "start-up" "${pin[@]}" ../../../tests/wine/run.sh "$prefix" ./startup_bench.exe "$dist" bare_window.exe
# Pellam beside the recording hook library of the Wine tests.
bench "Pellam" ../../../tests/wine/run.sh "$prefix" ./pellam_bench.exe "$dist\\Pellam.exe" \
  "Z:${root//\//\\}\\build\\win32\\testbin\\fixture_pellam_hook.dll"
# The hook library in programs started beside it.
bench "hook library" ../../../tests/wine/run.sh "$prefix" ./hook_bench.exe "$dist\\Pellam.dll"
if [ ${#failed[@]} -gt 0 ]; then
  echo "benchmarks that did not run to their end: ${failed[*]}"
  exit 1
fi
