#!/usr/bin/env bash
# Sets up (packages, configure, build) and runs the whole test suite through CTest, then runs
# the headless suites again under the address and undefined-behaviour sanitizers.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$here/scripts/setup.sh" "$here/build"
(cd "$here/build" && ctest --output-on-failure -j "$(nproc)")

"$here/scripts/setup.sh" "$here/build-sanitize" -DKB_SANITIZE=ON -DKB_BUILD_GUI=OFF -DCMAKE_BUILD_TYPE=Debug
cd "$here/build-sanitize"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --output-on-failure -j "$(nproc)"
