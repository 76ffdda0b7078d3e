#!/usr/bin/env bash
# Passes a job from Wine's spooler on to a printer's raw port, as a standard TCP/IP port does on
# Windows: the job comes on standard input.
#   raw-port.sh HOST PORT
set -euo pipefail
exec 3<>"/dev/tcp/$1/$2"
cat >&3
