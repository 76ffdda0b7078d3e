#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite under Wine. The 32-bit binaries
# that ship are built as well when the suite runs a 64-bit build, so that they keep building.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
if [ "${LOMAREL_ARCH:-x86_64}" != i686 ]; then
  LOMAREL_ARCH=i686 LOMAREL_BUILD_ONLY=1 "$here/scripts/setup.sh" "$here/build-i686"
fi
"$here/scripts/setup.sh"
ctest --test-dir "$here/build" --output-on-failure
