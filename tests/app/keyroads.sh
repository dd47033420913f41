#!/usr/bin/env bash
# Key roads: the program on a bare X display (no window manager, as on the
# operator console), driven by keys alone. xdotool sends every key to
# whatever has the keyboard; nothing is focused or clicked first.
#   keyroads.sh ROAD     runs the road ROAD
#   keyroads.sh --list   prints the roads, one a line, with what each needs
#                        (the test command reads its tests from it)
#   keyroads.sh --check  checks that every road listed is written, and every
#                        road written is listed
# Environment: TOVREL_BIN (the build's bin/), TOVREL_SOURCE_DIR, and
# optionally KEYROAD_SHOTS, the folder for a picture of the screen at the end
# of the road (default: keyroads/ next to bin/).
# Each road starts its own Xvfb on a free display, a fresh working folder and
# a fresh program, and ends by closing the window as a person would, so a
# sanitizer build reports leaks at exit. Exits 77 (skip) without Xvfb or
# xdotool.
# The helpers (the display, the program's start and end, the waits, the
# points of the screen, the typed times) are in roads/lib.sh; the roads, by
# what they cover, in the other files of roads/ as road_NAME.
set -uo pipefail

# The roads, one a line: the name, then what the road needs:
#   serial     it runs alone on the machine: it times the program, sends
#              keys that must come at nearly the pace asked, or keeps cores
#              busy
#   seed=NAME  seed_NAME makes the working folder ready for it
#   timeout=S  it may take S seconds (else 120)
road_list() {
  cat <<'EOF'
config
notice
cancel
library
scale seed=scale
burst
mouseburst timeout=180
speed
step
scaleesc seed=scale
mode
chooser
complete
copysel
rows
readonly
links seed=links
ownlinks seed=ownlinks
gbkname seed=gbkname
lockfast
lockslow serial
lockopen
lockload serial
escf1
editorlock
jogbox
reloadq seed=long timeout=300
libbox
inchhold
copyagain
refusedbrowser seed=refused
refusedlibrary seed=refused
refusededitor seed=refused
refusedfile seed=refused
longname serial seed=longname
previewlong seed=previewlong
libnopart
configpipe serial seed=configpipe
boxpress serial
chooserpress serial
dialogpress serial
dialogclick serial
stopclick serial seed=stopclick
mouseclicks serial
cfgstack
cfghold
jogrelease
closegap serial
takenvalue
takenpages
takenopen
takeneditor
takencomp
takendraw seed=nulldir
takenplate seed=kdir
takenrow seed=nulldir
takencheck
takensecond
droplist
EOF
}

road="${1:?usage: keyroads.sh ROAD | --list | --check}"
if [ "$road" = --list ]; then
  road_list
  exit 0
fi
# Read here, not in a function, so that what they declare is global.
for roads_file in "$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"/roads/*.sh; do
  # shellcheck source=/dev/null
  source "$roads_file"
done
if [ "$road" = --check ]; then
  listed="$(road_list | awk '{print $1}' | sort)"
  written="$(declare -F | awk '$3 ~ /^road_/ {print substr($3, 6)}' | grep -vx list | sort)"
  [ "$listed" = "$written" ] && echo "$(wc -l <<<"$listed") roads, each listed and written" && exit 0
  echo "listed, not written: $(comm -23 <(echo "$listed") <(echo "$written") | tr '\n' ' ')" >&2
  echo "written, not listed: $(comm -13 <(echo "$listed") <(echo "$written") | tr '\n' ' ')" >&2
  exit 1
fi
traits="$(road_list | awk -v r="$road" '$1 == r')"
if [ -z "$traits" ]; then
  echo "unknown road: $road" >&2
  exit 2
fi
bin="${TOVREL_BIN:?}"
src="${TOVREL_SOURCE_DIR:?}"
shots="${KEYROAD_SHOTS:-$bin/../keyroads}"

for tool in Xvfb xdotool; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "skipped: $tool is not installed"
    exit 77
  fi
done

begin_road
start_display
start_typed_times
seed_folder
seed="$(sed -n 's/.* seed=\([a-z]*\).*/\1/p' <<<"$traits")"
[ -z "$seed" ] || "seed_$seed"
started_at="$(date +%s%N)"
start_program
started_ms=$((($(date +%s%N) - started_at) / 1000000))
"road_$road"
stop_program
echo "road $road passed"
