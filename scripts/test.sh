#!/usr/bin/env bash
# Sets everything up and runs every test: the native unit tests (with
# sanitizers), the fuzz targets for a bounded time, and the Windows tests
# under Wine (on a 64-bit build where 32-bit programs cannot start). Run as
# root on Debian 12; leaves no process running.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh

cmake --preset native >/dev/null
cmake --build --preset native
ctest --preset native

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
scripts/run-fuzzers.sh build/fuzz

source scripts/wine-harness.sh
harness_choose_windows
if [[ $HARNESS_PRESET == win64 ]]; then
  echo "This machine cannot start 32-bit programs: the 32-bit programs are built"
  echo "but not run, and the Windows tests run on a 64-bit build under wine64."
  # The 64-bit build checks the names of the same sources.
  cmake --preset win32 -DZS_NAMING_CHECK=OFF >/dev/null
  cmake --build --preset win32 --target zunoseek zbeep zsfind
fi
cmake --preset "$HARNESS_PRESET" >/dev/null
cmake --build --preset "$HARNESS_PRESET"
source scripts/print-queue.sh
harness_template "$PWD/build/$HARNESS_PRESET/wine-template"
ZS_PRINT_OUT=$(mktemp -d /tmp/zs-pdf.XXXXXX)
export ZS_PRINT_OUT
trap 'harness_stop; print_queue_stop; rm -rf "$ZS_PRINT_OUT"' EXIT
# The viewers print on a real PDF queue, the default printer of every test
# program started from here on.
print_queue_start "$ZS_PRINT_OUT"
harness_start "$PWD/build/$HARNESS_PRESET/wine-template"
ctest --preset "$HARNESS_PRESET"
