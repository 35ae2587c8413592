#!/usr/bin/env bash
# Runs a Windows program in a test prefix: run.sh <prefix-dir> <program> [args...]
# Without a display, the program gets a virtual one.
#
# Wine's server can stop on an assertion of its own (its message-queue hook
# counts are one known case); every program of the prefix then waits for it
# forever. The program runs in a process group of its own, and when the
# server it ran under is gone while the program still runs, the group is
# ended at once and the program is run once more on a fresh server, with the
# first run's output kept above.
set -uo pipefail
prefix=$1; shift
export WINEPREFIX=$prefix WINEARCH=win32 WINEDEBUG=${WINEDEBUG:--all}
# A crash ends the test program at once instead of waiting in the debugger.
export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" wine "$@"
fi

readonly server_lost=200
group=""
trap '[ -n "$group" ] && kill -9 -- "-$group" 2>/dev/null; exit 143' TERM INT

server_running() { pgrep -x 'wineserver(32|64)?' >/dev/null; }

# Every process of this prefix: with its server gone each one waits for good,
# and any of them may hold the output the test runner reads to its end.
end_prefix_processes() {
  local pid
  for pid in $(pgrep -u "$(id -u)" .); do
    [ "$pid" = "$$" ] && continue
    if tr '\0' '\n' 2>/dev/null < "/proc/$pid/environ" | grep -qxF "WINEPREFIX=$WINEPREFIX"; then
      kill -9 "$pid" 2>/dev/null
    fi
  done
}

run_watched() {
  setsid wine "$@" &
  group=$!
  local seen=0
  while kill -0 "$group" 2>/dev/null; do
    if server_running; then
      seen=1
    elif [ "$seen" = 1 ]; then
      echo "run.sh: the Wine server stopped while $(basename "$1") ran; its processes are ended" >&2
      kill -9 -- "-$group" 2>/dev/null
      end_prefix_processes
      wait "$group" 2>/dev/null
      group=""
      return $server_lost
    fi
    sleep 3
  done
  wait "$group"
  local status=$?
  group=""
  return $status
}

run_watched "$@"
status=$?
if [ "$status" = "$server_lost" ]; then
  echo "run.sh: running $(basename "$1") again on a fresh Wine server" >&2
  run_watched "$@"
  status=$?
fi
exit "$status"
