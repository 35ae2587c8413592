#!/usr/bin/env bash
# Every shipped database (databases/*.txt) compiles, and goes round the text
# tool unchanged: decompiling gives the same text, compiling that again the
# same bytes. Their comments say where each setting is documented.
#   shipped_databases_test.sh <tweakdb> <databases folder>
set -uo pipefail
tool=$1 folder=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAILED: $*"; exit 1; }
shopt -s nullglob
texts=("$folder"/*.txt)
[ ${#texts[@]} -gt 0 ] || fail "no databases in $folder"
for text in "${texts[@]}"; do
  name=$(basename "$text" .txt)
  "$tool" compile "$text" "$work/$name.tweakdb" || fail "$name does not compile"
  "$tool" decompile "$work/$name.tweakdb" "$work/$name.txt" || fail "$name does not decompile"
  cmp -s "$text" "$work/$name.txt" || { diff "$text" "$work/$name.txt" | head; fail "$name.txt is not in the form the tool writes"; }
  "$tool" compile "$work/$name.txt" "$work/$name.again" || fail "$name does not compile again"
  cmp -s "$work/$name.tweakdb" "$work/$name.again" || fail "$name changed its bytes on the way round"
  # Each setting names its documentation.
  settings=$(grep -c '^  setting ' "$text")
  documented=$(grep -c '^    comment ".*https://' "$text")
  [ "$settings" -eq "$documented" ] || fail "$name: $((settings - documented)) settings without a documentation address"
done
echo "shipped databases: ${#texts[@]} round trips byte-exact"
