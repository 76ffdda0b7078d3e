#!/usr/bin/env bash
# Times "Zembrak.exe /CheckInifile" under Wine on synthetic installations of 50, 100 and 200
# machines with 20 languages each (1000 to 4000 language files), against two programs started the
# same way in the same run: a trivial Windows program (the cost of a start), and a floor that
# opens, sizes, reads the header bytes of and closes the same language files (tools/bench/
# HeaderFloor). Prints the time per language file of the check and of the floor.
# Not part of the test suite. Usage, after scripts/setup.sh has configured the build folder:
#   bench/check-inifile.sh [runs per measurement, default 9] [build-dir, default build]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-9}
build=${2:-$here/build}
languages=20
sizes=(50 100 200)

ninja -C "$build" -j2 Zembrak native_tools resource_libraries HeaderFloor >/dev/null
source "$here/tests/support/wine-env.sh"
source "$here/bench/bench-lib.sh"

work=$build/bench
install=$work/install
prefix=$work/wineprefix
rm -rf "$install"  # a previous run leaves its largest installation behind
mkdir -p "$install"
trap 'stop_prefix "$prefix"; stop_xvfb "$prefix.xvfb"' EXIT
start_xvfb "$prefix.xvfb"
new_prefix "$prefix"

printf 'int main(void) { return 0; }\n' > "$work/trivial.c"
"${LOMAREL_ARCH:-x86_64}-w64-mingw32-gcc" -O2 -static -mwindows "$work/trivial.c" -o "$install/Trivial.exe"
cp "$build/dist/Zembrak.exe" "$build/bin/HeaderFloor.exe" "$install/"
install_windows=$(winepath -w "$install")
# The resource checks follow the report.
cp -r "$build/dist/Resource" "$install/"

# elapsed_ms PROGRAM [ARGS...]: the wall time of one run, in milliseconds.
elapsed_ms() {
  local start end
  start=$(date +%s%N)
  timeout 300 "$WINE_LOADER" "$@" >/dev/null
  end=$(date +%s%N)
  awk -v ns=$((end - start)) 'BEGIN { printf "%.1f", ns / 1e6 }'
}

# The first runs in a fresh prefix pay for its start-up; they are not measured.
wine "$install/Trivial.exe"
wine "$install/Trivial.exe"

printf '%-8s %5s %10s %10s %10s %11s %11s %9s %11s\n' machines files check_ms floor_ms \
  trivial_ms ms_per_file floor_ms/f per_file_x marginal_ms
previous_files=0 previous_check=0 verdicts=""
for machines in "${sizes[@]}"; do
  files=$((machines * languages))
  "$here/bench/make-installation.py" "$build/tools-native/lngtool" "$install" "$machines" \
    "$languages"
  wine "$install/Zembrak.exe" /CheckInifile  # warm-up, and the report must be clean
  report=$(iconv -f CP932 -t UTF-8 "$install/error.log")
  successes=$(grep -c $'\tSuccess\r$' <<< "$report" || true)
  if [ "$successes" != "$files" ] || grep -q 'Failed' <<< "$report"; then
    echo "error.log lists $successes successes for $files files" >&2
    exit 1
  fi
  floor_files=$(wine "$install/HeaderFloor.exe" "$install_windows" | tr -d '\r' | sed -n 's/^files=//p')
  [ "$floor_files" = "$files" ] || { echo "HeaderFloor read $floor_files files, not $files" >&2; exit 1; }
  # Interleaved, so that a slow spell of the shared machine weighs on all three alike.
  checks=() floors=() trivials=()
  for _ in $(seq "$runs"); do
    checks+=("$(elapsed_ms "$install/Zembrak.exe" /CheckInifile)")
    floors+=("$(elapsed_ms "$install/HeaderFloor.exe" "$install_windows")")
    trivials+=("$(elapsed_ms "$install/Trivial.exe")")
  done
  check=$(median "${checks[@]}") floor=$(median "${floors[@]}") trivial=$(median "${trivials[@]}")
  # ms_per_file and floor_ms/f: the check's and the floor's time beyond the trivial program's,
  # per language file; per_file_x: the first over the second (the target is 1.2 at most);
  # marginal_ms: what each file beyond the previous size added to the check (about equal at every
  # size when it grows linearly). All from the median times.
  per_file_x=$(awk -v c="$check" -v t="$trivial" -v fl="$floor" 'BEGIN { printf "%.2f", (c - t) / (fl - t) }')
  awk -v m="$machines" -v f="$files" -v c="$check" -v t="$trivial" -v fl="$floor" \
      -v pf="$previous_files" -v pc="$previous_check" -v x="$per_file_x" 'BEGIN {
        marginal = pf > 0 ? sprintf("%.3f", (c - pc) / (f - pf)) : "-"
        printf "%-8d %5d %10.0f %10.0f %10.0f %11.3f %11.3f %9s %11s\n", m, f, c, fl, t,
               (c - t) / f, (fl - t) / f, x, marginal
      }'
  verdicts+="$files: $(verdict "$per_file_x" 1.2)  "
  previous_files=$files previous_check=$check
done
echo "per-file target (1.2x the floor): $verdicts($runs interleaved runs each, median; ms)"
