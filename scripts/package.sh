#!/usr/bin/env bash
# Makes the two packages of the program folder (dist/): the setup program
# build/package/Quillon-Setup.exe (NSIS) and the portable
# build/package/Quillon-portable.zip. Expects a built dist/.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
out=$root/build/package
mkdir -p "$out"
[ -f dist/Quillon.exe ] || { echo "package: build dist/ first (scripts/build.sh)" >&2; exit 1; }

# What is shipped: the files the build delivers into dist/ (the build's own
# list), without the debugging information the build keeps. Whatever else a
# run of the program left in dist/ (its tab layout, backups, imported
# databases) is the developer's, not part of a package.
delivered=$root/build/win32/delivered_files.txt
[ -f "$delivered" ] || { echo "package: no list of delivered files (build win32 first)" >&2; exit 1; }
stage=$out/stage
rm -rf "$stage"
mkdir -p "$stage"
while IFS= read -r name; do
  [ -n "$name" ] || continue
  [ -f "dist/$name" ] || { echo "package: dist/$name is missing (build win32 first)" >&2; exit 1; }
  cp "dist/$name" "$stage/"
done < "$delivered"
i686-w64-mingw32-strip --strip-debug "$stage"/*.exe "$stage"/*.dll

# The file lists: what the setup program installs is what its uninstaller
# removes. A shipped database leaves the folder for "Installed" when the
# program imports it at its first start, so it is removed from there too.
: > "$out/files.nsh"
: > "$out/remove.nsh"
for file in "$stage"/*; do
  name=$(basename "$file")
  echo "File \"$file\"" >> "$out/files.nsh"
  echo "Delete \"\$INSTDIR\\$name\"" >> "$out/remove.nsh"
  case $name in
    *.tweakdb) echo "Delete \"\$INSTDIR\\Installed\\$name\"" >> "$out/remove.nsh" ;;
  esac
done
version=$(sed -n 's/^set(QUILLON_VERSION_MAJOR \([0-9]*\)).*/\1/p' cmake/QuillonWin32.cmake).$(sed -n 's/^set(QUILLON_VERSION_MINOR \([0-9]*\)).*/\1/p' cmake/QuillonWin32.cmake)
makensis -V2 -DOUTFILE="$out/Quillon-Setup.exe" -DFILES="$out/files.nsh" -DREMOVE="$out/remove.nsh" \
  -DVERSION="$version" installer/quillon.nsi
rm -f "$out/Quillon-portable.zip"
(cd "$stage" && cmake -E tar cf "$out/Quillon-portable.zip" --format=zip -- *)
echo "packages: $out/Quillon-Setup.exe, $out/Quillon-portable.zip"
