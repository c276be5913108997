#!/usr/bin/env bash
# Times zsfind against ripgrep and grep on a large Shift-JIS bibliography and
# on the same records in UTF-8, beside a scan that finds nothing (the floor of
# reading the file once), counts the records each returns (byte searches find
# false matches that straddle characters; ripgrep's transcoding search does not
# fold widths), and measures zsfind's peak memory in every comparison and
# encoding and its time on the longest records.
#
# Usage: scripts/bench-zsfind.sh [MEGABYTES] [WIN32_BUILD_DIR]
#   MEGABYTES        size of the generated database (default 200)
#   WIN32_BUILD_DIR  also time that build's zsfind.exe under Wine, for the record
# Environment: RUNS (default 21) rounds per table; ZSFIND_BEFORE=PATH adds the
# rows of another zsfind binary (an earlier build) to the same rounds.
# Needs ripgrep, grep, python3 and GNU time, and hyperfine for the Wine rows;
# run from anywhere. Builds a native Release zsfind (-O2) in
# build/zsfind-bench. Timings are medians of rounds in which every command
# runs once, in turn, on a warm file cache, so that load from other programs
# falls on all of them alike.
set -euo pipefail
cd "$(dirname "$0")/.."
megabytes=${1:-200}
win32_build=${2:-}
runs=${RUNS:-21}
build=build/zsfind-bench
data=$build/bench-data
big=$data/bibliography-${megabytes}mb.txt

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" >/dev/null
cmake --build "$build" --target zsfind >/dev/null
zsfind=$PWD/$build/zsfind/zsfind
before=${ZSFIND_BEFORE:-}
mkdir -p "$data"
[[ -f $big ]] || python3 tools/make_sample_db.py --big "$big" --megabytes "$megabytes"
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

sjis() { printf '%s' "$1" | iconv -f UTF-8 -t CP932; }
# ripgrep 13 takes no invalid UTF-8 in a pattern: the same literal as escapes.
rg_bytes() { printf '(?-u)'; sjis "$1" | od -An -v -tx1 | tr -s ' \n' ' ' | sed 's/ \([0-9a-f][0-9a-f]\)/\\x\1/g; s/ //g'; }
export ZSFIND=$zsfind BEFORE=$before BIG=$big OUT=$out

count() { head -n 1 "$1" | iconv -f CP932 -t UTF-8 | grep -o '該当：[0-9]*' | tr -dc 0-9; }
peak_kib() { /usr/bin/time -f %M "$@" 2>&1 >/dev/null | tail -n 1; }

# Runs each "name<TAB>command" line once per round, in turn, after a warm-up
# round; prints a table row per command: median and fastest time, and the
# median's ratio to the command named by $BASE (how many times as fast).
rounds() {
  python3 - "$runs" <<'PY'
import os, statistics, subprocess, sys, time
runs = int(sys.argv[1])
commands = [line.split("\t", 1) for line in os.environ["COMMANDS"].strip().split("\n")]
times = {name: [] for name, _ in commands}
for round_ in range(runs + 1):
    for name, command in commands:
        start = time.perf_counter()
        subprocess.run(["bash", "-c", command], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        if round_ > 0:
            times[name].append(time.perf_counter() - start)
base = statistics.median(times[os.environ["BASE"]])
print("| command | median ms | fastest ms | speed vs %s |" % os.environ["BASE"].replace("|", "\\|"))
print("|---|---:|---:|---:|")
for name, _ in commands:
    median = statistics.median(times[name])
    print("| %s | %.1f | %.1f | %.2fx |" % (name.replace("|", "\\|"), median * 1000, min(times[name]) * 1000, base / median))
PY
}

zs='"$ZSFIND" --text-out "$OUT/t.txt" --html-out "$OUT/t.htm"'
zs_before='"$BEFORE" --text-out "$OUT/b.txt" --html-out "$OUT/b.htm"'

# Two words with a few thousand matching records, both holding a 0x5C trail
# byte; a pair whose matches differ with width folding; and 塔 (93 83), absent
# from the data, whose bytes a byte search finds wherever a character ending in
# 0x93 comes before a katakana (lead byte 0x83).
run_pair() {
  local u1=$1 u2=$2
  export W1 W2 R1 R2 U1=$u1 U2=$u2
  W1=$(sjis "$u1") W2=$(sjis "$u2") R1=$(rg_bytes "$u1") R2=$(rg_bytes "$u2")
  echo
  echo "== words: $u1 / $u2 on $(du -m "$big" | cut -f1) MB"
  cat "$big" >/dev/null  # warm cache
  "$zsfind" --exact --text-out "$out/x.txt" --html-out "$out/x.htm" "$W1" "$W2" "$big" || true
  "$zsfind" --text-out "$out/f.txt" --html-out "$out/f.htm" "$W1" "$W2" "$big" || true
  echo "records: zsfind --exact $(count "$out/x.txt"), zsfind (default) $(count "$out/f.txt")," \
    "rg | rg (bytes) $(rg -a "$R1" "$big" | rg -a "$R2" | wc -l)," \
    "grep -F | grep -F (C) $(LC_ALL=C grep -a -F "$W1" "$big" | LC_ALL=C grep -a -F "$W2" | wc -l)," \
    "rg -i -E shift_jis | rg -i $(rg -i -E shift_jis "$u1" "$big" | rg -i "$u2" | wc -l)"
  COMMANDS=$(
    printf 'zsfind --exact\t%s --exact "$W1" "$W2" "$BIG"\n' "$zs"
    printf 'zsfind (default)\t%s "$W1" "$W2" "$BIG"\n' "$zs"
    printf 'zsfind --mode fold-kana\t%s --mode fold-kana "$W1" "$W2" "$BIG"\n' "$zs"
    if [[ -n $before ]]; then
      printf 'before: zsfind --exact\t%s --exact "$W1" "$W2" "$BIG"\n' "$zs_before"
      printf 'before: zsfind (default)\t%s "$W1" "$W2" "$BIG"\n' "$zs_before"
    fi
    printf 'rg | rg (bytes)\trg -a "$R1" "$BIG" | rg -a "$R2"\n'
    printf 'grep -F | grep -F (C locale)\tLC_ALL=C grep -a -F "$W1" "$BIG" | LC_ALL=C grep -a -F "$W2"\n'
    printf 'rg -c -F, a word not in the file\trg -c -a -F zqxjkvwz "$BIG"\n'
  ) BASE='rg | rg (bytes)' rounds
  echo "peak memory (KiB): $(peaks "$big")"
}

# Peak memory in every comparison, on one database.
peaks() {
  local mode
  for mode in exact fold fold-kana; do
    printf '%s %s  ' "$mode" "$(peak_kib "$zsfind" --mode "$mode" --text-out "$out/p.txt" \
      --html-out "$out/p.htm" "$W1" "$W2" "$1")"
  done
}

# The same database in UTF-8 (searched in its own bytes) beside ripgrep
# given the words in UTF-8, its own ground; and peak memory in UTF-16.
run_unicode() {
  local u1=$1 u2=$2
  export W1 W2 U1=$u1 U2=$u2 BIG8=$big8
  W1=$(sjis "$u1") W2=$(sjis "$u2")
  echo
  echo "== words: $u1 / $u2 on the UTF-8 copy, $(du -m "$big8" | cut -f1) MB"
  cat "$big8" >/dev/null
  "$zsfind" --exact --text-out "$out/x.txt" --html-out "$out/x.htm" "$W1" "$W2" "$big8" || true
  "$zsfind" --text-out "$out/f.txt" --html-out "$out/f.htm" "$W1" "$W2" "$big8" || true
  echo "records: zsfind --exact $(count "$out/x.txt"), zsfind (default) $(count "$out/f.txt")," \
    "rg -F | rg -F $(rg -F "$u1" "$big8" | rg -F "$u2" | wc -l)"
  COMMANDS=$(
    printf 'zsfind --exact (UTF-8)\t%s --exact "$W1" "$W2" "$BIG8"\n' "$zs"
    printf 'zsfind (default, UTF-8)\t%s "$W1" "$W2" "$BIG8"\n' "$zs"
    printf 'rg -F | rg -F (UTF-8)\trg -F "$U1" "$BIG8" | rg -F "$U2"\n'
    printf 'rg -c -F, a word not in the file\trg -c -F zqxjkvwz "$BIG8"\n'
  ) BASE='rg -F | rg -F (UTF-8)' rounds
  echo "peak memory (KiB), UTF-8: $(peaks "$big8")"
  echo "peak memory (KiB), UTF-16: $(peaks "$big16")"
}

run_pair 能登 表面
run_pair ガス 超伝導
run_pair 研究 塔

big8=$data/bibliography-${megabytes}mb-utf8.txt
big16=$data/bibliography-${megabytes}mb-utf16.txt
[[ -f $big8 ]] || iconv -f CP932 -t UTF-8 "$big" >"$big8"
[[ -f $big16 ]] || { printf '\xFF\xFE'; iconv -f CP932 -t UTF-16LE "$big"; } >"$big16"
run_unicode 能登 表面
run_unicode 研究 塔

# The longest records searched (16 MiB): peak memory and time. Each database
# has a short record before and after the long one.
long_record() {
  local name=$1 unit=$2
  python3 -c "import sys; u=bytes.fromhex(sys.argv[1]); n=(16<<20)-64
sys.stdout.buffer.write(b'first\r\n' + (u*(n//len(u)+1))[:n] + b'\r\nlast\r\n')" "$unit" >"$out/$name.txt"
}
long_record ones 01        # one long hit: every byte escaped
long_record cells 3c6109   # "<a\t": a hit at every byte, a cell at every third
long_record as 61          # "aaaa": a 1 KiB word matches all but its end everywhere
long_record abs 6162       # "abab": a 1 KiB word matches at every other byte
a1023b=$(printf 'a%.0s' $(seq 1023))b
ab512=$(printf 'ab%.0s' $(seq 512))
echo
echo "== the longest records (16 MiB)"
echo "peak memory (KiB), 0x01 record searched for 0x01: $(peak_kib "$zsfind" --text-out \
  "$out/l.txt" --html-out "$out/l.htm" $'\x01' '' "$out/ones.txt")"
if [[ -n $before ]]; then
  echo "before: peak memory (KiB), 0x01 record searched for 0x01: $(peak_kib "$before" \
    --text-out "$out/l.txt" --html-out "$out/l.htm" $'\x01' '' "$out/ones.txt")"
fi
echo "peak memory (KiB), '<a<TAB>' record searched for '<' and 'a': $(peak_kib "$zsfind" \
  --text-out "$out/l.txt" --html-out "$out/l.htm" '<' a "$out/cells.txt")"
# A hit at every character in each comparison and encoding: あ (E3 81 82 in
# UTF-8, 42 30 in UTF-16) found as ア with kana folded.
long_record kana8 e38182
{ printf '\xFF\xFE'; iconv -f UTF-8 -t UTF-16LE "$out/kana8.txt"; } >"$out/kana16.txt"
for mode in exact fold fold-kana; do
  for name in kana8 kana16; do
    echo "peak memory (KiB), 16 MiB record of あ, $name, $mode: $(peak_kib "$zsfind" --mode "$mode" \
      --text-out "$out/l.txt" --html-out "$out/l.htm" "$(sjis あ)" "$(sjis あ)" "$out/$name.txt")"
  done
done
export A1023B=$a1023b AB512=$ab512 LONG=$out
COMMANDS=$(
  printf '1 KiB word, no match, --exact\t%s --exact "$A1023B" "" "$LONG/as.txt"\n' "$zs"
  printf '1 KiB word, no match, default\t%s "$A1023B" "" "$LONG/as.txt"\n' "$zs"
  printf '1 KiB word, matches everywhere, --exact\t%s --exact "$AB512" "" "$LONG/abs.txt"\n' "$zs"
  printf '1 KiB word, matches everywhere, default\t%s "$AB512" "" "$LONG/abs.txt"\n' "$zs"
) BASE='1 KiB word, no match, --exact' runs=5 rounds

if [[ -n $win32_build ]]; then
  source scripts/wine-harness.sh
  harness_template "$PWD/$win32_build/wine-template"
  trap 'harness_stop; rm -rf "$out"' EXIT
  harness_start "$PWD/$win32_build/wine-template"
  exe=$PWD/$win32_build/zsfind/zsfind.exe
  # Wine reads its arguments as UTF-8; the words go in as such.
  hyperfine -i --warmup 1 --runs 5 --style basic \
    -n "zsfind.exe --exact under Wine" "wine $exe --exact --text-out Z:$out/w.txt --html-out Z:$out/w.htm 能登 表面 Z:$big" \
    -n "zsfind.exe under Wine" "wine $exe --text-out Z:$out/w.txt --html-out Z:$out/w.htm 能登 表面 Z:$big" 2>&1 |
    grep -E "Benchmark|Time|Range"
  echo "records: zsfind.exe under Wine $(count "$out/w.txt")"
  harness_stop
fi
