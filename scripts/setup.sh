#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks for building and testing, then builds.
# Usage: scripts/setup.sh [build-dir]   (as root when packages are missing)
# LOMAREL_ARCH=i686 builds the 32-bit binaries that ship (and tests them under 32-bit Wine, where
# the machine can run 32-bit code); the default, x86_64, builds the same sources as 64-bit
# programs for 64-bit Wine, which every machine here can run. LOMAREL_BUILD_ONLY=1 leaves Wine out.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
arch=${LOMAREL_ARCH:-x86_64}

build_only=${LOMAREL_BUILD_ONLY:-}

# nsis builds the installer; Wine's own fonts (Tahoma for dialogs, Marlett for the caption
# buttons) and IPAex Gothic, a small complete Japanese font, give the wizards the text metrics a
# user sees, which the clipped-text check and the screenshots depend on; CUPS (its daemon,
# lpadmin, the socket backend, and the client library of the processor Wine runs for) carries
# jobs from Wine's spooler to the virtual printer; iproute2 makes the network namespaces of the
# test hosts.
packages=(cmake ninja-build googletest clang libclang-rt-14-dev nsis)
case $arch in
  i686) packages+=(g++-mingw-w64-i686-posix binutils-mingw-w64-i686)
        [ -n "$build_only" ] || packages+=(wine wine32 xvfb cups libcups2:i386 iproute2
                                              fonts-wine fonts-ipaexfont-gothic) ;;
  x86_64) packages+=(g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64)
          [ -n "$build_only" ] || packages+=(wine wine64 xvfb cups libcups2 iproute2
                                                fonts-wine fonts-ipaexfont-gothic) ;;
  *) echo "LOMAREL_ARCH must be i686 or x86_64, not $arch" >&2; exit 2 ;;
esac
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ "$arch" = i686 ] && [ -z "$build_only" ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
  missing+=(wine32)
fi
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# A build folder made for the other processor starts afresh.
if [ -f "$build/CMakeCache.txt" ] && ! grep -qx "LOMAREL_ARCH:STRING=$arch" "$build/CMakeCache.txt"; then
  rm -rf "$build"
fi
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$here/cmake/mingw.cmake" \
      -DLOMAREL_ARCH="$arch" -DCMAKE_BUILD_TYPE=Release >/dev/null
ninja -C "$build" -j2
