#!/usr/bin/env bash
# Runs the network-host tests (NetworkHostsTest.cpp) in a network namespace of their own, with a
# Wine prefix of their own whose server runs there too (Wine's sockets belong to its server).
# Beside it a second namespace is the printer (10.77.1.1, also "fax-printer.lomarel.test" in the
# test's hosts file) and the router behind it: 10.77.3.0/24 is unreachable there, so every echo
# to it is answered with "host unreachable", and 10.77.4.0/24 is a black hole. The test's name
# server is its own loopback, where nothing listens, so no look-up leaves the namespace. Both
# namespaces and everything of the prefix go again however the run ends.
# Usage: network-hosts.sh TEST_EXE INSTALLER_EXE PRINTER_LIST PORT_MONITOR_DLL
# Exits 77 (skipped) where namespaces cannot be made: without root or without iproute2.
set -euo pipefail
support=$(cd "$(dirname "$0")/../support" && pwd)
if [ "$(id -u)" != 0 ] || ! command -v ip >/dev/null; then
  echo "skipped: network namespaces need root and iproute2"
  exit 77
fi
tag=lmr$$
client=${tag}c
printer=${tag}p
run=$(mktemp -d /tmp/lomarel-netns.XXXXXX)
prefix=$run/prefix

cleanup() {
  ip netns exec "$client" "$support/finish-run.sh" "$prefix" >/dev/null 2>&1 || true
  ip netns del "$client" 2>/dev/null || true
  ip netns del "$printer" 2>/dev/null || true
  rm -rf "/etc/netns/$client" "$run"
  rmdir /etc/netns 2>/dev/null || true  # only when no other run uses it
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP

ip netns add "$client"
ip netns add "$printer"
ip link add "${tag}a" netns "$client" type veth peer name "${tag}b" netns "$printer"
ip -n "$client" link set lo up
ip -n "$client" addr add 10.77.1.2/24 dev "${tag}a"
ip -n "$client" link set "${tag}a" up
ip -n "$client" route add 10.77.0.0/16 via 10.77.1.1
ip -n "$printer" link set lo up
ip -n "$printer" addr add 10.77.1.1/24 dev "${tag}b"
ip -n "$printer" link set "${tag}b" up
ip netns exec "$printer" sysctl -qw net.ipv4.ip_forward=1
ip -n "$printer" route add unreachable 10.77.3.0/24
ip -n "$printer" route add blackhole 10.77.4.0/24
# "ip netns exec" lays these over /etc/hosts and /etc/resolv.conf.
mkdir -p "/etc/netns/$client"
printf '127.0.0.1 localhost\n10.77.1.1 fax-printer.lomarel.test\n' > "/etc/netns/$client/hosts"
echo 'nameserver 127.0.0.1' > "/etc/netns/$client/resolv.conf"

ip netns exec "$client" env -u DISPLAY "$support/prepare-run.sh" "$prefix" "$2" "$3" "$4" >/dev/null
ip netns exec "$client" env -u DISPLAY NETWORK_TEST_ANSWERING=fax-printer.lomarel.test \
  NETWORK_TEST_UNREACHABLE=10.77.3.2 NETWORK_TEST_DROPPED=10.77.4.2 \
  NETWORK_TEST_MISSPELT=fax-printre.lomarel.test \
  bash -c 'source "$1/wine-env.sh"; wine_env "$2"; use_xvfb "$2.xvfb"; "$WINE_LOADER" "$3"' \
  _ "$support" "$prefix" "$1"
