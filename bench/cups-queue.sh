#!/usr/bin/env bash
# How long a language file takes from the start of a send (tools/sendjob, a Wine process of its
# own) until the printer holds every byte: through Wine's spooler and a raw CUPS queue to the
# virtual PJL printer's raw port, against the same send to a printer whose port is a file. Small
# (the demo's English.lng) and 16 MB files; every job is compared with the expected bytes. Runs
# its own prefix, cupsd and virtual printer under the build folder; not part of the test suite.
# Usage: bench/cups-queue.sh [build-dir]     (RUNS=n runs of each, default 5; as root)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
runs=${RUNS:-5}
file_printer="Bench File Printer"
queue=Bench-CUPS

ninja -C "$build" -j2 SendJob InstallPrinters demo_language_files native_tools >/dev/null
source "$here/tests/support/wine-env.sh"
source "$here/tests/support/cups-queue.sh"
source "$here/bench/bench-lib.sh"

work=$build/bench-cups
prefix=$work/wineprefix
printer=$work/printer
mkdir -p "$work"
trap 'stop_prefix "$prefix"; stop_xvfb "$prefix.xvfb"; stop_cupsd "$work/cups"; stop_virtual_printer "$printer"' EXIT
rm -rf "$printer"
start_virtual_printer "$build/tools-native/pjlprinter" "$printer" --port 9100
start_cupsd "$work/cups"
add_raw_queue "$queue" socket://127.0.0.1:9100
start_xvfb "$prefix.xvfb"
new_prefix "$prefix"
echo "$file_printer|Lomarel Bench Driver|C:\\bench-out\\job.prn|" > "$work/printers.txt"
install_printers "$build/bin/InstallPrinters.exe" "$work/printers.txt"
port=$prefix/drive_c/bench-out/job.prn

head -c $((16 * 1048576)) /dev/urandom > "$work/payload"
"$build/tools-native/lngtool" write "$here/samples/languages/LP5300/English.header" \
  "$work/payload" "$work/16MB.lng" >/dev/null
cp "$build/dist/LP5300/English.lng" "$work/small.lng"

now_ms() { echo $(($(date +%s%N) / 1000000)); }

# send PRINTER FILE EXPECTED_JOB_FILE: milliseconds from starting SendJob until the job file holds
# exactly the job (for the CUPS printer: the virtual printer's newest job).
send() {
  local start target
  start=$(now_ms)
  "$WINE_LOADER" "$build/bin/SendJob.exe" "$1" "$(winepath -w "$2")" >/dev/null
  for _ in $(seq 600); do
    if [ "$1" = "$queue" ]; then
      target=$(ls "$printer"/jobs/*.prn 2>/dev/null | sort -V | tail -n 1)
    else
      target=$port
    fi
    [ -n "$target" ] && cmp -s "$target" "$3" && { echo $(($(now_ms) - start)); return 0; }
    sleep 0.05
  done
  echo "$1: the job did not arrive" >&2
  exit 1
}

printf '%-10s %14s %14s %8s\n' file file_port_ms cups_ms cups/file
for name in small 16MB; do
  uel=$'\e%-12345X'
  {
    printf '%s@PJL KYVRESOURCEWRITE LOCATION="DownloadMessage:setMessage" SIZE=%d\r\n' "$uel" \
           "$(stat -c %s "$work/$name.lng")"
    cat "$work/$name.lng"
    printf '%s' "$uel"
  } > "$work/expected.prn"
  file_times=() cups_times=()
  for _ in $(seq "$runs"); do
    rm -f "$port" "$printer"/jobs/*.prn  # Wine writes over a port file without truncating it
    file_times+=("$(send "$file_printer" "$work/$name.lng" "$work/expected.prn")")
    cups_times+=("$(send "$queue" "$work/$name.lng" "$work/expected.prn")")
  done
  file_ms=$(median "${file_times[@]}")
  cups_ms=$(median "${cups_times[@]}")
  printf '%-10s %14s %14s %8s\n' "$name" "$file_ms" "$cups_ms" "$(ratio "$cups_ms" "$file_ms")"
done
