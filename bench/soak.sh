#!/usr/bin/env bash
# Soak: a process calls each export CALLS times (default 50), loading its library before every
# call and freeing it after, as the launcher does, and cancels each wizard after pressing Next on
# its first pages (tools/bench/ExportSoak). Beside them, the smallest library that shows a
# one-page wizard, called the same way. Prints the process's pagefile usage per call over the
# counted calls (after five that warm up what stays loaded anyway), and the growth of what the
# process's heaps hold in use; Wine answers 0 to the handle and GUI object counts, so memory is
# the figure from outside. The version export shows no
# wizard: its row is what loading and freeing the library and its runtime costs alone. Runs in a Wine prefix of its own
# under the build folder; not part of the test suite.
# Usage: bench/soak.sh [build-dir]     (CALLS=n, LOMAREL_ARCH=i686 for the 32-bit build)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
calls=${CALLS:-50}

ninja -C "$build" -j2 dist/Zembrak.dll dist/Tollimar.dll resource_libraries demo_language_files \
  InstallPrinters ExportSoak OneSheetLibrary >/dev/null
source "$here/tests/support/wine-env.sh"
source "$here/bench/bench-lib.sh"
bench_prefix "$build" soak "Lomarel LP-5300 KX on Desk"

rm -rf "$install"
cp -r "$build/dist" "$install"
cp "$build/bin/ExportSoak.exe" "$build/bin/OneSheetLibrary.dll" "$install/"

printf '%-40s %8s %14s %14s\n' "export ($calls calls, library loaded around each)" pages \
  bytes_per_call heap_per_call
# soak NAME PAGES LABEL: one process that calls the export.
soak() {
  local out
  out=$(timeout 900 "$WINE_LOADER" "$install/ExportSoak.exe" "$1" "$calls" "$2") ||
    { echo "$1 failed: $out" >&2; exit 1; }
  printf '%-40s %8s %14s %14s\n' "$3" "$2" "$(field bytes_per_call <<< "$out")" \
    "$(field heap_bytes_per_call <<< "$out")"
}
soak onesheet 0 "one-page sheet library (floor)"
soak version 0 "KyvMsgdlGetVersion (loading alone)"
soak download 0 "KyvMsgdlDownloadToPrinter, cancelled"
soak download 2 "KyvMsgdlDownloadToPrinter, walked"
soak fax 0 "KyvFaxSetup, cancelled"
soak fax 2 "KyvFaxSetup, walked"
