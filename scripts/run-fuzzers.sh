#!/usr/bin/env bash
# Runs every libFuzzer target of a fuzz build for a bounded time each.
# Usage: scripts/run-fuzzers.sh BUILD_DIR [SECONDS]
set -euo pipefail
build=$1 seconds=${2:-30}
shopt -s nullglob
targets=("$build"/tests/fuzz/fuzz_*)
((${#targets[@]})) || { echo "no fuzz targets in $build" >&2; exit 1; }
for t in "${targets[@]}"; do
  [[ -x $t && -f $t ]] || continue
  corpus=$(mktemp -d)
  echo "fuzzing $(basename "$t") for ${seconds}s"
  "$t" -max_total_time="$seconds" -print_final_stats=0 "$corpus" 2>&1 | tail -n 2
  rm -rf "$corpus"
done
