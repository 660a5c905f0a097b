#!/usr/bin/env bash
# Runs every benchmark of a build briefly and keeps the figures in bench-results.txt.
set -euo pipefail
build=${1:-build}
out="$build/bench-results.txt"
: > "$out"
while read -r exe; do
  echo "== $(basename "$exe")" | tee -a "$out"
  "$exe" --benchmark_min_time=0.05 2>&1 | tee -a "$out"
done < <(find "$build/bench" -type f -executable -name '*_bench' | sort)
