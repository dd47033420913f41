#!/usr/bin/env bash
# Starts the program (or another window of build/bin) under a fresh Xvfb
# display with no window manager, in the working folder, waits, sends keys,
# saves a PNG of the screen and stops it.
#   scripts/screenshot.sh OUT.png [--delay SECONDS] [--crop] [--display N]
#                         [--keys "TOKENS"] [PROGRAM [ARGS...]]
# PROGRAM is a name in build/bin (default tovrelcnc) or a path.
# --crop cuts the picture to the program's window area (0,0 1024x773).
# --display N runs on display :N (default: the first free one).
# --keys: after the delay, each token 0.4 s apart, sent to whatever has the
# keyboard, as a person's keys would be: a key name for xdotool (F1, Escape,
# Return, alt+1 ...), type:TEXT to type TEXT (no blanks), or click:X,Y for a
# click at that screen point.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="${1:?usage: $0 OUT.png [--delay S] [--crop] [--display N] [--keys TOKENS] [PROGRAM [ARGS...]]}"
shift
delay=3
crop=0
keys=""
display=""
while [ $# -gt 0 ]; do
  case "$1" in
    --delay) delay="$2"; shift 2 ;;
    --crop) crop=1; shift ;;
    --display) display="${2#:}"; shift 2 ;;
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
XVFB_DISPLAY="$display"
source "$root/scripts/xvfb.sh"
[ -n "$XVFB_PID" ] || exit 1
trap 'kill $XVFB_PID 2>/dev/null || true' EXIT
(cd "$work" && unset QT_QPA_PLATFORM && exec "$program" "$@") &
app=$!
sleep "$delay"
for token in $keys; do
  case "$token" in
    click:*) xy="${token#click:}"; xdotool mousemove "${xy%,*}" "${xy#*,}" click 1 ;;
    type:*) xdotool type -- "${token#type:}" ;;
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
