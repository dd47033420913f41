#!/usr/bin/env bash
# Installs what is missing, builds the program (and the icons its working
# folder gets), prepares the working folder work/ and starts the program in
# it. Without a display it runs under Xvfb. JOBS sets the compile jobs.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"

"$root/scripts/setup.sh"
"$root/scripts/build.sh" normal tovrelcnc icons
work="$("$root/scripts/workfolder.sh")"

source "$root/scripts/xvfb.sh"
if [ -n "$XVFB_PID" ]; then
  echo "No display: the program runs under Xvfb on $DISPLAY."
  echo "Take a screenshot with:  DISPLAY=$DISPLAY import -window root shot.png"
  echo "(or use scripts/screenshot.sh, which starts its own display)."
  trap 'kill $XVFB_PID 2>/dev/null || true' EXIT
fi
cd "$work"
"$root/build/bin/tovrelcnc"
