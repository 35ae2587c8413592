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
# The Wine tests create windows: give them one virtual display for the run.
if [ -n "${DISPLAY:-}" ]; then
  ctest --test-dir build/win32 --output-on-failure || status=1
else
  xvfb-run -a -s "-screen 0 1024x768x24" ctest --test-dir build/win32 --output-on-failure || status=1
fi

if [ $status -ne 0 ]; then echo "TESTS FAILED"; else echo "ALL TESTS PASSED"; fi
exit $status
