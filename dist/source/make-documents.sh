#!/usr/bin/env bash
# Makes the shipped help and readme (Shift-JIS, CRLF) in dist/ from their
# UTF-8 sources here. With --check it only tells whether dist/ is up to date.
#   helpzs.rtf -> dist/helpzs.txt   RTF; every Shift-JIS character written as
#                                   \'xx escapes, so a 0x5C trail byte (表, ソ)
#                                   can never be read as an RTF backslash
#   zreadme.txt -> dist/zreadme.txt plain text
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
dist=$here/..

to_crlf() { sed 's/\r*$/\r/'; }

# Each character outside ASCII is encoded on its own, so its bytes are known
# without reading Shift-JIS back.
make_help() {
  perl -CSD -MEncode -pe 's/([^\x00-\x7f])/join "", map { sprintf "\\\x27%02x", ord } split \/\/, encode("cp932", "$1", Encode::FB_CROAK)/ge' \
    "$here/helpzs.rtf" | to_crlf
}

make_readme() { iconv -f UTF-8 -t CP932 "$here/zreadme.txt" | to_crlf; }

if [[ ${1:-} == --check ]]; then
  status=0
  cmp -s <(make_help) "$dist/helpzs.txt" || { echo "dist/helpzs.txt is out of date" >&2; status=1; }
  cmp -s <(make_readme) "$dist/zreadme.txt" || { echo "dist/zreadme.txt is out of date" >&2; status=1; }
  exit $status
fi
mkdir -p "$dist"
make_help >"$dist/helpzs.txt"
make_readme >"$dist/zreadme.txt"
