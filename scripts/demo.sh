#!/usr/bin/env bash
# Installs what is missing, builds, and shows the launcher at work in a demo Wine prefix with
# two demo printers whose ports keep each job in a file of its own: an installer asks how many
# installed printers the message download supports, the configuration is checked, and then the
# launcher runs its main job, a panel-language download. With a display (and
# LOMAREL_DEMO_SCRIPTED unset) you drive the wizards; otherwise a scripted walk-through under Xvfb
# takes every default and saves a picture of each page. Exits with 1 when the download fails.
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
job_file_printers "$here/samples/printers.txt" "$here/tools/demo/job-sink.sh" "$output" \
  > "$build/demo-printers.txt"
install_printers "$build/bin/InstallPrinters.exe" "$build/demo-printers.txt"
grep -v '^#' "$here/samples/printers.txt" | cut -d'|' -f1,2 | sed 's/|/  (driver: /; s/$/)/; s/^/   /'
echo "   each job they receive is kept as $output/<port name>-<n>.prn"

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
  echo "   a scripted walk-through on a virtual display ticks the panel messages in the chooser and"
  echo "   takes every default: the one supported printer, the user's own language (English)"
  LC_ALL=en_US.UTF-8 timeout 300 "$WINE_LOADER" "$build/bin/DemoWalk.exe" "$(winepath -w "$output")" \
    "$(winepath -w "$build/dist/Zembrak.exe")" || fail "the walk through the wizards did not finish"
  for picture in "$output"/*.bmp; do
    python3 "$here/tools/screenshots/bmp2png.py" "$picture" "${picture%.bmp}.png"
    rm "$picture"
  done
  echo "   pictures of the pages passed: $output/*.png"
else
  echo "   drive the wizards on your display: tick the panel messages, choose a printer and a"
  echo "   language, press Download, then Finish"
  wine "$build/dist/Zembrak.exe" || true
fi

echo "== What the printer received"
job=$(grep -l -a KYVRESOURCEWRITE "$output"/*.prn 2>/dev/null | tail -n 1 || true)
[ -n "$job" ] || fail "no printer received a language-file download"
description=$(python3 "$here/tools/demo/describe_job.py" "$job" "$build/dist" "$output/received.lng") ||
  fail "the job is not a byte-exact download of a demo language file: $description"
echo "$description"
echo "== The language file's header, decoded (lngtool dump)"
"$build/tools-native/lngtool" dump "$output/received.lng" | sed 's/^/   /' ||
  fail "the downloaded language file's header does not read"
echo "== SUCCESS: $(basename "$job") is a byte-exact download of" \
     "$(sed -n 's/.*byte-exact copy of //p' <<< "$description")"
