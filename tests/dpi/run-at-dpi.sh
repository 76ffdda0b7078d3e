#!/usr/bin/env bash
# Runs one test program in the test prefix with the display at the given DPI, and puts the
# prefix's DPI back afterwards, whatever the program's end.
# Usage: run-at-dpi.sh DPI WINE_RUN PROGRAM [ARGS...]
set -uo pipefail
dpi=$1 wine_run=$2
shift 2
key='HKCU\Control Panel\Desktop'
"$wine_run" reg add "$key" /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
LOMAREL_TEST_DPI=$dpi "$wine_run" "$@"
status=$?
"$wine_run" reg delete "$key" /v LogPixels /f >/dev/null 2>&1
exit $status
