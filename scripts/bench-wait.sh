#!/usr/bin/env bash
# Compares the launcher's wait with a plain spin poll while a search script
# runs: CPU of the program and of the wine server, and the delay from the
# script's end to the shell open. Usage: scripts/bench-wait.sh [SECONDS] [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-3} runs=${2:-30}

scripts/setup.sh
source scripts/wine-harness.sh
harness_choose_windows
cmake --preset "$HARNESS_PRESET" >/dev/null
cmake --build --preset "$HARNESS_PRESET" --target wait_bench
harness_open "$PWD/build/$HARNESS_PRESET"

bench=$(winepath -w "$PWD/build/$HARNESS_PRESET/bench/wait_bench.exe")
work=$(mktemp -d)
# The wine server of this prefix; the benchmark reads its CPU time through Z:.
server=$(pgrep -n wineserver)
for mode in spin event; do
  (cd "$work" && wine "$bench" "$mode" "$seconds" "$runs" "Z:\\proc\\$server\\stat")
done
rm -rf "$work"
