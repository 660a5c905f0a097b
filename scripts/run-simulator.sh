#!/usr/bin/env bash
# Installs what is missing, builds the analyzer simulator when needed and runs it
# in the foreground.
# Arguments go to the program, e.g.: scripts/run-simulator.sh --ports 4 --verbose
# (--help lists every option and the SIMulator: control commands).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="${NOLT_BUILD_DIR:-$root/build}"

"$root/scripts/install-deps.sh"

if [ ! -f "$build/build.ninja" ]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$build" --target nolt-vna-simulator >/dev/null
exec "$build/simulator/nolt-vna-simulator" "$@"
