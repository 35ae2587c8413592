#!/usr/bin/env bash
# Starts dist/Quillon.exe on the test desktop, saves a screenshot to
# screenshots/quillon.png (and, on a first start that asks for the graphics
# card or offers new plug-ins and databases, screenshots/select_card.png,
# screenshots/add_plugin.png and screenshots/import_database.png), one of
# every tab (tab_<n>.png), a category's list (category.png) and the dialogs
# a user opens (dialog_<name>.png), and closes the window as a user would.
# Expects a built tree; scripts/run.sh calls it.
set -euo pipefail
cd "$(dirname "$0")/.."
# The program sees the test desktop the Wine tests use: real display modes,
# gamma and a mixer (tests/wine/with_desktop.sh). The prefix is made there
# too, since a prefix made without a display keeps Wine's null display driver.
if [ -z "${QUILLON_TEST_DISPLAY:-}" ]; then
  exec bash tests/wine/with_desktop.sh bash "$0" "$@"
fi
export WINEARCH=win32 WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree,mshtml="
export WINEPREFIX=${WINEPREFIX:-$HOME/.wine-quillon}
[ -d "$WINEPREFIX" ] || { wineboot -i >/dev/null 2>&1; wineserver -w; }

mkdir -p screenshots
# No window manager runs in a virtual display, so every program of this prefix
# runs in a Wine desktop window, where Wine draws frames and captions itself.
wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
# A value of the Wine Direct3D category, so the profile below holds one that
# the preview can show changing.
wine reg add 'HKCU\Software\Wine\Direct3D' /v csmt /t REG_DWORD /d 1 /f >/dev/null 2>&1
wineserver -w
bash -c '
  close=build/win32/testbin/close_window.exe
  # photograph_dialog <command id> <dialog caption> <name> [button to close it, Cancel by default]
  photograph_dialog() {
    wine $close --command "Quillon - v1.1" "$1"
    for _ in $(seq 1 20); do wine $close --find "$2" && break; sleep 0.5; done
    sleep 1
    import -window root "screenshots/dialog_$3.png"
    wine $close --press "$2" "${4:-2}"
    sleep 1
  }
  wine dist/Quillon.exe "$@" &
  program=$!
  # Wait for the window (close_window --find only looks for it).
  for _ in $(seq 1 100); do
    wine $close --find "Quillon - v1.1" && break
    sleep 0.2
  done
  sleep 1
  # A first start on a machine whose graphics card is not recognised asks
  # for it; the screenshot shows the question, then "GeForce" (the fourth) is
  # taken: with a Radeon the overclocking tab would offer to install its
  # driver, which this computer has not.
  if wine $close --find "Select graphic card"; then
    import -window root screenshots/select_card.png
    wine $close --pick "Select graphic card" 1042 3
    sleep 1
  fi
  # The first start installs Pellam; when dist/ lacks a file of it (the hook
  # library), it says so: the screenshot of the message, then its OK.
  if wine build/win32/testbin/close_window.exe --find "Error"; then
    import -window root screenshots/install_error.png
    wine build/win32/testbin/close_window.exe --press "Error" 1
    sleep 1
  fi
  # New plug-ins and databases in the program folder are offered at start-up:
  # the screenshot of the first question of each kind, then every one is taken.
  # Three quiet looks in a row end it (a plug-in just added may take a
  # moment to load before the next question).
  quiet=0
  for _ in $(seq 1 60); do
    if wine $close --find "Confirm add plugin"; then
      [ -f screenshots/add_plugin.png.taken ] || { import -window root screenshots/add_plugin.png; touch screenshots/add_plugin.png.taken; }
      wine $close --press "Confirm add plugin" 6
      quiet=0
    elif wine $close --find "Confirm import"; then
      [ -f screenshots/import_database.png.taken ] || { import -window root screenshots/import_database.png; touch screenshots/import_database.png.taken; }
      wine $close --press "Confirm import" 6
      quiet=0
    else
      quiet=$((quiet + 1))
      [ $quiet -ge 3 ] && break
    fi
    sleep 1
  done
  rm -f screenshots/*.taken
  sleep 1
  # The first tab, as a user would open it.
  wine $close --click "Quillon - v1.1" SysTabControl32 30 8
  sleep 1
  import -window root screenshots/quillon.png
  # Every tab in turn: screenshots/tab_1.png, tab_2.png ...
  wine $close --tab-count "Quillon - v1.1"
  tabs=$?
  # A page fills itself when first shown (Direct3D and OpenGL take their
  # time, more so in the emulated test machine): give each a while.
  for tab in $(seq 1 "$tabs"); do
    sleep 10
    import -window root "screenshots/tab_$tab.png"
    wine $close --next-tab "Quillon - v1.1"
  done
  # A category of the shipped Wine settings, and the dialogs a user opens
  # from the menus and the toolbar, each photographed and then cancelled.
  category=$(wine $close --tab-names "Quillon - v1.1" | tr -d "\r" | grep -n -m1 -xF "Wine Direct3D" | cut -d: -f1)
  if [ -n "$category" ]; then
    wine $close --select-tab "Quillon - v1.1" $((category - 1))
    sleep 3
    import -window root screenshots/category.png
    photograph_dialog 40009 "Add category" edit_category
    photograph_dialog 4005 "Add setting" add_setting
    photograph_dialog 40016 "Restore" restore
  fi
  photograph_dialog 40003 "Add category" add_category
  photograph_dialog 40014 "Profile" profile
  # A profile of every category ("New profile"), two values changed behind
  # its back, the preview of applying it (then Apply), and the Profiles menu
  # with its undo item.
  wine $close --command "Quillon - v1.1" 40014
  for _ in $(seq 1 20); do wine $close --find "Profile" && break; sleep 0.5; done
  wine $close --press "Profile" 1
  sleep 1
  wine reg add "HKCU\\Software\\Wine\\Direct3D" /v csmt /t REG_DWORD /d 0 /f >/dev/null 2>&1
  wine reg add "HKCU\\Software\\Wine\\Direct3D" /v renderer /d vulkan /f >/dev/null 2>&1
  wine $close --command "Quillon - v1.1" 40031
  photograph_dialog 5000 "Preview profile" preview 1
  wine $close --open-menu "Quillon - v1.1" p
  sleep 2
  import -window root screenshots/menu_profiles.png
  wine $close --cancel-menu "Quillon - v1.1"
  wine $close --command "Quillon - v1.1" 40031
  sleep 1
  photograph_dialog 40018 "Autoprofiles" autoprofiles 1
  photograph_dialog 40013 "About Quillon" about 1
  # Close it the way a user does, so it stores what it stores on close.
  wine $close "Quillon - v1.1" 10000 || echo "the window did not close"
  wait $program 2>/dev/null || true
  wineserver -k
' run "$@"
echo "screenshot saved to screenshots/quillon.png"
