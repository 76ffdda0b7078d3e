#!/usr/bin/env bash
# Times "Zembrak.exe /CheckInifile" under Wine on synthetic installations of 50, 100 and 200
# machines with 20 languages each (1000 to 4000 language files), against two programs started the
# same way in the same run: a trivial Windows program (the cost of a start), and a floor that
# opens, sizes, reads the header bytes of and closes the same language files (tools/bench/
# HeaderFloor). Prints the time per language file of the check and of the floor.
# Not part of the test suite. Usage, after scripts/setup.sh has configured the build folder:
#   bench/check-inifile.sh [runs per measurement, default 5] [build-dir, default build]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-5}
build=${2:-$here/build}
languages=20
sizes=(50 100 200)

ninja -C "$build" -j2 Zembrak native_tools resource_libraries HeaderFloor >/dev/null
source "$here/tests/support/wine-env.sh"

work=$build/bench
install=$work/install
prefix=$work/wineprefix
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

# run_times PROGRAM [ARGS...]: "median minimum" wall time of $runs runs, in milliseconds. On a
# shared machine the minimum is the steadier figure; the per-file times use it.
run_times() {
  local times=() start end
  for _ in $(seq "$runs"); do
    start=$(date +%s%N)
    timeout 300 "$WINE_LOADER" "$@" >/dev/null
    end=$(date +%s%N)
    times+=($(( (end - start) / 1000 )))
  done
  printf '%s\n' "${times[@]}" | sort -n |
    awk -v runs="$runs" '{ t[NR] = $1 }
      END { printf "%.1f %.1f", t[int((runs + 1) / 2)] / 1000, t[1] / 1000 }'
}

# The first runs in a fresh prefix pay for its start-up; they are not measured.
wine "$install/Trivial.exe"
wine "$install/Trivial.exe"

printf '%-8s %5s %15s %15s %15s %11s %11s %9s %11s\n' machines files check_med/min \
  floor_med/min trivial_med/min ms_per_file floor_ms/f per_file_x marginal_ms
previous_files=0 previous_check=0
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
  read -r check_median check <<< "$(run_times "$install/Zembrak.exe" /CheckInifile)"
  read -r floor_median floor <<< "$(run_times "$install/HeaderFloor.exe" "$install_windows")"
  read -r trivial_median trivial <<< "$(run_times "$install/Trivial.exe")"
  # ms_per_file and floor_ms/f: the check's and the floor's time beyond the trivial program's,
  # per language file; per_file_x: the first over the second (the target is 1.2 at most);
  # marginal_ms: what each file beyond the previous size added to the check (about equal at every
  # size when it grows linearly). All from the minimum times.
  awk -v m="$machines" -v f="$files" -v c="$check" -v t="$trivial" -v cm="$check_median" \
      -v tm="$trivial_median" -v fl="$floor" -v flm="$floor_median" -v pf="$previous_files" \
      -v pc="$previous_check" 'BEGIN {
        marginal = pf > 0 ? sprintf("%.3f", (c - pc) / (f - pf)) : "-"
        printf "%-8d %5d %15s %15s %15s %11.3f %11.3f %9.2f %11s\n", m, f,
               sprintf("%.0f/%.0f", cm, c), sprintf("%.0f/%.0f", flm, fl),
               sprintf("%.0f/%.0f", tm, t), (c - t) / f, (fl - t) / f, (c - t) / (fl - t), marginal
      }'
  previous_files=$files previous_check=$check
done
echo "($runs runs each; times in ms)"
