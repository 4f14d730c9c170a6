#!/usr/bin/env bash
# The printer the printing test prints on: a CUPS queue "PDF" of cups-pdf,
# the default destination, which Wine lists like any CUPS printer.
#   print-server.sh start    runs cupsd unless a scheduler already runs,
#                            then adds the queue (both safe to repeat)
#   print-server.sh stop     ends the cupsd that start began, and only that
#   print-server.sh outdir   the folder cups-pdf writes our jobs to
# Needs root, or a running scheduler that lets this user add printers.
# Wine reads the printer list when one of its processes starts: start this
# before the Wine prefix of the tests.
set -u
# cupsd and lpadmin live in sbin, which a user's PATH may lack.
PATH=$PATH:/usr/sbin:/sbin
root=$(cd "$(dirname "$0")/.." && pwd)
state=$root/build/print-server
pid_file=$state/cupsd.pid
queue=PDF
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd

scheduler_runs() { lpstat -r 2>/dev/null | grep -q 'is running'; }

# A process that has exited but is not yet reaped counts as gone.
alive() { [ -e "/proc/$1" ] && ! grep -q '^State:[[:space:]]*Z' "/proc/$1/status" 2>/dev/null; }

# cupsd as recorded by start, if that process is still a cupsd.
our_cupsd() {
  [ -f "$pid_file" ] || return 1
  local pid
  pid=$(cat "$pid_file")
  [ -n "$pid" ] && [ "$(cat "/proc/$pid/comm" 2>/dev/null)" = cupsd ] && echo "$pid"
}

# cups-pdf reads cups-pdf-QUEUE.conf before its common file, takes the last
# "Out" line, and expands ${HOME} to the home in the password database of
# the job's owner (not the environment's HOME) and ${USER} to that name.
# The owner of a job that Wine sends is the user who runs Wine: us.
outdir() {
  local conf=/etc/cups/cups-pdf-$queue.conf user home out
  [ -f "$conf" ] || conf=/etc/cups/cups-pdf.conf
  user=$(id -un)
  home=$(getent passwd "$user" | cut -d: -f6)
  out=$(sed -n 's/^[[:space:]]*Out[[:space:]]\{1,\}//p' "$conf" 2>/dev/null | tail -n 1)
  out=${out%"${out##*[![:space:]]}"}
  [ -n "$out" ] || out='/var/spool/cups-pdf/${USER}'
  out=${out//'${HOME}'/$home}
  out=${out//'${USER}'/$user}
  echo "$out"
}

start() {
  for program in cupsd lpadmin lpstat; do
    command -v "$program" >/dev/null || { echo "print server: $program is missing (scripts/deps.sh test)" >&2; return 1; }
  done
  [ -f "$ppd" ] || { echo "print server: $ppd is missing (printer-driver-cups-pdf)" >&2; return 1; }
  if scheduler_runs; then
    echo "print server: a CUPS scheduler already runs; using it"
  else
    mkdir -p "$state"
    # Not a daemon of its own: we keep its pid to end exactly this process.
    cupsd -f </dev/null >>"$state/cupsd.log" 2>&1 &
    echo $! >"$pid_file"
    for _ in $(seq 100); do
      scheduler_runs && break
      our_cupsd >/dev/null || break
      sleep 0.1
    done
    if ! scheduler_runs; then
      echo "print server: cupsd did not start (see $state/cupsd.log)" >&2
      stop >/dev/null
      return 1
    fi
    echo "print server: cupsd started (pid $(cat "$pid_file"))"
  fi
  # The driver warning of current CUPS versions says nothing we act on.
  lpadmin -p "$queue" -v cups-pdf:/ -P "$ppd" -E 2>&1 | grep -v 'drivers are deprecated' >&2
  [ "${PIPESTATUS[0]}" -eq 0 ] || { echo "print server: could not add the queue $queue" >&2; return 1; }
  lpadmin -d "$queue" || return 1
  echo "print server: queue $queue is the default; its PDF files go to $(outdir)"
}

stop() {
  local pid
  if ! pid=$(our_cupsd); then
    rm -f "$pid_file"
    echo "print server: no cupsd of ours runs"
    return 0
  fi
  kill "$pid"
  for _ in $(seq 100); do
    alive "$pid" || break
    sleep 0.1
  done
  alive "$pid" && kill -KILL "$pid" 2>/dev/null
  rm -f "$pid_file"
  echo "print server: cupsd $pid stopped"
}

case "${1:-}" in
  start) start ;;
  stop) stop ;;
  outdir) outdir ;;
  *) echo "usage: $0 start|stop|outdir" >&2; exit 2 ;;
esac
