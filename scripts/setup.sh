#!/usr/bin/env bash
# Installs what building, testing and running the program need on Debian 12,
# as root. Safe to run again: it skips what is already there.
set -euo pipefail

packages=(
  build-essential cmake ninja-build googletest clang libclang-rt-14-dev clang-format clang-tidy
  g++-mingw-w64-i686 g++-mingw-w64-x86-64-posix wine wine32:i386 wine64 xvfb xauth x11-utils imagemagick
  fonts-ipafont-gothic fonts-ipafont-mincho fonts-wine locales
  tidy hyperfine ripgrep python3 time nsis chromium nodejs
  cups cups-client printer-driver-cups-pdf libcups2:i386 poppler-utils
  kanjidic-xml unicode-data
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
# Debian's npm, unless the Node.js installed brings its own.
command -v npm >/dev/null || missing+=(npm)

if ((${#missing[@]})); then
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
  fi
  export DEBIAN_FRONTEND=noninteractive
  # Packages such as cups would start their services; the tests start their
  # own and nothing may be left running, so service starts are refused here.
  policy=/usr/sbin/policy-rc.d
  if [[ ! -e $policy ]]; then
    printf '#!/bin/sh\nexit 101\n' >"$policy"
    chmod +x "$policy"
    trap 'rm -f "$policy"' EXIT
  fi
  apt-get update -qq
  apt-get install -y -qq "${missing[@]}" </dev/null
fi

# The DevTools Protocol client that zsfind_browser_test drives Chromium with,
# at the versions tests/zsfind/browser/package-lock.json pins.
browser_test="$(dirname "$0")/../tests/zsfind/browser"
if [[ ! -d $browser_test/node_modules/puppeteer-core ]]; then
  npm ci --prefix "$browser_test" --no-audit --no-fund </dev/null
fi

# The Japanese locale makes Wine's ANSI code page 932 (Shift-JIS).
if ! locale -a 2>/dev/null | grep -qix 'ja_JP.utf8'; then
  localedef -i ja_JP -f UTF-8 ja_JP.UTF-8
fi
