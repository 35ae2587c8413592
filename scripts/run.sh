#!/usr/bin/env bash
# Sets up the machine, builds, and starts Quillon from dist/ under Wine.
# With a display it runs there until closed. Without one it runs in a virtual
# display, saves a screenshot to screenshots/quillon.png and closes the window.
# On a computer that cannot run 32-bit programs, Wine runs in the emulated
# test machine (tests/wine/vm), which has only a virtual display.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh win32

if ! bash tests/wine/host_runs_i386.sh; then
  echo "This computer cannot run 32-bit programs: starting Quillon in the emulated test machine."
  exec bash tests/wine/vm/run.sh "bash scripts/screenshot_run.sh $*"
fi
if [ -n "${DISPLAY:-}" ]; then
  export WINEARCH=win32 WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree,mshtml="
  export WINEPREFIX=${WINEPREFIX:-$HOME/.wine-quillon}
  [ -d "$WINEPREFIX" ] || { wineboot -i >/dev/null 2>&1; wineserver -w; }
  # As Wine's own Windows version: an earlier run of this script had Wine
  # pretend to be Windows XP for the program.
  wine reg delete 'HKCU\Software\Wine\AppDefaults\Quillon.exe' /f >/dev/null 2>&1 || true
  exec wine dist/Quillon.exe "$@"
fi
exec bash scripts/screenshot_run.sh "$@"
