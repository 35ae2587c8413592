#!/usr/bin/env bash
# Runs a 32-bit test program in a fresh prefix of 64-bit Wine, where it runs
# under WOW64 as on 64-bit Windows: wow64_run.sh <prefix-dir> <program>.
# Reports itself skipped where this Wine has no 64-bit half.
set -uo pipefail
prefix=$1; shift
export WINEPREFIX=$prefix WINEARCH=win64 WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
wineserver -k 2>/dev/null || true
rm -rf "$prefix"
trap 'wineserver -k 2>/dev/null; rm -rf "$prefix"' EXIT
mkdir -p "$(dirname "$prefix")"
wineboot -i >/dev/null 2>&1
wineserver -w
if [ ! -d "$prefix/drive_c/windows/syswow64" ]; then
  echo "skipped: this Wine makes no 64-bit prefix (no 64-bit Wine installed)"
  exit 0
fi
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
wineserver -w
if [ -z "${DISPLAY:-}" ]; then
  xvfb-run -a -s "-screen 0 1024x768x24" wine "$@"
else
  wine "$@"
fi
