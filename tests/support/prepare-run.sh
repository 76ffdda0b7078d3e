#!/usr/bin/env bash
# Prepares the one Wine prefix of a test run: display, prefix, test printers.
# Usage: prepare-run.sh PREFIX INSTALLER_EXE PRINTER_LIST
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"
stop_xvfb "$1.xvfb"
start_xvfb "$1.xvfb"
new_prefix "$1"
install_printers "$2" "$3"
echo "test prefix ready: $1 (DISPLAY=$DISPLAY)"
