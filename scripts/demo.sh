#!/usr/bin/env bash
# Installs what is missing, builds, and shows the launcher at work in a demo Wine prefix with
# two demo printers whose ports keep each job in a file of its own, one of them on a network port
# that answers on the loopback: an installer asks how many installed printers the message
# download supports, the configuration is checked, and then the launcher runs its main job: the
# function chooser, the fax setup (country code and clock) and a panel-language download. With a
# display (and LOMAREL_DEMO_SCRIPTED unset) you drive the wizards; otherwise a scripted
# walk-through under Xvfb takes every default and saves a picture of each page. Exits with 1 when
# the fax settings or the download did not reach the printer as they should.
# Runs as root: the fax setup's echo check needs a raw socket.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$here/build
"$here/scripts/setup.sh"
source "$here/tests/support/wine-env.sh"

prefix=$build/demo-wineprefix
output=$build/demo-output
scripted=
if [ -z "${DISPLAY:-}" ] || [ -n "${LOMAREL_DEMO_SCRIPTED:-}" ]; then
  scripted=1
  unset DISPLAY
fi
fail() {
  echo "== FAILED: $*"
  exit 1
}
trap 'stop_prefix "$prefix"; stop_xvfb "$prefix.xvfb"' EXIT
start_xvfb "$prefix.xvfb"
echo "== Preparing a demo Wine prefix with the demo printers"
new_prefix "$prefix"
rm -rf "$output"
mkdir -p "$output"
sink=$here/tools/demo/job-sink.sh
install_network_ports "$build/bin/TestPortMonitor.dll" "$sink" "$output"
job_file_printers "$here/samples/printers.txt" "$sink" "$output" > "$build/demo-printers.txt"
install_printers "$build/bin/InstallPrinters.exe" "$build/demo-printers.txt"
grep -v '^#' "$here/samples/printers.txt" | cut -d'|' -f1-3 |
  sed 's/|/  (driver: /; s/|/, port: /; s/$/)/; s/^/   /'
echo "   IP_127.0.0.1 is a standard TCP/IP port whose printer's address is 127.0.0.1"
echo "   each job they receive is kept as $output/<port>-<n>.prn (tcp: IP_127.0.0.1)"

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

echo "== The main job: Zembrak.exe without options"
if [ -n "$scripted" ]; then
  echo "   a scripted walk-through on a virtual display ticks all three tasks in the chooser and"
  echo "   takes every default: in the fax setup the one supported printer, its model's destination"
  echo "   country and the PC's time, then Send; in the download the printer the fax setup chose"
  echo "   and the user's own language (English)"
  LC_ALL=en_US.UTF-8 timeout 300 "$WINE_LOADER" "$build/bin/DemoWalk.exe" "$(winepath -w "$output")" \
    "$(winepath -w "$build/dist/Zembrak.exe")" || fail "the walk through the wizards did not finish"
  for picture in "$output"/*.bmp; do
    python3 "$here/tools/screenshots/bmp2png.py" "$picture" "${picture%.bmp}.png"
    rm "$picture"
  done
  echo "   pictures of the pages passed: $output/*.png"
else
  echo "   drive the wizards on your display: tick all three tasks, choose the LP-5300, a country"
  echo "   and the time, press Send and Finish; then choose a language, press Download, then Finish"
  wine "$build/dist/Zembrak.exe" || true
fi

echo "== What the fax unit received: four jobs, one command each"
mapfile -t fax_jobs < <(grep -l -a -E \
  '@PJL (DEFAULT|SET) KYV(COUNTRYCODE|DAYLIGHTSAVING|TIMEZONEOFFSET|CURRENTTIME)=' \
  "$output"/*.prn 2>/dev/null | sort -V | tail -n 4)
[ ${#fax_jobs[@]} -gt 0 ] || fail "no printer received fax settings"
# The scripted walk keeps the PC's time, so the printer's clock must be the PC's.
fax=$(python3 "$here/tools/demo/describe_fax_jobs.py" ${scripted:+--pc-time} "${fax_jobs[@]}") ||
  fail "the fax settings are not what the wizard sends: $fax"
echo "$fax"

echo "== What the printer received as the download"
job=$(grep -l -a KYVRESOURCEWRITE "$output"/*.prn 2>/dev/null | tail -n 1 || true)
[ -n "$job" ] || fail "no printer received a language-file download"
description=$(python3 "$here/tools/demo/describe_job.py" "$job" "$build/dist" "$output/received.lng") ||
  fail "the job is not a byte-exact download of a demo language file: $description"
echo "$description"
echo "== The language file's header, decoded (lngtool dump)"
"$build/tools-native/lngtool" dump "$output/received.lng" | sed 's/^/   /' ||
  fail "the downloaded language file's header does not read"
country=$(sed -n 's/.*KYVCOUNTRYCODE=//p' <<< "$fax")
clock=$(sed -n 's/.*clock reads \([^(]*\) (.*/\1/p' <<< "$fax")
clock_source=
[ -z "$scripted" ] || clock_source=", the PC's time"
echo "== SUCCESS: $(basename "$job") is a byte-exact download of" \
     "$(sed -n 's/.*byte-exact copy of //p' <<< "$description"), and the fax unit got" \
     "country code $country and its clock set to $clock$clock_source"
