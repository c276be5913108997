#!/usr/bin/env bash
# Times zsfind against ripgrep and grep on a large Shift-JIS bibliography and
# counts the records each returns (byte searches find false matches that
# straddle characters; ripgrep's transcoding search does not fold widths).
#
# Usage: scripts/bench-zsfind.sh [MEGABYTES] [WIN32_BUILD_DIR]
#   MEGABYTES        size of the generated database (default 200)
#   WIN32_BUILD_DIR  also time that build's zsfind.exe under Wine, for the record
# Needs hyperfine, ripgrep, grep and time; run from anywhere. Builds a native
# Release zsfind (-O2) in build/zsfind-bench.
set -euo pipefail
cd "$(dirname "$0")/.."
megabytes=${1:-200}
win32_build=${2:-}
build=build/zsfind-bench
data=$build/bench-data
big=$data/bibliography-${megabytes}mb.txt

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" >/dev/null
cmake --build "$build" --target zsfind >/dev/null
zsfind=$PWD/$build/zsfind/zsfind
mkdir -p "$data"
[[ -f $big ]] || python3 tools/make_sample_db.py --big "$big" --megabytes "$megabytes"
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

# Two words with a few thousand matching records, both holding a 0x5C trail
# byte; a pair whose matches differ with width folding; and 塔 (93 83), absent
# from the data, whose bytes a byte search finds wherever a character ending in
# 0x93 comes before a katakana (lead byte 0x83).
sjis() { printf '%s' "$1" | iconv -f UTF-8 -t CP932; }
# ripgrep 13 takes no invalid UTF-8 in a pattern: the same literal as escapes.
rg_bytes() { printf '(?-u)'; sjis "$1" | od -An -v -tx1 | tr -s ' \n' ' ' | sed 's/ \([0-9a-f][0-9a-f]\)/\\x\1/g; s/ //g'; }
export ZSFIND=$zsfind BIG=$big OUT=$out

count_zsfind() { head -n 1 "$out/out.txt" | iconv -f CP932 -t UTF-8 | grep -o '該当：[0-9]*' | tr -dc 0-9; }

run_pair() {
  local u1=$1 u2=$2
  export W1 W2 R1 R2 U1=$u1 U2=$u2
  W1=$(sjis "$u1") W2=$(sjis "$u2") R1=$(rg_bytes "$u1") R2=$(rg_bytes "$u2")
  echo "== words: $u1 / $u2 on $(du -m "$big" | cut -f1) MB"
  cat "$big" >/dev/null  # warm cache
  local zs='"$ZSFIND" --text-out "$OUT/h.txt" --html-out "$OUT/h.htm"'
  "$zsfind" --exact --text-out "$out/out.txt" --html-out "$out/out.htm" "$W1" "$W2" "$big" || true
  echo "records: zsfind --exact $(count_zsfind)"
  echo "records: rg bytes | rg bytes $(rg -a "$R1" "$big" | rg -a "$R2" | wc -l)"
  echo "records: grep -F | grep -F (C) $(LC_ALL=C grep -a -F "$W1" "$big" | LC_ALL=C grep -a -F "$W2" | wc -l)"
  "$zsfind" --text-out "$out/out.txt" --html-out "$out/out.htm" "$W1" "$W2" "$big" || true
  echo "records: zsfind (default) $(count_zsfind)"
  echo "records: rg -i -E shift_jis | rg -i $(rg -i -E shift_jis "$u1" "$big" | rg -i "$u2" | wc -l)"
  # The words go through the environment: hyperfine takes only UTF-8 commands.
  hyperfine -i --warmup 2 --runs 10 --style basic \
    -n "zsfind --exact" "$zs"' --exact "$W1" "$W2" "$BIG"' \
    -n "zsfind (default)" "$zs"' "$W1" "$W2" "$BIG"' \
    -n "rg | rg (bytes)" 'rg -a "$R1" "$BIG" | rg -a "$R2" >/dev/null' \
    -n "grep -F | grep -F (C locale)" 'LC_ALL=C grep -a -F "$W1" "$BIG" | LC_ALL=C grep -a -F "$W2" >/dev/null' \
    -n "rg -i -E shift_jis | rg -i" 'rg -i -E shift_jis "$U1" "$BIG" | rg -i "$U2" >/dev/null' 2>&1 |
    grep -E "Benchmark|Time|Range"
  echo "peak memory (KiB): $(/usr/bin/time -f %M "$zsfind" --text-out "$out/c.txt" \
    --html-out "$out/c.htm" "$W1" "$W2" "$big" 2>&1 >/dev/null | tail -n 1)"
}

run_pair 能登 表面
run_pair ガス 超伝導
run_pair 研究 塔

# Memory stays bounded even for one endless record.
head -c $((64 << 20)) /dev/zero | tr '\0' 'x' >"$out/one-line.txt"
echo "peak memory for one 64 MiB record (KiB): $(/usr/bin/time -f %M "$zsfind" \
  --text-out "$out/d.txt" --html-out "$out/d.htm" xx yy "$out/one-line.txt" 2>&1 >/dev/null | tail -n 1)"

if [[ -n $win32_build ]]; then
  source scripts/wine-harness.sh
  harness_template "$PWD/$win32_build/wine-template"
  trap 'harness_stop; rm -rf "$out"' EXIT
  harness_start "$PWD/$win32_build/wine-template"
  exe=$PWD/$win32_build/zsfind/zsfind.exe
  export W1=$(sjis 能登) W2=$(sjis 表面)
  # Wine reads its arguments as UTF-8; the words go in as such.
  hyperfine -i --warmup 1 --runs 5 --style basic \
    -n "zsfind.exe --exact under Wine" "wine $exe --exact --text-out Z:$out/w.txt --html-out Z:$out/w.htm 能登 表面 Z:$big" \
    -n "zsfind.exe under Wine" "wine $exe --text-out Z:$out/w.txt --html-out Z:$out/w.htm 能登 表面 Z:$big" 2>&1 |
    grep -E "Benchmark|Time|Range"
  echo "records: zsfind.exe under Wine $(head -n 1 "$out/w.txt" | iconv -f CP932 -t UTF-8 | grep -o '該当：[0-9]*')"
  harness_stop
fi
