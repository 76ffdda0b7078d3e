# Shell helpers for a CUPS queue of our own that carries Wine's print jobs to the virtual PJL
# printer (tools/pjlprinter); sourced by the CUPS test and the demo. They start their own cupsd
# (as root, on a local socket in a folder of theirs) so nothing of the machine's own printing
# system is touched, and remember it by process id so that they stop exactly what they started.

# start_cupsd FOLDER: a cupsd whose configuration, spool and logs live in FOLDER, listening only
# on FOLDER/cups.sock; CUPS_SERVER then leads lpadmin and Wine's spooler to it.
start_cupsd() {
  stop_cupsd "$1"
  rm -rf "$1"
  mkdir -p "$1"/{spool,tmp,cache,state,log}
  # cupsd takes only absolute paths.
  local folder socket
  folder=$(cd "$1" && pwd)
  socket=$folder/cups.sock
  # A Unix socket's path has room for 107 bytes.
  if [ ${#socket} -gt 100 ]; then
    echo "start_cupsd: $socket is too long for a Unix socket" >&2
    return 1
  fi
  cat > "$folder/cupsd.conf" <<EOF
Listen $socket
LogLevel warn
Browsing No
WebInterface No
<Location />
  Order allow,deny
  Allow localhost
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF
  cat > "$folder/cups-files.conf" <<EOF
ServerRoot $folder
RequestRoot $folder/spool
TempDir $folder/tmp
CacheDir $folder/cache
StateDir $folder/state
ErrorLog $folder/log/error_log
AccessLog $folder/log/access_log
PageLog $folder/log/page_log
SystemGroup root
EOF
  setsid /usr/sbin/cupsd -f -c "$folder/cupsd.conf" -s "$folder/cups-files.conf" \
    </dev/null >"$folder/log/cupsd.out" 2>&1 &
  echo $! > "$folder/cupsd.pid"
  export CUPS_SERVER=$socket
  for _ in $(seq 100); do
    lpstat -r 2>/dev/null | grep -qx 'scheduler is running' && return 0
    kill -0 "$(cat "$folder/cupsd.pid")" 2>/dev/null || break
    sleep 0.1
  done
  echo "start_cupsd: cupsd did not answer on $socket:" >&2
  cat "$folder/log/cupsd.out" "$folder/log/error_log" >&2 2>/dev/null
  return 1
}

# stop_cupsd FOLDER: stops the cupsd that start_cupsd started there, and nothing else.
stop_cupsd() { stop_recorded_process "$1/cupsd.pid"; }

# add_raw_queue NAME DEVICE_URI: a queue that passes every job on untouched. Wine's spooler takes
# it as a printer of the same name, on port "CUPS:NAME", whose driver is also called NAME.
add_raw_queue() {
  # CUPS warns that raw queues are deprecated; they are still what a raw port needs.
  lpadmin -p "$1" -E -v "$2" -m raw 2>&1 | grep -v 'Raw queues are deprecated' >&2 || true
  lpstat -p "$1" >/dev/null
}

# wait_for_empty_queue NAME SECONDS: whether CUPS has handed every job of the queue on in time
# (its backend lets go of a job once the printer has closed the connection).
wait_for_empty_queue() {
  for _ in $(seq $(($2 * 10))); do
    [ -z "$(lpstat -o "$1" 2>/dev/null)" ] && return 0
    sleep 0.1
  done
  return 1
}

# start_virtual_printer PROGRAM STATE_FOLDER [OPTION...]: the virtual PJL printer in the
# background, keeping its state, log and jobs in STATE_FOLDER; returns once it listens.
start_virtual_printer() {
  local program=$1 state=$2
  shift 2
  stop_virtual_printer "$state"
  mkdir -p "$state"
  "$program" --state "$state" "$@" >"$state/printer.out" 2>&1 &
  echo $! > "$state/printer.pid"
  for _ in $(seq 100); do
    grep -q '^listening on' "$state/printer.out" && return 0
    kill -0 "$(cat "$state/printer.pid")" 2>/dev/null || break
    sleep 0.1
  done
  echo "start_virtual_printer: it did not start listening:" >&2
  cat "$state/printer.out" >&2
  return 1
}

# stop_virtual_printer STATE_FOLDER: stops it on a signal, as a person would, and waits until it
# has saved its state.
stop_virtual_printer() { stop_recorded_process "$1/printer.pid"; }

# stop_recorded_process PIDFILE: ends the process whose id the file holds on SIGTERM, waits until
# it is gone (a child of this shell is reaped; any other process gets five seconds, then SIGKILL)
# and removes the file.
stop_recorded_process() {
  [ -f "$1" ] || return 0
  local pid
  pid=$(cat "$1")
  rm -f "$1"
  kill -TERM "$pid" 2>/dev/null || return 0
  wait "$pid" 2>/dev/null && return 0
  for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || return 0; sleep 0.1; done
  echo "process $pid did not stop on SIGTERM; killing it" >&2
  kill -KILL "$pid" 2>/dev/null || true
}
