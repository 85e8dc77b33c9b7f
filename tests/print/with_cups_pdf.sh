#!/usr/bin/env bash
# Runs a command against a CUPS scheduler of its own, whose default printer is
# a cups-pdf queue writing into a scratch folder; stops the scheduler again,
# also when the command fails. The command sees CUPS_SERVER and
# VARNOCK_PDF_OUT (the folder where printed PDFs arrive) and VARNOCK_CUPS_SPOOL
# (where the scheduler keeps each job's document as the program sent it).
# usage: with_cups_pdf.sh command [args...]
set -euo pipefail
scratch=$(mktemp -d /tmp/varnock-cups.XXXXXX)
chmod 755 "$scratch"
instance="varnock$$"
instance_conf="/etc/cups/cups-pdf-$instance.conf"
stop() {
  [ -n "${cupsd:-}" ] && kill "$cupsd" 2>/dev/null && wait "$cupsd" 2>/dev/null
  rm -f "$instance_conf"
  [ "${KEEP_CUPS_SCRATCH:-}" ] || rm -rf "$scratch"
}
trap stop EXIT

mkdir -p "$scratch"/{etc/ppd,spool/tmp,cache,state,log,pdf}
chmod 1777 "$scratch/pdf" "$scratch/spool/tmp"
socket="$scratch/cups.sock"
cat > "$scratch/etc/cupsd.conf" <<CONF
Listen $socket
LogLevel warn
WebInterface No
PreserveJobFiles Yes
Browsing No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order allow,deny
    Allow all
  </Limit>
</Policy>
CONF
cat > "$scratch/etc/cups-files.conf" <<CONF
ServerRoot $scratch/etc
RequestRoot $scratch/spool
TempDir $scratch/spool/tmp
CacheDir $scratch/cache
StateDir $scratch/state
AccessLog $scratch/log/access_log
ErrorLog $scratch/log/error_log
PageLog $scratch/log/page_log
ServerBin /usr/lib/cups
DataDir /usr/share/cups
Sandboxing Relaxed
CONF
# cups-pdf reads the configuration named after the queue's instance.
cat > "$instance_conf" <<CONF
Out $scratch/pdf
AnonDirName $scratch/pdf
UserPrefix
Label 1
CONF

/usr/sbin/cupsd -f -c "$scratch/etc/cupsd.conf" -s "$scratch/etc/cups-files.conf" &
cupsd=$!
for _ in $(seq 100); do [ -S "$socket" ] && break; sleep 0.05; done
[ -S "$socket" ] || { echo "the CUPS scheduler did not start" >&2; cat "$scratch/log/error_log" >&2 || true; exit 1; }
lpadmin -h "$socket" -p VarnockPDF -E -v "cups-pdf:/$instance" -P /usr/share/ppd/cups-pdf/CUPS-PDF_noopt.ppd
lpadmin -h "$socket" -d VarnockPDF
# A4 paper, as an administrator sets it: the tests print under a Letter locale.
lpadmin -h "$socket" -p VarnockPDF -o media-default=iso_a4_210x297mm

status=0
CUPS_SERVER=$socket VARNOCK_PDF_OUT=$scratch/pdf VARNOCK_CUPS_SPOOL=$scratch/spool HOME=$scratch "$@" || status=$?
if [ $status -ne 0 ]; then
  echo "--- CUPS error log" >&2
  cat "$scratch/log/error_log" >&2 || true
fi
exit $status
