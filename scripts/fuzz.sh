#!/usr/bin/env bash
# Fuzzes every native target, one at a time at the lowest priority, until it has run RUNS inputs
# or SECONDS have passed (defaults: 60 s, no input limit), prints how many inputs each one ran,
# then minimizes fuzz/corpus/<target> to the inputs that together reach all the code the old
# corpus and the new finds reach; the test suite replays them.
# Usage: scripts/fuzz.sh [SECONDS [RUNS [FUZZER_DIR]]]   (FUZZER_DIR skips the build)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
runs=${2:--1}
limit="$seconds s"
[ "$runs" = -1 ] || limit="$limit or $runs runs"
fuzzers=${3:-}
if [ -z "$fuzzers" ]; then
  "$here/scripts/setup.sh"
  fuzzers=$here/build/fuzz-native
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for corpus in "$here"/fuzz/corpus/*/; do
  target=$(basename "$corpus")
  fuzzer=$fuzzers/$target
  mkdir -p "$work/$target" "$work/$target.min"
  echo "== fuzzing $target (at most $limit)"
  nice -n 19 "$fuzzer" -max_total_time="$seconds" -runs="$runs" -print_final_stats=1 \
    "$work/$target" "$corpus" > "$work/$target.log" 2>&1 || true
  grep -E '==.*ERROR|^artifact_prefix|Test unit written' "$work/$target.log" || true
  executed=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/$target.log")
  elapsed=$(sed -n 's/^Done [0-9]* runs in \([0-9]*\) second.*/\1/p' "$work/$target.log")
  echo "$target: ${executed:-?} executions in ${elapsed:-?} s"
  nice -n 19 "$fuzzer" -merge=1 "$work/$target.min" "$corpus" "$work/$target" > "$work/merge.log" 2>&1
  # The merge names every input by its hash; a seed that stays keeps the name that tells of it.
  for kept in "$corpus"/*; do
    hash=$(sha1sum < "$kept" | cut -d' ' -f1)
    if [ -e "$work/$target.min/$hash" ] && [ "$(basename "$kept")" != "$hash" ]; then
      mv "$work/$target.min/$hash" "$work/$target.min/$(basename "$kept")"
    fi
  done
  rm -f "$corpus"/*
  cp "$work/$target.min"/* "$corpus"
  echo "$target: corpus of $(ls "$corpus" | wc -l) inputs"
done
