# Helpers of the benchmark scripts; sourced after tests/support/wine-env.sh.

# field NAME: the value of "NAME=<value>" in the program output read from standard input.
field() { tr -d '\r' | tr ' ' '\n' | sed -n "s/^$1=//p"; }

# median VALUES...: the middle value (the upper one of an even count).
median() { printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { print v[int(NR / 2) + 1] }'; }

# ratio A B: A / B to two places.
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

# verdict VALUE LIMIT: whether a figure met its target.
verdict() { awk -v v="$1" -v l="$2" 'BEGIN { print (v <= l) ? "met" : "MISSED" }'; }
