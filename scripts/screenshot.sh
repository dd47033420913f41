#!/usr/bin/env bash
# Starts the program (or another window of build/bin) under a fresh Xvfb
# display in the working folder, waits, saves a PNG of the screen and stops it.
#   scripts/screenshot.sh OUT.png [--delay SECONDS] [--crop] [PROGRAM [ARGS...]]
# PROGRAM is a name in build/bin (default tovrelcnc) or a path.
# --crop cuts the picture to the program's window area (0,0 1024x773).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="${1:?usage: $0 OUT.png [--delay S] [--crop] [PROGRAM [ARGS...]]}"
shift
delay=3
crop=0
while [ $# -gt 0 ]; do
  case "$1" in
    --delay) delay="$2"; shift 2 ;;
    --crop) crop=1; shift ;;
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
import -window root "$out"
if [ "$crop" = 1 ]; then
  convert "$out" -crop 1024x773+0+0 +repage "$out"
fi
kill "$app" 2>/dev/null || true
wait "$app" 2>/dev/null || true
echo "$out"
