#!/usr/bin/env bash
# Checks the program folder: every binary is 32-bit, the programs are GUI
# programs (QuillonCmd.exe a console one), nothing imports MinGW's runtime DLLs, Quillon.exe imports no
# user-interface DLL (it loads those at their first use, so "Profile=" starts
# like a console tool), and every import, Quillon.exe's late ones included,
# is exported by Windows 98 (tools/import_audit).
#   check_dist.sh <program folder> [Quillon.exe's late_imports.txt]
set -uo pipefail
dist=${1:?program folder}
late=${2:-}
objdump=i686-w64-mingw32-objdump
status=0
shopt -s nullglob
files=("$dist"/*.exe "$dist"/*.dll)
if [ ${#files[@]} -eq 0 ]; then echo "no binaries in $dist"; exit 1; fi
for f in "${files[@]}"; do
  headers=$($objdump -p "$f") || { echo "$f: not a PE file"; status=1; continue; }
  grep -q 'file format pei-i386' <<<"$headers" || { echo "$f: not PE32 (i386)"; status=1; }
  case "$f" in
    */QuillonCmd.exe) grep -Eq 'Subsystem\s+00000003' <<<"$headers" || { echo "$f: not a console program"; status=1; } ;;
    *.exe) grep -Eq 'Subsystem\s+00000002' <<<"$headers" || { echo "$f: not a GUI program"; status=1; } ;;
  esac
  if grep -Ei 'DLL Name: (libgcc|libstdc|libwinpthread)' <<<"$headers"; then
    echo "$f: needs a MinGW runtime DLL"; status=1
  fi
  if [ "$(basename "$f")" = Quillon.exe ]; then
    extra=$(grep -Eo 'DLL Name: \S+' <<<"$headers" | grep -Eiv ': (kernel32|advapi32|msvcrt)\.dll$')
    [ -z "$extra" ] || { echo "$f: imports at start what it should load late:" $extra; status=1; }
  fi
done
audit=(python3 "$(dirname "$0")/../tools/import_audit/import_audit.py"
       --table "$(dirname "$0")/../tools/import_audit/windows_exports.tsv" --objdump "$objdump")
[ -n "$late" ] && audit+=(--late "Quillon.exe=$late")
"${audit[@]}" "$dist" || status=1
[ $status -eq 0 ] && echo "checked ${#files[@]} binaries in $dist"
exit $status
