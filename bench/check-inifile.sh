#!/usr/bin/env bash
# Times "Zembrak.exe /CheckInifile" under Wine on synthetic installations of 50, 100 and 200
# machines with 20 languages each (1000 to 4000 language files), against a trivial Windows
# program started the same way in the same run, and prints the time per language file.
# Not part of the test suite. Usage: bench/check-inifile.sh [runs per measurement, default 5]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$here/build
runs=${1:-5}
languages=20
sizes=(50 100 200)

ninja -C "$build" -j2 Zembrak native_tools >/dev/null
source "$here/tests/support/wine-env.sh"

work=$build/bench
install=$work/install
prefix=$work/wineprefix
mkdir -p "$install"
trap 'stop_prefix "$prefix"; stop_xvfb "$prefix.xvfb"' EXIT
start_xvfb "$prefix.xvfb"
new_prefix "$prefix"

printf 'int main(void) { return 0; }\n' > "$work/trivial.c"
i686-w64-mingw32-gcc -O2 -static -mwindows "$work/trivial.c" -o "$install/Trivial.exe"
cp "$build/dist/Zembrak.exe" "$install/"
# The resource libraries, once the install folder has them: the resource checks follow the report.
[ -d "$build/dist/Resource" ] && cp -r "$build/dist/Resource" "$install/"

# median_ms PROGRAM [ARGS...]: the median wall time of $runs runs, in milliseconds.
median_ms() {
  local times=() start end
  for _ in $(seq "$runs"); do
    start=$(date +%s%N)
    timeout 300 wine "$@"
    end=$(date +%s%N)
    times+=($(( (end - start) / 1000 )))
  done
  printf '%s\n' "${times[@]}" | sort -n | sed -n "$(( (runs + 1) / 2 ))p" | awk '{printf "%.1f", $1 / 1000}'
}

# The first runs in a fresh prefix pay for its start-up; they are not measured.
wine "$install/Trivial.exe"
wine "$install/Trivial.exe"

printf '%-9s %6s %11s %11s %12s %7s %15s\n' machines files check_ms trivial_ms ms_per_file ratio \
  marginal_ms
previous_files=0 previous_check=0
for machines in "${sizes[@]}"; do
  files=$((machines * languages))
  "$here/bench/make-installation.py" "$build/tools-native/lngtool" "$install" "$machines" "$languages"
  wine "$install/Zembrak.exe" /CheckInifile  # warm-up, and the report must be clean
  successes=$(iconv -f CP932 -t UTF-8 "$install/error.log" | grep -c $'\tSuccess\r$' || true)
  if [ "$successes" != "$files" ] || iconv -f CP932 -t UTF-8 "$install/error.log" | grep -q 'Failed'; then
    echo "error.log lists $successes successes for $files files" >&2
    exit 1
  fi
  check=$(median_ms "$install/Zembrak.exe" /CheckInifile)
  trivial=$(median_ms "$install/Trivial.exe")
  # ms_per_file: the check's time beyond the trivial program's, per language file; marginal_ms:
  # what each file beyond the previous size added (about equal at every size when it grows
  # linearly).
  awk -v m="$machines" -v f="$files" -v c="$check" -v t="$trivial" -v pf="$previous_files" \
      -v pc="$previous_check" 'BEGIN {
        marginal = pf > 0 ? sprintf("%.3f", (c - pc) / (f - pf)) : "-"
        printf "%-9d %6d %11.1f %11.1f %12.3f %7.1f %15s\n", m, f, c, t, (c - t) / f, c / t, marginal
      }'
  previous_files=$files previous_check=$check
done
echo "(median of $runs runs each; ratio = check time / trivial program time)"
