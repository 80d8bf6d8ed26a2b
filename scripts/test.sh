#!/usr/bin/env bash
# Sets up (packages, configure, build) and runs the whole test suite through CTest.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$here/scripts/setup.sh" "$here/build"
cd "$here/build"
ctest --output-on-failure -j "$(nproc)"
