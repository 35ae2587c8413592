#!/usr/bin/env bash
# Starts and closes Quillon (from dist/) N times (default 300) with the fire
# animation on, on the test desktop, and reports every start that does not
# answer within 10 s. Not part of the test suite: a check run by hand.
#   bash scripts/start_hang_check.sh [starts]
# Where this computer cannot run 32-bit programs, it runs in the emulated test
# machine (tests/wine/vm/run.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
starts=${1:-300}
if [ -z "${QUILLON_TEST_DISPLAY:-}" ]; then
  if ! bash tests/wine/host_runs_i386.sh; then
    exec bash tests/wine/vm/run.sh "bash tests/wine/with_desktop.sh bash scripts/start_hang_check.sh $starts"
  fi
  exec bash tests/wine/with_desktop.sh bash "$0" "$@"
fi
root=$PWD
prefix=$(mktemp -d)/prefix
trap '"$root"/tests/wine/remove_prefix.sh "$prefix"; rm -rf "$(dirname "$prefix")"' EXIT
tests/wine/make_prefix.sh "$prefix"
tests/wine/run.sh "$prefix" build/win32/bench/start_hang_check.exe "Z:${root//\//\\}\\dist" "$starts"
