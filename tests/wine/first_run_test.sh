#!/usr/bin/env bash
# A user's first start of the program folder as the build delivers it:
#   first_run_test.sh <prefix> <dist> <delivered_files.txt> <databases folder> <testbin folder>
# Copies the delivered files into a fresh folder of the prefix, starts
# Quillon there, says Yes to everything offered, and checks that every
# category of the shipped databases is a tab and the databases moved to
# "Installed". It does so twice: as Windows XP, the newest system of the
# program's time, and as Windows 10, Wine's own default.
set -uo pipefail
prefix=$1 dist=$2 delivered=$3 databases=$4 testbin=$5
export WINEPREFIX=$prefix WINEARCH=win32 WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
close=$testbin/close_window.exe
title="Quillon - v1.1"
source "$(dirname "$0")/first_start.sh"
fail() { echo "FAILED: $*"; end_prefix_programs; exit 1; }

folder="$prefix/drive_c/First run"
version_key='HKCU\Software\Wine\AppDefaults\Quillon.exe'
cleanup() { wine reg delete "$version_key" /f >/dev/null 2>&1; rm -rf "$folder"; }
trap cleanup EXIT

shipped_categories() { sed -n 's/^category "\(.*\)"$/\1/p' "$databases"/*.txt; }
shows_every_category() {
  local tabs
  tabs=$(wine "$close" --tab-names "$title" | tr -d '\r')
  while IFS= read -r category; do
    grep -qxF "$category" <<<"$tabs" || return 1
  done < <(shipped_categories)
}

# first_start_as <Wine's Windows version>
first_start_as() {
  local version=$1
  echo "as $version:"
  rm -rf "$folder"
  mkdir -p "$folder"
  while IFS= read -r name; do
    [ -n "$name" ] && { cp "$dist/$name" "$folder/" || fail "dist/$name is missing"; }
  done < "$delivered"
  wine reg add "$version_key" /v Version /d "$version" /f >/dev/null 2>&1

  wine "C:\\First run\\Quillon.exe" &
  local program=$!
  # The start is over once every shipped category is a tab (or, should one
  # never come, after the time allowed, and the missing ones are listed).
  local answered=1
  answer_first_start "$close" "$title" shows_every_category || answered=0
  local tabs
  tabs=$(wine "$close" --tab-names "$title" | tr -d '\r')
  echo "tabs: $(tr '\n' '|' <<<"$tabs")"
  local missing=0
  while IFS= read -r category; do
    grep -qxF "$category" <<<"$tabs" || { echo "no tab for the shipped category \"$category\""; missing=1; }
  done < <(shipped_categories)
  [ $answered -eq 1 ] || fail "Quillon's first start did not end with every shipped category as a tab as $version"
  wine "$close" "$title" 20000 || fail "Quillon did not close"
  wait $program
  end_companion "$close"
  [ $missing -eq 0 ] || fail "shipped categories are missing from the tabs as $version"
  for text in "$databases"/*.txt; do
    name=$(basename "$text" .txt).tweakdb
    [ -f "$folder/Installed/$name" ] || fail "$name was not imported and moved to Installed"
    [ -e "$folder/$name" ] && fail "$name was left in the program folder"
  done
}

first_start_as winxp
first_start_as win10
echo "a first start shows every shipped category as a tab, as Windows XP and as Windows 10"
