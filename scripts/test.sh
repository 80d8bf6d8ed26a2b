#!/usr/bin/env bash
# Sets up (packages, configure, build) and runs the whole test suite through CTest; then builds
# and runs the whole suite again under the address and undefined-behaviour sanitizers, window
# and end-to-end tests included; then runs each fuzz target for a bounded time.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$here/scripts/setup.sh" "$here/build"
(cd "$here/build" && ctest --output-on-failure -j "$(nproc)")

# Every sanitizer report also goes to a file in $reports, and any file there fails the run:
# that catches a report from a program a test started without looking at its exit status.
# Leaks are checked at every exit; tests/lsan.supp names the system libraries whose memory
# kept until exit is not a leak of ours. -O1 keeps the soak games quick.
reports="$here/build-sanitize/sanitizer-reports"
rm -rf "$reports"
mkdir -p "$reports"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:log_path=$reports/asan"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:log_path=$reports/ubsan"
export LSAN_OPTIONS="suppressions=$here/tests/lsan.supp:print_suppressions=0"
status=0
"$here/scripts/setup.sh" "$here/build-sanitize" -DKB_SANITIZE=ON -DKB_BUILD_GUI=ON -DCMAKE_BUILD_TYPE=Debug \
  "-DCMAKE_CXX_FLAGS_DEBUG=-g -O1" || status=$?
if [ "$status" -eq 0 ]; then
  (cd "$here/build-sanitize" && ctest --output-on-failure -j "$(nproc)") || status=$?
fi
if compgen -G "$reports/*" >/dev/null; then
  echo "Sanitizer reports:"
  cat "$reports"/*
  status=1
fi
[ "$status" -eq 0 ] || exit "$status"
unset ASAN_OPTIONS UBSAN_OPTIONS LSAN_OPTIONS

# The fuzz targets, built alone with clang. Each runs from the committed seeds; what it finds
# goes to a scratch folder, and an input that breaks a check or crashes fails the run.
CXX=clang++ cmake -S "$here" -B "$here/build-fuzz" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKB_WERROR=ON \
  -DKB_FUZZ=ON -DKB_BUILD_GUI=OFF
cmake --build "$here/build-fuzz" -j "$(nproc)"
for pair in saved_game:saved_game score_table:score; do
  target="${pair%%:*}" seeds="$here/fuzz/corpus/${pair##*:}"
  scratch="$here/build-fuzz/runs/$target"
  rm -rf "$scratch"
  mkdir -p "$scratch/corpus"
  "$here/build-fuzz/fuzz/fuzz_$target" -max_total_time=30 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$scratch/" "$scratch/corpus" "$seeds" 2>"$scratch/log" ||
    { tail -n 60 "$scratch/log"; echo "fuzz_$target failed; the input is in $scratch"; exit 1; }
  grep -E "^Done|number_of_executed_units" "$scratch/log" | sed "s/^/fuzz_$target: /"
done
