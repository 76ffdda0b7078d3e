#!/usr/bin/env bash
# Times "Zembrak.exe /CheckInifile" under Wine on synthetic installations of 50, 100 and 200
# machines with 20 languages each (1000 to 4000 language files), against a trivial Windows
# program started the same way in the same run, and prints the time per language file.
# Not part of the test suite. Usage, after scripts/setup.sh has configured build/:
#   bench/check-inifile.sh [runs per measurement, default 5]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$here/build
runs=${1:-5}
languages=20
sizes=(50 100 200)

ninja -C "$build" -j2 Zembrak native_tools resource_libraries >/dev/null
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
cp "$build/dist/Zembrak.exe" "$install/"
# The resource checks follow the report.
cp -r "$build/dist/Resource" "$install/"

# run_times PROGRAM [ARGS...]: "median minimum" wall time of $runs runs, in milliseconds. On a
# shared machine the minimum is the steadier figure; the per-file times use it.
run_times() {
  local times=() start end
  for _ in $(seq "$runs"); do
    start=$(date +%s%N)
    timeout 300 wine "$@"
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

printf '%-8s %5s %15s %15s %11s %6s %11s\n' machines files check_med/min trivial_med/min \
  ms_per_file ratio marginal_ms
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
  read -r check_median check <<< "$(run_times "$install/Zembrak.exe" /CheckInifile)"
  read -r trivial_median trivial <<< "$(run_times "$install/Trivial.exe")"
  # ms_per_file: the check's time beyond the trivial program's, per language file; marginal_ms:
  # what each file beyond the previous size added (about equal at every size when it grows
  # linearly); ratio: check time / trivial program time. All from the minimum times.
  awk -v m="$machines" -v f="$files" -v c="$check" -v t="$trivial" -v cm="$check_median" \
      -v tm="$trivial_median" -v pf="$previous_files" -v pc="$previous_check" 'BEGIN {
        marginal = pf > 0 ? sprintf("%.3f", (c - pc) / (f - pf)) : "-"
        printf "%-8d %5d %15s %15s %11.3f %6.1f %11s\n", m, f, sprintf("%.0f/%.0f", cm, c),
               sprintf("%.0f/%.0f", tm, t), (c - t) / f, c / t, marginal
      }'
  previous_files=$files previous_check=$check
done
echo "($runs runs each; times in ms)"
