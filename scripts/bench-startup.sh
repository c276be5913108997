#!/usr/bin/env bash
# Start-up benchmark under Wine and Xvfb: the time from process start to the
# main window's first complete paint and the peak memory of zunoseek.exe,
# against a bare Win32 window program under the same Wine, and the size of
# zunoseek.exe. A second yardstick, the bare program with the main window's
# thirteen platform controls, shows what the controls alone cost.
# Run from the repository's top folder after scripts/setup.sh.
#
#   scripts/bench-startup.sh [RUNS]      (default 10 runs of each program)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-10}
source scripts/wine-harness.sh
harness_choose_windows
build=${ZS_BUILD_DIR:-build/$HARNESS_PRESET}

cmake --preset "$HARNESS_PRESET" -B "$build" >/dev/null
cmake --build "$build" --target zunoseek zs_startup_probe zs_bare_window >/dev/null

harness_open "$PWD/$build"

probe=$(winepath -w "$build/tests/support/zs_startup_probe.exe")
work=$(mktemp -d)
cp "$build/ui/zunoseek.exe" "$build/tests/support/zs_bare_window.exe" "$work/"
cd "$work"

# One run of each, not counted: the first start of a prefix loads more.
# measure PROGRAM CAPTION [ARGUMENT]
measure() { wine "$probe" "$(winepath -w "$1")" "$2" ${3:+"$3"} 2>/dev/null | tr -d '\r'; }
measure zunoseek.exe "ｽﾞﾉ文献ﾃﾞｰﾀﾍﾞｰｽ 簡易検索ﾌﾟﾛｸﾞﾗﾑ" >/dev/null
measure zs_bare_window.exe bare >/dev/null
measure zs_bare_window.exe controls controls >/dev/null

: >zs.txt
: >bare.txt
: >controls.txt
for _ in $(seq "$runs"); do
  measure zunoseek.exe "ｽﾞﾉ文献ﾃﾞｰﾀﾍﾞｰｽ 簡易検索ﾌﾟﾛｸﾞﾗﾑ" >>zs.txt
  measure zs_bare_window.exe bare >>bare.txt
  measure zs_bare_window.exe controls controls >>controls.txt
done

median() { sort -n -k"$2" "$1" | awk -v c="$2" '{v[NR]=$c} END {print v[int((NR+1)/2)]}'; }
zs_ms=$(median zs.txt 1) bare_ms=$(median bare.txt 1) controls_ms=$(median controls.txt 1)
zs_ws=$(median zs.txt 2) bare_ws=$(median bare.txt 2)
zs_pv=$(median zs.txt 3) bare_pv=$(median bare.txt 3)
size=$(stat -c %s zunoseek.exe)
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", a / b}'; }
echo "runs: $runs each, medians"
echo "start to first paint: zunoseek ${zs_ms} ms, bare ${bare_ms} ms, ratio $(ratio "$zs_ms" "$bare_ms") (goal <= 1.20)"
echo "bare window with the 13 controls: ${controls_ms} ms, ratio $(ratio "$controls_ms" "$bare_ms") to bare"
echo "peak working set: zunoseek ${zs_ws} KiB, bare ${bare_ws} KiB, difference $((zs_ws - bare_ws)) KiB (goal <= 4096)"
echo "peak private memory: zunoseek ${zs_pv} KiB, bare ${bare_pv} KiB, difference $((zs_pv - bare_pv)) KiB"
echo "zunoseek.exe: $size bytes"
cd / && rm -rf "$work"
