#!/usr/bin/env bash
# Makes the release folder and zip from this build, unpacks the zip into a
# fresh Wine prefix and searches through the shipped scripts from the unpacked
# folder, the way a user who has just unzipped it would.
# Usage: release_test.sh SOURCE_DIR BUILD_DIR   (under the harness's WINEPREFIX)
set -euo pipefail
source_dir=$1 build_dir=$2
work=$(mktemp -d /tmp/zs-release.XXXXXX)
prefix=$work/prefix
cleanup() {
  WINEPREFIX=$prefix wineserver -k >/dev/null 2>&1 || true
  WINEPREFIX=$prefix wineserver -w >/dev/null 2>&1 || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

"$source_dir/scripts/release.sh" "$build_dir" "$work/out" >/dev/null
# A prefix of its own, copied from the harness's before anything ran in it.
cp -a "${WINEPREFIX:?run under the Wine harness}" "$prefix"
export WINEPREFIX=$prefix
app=$prefix/drive_c/zunoseek
(cd "$prefix/drive_c" && cmake -E tar xf "$work/out/zunoseek.zip")
for f in zunoseek.exe zbeep.exe zsfind.exe zsearch.bat zsearcha.bat helpzs.txt zreadme.txt \
  data.txt 番号順.txt 著者名.txt 年代順.txt 分類順.txt 論文名.txt licenses/README-licenses.txt; do
  [[ -f $app/$f ]] || fail "$f is not in the zip"
done

result=$prefix/drive_c/temp
rm -rf "$result"
utf8() { iconv -f CP932 -t UTF-8 "$1"; }
cd "$app"
# Searches as the front end starts them (HOMEDRIVE is C: in a new prefix).
wine cmd /c zsearch.bat 能登 表面 番号順.txt >/dev/null 2>&1 || true
[[ -f $result/out.txt && -f $result/out.htm ]] || fail "no result files"
header=$(head -n 1 "$result/out.txt" | utf8 /dev/stdin)
[[ $header == 検索語：「能登」「表面」* ]] || fail "header: $header"
count=$(grep -o '該当：[0-9]*' <<<"$header" | tr -dc 0-9)
records=$(($(utf8 "$result/out.txt" | tail -n +2 | grep -c '能登.*表面\|表面.*能登' || true)))
((count > 0 && count == records)) || fail "count $count, records $records"

wine cmd /c zsearcha.bat ｶﾞｽ ｶﾞｽ 年代順.txt >/dev/null 2>&1 || true
[[ $(utf8 "$result/out.txt" | grep -c '^検索語：') -eq 2 ]] || fail "append did not add a section"
[[ $(utf8 "$result/out.htm" | grep -c '<section>') -eq 2 ]] || fail "html has not two sections"
tidy -q -e --input-encoding shiftjis "$result/out.htm" || fail "tidy: the html is not valid"
echo "release folder searched: $count records, then appended"
