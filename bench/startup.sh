#!/usr/bin/env bash
# Times "Zembrak.exe" without options from its start until its first wizard page shows, in a copy
# of the install folder with the demo configuration and one supported demo printer, against a
# program that only shows one wizard-style property sheet (tools/bench/OneSheet), and against the
# same program when it first lists the installed printers (the spooler's start-up, which every road
# of the launcher pays before its first page; the last column is the ratio to it). The same watcher
# (tools/bench/PageWatch) starts both, interleaved, and ends each once its page shows. The demo
# configuration has the fax sections, so its first sheet is the function chooser; a second copy
# without them opens the download wizard first. Runs in a Wine prefix of its own under
# the build folder; not part of the test suite. It also counts how often each program opened
# "Zembrak.ini" before its page showed (one traced start with WINEDEBUG=+file).
# Usage: bench/startup.sh [build-dir]     (RUNS=n runs of each, default 9)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
runs=${RUNS:-9}

ninja -C "$build" -j2 dist/Zembrak.exe dist/Zembrak.dll dist/Carvesh.dll resource_libraries \
  demo_language_files InstallPrinters PageWatch OneSheet >/dev/null
source "$here/tests/support/wine-env.sh"
source "$here/bench/bench-lib.sh"

work=$build/bench-startup
prefix=$work/wineprefix
mkdir -p "$work"
trap 'stop_prefix "$prefix"; stop_xvfb "$prefix.xvfb"' EXIT
start_xvfb "$prefix.xvfb"
new_prefix "$prefix"
grep '^Lomarel LP-5300' "$here/samples/printers.txt" > "$work/printers.txt"
install_printers "$build/bin/InstallPrinters.exe" "$work/printers.txt"

rm -rf "$work/chooser" "$work/download"
cp -r "$build/dist" "$work/chooser"
cp -r "$build/dist" "$work/download"
awk '/^\[/ { skip = /^\[Fax (Machine|Destination|Country Code)\]/ } !skip' "$build/dist/Zembrak.ini" > "$work/download/Zembrak.ini"

names=(sheet spooler chooser download)
declare -A program=(
  [sheet]=$(winepath -w "$build/bin/OneSheet.exe")
  [spooler]=$(winepath -w "$build/bin/OneSheet.exe")
  [chooser]=$(winepath -w "$work/chooser/Zembrak.exe")
  [download]=$(winepath -w "$work/download/Zembrak.exe")
)
declare -A label=(
  [sheet]="one property sheet (floor)"
  [spooler]="one sheet after listing printers"
  [chooser]="Zembrak.exe, demo configuration"
  [download]="Zembrak.exe, no fax sections"
)
declare -A arguments=([spooler]=/printers)
declare -A times title target_met ini_opens
watch() { timeout 120 "$WINE_LOADER" "$build/bin/PageWatch.exe" "${program[$1]}" ${arguments[$1]:-}; }
# opens NAME: how many times one start opened the configuration file before its page showed (the
# watcher ends the program then).
opens() {
  WINEDEBUG=+file watch "$1" 2>&1 >/dev/null | grep 'CreateFileW' | grep -ci 'zembrak\.ini' || true
}

for name in "${names[@]}"; do  # the first start of each pays for loading it from disk
  out=$(watch "$name") || { echo "$name: no page shown" >&2; exit 1; }
  title[$name]=$(tr -d '\r' <<< "$out" | sed -n 's/.* title=//p')
  ini_opens[$name]=$(opens "$name")
done
for _ in $(seq "$runs"); do
  for name in "${names[@]}"; do
    times[$name]+=" $(watch "$name" | field page_ms)"
  done
done

# shellcheck disable=SC2086  # the times are a word list
floor=$(median ${times[sheet]})
# shellcheck disable=SC2086
spooler_floor=$(median ${times[spooler]})
printf '%-32s %10s %8s %9s %9s  %s\n' program median_ms ratio ini_opens vs_spooler first_sheet
for name in "${names[@]}"; do
  # shellcheck disable=SC2086
  ms=$(median ${times[$name]})
  printf '%-32s %10.1f %7sx %9s %8sx  %s\n' "${label[$name]}" "$ms" \
         "$(ratio "$ms" "$floor")" "${ini_opens[$name]}" "$(ratio "$ms" "$spooler_floor")" \
         "${title[$name]}"
  case $name in chooser|download) target_met[$name]=$(verdict "$(ratio "$ms" "$floor")" 1.2) ;; esac
done
echo "start-up target (1.2x the one-sheet program): chooser ${target_met[chooser]}," \
     "download wizard ${target_met[download]}  ($runs runs each, median)"
