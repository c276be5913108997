#!/usr/bin/env bash
# Times zsfind's HTML result in headless Chromium: the page of a broad search
# (the sample database ten times over, 30,000 records, searched for 学: 23,740
# records) and of a narrow one (the sample database searched for 研究: 648),
# each as this tree writes it and as an earlier zsfind wrote it, in the same
# run. For each: the time until the page is laid out and, where the page can
# sort, the time of a sort by the fifth column (see bench/page_timing.js).
#
# Usage: scripts/bench-page.sh [RUNS]   (default 5 loads of each page)
# Environment: BEFORE_REV (default 142af1d, the last commit before the page's
# headings, chunks and script) is built from `git archive` as the earlier
# zsfind; ZSFIND_BEFORE=PATH uses that binary instead. Needs what
# scripts/setup.sh installs (chromium, node and puppeteer-core, python3).
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-5}
build=build/page-bench
mkdir -p "$build"

cmake -S . -B "$build/now" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" >/dev/null
cmake --build "$build/now" --target zsfind >/dev/null
before=${ZSFIND_BEFORE:-}
if [[ -z $before ]]; then
  rev=${BEFORE_REV:-142af1d}
  if [[ ! -x $build/before-$rev/build/zsfind/zsfind ]]; then
    rm -rf "$build/before-$rev"
    mkdir -p "$build/before-$rev"
    git archive "$rev" | tar -x -C "$build/before-$rev"
    cmake -S "$build/before-$rev" -B "$build/before-$rev/build" -G Ninja \
      -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build "$build/before-$rev/build" --target zsfind >/dev/null
  fi
  before=$build/before-$rev/build/zsfind/zsfind
fi

db=$build/sample-db
[[ -f $db/data.txt ]] || python3 tools/make_sample_db.py "$db"
sample=$db/番号順.txt
[[ -f $db/ten-times.txt ]] || for _ in $(seq 10); do cat "$sample"; done >"$db/ten-times.txt"

pages=$(mktemp -d)
trap 'rm -rf "$pages"' EXIT
sjis() { printf '%s' "$1" | iconv -f UTF-8 -t CP932; }
# page NAME ZSFIND WORD DATABASE
page() {
  "$2" --text-out "$pages/$1.txt" --html-out "$pages/$1.htm" "$(sjis "$3")" "" "$4" >/dev/null
  echo "$1=$pages/$1.htm"
}
list=(
  "$(page 23740-now "$build/now/zsfind/zsfind" 学 "$db/ten-times.txt")"
  "$(page 23740-before "$before" 学 "$db/ten-times.txt")"
  "$(page 648-now "$build/now/zsfind/zsfind" 研究 "$sample")"
  "$(page 648-before "$before" 研究 "$sample")"
)
ls -l "$pages"/*.htm | awk '{print $5, $9}'
NODE_PATH=$PWD/tests/zsfind/browser/node_modules node bench/page_timing.js "$runs" "${list[@]}"
