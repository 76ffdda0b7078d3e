#!/usr/bin/env bash
# Installs what is missing, builds, and shows the launcher at work in a demo Wine prefix with
# two demo printers: an installer asks how many installed printers the message download supports.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$here/build
"$here/scripts/setup.sh"
source "$here/tests/support/wine-env.sh"

prefix=$build/demo-wineprefix
trap 'stop_prefix "$prefix"; stop_xvfb "$prefix.xvfb"' EXIT
start_xvfb "$prefix.xvfb"
echo "== Preparing a demo Wine prefix with the demo printers"
new_prefix "$prefix"
install_printers "$build/bin/InstallPrinters.exe" "$here/samples/printers.txt"
grep -v '^#' "$here/samples/printers.txt" | cut -d'|' -f1,2 | sed 's/|/  (driver: /; s/$/)/; s/^/   /'

echo "== Install folder $build/dist"
ls "$build/dist" | sed 's/^/   /'

key='HKEY_CURRENT_USER\Software\Lomarel Demo\Installer'
echo "== An installer creates $key and runs: Zembrak.exe /A \"$key\""
wine reg add "$key" /f >/dev/null 2>&1
wine "$build/dist/Zembrak.exe" /A "$key"
answer=$(wine reg query "$key" /v LangDwmResult 2>/dev/null | tr -d '\r' | awk '/LangDwmResult/ {print $3}')
echo "== LangDwmResult = $((answer)) supported printer(s) (expected 1: only the LP-5300 driver is configured)"

echo "== Checking the configuration: Zembrak.exe /CheckInifile"
rm -f "$build/dist/error.log"
wine "$build/dist/Zembrak.exe" /CheckInifile
echo "== $build/dist/error.log (code page 932, shown as UTF-8):"
iconv -f CP932 -t UTF-8 "$build/dist/error.log" | tr -d '\r' | sed 's/^/   /'
