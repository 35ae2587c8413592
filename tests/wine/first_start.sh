# Sourced by the Wine scripts that start the program as a user does:
#   answer_first_start <close_window.exe> <main window title> [ready command...]
# Answers the questions of a first start until the main window stands alone:
# picks "GeForce" when the graphics card is not recognised (with a Radeon the
# overclocking tab offers to install its driver; that offer is declined should
# it come), and says Yes to every plug-in and tweak database offered. With a
# ready command, the start is over when that command succeeds (say, every
# expected tab is there); without, after three quiet looks at the window.
# Returns 1 when the window did not come, or stopped at a question nobody
# expected (printed), within the nine minutes allowed (a loaded emulated
# machine takes several minutes over a first start).
answer_first_start() {
  local close=$1 title=$2 quiet=0 stuck=0 deadline=$((SECONDS + 540))
  shift 2
  while [ $SECONDS -lt $deadline ]; do
    # One look for every window that may be up: each start of a program
    # costs seconds on an emulated machine.
    wine "$close" --first-of "Select graphic card" "Install" "Confirm add plugin" "Confirm import" "$title"
    local found=$?
    if [ $found = 1 ]; then
      wine "$close" --pick "Select graphic card" 1042 3; quiet=0; continue
    elif [ $found = 2 ]; then
      wine "$close" --press "Install" 7; quiet=0; continue
    elif [ $found = 3 ]; then
      wine "$close" --press "Confirm add plugin" 6; quiet=0; continue
    elif [ $found = 4 ]; then
      wine "$close" --press "Confirm import" 6; quiet=0; continue
    elif [ $found = 5 ]; then
      # Another window of the program that stays up is a question this
      # script does not know: the start cannot go on by itself.
      local popups
      popups=$(wine "$close" --popups "$title" | tr -d '\r')
      if [ -n "$popups" ]; then
        stuck=$((stuck + 1)); quiet=0
        [ $stuck -ge 5 ] && { echo "the start stopped at a question:"; echo "$popups"; return 1; }
      elif [ $# -gt 0 ]; then
        stuck=0
        "$@" && return 0
      else
        # Three quiet looks in a row: discovery has asked everything it asks
        # (a plug-in it was told to add may take a moment to load).
        stuck=0; quiet=$((quiet + 1))
        [ $quiet -ge 3 ] && return 0
      fi
    fi
    sleep 1
  done
  return 1
}

# A first start also installs and starts the companion Pellam, whose hook
# library then runs in every program of the prefix and whose single instance
# would take the place of the one a later test starts: it is asked to end
# (its window "Pellam" gets WM_CLOSE, as Quillon asks it) and waited for.
#   end_companion <close_window.exe>
end_companion() {
  local close=$1
  wine "$close" --find "Pellam" || return 0
  wine "$close" "Pellam" 60000 || echo "the companion Pellam did not end"
}

# After a failure: whatever the test started in the prefix is ended, so that
# no program is left holding the test's output open or running into the
# tests after it.
end_prefix_programs() {
  wineserver -k 2>/dev/null || true
}
