#!/usr/bin/env bash
# Times a full scripted download of a 16 MB language file through the download wizard
# (tools/bench/DownloadWalk drives Zembrak.dll's export in-process) to a printer whose port is a
# file, against a program that sends the same job bytes to the same printer with one WritePrinter
# call (tools/bench/WriteOnce), interleaved. The floor is timed from opening the printer to
# closing it, with the job already read into memory; the download from pressing Download to the
# conclusion page, reading the file included; the wizard's own page time is the median of its page changes that send
# nothing. Every job is compared with the expected bytes. Runs in a Wine prefix of its own under
# the build folder; not part of the test suite.
# Usage: bench/download.sh [build-dir]     (RUNS=n runs of each, default 5)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
runs=${RUNS:-5}
printer="Lomarel LP-5300 KX on Desk"
size=$((16 * 1048576))

ninja -C "$build" -j2 dist/Zembrak.dll resource_libraries demo_language_files native_tools \
  InstallPrinters DownloadWalk WriteOnce >/dev/null
source "$here/tests/support/wine-env.sh"
source "$here/bench/bench-lib.sh"

bench_prefix "$build" download "$printer"
port=$prefix/drive_c/bench-out/lp5300.prn

rm -rf "$install"
cp -r "$build/dist" "$install"
cp "$build/bin/DownloadWalk.exe" "$install/"
head -c "$size" /dev/urandom > "$work/payload"
"$build/tools-native/lngtool" write "$here/samples/languages/LP5300/English.header" \
  "$work/payload" "$install/LP5300/English.lng" >/dev/null
language_file=$(winepath -w "$install/LP5300/English.lng")
uel=$'\e%-12345X'
{
  printf '%s@PJL KYVRESOURCEWRITE LOCATION="DownloadMessage:setMessage" SIZE=%d\r\n' "$uel" \
         "$(stat -c %s "$install/LP5300/English.lng")"
  cat "$install/LP5300/English.lng"
  printf '%s' "$uel"
} > "$work/expected.prn"

# run NAME PROGRAM ARGS...: one job, whose output is printed once the port holds exactly the job.
run() {
  local name=$1 out
  shift
  rm -f "$port"  # Wine writes over the port file without truncating it
  out=$(timeout 300 "$WINE_LOADER" "$@") || { echo "$name failed: $out" >&2; exit 1; }
  cmp -s "$port" "$work/expected.prn" || { echo "$name: the port did not get the job" >&2; exit 1; }
  echo "$out"
}
download() { run download "$install/DownloadWalk.exe" "$printer" English; }
write_once() { run WriteOnce "$build/bin/WriteOnce.exe" "$printer" "$language_file"; }

download >/dev/null  # the first runs pay for loading the programs and the file from disk
write_once >/dev/null
downloads= pages= walks= sends= reads=
for _ in $(seq "$runs"); do
  out=$(download)
  downloads+=" $(field download_ms <<< "$out")"
  pages+=" $(field page_ms <<< "$out")"
  walks+=" $(field walk_ms <<< "$out")"
  out=$(write_once)
  sends+=" $(field send_ms <<< "$out")"
  reads+=" $(field read_ms <<< "$out")"
done

# shellcheck disable=SC2086  # the times are word lists
read -r download page walk send read <<< \
  "$(median $downloads) $(median $pages) $(median $walks) $(median $sends) $(median $reads)"
limit=$(awk -v s="$send" -v p="$page" 'BEGIN { printf "%.1f", 1.2 * s + p }')
printf '%-44s %10s\n' "16 MB language file ($(stat -c %s "$work/expected.prn") job bytes)" median_ms
printf '%-44s %10.1f\n' "one WritePrinter call (floor)" "$send" \
  "  (reading and framing the job before it)" "$read" \
  "wizard: Download pressed to conclusion page" "$download" \
  "wizard: one page change that sends nothing" "$page" \
  "wizard: start to the download page (5 pages)" "$walk"
echo "download / floor: $(ratio "$download" "$send")x; (download - page) / floor:" \
     "$(ratio "$(awk -v d="$download" -v p="$page" 'BEGIN { print d - p }')" "$send")x"
echo "download target (1.2 x floor + page = $limit ms): $(verdict "$download" "$limit")" \
     "($runs runs each, median)"
