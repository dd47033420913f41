#!/usr/bin/env bash
# Starts the program (or another window of build/bin) under a fresh Xvfb
# display in the working folder, waits, saves a PNG of the screen and stops it.
#   scripts/screenshot.sh OUT.png [--delay SECONDS] [--crop] [--keys "TOKENS"] [PROGRAM [ARGS...]]
# PROGRAM is a name in build/bin (default tovrelcnc) or a path.
# --crop cuts the picture to the program's window area (0,0 1024x773).
# --keys: after the delay, each token 0.4 s apart, the "Brenlo3" window
# focused before each: a key name for xdotool (F1, Escape, Return ...) or
# click:X,Y for a click at that screen point.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="${1:?usage: $0 OUT.png [--delay S] [--crop] [--keys TOKENS] [PROGRAM [ARGS...]]}"
shift
delay=3
crop=0
keys=""
while [ $# -gt 0 ]; do
  case "$1" in
    --delay) delay="$2"; shift 2 ;;
    --crop) crop=1; shift ;;
    --keys) keys="$2"; shift 2 ;;
    *) break ;;
  esac
done
program="${1:-tovrelcnc}"
[ $# -gt 0 ] && shift
[ -x "$program" ] || program="$root/build/bin/$program"
case "$out" in /*) ;; *) out="$PWD/$out" ;; esac

work="$("$root/scripts/workfolder.sh")"
unset DISPLAY
source "$root/scripts/xvfb.sh"
trap 'kill $XVFB_PID 2>/dev/null || true' EXIT
(cd "$work" && exec "$program" "$@") &
app=$!
sleep "$delay"
for token in $keys; do
  # No window manager: focus the program's window before every key.
  win="$(xdotool search --name 'Brenlo3' 2>/dev/null | head -n 1 || true)"
  [ -n "$win" ] && xdotool windowfocus --sync "$win" 2>/dev/null || true
  case "$token" in
    click:*) xy="${token#click:}"; xdotool mousemove "${xy%,*}" "${xy#*,}" click 1 ;;
    *) xdotool key "$token" ;;
  esac
  sleep 0.4
done
import -window root "$out"
if [ "$crop" = 1 ]; then
  convert "$out" -crop 1024x773+0+0 +repage "$out"
fi
kill "$app" 2>/dev/null || true
wait "$app" 2>/dev/null || true
echo "$out"
