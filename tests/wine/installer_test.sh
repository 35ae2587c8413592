#!/usr/bin/env bash
# The setup program as a user meets it, in a test prefix:
#   installer_test.sh <prefix> <Quillon-Setup.exe> <staged files folder> <testbin folder>
# Installs silently, checks the installed files, shortcuts and uninstaller
# entry, starts the installed Quillon and closes it as a user would (so it
# leaves its own "Tabs.stream"), uninstalls silently and checks that exactly
# the installed files are gone and the user's file stayed.
set -uo pipefail
prefix=$1 setup=$2 stage=$3 testbin=$4
export WINEPREFIX=$prefix WINEARCH=win32 WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
[ -f "$setup" ] || { echo "skipped: no setup program (makensis is not installed here)"; exit 77; }
close=$testbin/close_window.exe
source "$(dirname "$0")/first_start.sh"
fail() { echo "FAILED: $*"; end_prefix_programs; exit 1; }

folder="$prefix/drive_c/Program Files/Quillon"
rm -rf "$folder"
wine "$setup" /S || fail "the setup program reported an error"
for _ in $(seq 1 120); do
  [ -f "$folder/Uninstall.exe" ] && break
  sleep 0.5
done
for file in "$stage"/*; do
  name=$(basename "$file")
  cmp -s "$file" "$folder/$name" || fail "$name was not installed as shipped"
done
[ -f "$folder/Uninstall.exe" ] || fail "no uninstaller"
shortcut=$(find "$prefix/drive_c" -path '*Start Menu/Programs/Quillon/Quillon.lnk' | head -n 1)
[ -n "$shortcut" ] || fail "no Start-menu shortcut"
wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quillon' /v UninstallString \
  >/dev/null 2>&1 || fail "no uninstaller entry"
echo "installed $(ls "$stage" | wc -l) files, the shortcuts and the uninstaller entry"

# The installed program starts, answers its first-start questions and closes.
wine "C:\\Program Files\\Quillon\\Quillon.exe" &
program=$!
answer_first_start "$close" "Quillon - v1.1" || fail "the installed Quillon did not show its window"
wine "$close" "Quillon - v1.1" 20000 || fail "the installed Quillon did not close"
wait $program
end_companion "$close"
[ -f "$folder/Tabs.stream" ] || fail "the program kept no tab layout in its folder"
echo "the installed Quillon started, showed its window and closed"

echo "before uninstalling: $(ls "$folder" | tr '\n' ' ')"
# The uninstaller copies itself away and returns at once: wait for its work.
wine "C:\\Program Files\\Quillon\\Uninstall.exe" /S
for _ in $(seq 1 120); do
  [ -f "$folder/Uninstall.exe" ] || break
  sleep 0.5
done
sleep 2
for file in "$stage"/*; do
  name=$(basename "$file")
  [ -e "$folder/$name" ] && fail "$name was left behind"
done
[ -e "$folder/Uninstall.exe" ] && fail "the uninstaller was left behind"
[ -e "$folder/Installed" ] && { ls -la "$folder/Installed"; fail "the shipped databases were left in Installed"; }
[ -f "$folder/Tabs.stream" ] || { ls -la "$folder" 2>&1; fail "the user's Tabs.stream was removed"; }
[ -e "$shortcut" ] && fail "the Start-menu shortcut was left behind"
wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quillon' >/dev/null 2>&1 \
  && fail "the uninstaller entry was left behind"
rm -rf "$folder"
echo "uninstalled exactly what was installed; the user's own file stayed"
