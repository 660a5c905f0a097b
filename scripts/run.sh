#!/usr/bin/env bash
# Installs what is missing, builds and starts the application. Arguments go to
# the application (e.g. -r for the Russian texts).
#
# The analyzer is reached at the address of the settings, by default
# 127.0.0.1:5025, where the project's simulator listens: when nothing listens
# there, the simulator is started for the run and stopped when the application
# (and any instance it restarted) has ended. Without a display the application
# runs on a virtual one. Settings and temporary files stay in the build tree.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="${NOLT_BUILD_DIR:-$root/build}"

"$root/scripts/install-deps.sh"

if [ ! -f "$build/build.ninja" ]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$build" --target nolt nolt-vna-simulator >/dev/null

app="$build/app/program/nolt"
workdir="$build/run"
mkdir -p "$workdir"
cd "$workdir"

# A value of the settings file's "Network" group, when one is stored.
stored() {
  [ -f settings/settings ] || return 0
  awk -F= -v key="$1" '
    /^\[/ { group = $0 }
    group == "[Network]" && $1 == key && $2 !~ /^@Invalid/ { print $2 }
  ' settings/settings
}
address=$(stored ipAddress)
port=$(stored port)
address=${address:-127.0.0.1}
case "$port" in
  ''|*[!0-9]*) port=5025 ;;
esac

simulator_pid=""
xvfb_pid=""
cleanup() {
  # A stopped simulator (one a user paused to play a silent analyzer) takes the
  # termination only once it runs again.
  if [ -n "$simulator_pid" ]; then kill "$simulator_pid" 2>/dev/null && kill -CONT "$simulator_pid" 2>/dev/null || true; fi
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
}
trap cleanup EXIT

listening() {
  (exec 3<>"/dev/tcp/$address/$port") 2>/dev/null
}

if [ "$address" = 127.0.0.1 ] && [ "$port" = 5025 ] && ! listening; then
  "$build/simulator/nolt-vna-simulator" --port 5025 >"$workdir/simulator.log" 2>&1 &
  simulator_pid=$!
  for _ in $(seq 50); do
    listening && break
    sleep 0.1
  done
  echo "Analyzer simulator started on 127.0.0.1:5025 (log: $workdir/simulator.log)."
elif listening; then
  echo "Using the analyzer at $address:$port."
else
  echo "Nothing answers at $address:$port yet; the application keeps trying."
fi

if [ -z "${DISPLAY:-}" ] || ! xdpyinfo >/dev/null 2>&1; then
  # shellcheck source=xvfb.sh
  source "$root/scripts/xvfb.sh"
  start_xvfb
  xvfb_pid=${XVFB_PID:-}
  trap cleanup EXIT
  echo "No display: the application runs on the virtual display $DISPLAY;" \
       "drive it by remote control at 127.0.0.1:5026."
fi

status=0
"$app" "$@" || status=$?
# A restart ends this instance after starting the next one: keep the
# simulator and the display while any instance of this build still runs.
while pgrep -f -x "$app( .*)?" >/dev/null; do
  sleep 1
done
exit "$status"
