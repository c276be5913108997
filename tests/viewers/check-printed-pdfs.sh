#!/usr/bin/env bash
# Reads what viewer_print_test sent to the PDF queue (folder $ZS_PRINT_OUT):
# the help document on several pages, the empty readme on one blank page.
# Page 1 of each is rendered to PNG beside this run's build files for a look.
set -euo pipefail
out=${ZS_PRINT_OUT:-}
[[ -n $out ]] || { echo "no print queue was started"; exit 77; }
render_dir=${1:-.}

wait_for() {
  local pattern=$1 file
  for _ in $(seq 600); do  # up to 2 minutes: cups-pdf is slow on a loaded machine
    file=$(find "$out" -name "$pattern" -print -quit 2>/dev/null)
    # cups-pdf writes the file in place; it is complete once pdfinfo reads it.
    if [[ -n $file ]] && pdfinfo "$file" >/dev/null 2>&1; then echo "$file"; return; fi
    sleep 0.2
  done
  echo "no $pattern in $out; the queue's jobs:" >&2
  lpstat -W all -o >&2 || true
  return 1
}

pages() { pdfinfo "$1" | awk '/^Pages:/ {print $2}'; }

help=$(wait_for '*helpzs*.pdf')
readme=$(wait_for '*zreadme*.pdf')
help_pages=$(pages "$help")
readme_pages=$(pages "$readme")
echo "help: $help_pages pages, readme: $readme_pages pages"
pdftoppm -r 60 -f 1 -l 1 -png "$help" "$render_dir/printed-help"
pdftoppm -r 60 -f 1 -l 1 -png "$readme" "$render_dir/printed-readme"
# A blank page renders white everywhere: its darkest pixel is white.
blank=$(convert "$render_dir"/printed-readme*.png -format '%[fx:minima]' info:)
echo "readme page darkest value: $blank"
[[ $help_pages -ge 2 && $readme_pages -eq 1 && $blank == 1 ]]
