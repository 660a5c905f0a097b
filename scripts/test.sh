#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test through CTest,
# then every test again in a sanitizer build, then every benchmark briefly.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc)

"$root/scripts/install-deps.sh"

cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$root/build" -j "$jobs"

source "$root/scripts/xvfb.sh"
start_xvfb

ctest --test-dir "$root/build" --output-on-failure -j "$jobs" --timeout 900

# Every test again under AddressSanitizer and UndefinedBehaviorSanitizer, the
# fuzz tests (random and mutated input through the parsers) included.
cmake -S "$root" -B "$root/build-sanitize" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
      -DNOLT_SANITIZE=ON -DNOLT_BUILD_BENCHMARKS=OFF
cmake --build "$root/build-sanitize" -j "$jobs"
export LSAN_OPTIONS="suppressions=$root/tests/support/lsan-mesa.supp:print_suppressions=0"
ctest --test-dir "$root/build-sanitize" --output-on-failure -j "$jobs" --timeout 900

if cmake --build "$root/build" --target help | grep -q '^benchmarks'; then
  "$root/scripts/run-benchmarks.sh" "$root/build"
fi
