#!/usr/bin/env bash
# An animation DLL drawing with Wine's OpenGL, as the X server shows it:
#   animation_strip.sh <prefix> <testbin folder> <animation dll> <screenshot> fire|flash
# Runs it in ember_host's strip, photographs the strip until the animation's
# colours cover enough of it (flames a tenth, the thin bolt and its fading
# trail a fiftieth), keeps the last picture and closes the host, which must
# stop the animation thread and unload the DLL.
set -uo pipefail
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$@"
fi
prefix=$1 testbin=$2 dll=$3 shot=$4 kind=$5
export WINEPREFIX=$prefix WINEARCH=win32 WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
mkdir -p "$(dirname "$shot")"

# Debian 12's Wine 8.0 build gives the device context of every child window
# no X drawable (a change of its own to the X11 driver's GetDC), so OpenGL
# output of a child window is copied nowhere and the strip cannot show the
# fire. The test machine runs Debian 13's Wine instead.
if wine --version 2>/dev/null | grep -q '^wine-8\.0 (Debian 8\.0~repack'; then
  echo "skipped: $(wine --version) cannot show OpenGL in child windows"
  exit 77
fi

wine "$testbin/ember_host.exe" "$(winepath -w "$dll")" &
host=$!
for _ in $(seq 1 100); do
  wine "$testbin/close_window.exe" --find "Ember host" && break
  sleep 0.3
done

case $kind in
  # Fire colours: red well above blue (dark blue embers and black do not count).
  fire) colours='(r > 0.3 && r > b + 0.2) ? 1 : 0' least=0.1 ;;
  # Flash colours: blue to cyan, never red (dark green does not count).
  flash) colours='(b > 0.3 && b > r + 0.2) ? 1 : 0' least=0.02 ;;
  *) echo "unknown animation kind: $kind"; exit 2 ;;
esac
share=0
enough_fire() { awk -v s="$share" -v least="$least" 'BEGIN { exit !(s + 0 > least) }'; }
for _ in $(seq 1 40); do
  sleep 1
  import -window root -crop 96x64+100+0 +repage "$shot" 2>/dev/null || continue
  # Only the number counts: anything else ImageMagick prints is not a share.
  share=$(convert "$shot" -fx "$colours" -format '%[fx:mean]\n' info: \
          2>/dev/null | grep -Eo '^[0-9.]+(e-?[0-9]+)?$' | tail -n 1)
  share=${share:-0}
  enough_fire && break
done
echo "share of the strip in $kind colours: $share (picture: $shot)"

wine "$testbin/close_window.exe" "Ember host" 20000
closed=$?
wait $host
status=$?
echo "host closed: $closed, exit code: $status (0: thread ended in time and the DLL is unloaded)"
enough_fire || { echo "too little $kind in the strip"; exit 1; }
[ "$closed" = 0 ] && [ "$status" = 0 ]
