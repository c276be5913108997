#!/usr/bin/env bash
# Makes the release folder, zip and installer from this build and tries them
# in a fresh Wine prefix the way a user would:
#   - unpacks the zip and searches through the shipped scripts from there;
#   - installs with zunoseek-setup.exe /S, reads the Start menu shortcut and
#     the "Programs and Features" entry back, searches from the installed
#     folder;
#   - adds a database file and a database list as the user would, uninstalls
#     with /S, and checks that only those remain.
# Usage: release_test.sh SOURCE_DIR BUILD_DIR zip|installer
#   under the harness's WINEPREFIX. The zip part tries the folder, the
#   installer part the installer; that part exits 77 (skipped) where 32-bit
#   programs cannot start, since the NSIS installer is one.
set -euo pipefail
source_dir=$1 build_dir=$2 part=$3
if [[ $part == installer ]] && ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
  echo "skipped: this machine cannot start 32-bit programs, and the installer is one"
  exit 77
fi
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
# Wine would copy Start menu shortcuts into the host's menus.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-};winemenubuilder.exe=d"
app=$prefix/drive_c/zunoseek
(cd "$prefix/drive_c" && cmake -E tar xf "$work/out/zunoseek.zip")
for f in zunoseek.exe zbeep.exe zsfind.exe zsearch.bat zsearcha.bat zsfind-missing.txt \
  helpzs.txt zreadme.txt data.txt 番号順.txt 著者名.txt 年代順.txt 分類順.txt 論文名.txt \
  licenses/README-licenses.txt licenses/zunoseek-license.txt licenses/dune-license.txt licenses/dune.bmp \
  licenses/kanjidic2-license.txt licenses/unicode-license.txt licenses/glibc-locales-copyright.txt; do
  [[ -f $app/$f ]] || fail "$f is not in the zip"
done
cmp -s "$app/licenses/dune.bmp" "$source_dir/about/dune.bmp" || fail "dune.bmp differs"

result=$prefix/drive_c/temp
utf8() { iconv -f CP932 -t UTF-8 "$1"; }
# Runs a text search as the front end starts it, from the current folder
# (HOMEDRIVE is C: in a new prefix), and checks the result; prints the count.
search_here() {
  rm -rf "$result"
  wine cmd /c zsearch.bat 能登 表面 番号順.txt >/dev/null 2>&1 || true
  [[ -f $result/out.txt && -f $result/out.htm ]] || fail "no result files in $PWD"
  local header count records
  header=$(head -n 1 "$result/out.txt" | utf8 /dev/stdin)
  [[ $header == 検索語：「能登」「表面」* ]] || fail "header: $header"
  count=$(grep -o '該当：[0-9]*' <<<"$header" | tr -dc 0-9)
  records=$(($(utf8 "$result/out.txt" | tail -n +2 | grep -c '能登.*表面\|表面.*能登' || true)))
  ((count > 0 && count == records)) || fail "count $count, records $records"
  echo "$count"
}

if [[ $part == zip ]]; then
  cd "$app"
  count=$(search_here)
  wine cmd /c zsearcha.bat ｶﾞｽ ｶﾞｽ 年代順.txt >/dev/null 2>&1 || true
  [[ $(utf8 "$result/out.txt" | grep -c '^検索語：') -eq 2 ]] || fail "append did not add a section"
  [[ $(utf8 "$result/out.htm" | grep -c '<section>') -eq 2 ]] || fail "html has not two sections"
  tidy -q -e --input-encoding shiftjis "$result/out.htm" || fail "tidy: the html is not valid"
  echo "release folder searched: $count records, then appended"
  exit 0
fi

# The installer, silently, for the current user.
cd "$work"
wine "$work/out/zunoseek-setup.exe" /S || fail "setup exit code $?"
winenv() { wine cmd /c echo "%$1%" | tr -d '\r'; }
local_appdata=$(winenv LOCALAPPDATA)
install_dir="$local_appdata\\Programs\\zunoseek"
installed=$(winepath -u "$install_dir")
listing() { (cd "$1" && find . -type f | LC_ALL=C sort); }
diff <({ listing "$app"; echo ./uninstall.exe; } | LC_ALL=C sort) <(listing "$installed") ||
  fail "the installed files differ from the release folder's and the uninstaller"

shortcut="$(winenv APPDATA)\\Microsoft\\Windows\\Start Menu\\Programs\\ｽﾞﾉ文献ﾃﾞｰﾀﾍﾞｰｽ 簡易検索ﾌﾟﾛｸﾞﾗﾑ.lnk"
read_shortcut=$build_dir/tests/release/zs_read_shortcut.exe
link=$(wine "$read_shortcut" "$shortcut" | utf8 /dev/stdin | tr -d '\r') || fail "no shortcut"
[[ $link == "$install_dir\\zunoseek.exe"$'\n'"$install_dir" ]] || fail "shortcut: $link"

# "Programs and Features": every value of the uninstall entry.
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\zunoseek'
version=$(wine "$installed/zsfind.exe" --version | tr -d '\r')
entry=$(wine reg query "$uninstall_key" | utf8 /dev/stdin | tr -d '\r' | sed -n 's/^    //p' | sort)
bytes=$(find "$installed" -type f ! -name uninstall.exe -printf '%s\n' | awk '{ s += $1 } END { print s }')
size_kb=$(printf '0x%x' $(((bytes + 1023) / 1024)))
expected=$(sort <<EOF
DisplayName    REG_SZ    ｽﾞﾉ文献ﾃﾞｰﾀﾍﾞｰｽ 簡易検索ﾌﾟﾛｸﾞﾗﾑ
DisplayVersion    REG_SZ    ${version#zsfind }
Publisher    REG_SZ    Ranel
InstallLocation    REG_SZ    $install_dir
DisplayIcon    REG_SZ    $install_dir\\zunoseek.exe
UninstallString    REG_SZ    "$install_dir\\uninstall.exe"
QuietUninstallString    REG_SZ    "$install_dir\\uninstall.exe" /S
NoModify    REG_DWORD    0x1
NoRepair    REG_DWORD    0x1
EstimatedSize    REG_DWORD    $size_kb
EOF
)
diff <(echo "$expected") <(echo "$entry") || fail "uninstall entry"

cd "$installed"
count=$(search_here)
echo "installed under $install_dir: shortcut and uninstall entry read back, $count records found"

# What the user adds: a database file in the folder and the database list.
cp 番号順.txt 私の文献.txt
own_database="$install_dir\\私の文献.txt"
wine reg add 'HKCU\zsearch\Settings' /v FileName1 /d "\"$own_database\"" /f >/dev/null 2>&1
cd "$work"
wine "$installed/uninstall.exe" /S || fail "uninstall exit code $?"
# The uninstaller runs on as a copy of itself in %TEMP%: wait for every
# process of the prefix to end.
wineserver -w
[[ $(listing "$installed") == ./私の文献.txt ]] || fail "left in the folder: $(listing "$installed")"
[[ ! -e $(winepath -u "$shortcut") ]] || fail "the shortcut is still there"
! wine reg query "$uninstall_key" >/dev/null 2>&1 || fail "the uninstall entry is still there"
wine reg query 'HKCU\zsearch\Settings' /v FileName1 | utf8 /dev/stdin | grep -qF "\"$own_database\"" ||
  fail "the database list is gone"
echo "uninstalled: the added database file and the database list remain"
