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
# GCC 12's __tls_get_addr interceptor takes some dynamic TLS blocks for an old
# glibc layout and hands the leak checker a bogus range, which crashes its
# tracer at exit now and then; the blocks stay reachable through glibc's own
# thread vectors without it.
export LSAN_OPTIONS="suppressions=$root/tests/support/lsan-mesa.supp:print_suppressions=0:intercept_tls_get_addr=0"
ctest --test-dir "$root/build-sanitize" --output-on-failure -j "$jobs" --timeout 900

if cmake --build "$root/build" --target help | grep -q '^benchmarks'; then
  "$root/scripts/run-benchmarks.sh" "$root/build"
fi
