#!/usr/bin/env bash
# Runs a Windows program in a test prefix: run.sh <prefix-dir> <program> [args...]
# Without a display, the program gets a virtual one.
set -uo pipefail
prefix=$1; shift
export WINEPREFIX=$prefix WINEARCH=win32 WINEDEBUG=${WINEDEBUG:--all}
# A crash ends the test program at once instead of waiting in the debugger.
export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" wine "$@"
fi
exec wine "$@"
