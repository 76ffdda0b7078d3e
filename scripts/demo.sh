#!/usr/bin/env bash
# Installs what is missing, builds, and shows the launcher at work on a virtual PJL printer that
# listens on 127.0.0.1:9100, reached from a demo Wine prefix through a CUPS queue of the demo's
# own; a second printer, on a file port, is one the configuration does not know. An installer asks
# how many installed printers the message download supports, the configuration is checked, and
# then the launcher runs its main job: the function chooser, the fax setup (country code and
# clock) and a panel-language download. With a display (and LOMAREL_DEMO_SCRIPTED unset) you
# drive the wizards; otherwise a scripted walk-through under Xvfb takes every default and saves a
# picture of each page. Last it shows the printer's side: its log and what it now holds. Exits
# with 1 when the fax settings or the download did not reach the printer as they should.
# Runs as root, for cupsd.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$here/build
"$here/scripts/setup.sh"
source "$here/tests/support/wine-env.sh"
source "$here/tests/support/cups-queue.sh"

prefix=$build/demo-wineprefix
output=$build/demo-output
printer=$output/printer
cups=$build/demo-cups
# Wine names a CUPS printer, and its driver, after the queue: the sample configuration lists it.
queue=Lomarel-LP-5300
scripted=
if [ -z "${DISPLAY:-}" ] || [ -n "${LOMAREL_DEMO_SCRIPTED:-}" ]; then
  scripted=1
  unset DISPLAY
fi
fail() {
  echo "== FAILED: $*"
  exit 1
}
trap 'stop_prefix "$prefix"; stop_xvfb "$prefix.xvfb"; stop_cupsd "$cups"; stop_virtual_printer "$printer"' EXIT
start_xvfb "$prefix.xvfb"
rm -rf "$output"
mkdir -p "$output"
echo "== Starting the virtual PJL printer on 127.0.0.1:9100 (state, log and jobs in $printer)"
start_virtual_printer "$build/tools-native/pjlprinter" "$printer" --port 9100
echo "== Starting a CUPS server of the demo's own ($cups) with a raw queue to it"
start_cupsd "$cups"
add_raw_queue "$queue" socket://127.0.0.1:9100
lpstat -v "$queue" | sed 's/^/   /'
echo "== Preparing a demo Wine prefix with the demo printers"
new_prefix "$prefix"
# The demo's LP-5300 is the CUPS queue's printer, which Wine took in as the prefix started; of
# the sample printers it installs the others.
grep -v '^Lomarel LP-5300' "$here/samples/printers.txt" |
  job_file_printers /dev/stdin "$here/tools/demo/job-sink.sh" "$output" > "$build/demo-printers.txt"
install_printers "$build/bin/InstallPrinters.exe" "$build/demo-printers.txt"
echo "   $queue  (driver: $queue, port: CUPS:$queue), which Wine took from the CUPS queue"
grep -v '^#' "$build/demo-printers.txt" | cut -d'|' -f1-2 | sed 's/|/  (driver: /; s/$/)/; s/^/   /'
echo "   the second printer's jobs are kept as $output/inkjet-<n>.prn"

echo "== Install folder $build/dist"
ls "$build/dist" | sed 's/^/   /'

key='HKEY_CURRENT_USER\Software\Lomarel Demo\Installer'
echo "== An installer creates $key and runs: Zembrak.exe /A \"$key\""
wine reg add "$key" /f >/dev/null 2>&1
wine "$build/dist/Zembrak.exe" /A "$key"
answer=$(wine reg query "$key" /v LangDwmResult 2>/dev/null | tr -d '\r' | awk '/LangDwmResult/ {print $3}')
echo "== LangDwmResult = $((answer)) supported printer(s) (expected 1: only the LP-5300's driver is configured)"

echo "== Checking the configuration: Zembrak.exe /CheckInifile"
rm -f "$build/dist/error.log"
wine "$build/dist/Zembrak.exe" /CheckInifile
echo "== $build/dist/error.log (code page 932, shown as UTF-8):"
iconv -f CP932 -t UTF-8 "$build/dist/error.log" | tr -d '\r' | sed 's/^/   /'

echo "== The main job: Zembrak.exe without options"
if [ -n "$scripted" ]; then
  echo "   a scripted walk-through on a virtual display ticks all three tasks in the chooser and"
  echo "   takes every default: in the fax setup the one supported printer ($queue), its model's"
  echo "   destination country and the PC's time, then Send; in the download the printer the fax"
  echo "   setup chose and the user's own language (English)"
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

wait_for_empty_queue "$queue" 60 || fail "CUPS still holds jobs for $queue: $(lpstat -o "$queue")"
echo "== What the fax unit received: four jobs, one command each"
mapfile -t fax_jobs < <(grep -l -a -E \
  '@PJL (DEFAULT|SET) KYV(COUNTRYCODE|DAYLIGHTSAVING|TIMEZONEOFFSET|CURRENTTIME)=' \
  "$printer"/jobs/*.prn 2>/dev/null | sort -V | tail -n 4)
[ ${#fax_jobs[@]} -gt 0 ] || fail "no printer received fax settings"
# The scripted walk keeps the PC's time, so the printer's clock must be the PC's.
fax=$(python3 "$here/tools/demo/describe_fax_jobs.py" ${scripted:+--pc-time} "${fax_jobs[@]}") ||
  fail "the fax settings are not what the wizard sends: $fax"
echo "$fax"

echo "== What the printer received as the download"
job=$(grep -l -a KYVRESOURCEWRITE "$printer"/jobs/*.prn 2>/dev/null | sort -V | tail -n 1 || true)
[ -n "$job" ] || fail "no printer received a language-file download"
description=$(python3 "$here/tools/demo/describe_job.py" "$job" "$build/dist" "$output/received.lng") ||
  fail "the job is not a byte-exact download of a demo language file: $description"
echo "$description"
echo "== The language file's header, decoded (lngtool dump)"
"$build/tools-native/lngtool" dump "$output/received.lng" | sed 's/^/   /' ||
  fail "the downloaded language file's header does not read"
echo "== The printer's side: its log ($printer/printer.log)"
sed 's/^/   /' "$printer/printer.log"
echo "== What the printer holds now ($printer/printer-state.txt)"
state() { sed -n "s/^$1=//p" "$printer/printer-state.txt"; }
cmp -s "$printer/panel-messages.lng" "$output/received.lng" ||
  fail "the printer does not hold the language file it was sent"
echo "   panel language: $(state panel_language) $(state panel_version_min)–$(state panel_version_max)" \
     "for $(state panel_printer), $(state panel_bytes) bytes (panel-messages.lng, the file sent)"
echo "   country code: $(state country_code)"
# The printer's clock runs on from the value it was set to, in the zone and daylight saving set.
local_clock=$(( $(state clock) + $(date +%s) - $(state clock_set_at) + 60 * $(state time_zone_offset) ))
[ "$(state daylight_saving)" != ON ] || local_clock=$((local_clock + 3600))
echo "   clock: $(date -u -d "@$local_clock" '+%Y-%m-%d %H:%M:%S') (time-zone offset" \
     "$(state time_zone_offset) minutes, daylight saving $(state daylight_saving))"
country=$(sed -n 's/.*KYVCOUNTRYCODE=//p' <<< "$fax")
[ "$(state country_code)" = "$country" ] || fail "the printer did not keep the country code it was sent"

clock=$(sed -n 's/.*clock reads \([^(]*\) (.*/\1/p' <<< "$fax")
clock_source=
[ -z "$scripted" ] || clock_source=", the PC's time"
echo "== SUCCESS: through CUPS, $(basename "$job") is a byte-exact download of" \
     "$(sed -n 's/.*byte-exact copy of //p' <<< "$description"), which the printer now holds," \
     "and the fax unit got country code $country and its clock set to $clock$clock_source"
