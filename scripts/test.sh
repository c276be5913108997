#!/usr/bin/env bash
# Sets everything up and runs every test: the native unit tests (with
# sanitizers), the fuzz targets for a bounded time, and the Windows tests
# under Wine. Run as root on Debian 12; leaves no process running.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh

cmake --preset native >/dev/null
cmake --build --preset native
ctest --preset native

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
scripts/run-fuzzers.sh build/fuzz

cmake --preset win32 >/dev/null
cmake --build --preset win32
source scripts/wine-harness.sh
source scripts/print-queue.sh
harness_template "$PWD/build/win32/wine-template"
ZS_PRINT_OUT=$(mktemp -d /tmp/zs-pdf.XXXXXX)
export ZS_PRINT_OUT
trap 'harness_stop; print_queue_stop; rm -rf "$ZS_PRINT_OUT"' EXIT
# The viewers print on a real PDF queue, the default printer of every test
# program started from here on.
print_queue_start "$ZS_PRINT_OUT"
harness_start "$PWD/build/win32/wine-template"
ctest --preset win32
