#!/usr/bin/env bash
# The tweakdb tool on files: compile, decompile, compile again gives the same
# bytes and the same text; a damaged text and a damaged database are refused
# with their names and nothing is written.
#   tweakdb_tool_test.sh <tweakdb>
set -uo pipefail
tool=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAILED: $*"; exit 1; }
cat > "$work/a.txt" <<'TXT'
# A database written by hand.
category "Wine Direct3D"
  key HKEY_CURRENT_USER "Software\\Wine\\Direct3D"
  cards 0xffffffffffffffff
  os 0xffffffff
  setting string "Renderer"
    value-name "renderer"
    default "gl"
    range "gl;vulkan;no3d;"
    names ""
    comment "Which API draws Direct3D."
  end
end
TXT
"$tool" compile "$work/a.txt" "$work/a.tweakdb" || fail "compile"
"$tool" decompile "$work/a.tweakdb" "$work/b.txt" || fail "decompile"
"$tool" compile "$work/b.txt" "$work/b.tweakdb" || fail "compile again"
cmp -s "$work/a.tweakdb" "$work/b.tweakdb" || fail "the bytes changed on the way round"
"$tool" decompile "$work/b.tweakdb" - > "$work/c.txt" || fail "decompile to standard output"
cmp -s "$work/b.txt" "$work/c.txt" || fail "the text changed on the way round"

printf 'category "x"\n  key HKEY_NOWHERE "a"\nend\n' > "$work/bad.txt"
message=$("$tool" compile "$work/bad.txt" "$work/bad.tweakdb" 2>&1) && fail "a damaged text compiled"
[ "$message" = "$work/bad.txt:2: unknown root 'HKEY_NOWHERE'" ] || fail "unclear error: $message"
[ -e "$work/bad.tweakdb" ] && fail "a file was written for a damaged text"
head -c 20 "$work/a.tweakdb" > "$work/short.tweakdb"
message=$("$tool" decompile "$work/short.tweakdb" "$work/short.txt" 2>&1) && fail "a damaged database decompiled"
case $message in "$work/short.tweakdb: damaged"*) ;; *) fail "unclear error: $message" ;; esac
[ -e "$work/short.txt" ] && fail "a file was written for a damaged database"
echo "tweakdb: round trips and refusals as expected"
