#!/usr/bin/env bash
# Runs every libFuzzer target for a while and prints, per target, how many
# inputs it ran and what it found:
#   scripts/fuzz.sh [seconds per target] [name pattern, e.g. 'fuzz_file_*']
# New inputs go to build/fuzz-runs/<target>; findings (crash-*, leak-*,
# timeout-*) are kept there for a look.
set -uo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
pattern=${2:-fuzz_*}
bash scripts/build.sh fuzz >/dev/null || exit 1
status=0
printf '%-32s %12s %10s %s\n' target executions seconds findings
for binary in build/fuzz/tests/native/$pattern; do
  # Only the programs: the targets' scratch folders sit beside them.
  [ -f "$binary" ] && [ -x "$binary" ] || continue
  name=$(basename "$binary")
  work=build/fuzz-runs/$name
  mkdir -p "$work/corpus"
  log=$work/run.log
  (cd "$work" && "$OLDPWD/$binary" -max_total_time="$seconds" -print_final_stats=1 corpus \
     "$OLDPWD/fuzz/corpus" > run.log 2>&1)
  executions=$(grep -Eo 'stat::number_of_executed_units: *[0-9]+' "$log" | grep -Eo '[0-9]+$')
  findings=$(ls "$work" | grep -E '^(crash|leak|timeout|oom)-' | wc -l)
  [ "$findings" -gt 0 ] && status=1
  printf '%-32s %12s %10s %s\n' "$name" "${executions:-?}" "$seconds" "$findings"
done
exit $status
