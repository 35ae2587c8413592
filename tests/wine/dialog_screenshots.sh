#!/usr/bin/env bash
# Screenshots of the Preferences, Autoprofiles and HotKeys dialogs over the
# preview window: screenshots/preferences.png, autoprofiles.png, hotkeys.png.
# Run in the test machine: bash tests/wine/with_desktop.sh bash tests/wine/dialog_screenshots.sh
set -euo pipefail
cd "$(dirname "$0")/../.."
root=$PWD
bin=build/win32/testbin
export WINEARCH=win32 WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree,mshtml="
export WINEPREFIX=${WINEPREFIX:-$HOME/.wine-quillon-dialogs}
[ -d "$WINEPREFIX" ] || { wineboot -i >/dev/null 2>&1; wineserver -w; }
wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
# A remembered card, so no card question comes first.
wine reg add 'HKLM\SOFTWARE\Quillon' /v GraphicCard /t REG_DWORD /d 8 /f >/dev/null
wine reg add 'HKCU\Software\Pellam Suite\Game Profile' /v quake3.exe /d '"C:\Quillon\Quillon.exe" Profile="Fast"' /f >/dev/null
wine reg add 'HKCU\Software\Pellam Suite\Game Profile' /v Reset /d '"C:\Quillon\Quillon.exe" Profile="Desktop"' /f >/dev/null
wineserver -w
mkdir -p screenshots
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
# Two profiles and an animation to choose; a layout of a program run before
# (no first-run installation) is written before each shot.
mkdir -p "$folder/Profiles"
touch "$folder/Profiles/Fast.qlp" "$folder/Profiles/Desktop.qlp" "$folder/Ember_Animation.dll"
cd "$folder"
for shot in "40002:Preferences:preferences" "40018:Autoprofiles:autoprofiles" "40019:HotKeys:hotkeys"; do
  IFS=: read -r command title name <<< "$shot"
  # The preview saves its tabs at close; each shot starts from the same layout.
  printf '\x24\0\0\0\0\0\0\0\0\0\0\0\xff\xff\xff\xff\0\0\0\0\0' > "$folder/Tabs.stream"
  wine "$root/$bin/window_preview.exe" "$command" &
  program=$!
  for _ in $(seq 1 100); do
    wine "$root/$bin/close_window.exe" --find "$title" && break
    sleep 0.3
  done
  sleep 2
  import -window root "$root/screenshots/$name.png"
  echo "$name.png taken"
  wine "$root/$bin/close_window.exe" "$title" 5000 || true
  wine "$root/$bin/close_window.exe" "Quillon - v1.1" 10000 || true
  # A preview that does not end is ended, so the next dialog is still taken.
  for _ in $(seq 1 40); do kill -0 $program 2>/dev/null || break; sleep 0.5; done
  if kill -0 $program 2>/dev/null; then
    echo "the preview for $name did not end; ended by force"
    kill $program 2>/dev/null || true
    wineserver -k || true
  fi
  wait $program 2>/dev/null || true
done
wineserver -k || true
echo "saved screenshots/preferences.png, autoprofiles.png, hotkeys.png"
