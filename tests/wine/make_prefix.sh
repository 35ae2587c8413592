#!/usr/bin/env bash
# Makes a fresh 32-bit Wine prefix for one test run: make_prefix.sh <dir>
set -euo pipefail
prefix=$1
export WINEPREFIX=$prefix WINEARCH=win32 WINEDEBUG=-all
# No Mono or Gecko installers: the tests need neither, and they would ask.
export WINEDLLOVERRIDES="mscoree,mshtml="
if [ -d "$prefix" ]; then
  wineserver -k 2>/dev/null || true
  rm -rf "$prefix"
fi
mkdir -p "$(dirname "$prefix")"
wineboot -i >/dev/null 2>&1
wineserver -w
# No window manager runs under Xvfb; managed windows would make Wine wait for
# one on every hide and destroy.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
wineserver -w
