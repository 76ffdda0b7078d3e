#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite under Wine.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/setup.sh"
ctest --test-dir "$here/build" --output-on-failure
