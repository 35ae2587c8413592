#!/usr/bin/env bash
# The import audit refuses a binary that imports a function newer than its
# floor, naming file and function: import_audit_test.sh <VistaImport.dll>
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
dll=${1:?DLL that imports GetTickCount64}
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cp "$dll" "$folder/VistaImport.dll"
output=$(python3 "$here/../tools/import_audit/import_audit.py" \
  --table "$here/../tools/import_audit/windows_exports.tsv" "$folder")
status=$?
echo "$output"
[ $status -eq 1 ] || { echo "FAILED: the audit passed a Vista import (exit $status)"; exit 1; }
grep -qF 'VistaImport.dll: kernel32.dll!GetTickCount64 needs Windows Vista; the floor is Windows 98' <<<"$output" \
  || { echo "FAILED: the audit did not name the file and the function"; exit 1; }
echo "the audit refuses an import of GetTickCount64"
