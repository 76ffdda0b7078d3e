#!/usr/bin/env bash
# Throughput of a language-file send through the Wine spooler to a printer whose port is a file,
# against a plain `cp` of the same files on the same disk. Runs in a throwaway Wine prefix of its
# own; not part of the test suite. Best of RUNS runs per size.
# Usage: bench/print-job.sh [build-dir]     (build first: ninja -C build -j2)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
sizes_mb=(1 16 64)
runs=${RUNS:-3}
printer="Bench File Printer"

for exe in SendJob InstallPrinters; do
  [ -f "$build/bin/$exe.exe" ] || { echo "missing $build/bin/$exe.exe: build first" >&2; exit 2; }
done

source "$here/tests/support/wine-env.sh"
work=$(mktemp -d /tmp/print-job-bench.XXXXXX)
prefix=$work/prefix
cleanup() {
  stop_prefix "$prefix"
  stop_xvfb "$work/xvfb"
  rm -rf "$work"
}
trap cleanup EXIT
start_xvfb "$work/xvfb"
new_prefix "$prefix"
echo "$printer|Lomarel Bench Driver|C:\\bench-out\\job.prn|" > "$work/printers.txt"
install_printers "$build/bin/InstallPrinters.exe" "$work/printers.txt"

drive=$prefix/drive_c
mkdir -p "$drive/bench-in" "$drive/bench-copy"
port=$drive/bench-out/job.prn

now_ns() { date +%s%N; }
min() { awk -v a="$1" -v b="$2" 'BEGIN { print (a == "" || b < a) ? b : a }'; }
mbps() { awk -v mb="$1" -v ms="$2" 'BEGIN { printf "%.1f", mb * 1000 / ms }'; }

printf '%8s %12s %12s %12s %12s %10s\n' size send_ms send_MB/s cp_ms cp_MB/s send/cp
declare -A send_best
for mb in "${sizes_mb[@]}"; do
  file=$drive/bench-in/$mb.lng
  head -c $((mb * 1048576)) /dev/urandom > "$file"
  header="@PJL KYVRESOURCEWRITE LOCATION=\"DownloadMessage:setMessage\" SIZE=$((mb * 1048576))"$'\r\n'
  expected=$((mb * 1048576 + ${#header} + 18))
  send_ms= cp_ms=
  for _ in $(seq "$runs"); do
    rm -f "$port"  # Wine writes over the port file without truncating it
    out=$(wine "$build/bin/SendJob.exe" "$printer" "C:\\bench-in\\$mb.lng" | tr -d '\r')
    actual=$(stat -c %s "$port")
    [ "$actual" -eq "$expected" ] || { echo "$mb MB: port got $actual bytes, not $expected ($out)" >&2; exit 1; }
    send_ms=$(min "$send_ms" "$(sed -n 's/^elapsed_ms=\([0-9.]*\).*/\1/p' <<< "$out")")

    rm -f "$drive/bench-copy/$mb.lng"
    start=$(now_ns)
    cp "$file" "$drive/bench-copy/$mb.lng"
    end=$(now_ns)
    cp_ms=$(min "$cp_ms" "$(awk -v d=$((end - start)) 'BEGIN { printf "%.3f", d / 1e6 }')")
  done
  send_best[$mb]=$send_ms
  printf '%6s MB %12.1f %12s %12.1f %12s %9.1fx\n' "$mb" "$send_ms" "$(mbps "$mb" "$send_ms")" \
         "$cp_ms" "$(mbps "$mb" "$cp_ms")" "$(awk -v s="$send_ms" -v c="$cp_ms" 'BEGIN { print s / c }')"
done

# Linear when the time per MB at 64 MB stays within a quarter of the time per MB at 16 MB
# (1 MB is dominated by the fixed cost of a job).
awk -v a="${send_best[16]}" -v b="${send_best[64]}" 'BEGIN {
  growth = (b / 64) / (a / 16)
  printf "send time per MB, 64 MB against 16 MB: %.2f -> %s\n", growth,
         (growth <= 1.25 && growth >= 0.8) ? "scales linearly" : "does NOT scale linearly"
}'
