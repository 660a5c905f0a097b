# Sourced: starts a private Xvfb display (Mesa's software OpenGL) unless one is given.
start_xvfb() {
  export LIBGL_ALWAYS_SOFTWARE=1
  if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    return
  fi
  # The server picks a free display itself and reports it, so scripts started
  # side by side never share one (and never kill each other's).
  local numberFile
  numberFile=$(mktemp)
  # Without -noreset the server resets whenever its last client leaves, and a
  # program connecting during that reset is turned away ("could not connect to
  # display"): tests started side by side would fail now and then.
  Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp -noreset 3>"$numberFile" >/dev/null 2>&1 &
  XVFB_PID=$!
  trap 'kill "$XVFB_PID" 2>/dev/null || true' EXIT
  for _ in $(seq 100); do
    if [ -s "$numberFile" ]; then
      export DISPLAY=":$(tr -d '[:space:]' <"$numberFile")"
      rm -f "$numberFile"
      return
    fi
    kill -0 "$XVFB_PID" 2>/dev/null || break
    sleep 0.1
  done
  rm -f "$numberFile"
  echo "Xvfb did not start" >&2
  return 1
}
