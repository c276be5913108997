#!/usr/bin/env bash
# Sets up everything on a fresh Debian 12 machine (as root) and starts
# zunoseek.exe under Wine in a demo working folder (build/demo) that holds the
# search scripts, the search tool, the sample database files and the help and
# readme documents. Stays until the program's window is closed, and leaves
# nothing running.
#
# Uses the display in $DISPLAY; without one it starts a virtual one (Xvfb)
# and says so. The Wine prefix is kept in $ZUNOSEEK_PREFIX (default
# ~/.local/share/zunoseek/prefix), so the database list survives restarts.
# Where 32-bit programs cannot start, the 64-bit build runs under wine64.
set -euo pipefail
cd "$(dirname "$0")/.."
top=$PWD

scripts/setup.sh
source scripts/wine-harness.sh
harness_choose_windows
[[ $HARNESS_PRESET == win64 ]] &&
  echo "This machine cannot start 32-bit programs: starting the 64-bit build under wine64."
cmake --preset "$HARNESS_PRESET" >/dev/null
cmake --build --preset "$HARNESS_PRESET" --target zunoseek zsfind

# A 64-bit Wine cannot use a 32-bit prefix: it gets one of its own.
prefix=$HOME/.local/share/zunoseek/prefix
[[ $HARNESS_PRESET == win64 ]] && prefix+=64
prefix=${ZUNOSEEK_PREFIX:-$prefix}
echo "Wine prefix: $prefix"
harness_template "$prefix"
export WINEPREFIX=$prefix

demo=$top/build/demo
mkdir -p "$demo"
cp build/$HARNESS_PRESET/ui/zunoseek.exe build/$HARNESS_PRESET/zsfind/zsfind.exe "$demo/"
cp dist/zsearch.bat dist/zsearcha.bat dist/zsfind-missing.txt dist/helpzs.txt dist/zreadme.txt "$demo/"
if [[ ! -f $demo/data.txt ]]; then
  if command -v python3 >/dev/null; then
    python3 tools/make_sample_db.py "$demo"
  else
    echo "python3 is missing: the demo folder has no database files"
  fi
fi

xvfb=
stop() {
  wineserver -k >/dev/null 2>&1 || true
  wineserver -w >/dev/null 2>&1 || true
  if [[ -n $xvfb ]]; then kill "$xvfb" 2>/dev/null || true; wait "$xvfb" 2>/dev/null || true; fi
}
trap stop EXIT
if [[ -z ${DISPLAY:-} ]]; then
  DISPLAY=$(harness_free_display)
  export DISPLAY
  Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  for _ in $(seq 50); do [[ -e /tmp/.X11-unix/X${DISPLAY#:} ]] && break; sleep 0.1; done
  echo "No display was set: started a virtual one (Xvfb) on $DISPLAY."
  echo "Watch it with e.g. 'x11vnc -display $DISPLAY', or end the program with Ctrl+C here."
fi

echo "Starting zunoseek.exe in $demo"
cd "$demo"
wine zunoseek.exe
echo "zunoseek.exe has ended."
