#!/usr/bin/env bash
# Runs the CUPS test program in the run's prefix with a CUPS queue of its own in front of the
# virtual PJL printer, and leaves the machine as it found it: the printer and cupsd are stopped,
# and Wine drops the queue's printer from the prefix once no CUPS server answers.
# Usage: cups-queue-test.sh WINE_RUN TEST_PROGRAM PJLPRINTER FOLDER
set -euo pipefail
here=$(cd "$(dirname "$0")/../support" && pwd)
source "$here/cups-queue.sh"
wine_run=$1 program=$2 printer=$3 folder=$4
queue=Lomarel-Test-CUPS
trap 'stop_virtual_printer "$folder/printer"; stop_cupsd "$folder/cups"' EXIT
stop_virtual_printer "$folder/printer"  # one an earlier run left behind would hold the port
rm -rf "$folder/printer"
start_virtual_printer "$printer" "$folder/printer" --port 9100
start_cupsd "$folder/cups"
add_raw_queue "$queue" socket://127.0.0.1:9100
export LOMAREL_CUPS_QUEUE=$queue LOMAREL_VIRTUAL_PRINTER="Z:${folder//\//\\}\\printer"
status=0
"$wine_run" "$program" || status=$?
echo "== what the virtual printer logged"
cat "$folder/printer/printer.log" 2>/dev/null || true
exit $status
