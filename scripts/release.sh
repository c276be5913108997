#!/usr/bin/env bash
# Builds the folder a Windows user unzips and runs, its zip, and the per-user
# installer that installs the same files:
#   OUT_DIR/zunoseek/      zunoseek.exe zbeep.exe zsfind.exe zsearch.bat zsearcha.bat
#                          zsfind-missing.txt, the sample database, helpzs.txt,
#                          zreadme.txt, licenses/
#   OUT_DIR/zunoseek.zip
#   OUT_DIR/zunoseek-setup.exe
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
rm -rf "$folder" "$out/zunoseek.zip" "$out/zunoseek-setup.exe"
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

# Licence texts, in CR LF: ours, the photograph's with its source (the
# bitmap the program is built with), the tool chain's from the packages
# that hold the libraries linked into the programs, and the data's.
cp dist/licenses/* "$folder/licenses/"
crlf() { sed 's/\r$//; s/$/\r/' "$1" >"$2"; }
crlf LICENSE "$folder/licenses/zunoseek-license.txt"
crlf about/dune-license.txt "$folder/licenses/dune-license.txt"
cp about/dune.bmp "$folder/licenses/"
crlf /usr/share/doc/gcc-mingw-w64-base/copyright "$folder/licenses/gcc-runtime-copyright.txt"
crlf /usr/share/doc/mingw-w64-i686-dev/copyright "$folder/licenses/mingw-w64-copyright.txt"
crlf /usr/share/common-licenses/GPL-3 "$folder/licenses/GPL-3.txt"
# The data zsfind's character tables are generated from.
crlf /usr/share/doc/kanjidic-xml/copyright "$folder/licenses/kanjidic2-license.txt"
crlf /usr/share/doc/unicode-data/copyright "$folder/licenses/unicode-license.txt"
crlf /usr/share/doc/locales/copyright "$folder/licenses/glibc-locales-copyright.txt"

(cd "$out" && cmake -E tar cf zunoseek.zip --format=zip zunoseek)

# The installer's list of the folder's files (for installing and for the
# uninstaller, which removes exactly these), its subfolders deepest first,
# and its size.
list=$out/release-files.nsh
(
  cd "$folder"
  echo '!macro ZsReleaseFiles MACRO'
  find . -type f | LC_ALL=C sort | while read -r file; do
    dir=$(dirname "${file#.}")
    dir=${dir#/}
    echo "  !insertmacro \${MACRO} \"${dir:+\\${dir//\//\\}}\" \"$(basename "$file")\""
  done
  echo '!macroend'
  echo '!macro ZsReleaseFolders MACRO'
  find . -mindepth 1 -type d | LC_ALL=C sort -r | while read -r dir; do
    dir=${dir#./}
    echo "  !insertmacro \${MACRO} \"\\${dir//\//\\}\""
  done
  echo '!macroend'
  bytes=$(find . -type f -printf '%s\n' | awk '{ s += $1 } END { print s }')
  echo "!define ZS_RELEASE_SIZE_KB $(((bytes + 1023) / 1024))"
) >"$list"
# makensis reads the scripts as UTF-8 and needs a UTF-8 locale for the
# Japanese file names.
LC_ALL=C.UTF-8 makensis -V2 -INPUTCHARSET UTF8 \
  -DZS_VERSION_NSH="$build/generated/zs_version.nsh" -DZS_FILE_LIST="$list" \
  -DZS_RELEASE_DIR="$folder" -DZS_OUT_FILE="$out/zunoseek-setup.exe" installer/zunoseek.nsi
rm "$list"

echo "$folder"
echo "$out/zunoseek.zip"
echo "$out/zunoseek-setup.exe"
