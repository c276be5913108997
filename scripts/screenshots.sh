#!/usr/bin/env bash
# Writes PNG screenshots of every window of zunoseek.exe, taken under Xvfb
# with a fresh Wine prefix, into OUTDIR: the main window, the about window,
# the help and readme viewers, the plain message box, the file dialog, the
# error box of a damaged settings store, and the main window at 144 dpi.
# Run from a set-up machine (scripts/setup.sh) as root.
#
#   scripts/screenshots.sh OUTDIR
set -euo pipefail
out=$(realpath -m "${1:?usage: scripts/screenshots.sh OUTDIR}")
cd "$(dirname "$0")/.."
source scripts/wine-harness.sh
harness_choose_windows
build=${ZS_BUILD_DIR:-build/$HARNESS_PRESET}
mkdir -p "$out"

cmake --preset "$HARNESS_PRESET" -B "$build" >/dev/null
cmake --build "$build" --target zunoseek zsfind zs_poke >/dev/null

harness_open "$PWD/$build"

poke=$(winepath -w "$build/tests/support/zs_poke.exe")
work=$(mktemp -d)
cp "$build/ui/zunoseek.exe" "$build/zsfind/zsfind.exe" dist/*.bat dist/*.txt "$work/"
cd "$work"
echo "data" >data.txt

shot() { sleep 1.5; import -window root "$out/$1.png"; echo "$out/$1.png"; }
start() {
  wine zunoseek.exe >/dev/null 2>&1 &
  program=$!
  for _ in $(seq 100); do wine "$poke" key 10 >/dev/null 2>&1 && return 0; sleep 0.2; done
  return 1
}
poke() { wine "$poke" "$@" >/dev/null 2>&1 || true; }

start
shot main
poke key 12 48      # Alt+H, the help menu
poke key 41         # A: version information
shot about
poke close
poke key 78         # F9: help viewer
shot help
poke close
poke key 79         # F10: readme viewer
shot readme
poke close
poke click "ﾃｷｽﾄ検索"  # no search word: the plain message box
shot message
poke close
poke click "ﾌｧｲﾙ選択"
shot open-dialog
poke close
poke quit
wait "$program"

# A count stored as a number: the general error box at start-up.
wine reg add 'HKCU\zsearch\Settings' /v RegCount /t REG_DWORD /d 3 /f >/dev/null 2>&1
wine zunoseek.exe >/dev/null 2>&1 &
program=$!
shot error-box
poke close
sleep 1
poke quit
wait "$program"

# The layout scaled for 144 pixels per inch.
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1
wineserver -k; wineserver -w
start
shot main-144dpi
poke quit
wait "$program"
cd / && rm -rf "$work"
