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
if [ -n "${4:-}" ]; then
  # The monitor lists IP_127.0.0.1 and IP_NO_HOST as standard TCP/IP ports and LPR_FAX as a port
  # of the LPR utility; each port's jobs land as numbered files in C:\test-out\fax.
  install_port_monitor "$4" "Lomarel Test Ports"
  sink=$(cd "$here/../../tools/demo" && pwd)/job-sink.sh
  folder=$1/drive_c/test-out/fax
  mkdir -p "$folder"
  for port in IP_127.0.0.1:tcp IP_NO_HOST:nohost LPR_FAX:lpr; do
    pipe_port "${port%%:*}" "\"$sink\" \"$folder\" ${port#*:}"
  done
  # The running system's value names the address; IP_NO_HOST has only an older system's.
  ports='HKLM\SYSTEM\CurrentControlSet\Control\Print\Monitors\Standard TCP/IP Port\Ports'
  wine reg add "$ports\\IP_127.0.0.1" /v HostName /d 127.0.0.1 /f >/dev/null
  wine reg add "$ports\\IP_NO_HOST" /v IPAddress /d 127.0.0.1 /f >/dev/null
fi
install_printers "$2" "$3"
echo "test prefix ready: $1 (DISPLAY=$DISPLAY)"
