#!/usr/bin/env bash
# Sets up the machine, builds everything and runs the whole test suite:
# native unit tests, a short fuzz run, and the Windows tests under Wine.
# Exits non-zero when anything fails.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh

status=0
ctest --test-dir build/native --output-on-failure || status=1
if [ -d build/fuzz ]; then
  ctest --test-dir build/fuzz --output-on-failure || status=1
fi
# The Wine tests run on a private test desktop (tests/wine/with_desktop.sh):
# an Xorg dummy display with real modes and gamma, and a PulseAudio mixer.
if ! bash tests/wine/host_runs_i386.sh; then
  # 32-bit Wine cannot run on this computer: the Wine tests run in an
  # emulated test machine that shares this folder; the check of the built
  # files, which needs the cross tools, runs here.
  echo "This computer cannot run 32-bit programs: the Wine tests run in the emulated test machine."
  bash tests/wine/vm/run.sh 'bash tests/wine/with_desktop.sh ctest --test-dir build/win32 --output-on-failure -E dist_binaries' || status=1
  ctest --test-dir build/win32 --output-on-failure -R dist_binaries || status=1
else
  # Never the user's own display: the tests change its modes and gamma.
  bash tests/wine/with_desktop.sh ctest --test-dir build/win32 --output-on-failure || status=1
fi

if [ $status -ne 0 ]; then echo "TESTS FAILED"; else echo "ALL TESTS PASSED"; fi
exit $status
