#!/usr/bin/env bash
# Runs every fuzzer for the given seconds each (default 10) on a copy of its seed corpus.
# A longer run: scripts/fuzz.sh 600
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-10}
shopt -s nullglob
for fuzzer in build/fuzz/bin/*_fuzz; do
  name=$(basename "$fuzzer" _fuzz)
  work=$(mktemp -d)
  [ -d "tests/fuzz/corpus/$name" ] && cp -r "tests/fuzz/corpus/$name/." "$work/"
  echo "fuzzing $name for ${seconds}s"
  "$fuzzer" -max_total_time="$seconds" -print_final_stats=0 "$work" 2>"$work.log" || { tail -50 "$work.log"; exit 1; }
  rm -rf "$work" "$work.log"
done
