#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test through CTest,
# then the sanitizer build of the fuzz tests, then every benchmark briefly.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc)

"$root/scripts/install-deps.sh"

cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$root/build" -j "$jobs"

source "$root/scripts/xvfb.sh"
start_xvfb

ctest --test-dir "$root/build" --output-on-failure -j "$jobs" --timeout 900

# Random and mutated input through the parsers, under AddressSanitizer and UBSan.
cmake -S "$root" -B "$root/build-sanitize" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
      -DNOLT_SANITIZE=ON -DNOLT_BUILD_BENCHMARKS=OFF
if cmake --build "$root/build-sanitize" --target help | grep -q '^fuzz_tests'; then
  cmake --build "$root/build-sanitize" -j "$jobs" --target fuzz_tests
  ctest --test-dir "$root/build-sanitize" --output-on-failure -j "$jobs" -L fuzz --timeout 900
fi

if cmake --build "$root/build" --target help | grep -q '^benchmarks'; then
  "$root/scripts/run-benchmarks.sh" "$root/build"
fi
