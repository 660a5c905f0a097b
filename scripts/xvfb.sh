# Sourced: starts a private Xvfb display (Mesa's software OpenGL) unless one is given.
start_xvfb() {
  export LIBGL_ALWAYS_SOFTWARE=1
  if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    return
  fi
  local n=90
  while [ -e "/tmp/.X${n}-lock" ] || [ -e "/tmp/.X11-unix/X${n}" ]; do
    n=$((n + 1))
  done
  Xvfb ":${n}" -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
  XVFB_PID=$!
  trap 'kill "$XVFB_PID" 2>/dev/null || true' EXIT
  export DISPLAY=":${n}"
  for _ in $(seq 50); do
    [ -e "/tmp/.X11-unix/X${n}" ] && return
    sleep 0.1
  done
  echo "Xvfb did not start" >&2
  return 1
}
