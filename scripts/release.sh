#!/usr/bin/env bash
# Builds the folder a Windows user unzips and runs, and its zip:
#   OUT_DIR/zunoseek/      zunoseek.exe zbeep.exe zsfind.exe zsearch.bat zsearcha.bat
#                          the sample database, helpzs.txt, zreadme.txt, licenses/
#   OUT_DIR/zunoseek.zip
# Usage: scripts/release.sh BUILD_DIR OUT_DIR
#   BUILD_DIR is a build directory of the win32 preset (configured when missing).
set -euo pipefail
[[ $# -eq 2 ]] || { echo "usage: $0 BUILD_DIR OUT_DIR" >&2; exit 2; }
cd "$(dirname "$0")/.."
build=$(realpath -m "$1")
out=$(realpath -m "$2")

[[ -f $build/CMakeCache.txt ]] || cmake --preset win32 -B "$build" >/dev/null
cmake --build "$build" --target zunoseek zbeep zsfind sample_database -j2

folder=$out/zunoseek
rm -rf "$folder" "$out/zunoseek.zip"
mkdir -p "$folder/licenses"

for exe in ui/zunoseek.exe beep/zbeep.exe zsfind/zsfind.exe; do
  [[ -f $build/$exe ]] || { echo "missing $build/$exe" >&2; exit 1; }
  cp "$build/$exe" "$folder/"
done
cp dist/zsearch.bat dist/zsearcha.bat "$folder/"
for doc in helpzs.txt zreadme.txt; do
  [[ -f dist/$doc ]] || { echo "missing dist/$doc" >&2; exit 1; }
done
cp dist/*.txt "$folder/"
cp "$build"/sample-db/*.txt "$folder/"

# Licence texts: ours as they are, the tool chain's from its packages, in CR LF.
cp dist/licenses/* "$folder/licenses/"
crlf() { sed 's/\r$//; s/$/\r/' "$1" >"$2"; }
crlf /usr/share/doc/gcc-mingw-w64-base/copyright "$folder/licenses/gcc-runtime-copyright.txt"
crlf /usr/share/doc/mingw-w64-common/copyright "$folder/licenses/mingw-w64-copyright.txt"
crlf /usr/share/common-licenses/GPL-3 "$folder/licenses/GPL-3.txt"

(cd "$out" && cmake -E tar cf zunoseek.zip --format=zip zunoseek)
echo "$folder"
echo "$out/zunoseek.zip"
