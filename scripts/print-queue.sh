# A real print queue for the printing tests: a private CUPS server with one
# PDF queue (cups-pdf) as the default printer. Sourced by scripts/test.sh.
#
#   print_queue_start OUTDIR  start cupsd on a socket of its own, add the queue
#                             "PDF" as default, make cups-pdf write into OUTDIR
#                             and export CUPS_SERVER for CUPS clients and Wine
#   print_queue_stop          stop that cupsd, put cups-pdf's settings back and
#                             remove the server's folder
#
# Wine reads the printer list when a process starts, so a test program started
# after print_queue_start sees the queue and one started after
# print_queue_stop does not.

PRINT_QUEUE_PPD=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
PRINT_QUEUE_PDF_CONF=/etc/cups/cups-pdf.conf

print_queue_start() {
  local out=$1 root
  mkdir -p "$out"
  root=$(mktemp -d /tmp/zs-cups.XXXXXX)
  PRINT_QUEUE_ROOT=$root
  mkdir -p "$root"/{spool/tmp,cache,run,log,ppd}
  chmod 755 "$root"
  cat >"$root/cups-files.conf" <<CONF
ServerRoot $root
RequestRoot $root/spool
TempDir $root/spool/tmp
CacheDir $root/cache
StateDir $root/run
ErrorLog $root/log/error_log
AccessLog $root/log/access_log
PageLog $root/log/page_log
SystemGroup root
FileDevice No
CONF
  cat >"$root/cupsd.conf" <<CONF
LogLevel warn
Listen $root/cups.sock
Browsing Off
DefaultAuthType None
WebInterface No
<Location />
  Order allow,deny
  Allow all
</Location>
CONF
  # cups-pdf reads only its fixed settings file; keep the original to restore.
  if [[ -f $PRINT_QUEUE_PDF_CONF && ! -f $root/cups-pdf.conf.orig ]]; then
    cp -p "$PRINT_QUEUE_PDF_CONF" "$root/cups-pdf.conf.orig"
  fi
  printf 'Out %s\nAnonDirName %s\nLabel 0\n' "$out" "$out" >"$PRINT_QUEUE_PDF_CONF"
  chmod 1777 "$out"

  cupsd -f -c "$root/cupsd.conf" -s "$root/cups-files.conf" &
  PRINT_QUEUE_PID=$!
  export CUPS_SERVER=$root/cups.sock
  local i
  for i in $(seq 100); do
    [[ $(lpstat -r 2>/dev/null) == "scheduler is running" ]] && break
    sleep 0.1
  done
  # (lpadmin warns that PPD drivers are deprecated; cups-pdf has nothing else.)
  lpadmin -p PDF -E -v cups-pdf:/ -P "$PRINT_QUEUE_PPD" 2>/dev/null
  lpadmin -d PDF
}

print_queue_stop() {
  [[ -n ${PRINT_QUEUE_ROOT:-} ]] || return 0
  if [[ -n ${PRINT_QUEUE_PID:-} ]]; then
    kill "$PRINT_QUEUE_PID" 2>/dev/null && wait "$PRINT_QUEUE_PID" 2>/dev/null
  fi
  if [[ -f $PRINT_QUEUE_ROOT/cups-pdf.conf.orig ]]; then
    cp -p "$PRINT_QUEUE_ROOT/cups-pdf.conf.orig" "$PRINT_QUEUE_PDF_CONF"
  fi
  rm -rf "$PRINT_QUEUE_ROOT"
  unset CUPS_SERVER
  PRINT_QUEUE_ROOT= PRINT_QUEUE_PID=
}
