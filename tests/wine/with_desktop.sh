#!/usr/bin/env bash
# Runs a command on a private test desktop: with_desktop.sh <command> [args...]
#
# The desktop is an Xorg server with the dummy video driver (display modes,
# refresh rates and gamma ramps that Wine can really change) and a PulseAudio
# server with a null sink (a mixer with a master volume). Where Xorg cannot
# start, an Xvfb server stands in: one mode, no gamma. The command learns
# what it got from QUILLON_TEST_DISPLAY (xorg or xvfb) and QUILLON_TEST_SOUND
# (pulse or none) and QUILLON_TEST_KEYS (xdotool or none), so tests that need modes, gamma or sound can skip with a
# reason instead of failing or passing for nothing.
#
# QUILLON_TEST_DESKTOP_FALLBACK=1 starts the fallback (Xvfb, no sound), as a
# machine without Xorg's dummy driver or PulseAudio would.
#
# Both servers are this script's own: it picks a free display number, waits
# until each answers, and stops them when the command ends, also on failure
# or interruption. It never touches a server it did not start.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
state=$(mktemp -d "${TMPDIR:-/tmp}/quillon-desktop.XXXXXX")
xserver_pid=""
pulse_pid=""

stop_servers() {
  [ -n "$pulse_pid" ] && kill "$pulse_pid" 2>/dev/null && wait "$pulse_pid" 2>/dev/null
  [ -n "$xserver_pid" ] && kill "$xserver_pid" 2>/dev/null && wait "$xserver_pid" 2>/dev/null
  rm -rf "$state"
}
trap stop_servers EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

free_display() {
  local n
  for n in $(seq 90 150); do
    if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then
      echo "$n"
      return 0
    fi
  done
  return 1
}

# Waits up to ten seconds for the X server on display $1 (pid $2) to answer.
wait_for_display() {
  local i
  for i in $(seq 1 100); do
    kill -0 "$2" 2>/dev/null || return 1
    xdpyinfo -display ":$1" >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  return 1
}

start_xorg() {
  command -v Xorg >/dev/null || return 1
  [ -f /usr/lib/xorg/modules/drivers/dummy_drv.so ] || return 1
  local display
  display=$(free_display) || return 1
  Xorg ":$display" -config "$here/desktop/xorg-dummy.conf" -logfile "$state/xorg.log" \
       -nolisten tcp -noreset -novtswitch -sharevts >"$state/xorg.out" 2>&1 &
  xserver_pid=$!
  if wait_for_display "$display" "$xserver_pid"; then
    export DISPLAY=":$display" QUILLON_TEST_DISPLAY=xorg
    return 0
  fi
  echo "with_desktop: Xorg with the dummy driver did not start:" >&2
  tail -5 "$state/xorg.log" "$state/xorg.out" >&2 2>/dev/null
  kill "$xserver_pid" 2>/dev/null; wait "$xserver_pid" 2>/dev/null
  xserver_pid=""
  return 1
}

start_xvfb() {
  local display
  display=$(free_display) || return 1
  Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >"$state/xvfb.out" 2>&1 &
  xserver_pid=$!
  if wait_for_display "$display" "$xserver_pid"; then
    export DISPLAY=":$display" QUILLON_TEST_DISPLAY=xvfb
    return 0
  fi
  echo "with_desktop: Xvfb did not start either" >&2
  return 1
}

start_pulse() {
  command -v pulseaudio >/dev/null || return 1
  local runtime=$state/pulse
  mkdir -m 700 "$runtime"
  XDG_RUNTIME_DIR=$runtime PULSE_RUNTIME_PATH=$runtime PULSE_STATE_PATH=$runtime \
    pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no \
      --load=module-null-sink \
      --load="module-native-protocol-unix auth-anonymous=1 socket=$runtime/native" \
      >"$state/pulse.log" 2>&1 &
  pulse_pid=$!
  local i
  for i in $(seq 1 100); do
    kill -0 "$pulse_pid" 2>/dev/null || break
    if [ -S "$runtime/native" ]; then
      export PULSE_SERVER="unix:$runtime/native" QUILLON_TEST_SOUND=pulse
      return 0
    fi
    sleep 0.1
  done
  echo "with_desktop: PulseAudio did not start:" >&2
  tail -5 "$state/pulse.log" >&2
  kill "$pulse_pid" 2>/dev/null; wait "$pulse_pid" 2>/dev/null
  pulse_pid=""
  return 1
}

fallback=${QUILLON_TEST_DESKTOP_FALLBACK:-0}
if [ "$fallback" = 1 ] || ! start_xorg; then
  echo "with_desktop: no Xorg dummy display here; using Xvfb (no display modes, no gamma)" >&2
  start_xvfb || exit 1
fi
if [ "$fallback" = 1 ] || ! start_pulse; then
  echo "with_desktop: no PulseAudio here; tests that need sound will skip" >&2
  export QUILLON_TEST_SOUND=none
fi
if command -v xdotool >/dev/null; then
  export QUILLON_TEST_KEYS=xdotool
else
  echo "with_desktop: no xdotool here; tests that press keys will skip" >&2
  export QUILLON_TEST_KEYS=none
fi
echo "with_desktop: display $DISPLAY ($QUILLON_TEST_DISPLAY), sound $QUILLON_TEST_SOUND, keys $QUILLON_TEST_KEYS" >&2
"$@"
