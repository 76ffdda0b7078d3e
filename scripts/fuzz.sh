#!/usr/bin/env bash
# Fuzzes every native target for a bounded time (default 60 s each), then merges into
# fuzz/corpus/<target> only the new inputs that reach new code; the test suite replays them.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
"$here/scripts/setup.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for corpus in "$here"/fuzz/corpus/*/; do
  target=$(basename "$corpus")
  fuzzer=$here/build/fuzz-native/$target
  mkdir -p "$work/$target"
  echo "== fuzzing $target for $seconds s"
  "$fuzzer" -max_total_time="$seconds" -print_final_stats=1 "$work/$target" "$corpus" 2>&1 |
    grep -E '^(stat::|Done|==.*ERROR)' || true
  "$fuzzer" -merge=1 "$corpus" "$work/$target" 2>&1 | grep -E 'MERGE-OUTER: [0-9]+ new files' || true
done
