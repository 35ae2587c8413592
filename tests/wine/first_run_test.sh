#!/usr/bin/env bash
# A user's first start of the program folder as the build delivers it:
#   first_run_test.sh <prefix> <dist> <delivered_files.txt> <databases folder> <testbin folder>
# Copies the delivered files into a fresh folder of the prefix, starts
# Quillon there as Windows XP (a version it recognises, so categories for it
# are shown), says Yes to everything offered, and checks that every category
# of the shipped databases is a tab and the databases moved to "Installed".
set -uo pipefail
prefix=$1 dist=$2 delivered=$3 databases=$4 testbin=$5
export WINEPREFIX=$prefix WINEARCH=win32 WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
fail() { echo "FAILED: $*"; exit 1; }
close=$testbin/close_window.exe
title="Quillon - v1.1"
source "$(dirname "$0")/first_start.sh"

folder="$prefix/drive_c/First run"
rm -rf "$folder"
mkdir -p "$folder"
while IFS= read -r name; do
  [ -n "$name" ] && { cp "$dist/$name" "$folder/" || fail "dist/$name is missing"; }
done < "$delivered"
version_key='HKCU\Software\Wine\AppDefaults\Quillon.exe'
wine reg add "$version_key" /v Version /d winxp /f >/dev/null 2>&1
cleanup() { wine reg delete "$version_key" /f >/dev/null 2>&1; rm -rf "$folder"; }
trap cleanup EXIT

wine "C:\\First run\\Quillon.exe" &
program=$!
answer_first_start "$close" "$title" || fail "Quillon did not show its window"
tabs=$(wine "$close" --tab-names "$title" | tr -d '\r')
echo "tabs: $(tr '\n' '|' <<<"$tabs")"
missing=0
while IFS= read -r category; do
  grep -qxF "$category" <<<"$tabs" || { echo "no tab for the shipped category \"$category\""; missing=1; }
done < <(sed -n 's/^category "\(.*\)"$/\1/p' "$databases"/*.txt)
wine "$close" "$title" 20000 || fail "Quillon did not close"
wait $program
end_companion "$close"
[ $missing -eq 0 ] || fail "shipped categories are missing from the tabs"
for text in "$databases"/*.txt; do
  name=$(basename "$text" .txt).tweakdb
  [ -f "$folder/Installed/$name" ] || fail "$name was not imported and moved to Installed"
  [ -e "$folder/$name" ] && fail "$name was left in the program folder"
done
echo "a first start shows every shipped category as a tab"
