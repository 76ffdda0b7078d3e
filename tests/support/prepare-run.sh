#!/usr/bin/env bash
# Prepares the one Wine prefix of a test run: display, prefix, test printers, and with a port
# monitor the network ports of the fax printers.
# Usage: prepare-run.sh PREFIX INSTALLER_EXE PRINTER_LIST [PORT_MONITOR_DLL]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine-env.sh"
stop_xvfb "$1.xvfb"
start_xvfb "$1.xvfb"
new_prefix "$1"
install_fonts
if [ -n "${4:-}" ]; then
  install_network_ports "$4" "$(cd "$here/../../tools/demo" && pwd)/job-sink.sh" \
    "$1/drive_c/test-out/fax"
fi
install_printers "$2" "$3"
echo "test prefix ready: $1 (DISPLAY=$DISPLAY)"
