#!/usr/bin/env bash
# Sourced: starts an Xvfb display (no window manager) when there is none and
# exports DISPLAY. XVFB_DISPLAY=N asks for display :N; otherwise Xvfb takes
# the first free one itself, so parallel runs never collide. Sets XVFB_PID
# when it started one.
XVFB_PID=""
if [ -z "${DISPLAY:-}" ]; then
  xvfb_fd_file="$(mktemp)"
  if [ -n "${XVFB_DISPLAY:-}" ]; then
    Xvfb ":$XVFB_DISPLAY" -screen 0 1280x800x24 -nolisten tcp -displayfd 3 3>"$xvfb_fd_file" >/dev/null 2>&1 &
  else
    Xvfb -screen 0 1280x800x24 -nolisten tcp -displayfd 3 3>"$xvfb_fd_file" >/dev/null 2>&1 &
  fi
  XVFB_PID=$!
  # Xvfb writes its display number once it accepts clients.
  for _ in $(seq 1 100); do
    grep -q '[0-9]' "$xvfb_fd_file" 2>/dev/null && break
    kill -0 "$XVFB_PID" 2>/dev/null || break
    sleep 0.05
  done
  if grep -q '[0-9]' "$xvfb_fd_file" 2>/dev/null; then
    export DISPLAY=":$(tr -dc '0-9' <"$xvfb_fd_file")"
  else
    echo "Xvfb did not start${XVFB_DISPLAY:+ on :$XVFB_DISPLAY (in use?)}" >&2
    XVFB_PID=""
  fi
  rm -f "$xvfb_fd_file"
fi
