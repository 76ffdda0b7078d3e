# Helpers of the benchmark scripts; sourced after tests/support/wine-env.sh.

# field NAME: the value of "NAME=<value>" in the program output read from standard input.
field() { tr -d '\r' | tr ' ' '\n' | sed -n "s/^$1=//p"; }

# median VALUES...: the middle value (the upper one of an even count).
median() { printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { print v[int(NR / 2) + 1] }'; }

# ratio A B: A / B to two places.
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

# verdict VALUE LIMIT: whether a figure met its target.
verdict() { awk -v v="$1" -v l="$2" 'BEGIN { print (v <= l) ? "met" : "MISSED" }'; }

# bench_prefix BUILD NAME PRINTER: a fresh Wine prefix in BUILD/bench-NAME with a display of its
# own and PRINTER (driver "Lomarel LP-5300 KX") on the file port C:\bench-out\lp5300.prn, both
# stopped when the script exits; sets work, prefix and install (where the script copies what it
# runs).
bench_prefix() {
  work=$1/bench-$2
  prefix=$work/wineprefix
  install=$work/install
  mkdir -p "$work"
  trap 'stop_prefix "$prefix"; stop_xvfb "$prefix.xvfb"' EXIT
  start_xvfb "$prefix.xvfb"
  new_prefix "$prefix"
  echo "$3|Lomarel LP-5300 KX|C:\\bench-out\\lp5300.prn|" > "$work/printers.txt"
  install_printers "$1/bin/InstallPrinters.exe" "$work/printers.txt"
}
