# Wine test harness, sourced by scripts/test.sh and scripts/start.sh.
#
#   harness_template DIR   make (once) a configured prefix in DIR
#   harness_start TEMPLATE make a fresh copy of TEMPLATE, start Xvfb and the
#                          wine server on it and export WINEPREFIX/DISPLAY
#   harness_stop           stop what harness_start started and remove the copy
#   harness_open BUILD     harness_template and harness_start for a build tree,
#                          with harness_stop run when the calling script exits
#   harness_choose_windows set HARNESS_PRESET to the build preset whose
#                          programs this machine runs: win32, or win64 where
#                          32-bit programs cannot start (Wine then runs as
#                          wine64 from here on)
#
# Every Windows test of one run shares the copy; no run sees another's registry.

export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
export WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

harness_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

# A kernel built without 32-bit support answers "Exec format error" for
# Wine's 32-bit loader and for every 32-bit program. There the same sources
# are built as 64-bit programs and run under wine64. Debian's wine and
# wine-stable commands (wineboot, regedit and winepath call the latter) take
# the 32-bit loader whenever it is installed, so they are replaced on PATH.
harness_choose_windows() {
  HARNESS_PRESET=win32
  /usr/lib/wine/wine --version >/dev/null 2>&1 && return 0
  HARNESS_PRESET=win64
  local bin=$harness_dir/../build/wine64-bin
  mkdir -p "$bin"
  for command in wine wine-stable; do
    printf '#!/bin/sh\nexec /usr/lib/wine/wine64 "$@"\n' >"$bin/$command"
    chmod +x "$bin/$command"
  done
  PATH=$(cd "$bin" && pwd):$PATH
  export PATH WINEARCH=win64
}

# Writes a .reg file in Wine's UTF-16 form so the Japanese face names survive.
harness_reg_import() {
  local file=$1
  { printf '\xff\xfe'; iconv -f UTF-8 -t UTF-16LE; } >"$file"
  wine regedit /S "$(winepath -w "$file")" >/dev/null 2>&1
}

harness_template() {
  local dir=$1
  [[ -f $dir/.ready ]] && return 0
  rm -rf "$dir"
  mkdir -p "$(dirname "$dir")"
  (
    export WINEPREFIX=$dir
    wineboot --init >/dev/null 2>&1
    # Without the font replacements every MS face falls back to one
    # fixed-pitch font; the virtual desktop gives windows their frames.
    harness_reg_import "$dir/setup.reg" <<'REG'
Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"ＭＳ Ｐゴシック"="IPAPGothic"
"ＭＳ ゴシック"="IPAGothic"
"ＭＳ Ｐ明朝"="IPAPMincho"
"ＭＳ 明朝"="IPAMincho"
"MS PGothic"="IPAPGothic"
"MS Gothic"="IPAGothic"
"MS PMincho"="IPAPMincho"
"MS Mincho"="IPAMincho"

; Wine defines txtfile and htmlfile but maps no extension to them; Windows does.
[HKEY_CLASSES_ROOT\.txt]
@="txtfile"

[HKEY_CLASSES_ROOT\.htm]
@="htmlfile"

[HKEY_CLASSES_ROOT\.html]
@="htmlfile"

[HKEY_CURRENT_USER\Software\Wine\Explorer]
"Desktop"="Default"

[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]
"Default"="1024x768"
REG
    # Debian's Wine does not find its own marlett.ttf; without it caption
    # buttons are drawn as letters.
    cp /usr/share/wine/fonts/marlett.ttf "$dir/drive_c/windows/Fonts/"
    wineserver -w
  )
  touch "$dir/.ready"
}

harness_free_display() {
  local n=90
  while [[ -e /tmp/.X$n-lock || -e /tmp/.X11-unix/X$n ]]; do n=$((n + 1)); done
  echo ":$n"
}

harness_start() {
  local template=$1
  HARNESS_RUN=$(mktemp -d /tmp/zs-wine.XXXXXX)
  cp -a "$template" "$HARNESS_RUN/prefix"
  export WINEPREFIX=$HARNESS_RUN/prefix
  DISPLAY=$(harness_free_display)
  export DISPLAY
  Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  HARNESS_XVFB=$!
  for _ in $(seq 50); do [[ -e /tmp/.X11-unix/X${DISPLAY#:} ]] && break; sleep 0.1; done
  # A persistent server and a finished wineboot before the first test: else
  # ctest waits on the pipes that Wine's background processes keep open.
  wineserver -p
  wineboot >/dev/null 2>&1 </dev/null
}

harness_stop() {
  [[ -n ${HARNESS_RUN:-} ]] || return 0
  WINEPREFIX=$HARNESS_RUN/prefix wineserver -k >/dev/null 2>&1 || true
  WINEPREFIX=$HARNESS_RUN/prefix wineserver -w >/dev/null 2>&1 || true
  [[ -n ${HARNESS_XVFB:-} ]] && kill "$HARNESS_XVFB" 2>/dev/null && wait "$HARNESS_XVFB" 2>/dev/null
  rm -rf "$HARNESS_RUN"
  HARNESS_RUN= HARNESS_XVFB=
}

harness_open() {
  local template=$1/wine-template
  harness_template "$template"
  trap harness_stop EXIT
  harness_start "$template"
}
