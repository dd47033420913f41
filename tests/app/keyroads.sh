#!/usr/bin/env bash
# Key roads: the program on a bare X display (no window manager, as on the
# operator console), driven by keys alone. xdotool sends every key to
# whatever has the keyboard; nothing is focused or clicked first.
#   keyroads.sh ROAD   (config notice cancel library scale burst)
# Environment: TOVREL_BIN (the build's bin/), TOVREL_SOURCE_DIR, and
# optionally KEYROAD_SHOTS, the folder for a picture of the screen at the end
# of the road (default: keyroads/ next to bin/).
# Each road starts its own Xvfb on a free display, a fresh working folder and
# a fresh program, and ends by closing the window as a person would, so a
# sanitizer build reports leaks at exit. Exits 77 (skip) without Xvfb or
# xdotool.
set -uo pipefail

road="${1:?usage: keyroads.sh ROAD}"
bin="${TOVREL_BIN:?}"
src="${TOVREL_SOURCE_DIR:?}"
shots="${KEYROAD_SHOTS:-$bin/../keyroads}"

for tool in Xvfb xdotool; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "skipped: $tool is not installed"
    exit 77
  fi
done

DISPLAY=""
tmp="$(mktemp -d "${TMPDIR:-/tmp}/keyroad-$road.XXXXXX")"
work="$tmp/work"
app=""
xvfb=""
main=""

cleanup() {
  [ -n "$app" ] && kill "$app" 2>/dev/null
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$tmp"
}
trap cleanup EXIT

shot() {
  mkdir -p "$shots"
  command -v import >/dev/null 2>&1 && import -window root "$shots/$road.png" 2>/dev/null
}

fail() {
  echo "FAIL ($road): $*" >&2
  shot
  echo "display $DISPLAY, windows shown: $(visible_titles)" >&2
  [ -n "$app" ] && ps -o pid,stat,etime,args -p "$app" >&2
  echo "--- program output (last lines)" >&2
  tail -n 40 "$tmp/app.log" >&2 2>/dev/null
  exit 1
}

# Polls a condition (a shell command) every 50 ms for up to $1 seconds.
wait_for() {
  local seconds="$1"
  shift
  local tries=$((seconds * 20))
  while [ "$tries" -gt 0 ]; do
    "$@" && return 0
    sleep 0.05
    tries=$((tries - 1))
  done
  return 1
}

shown() { xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; }
not_shown() { ! shown "$1"; }
has_keyboard() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$main" ]; }
file_has() { grep -qF -- "$2" "$1" 2>/dev/null; }
visible_titles() {
  local w
  for w in $(xdotool search --onlyvisible --name '.' 2>/dev/null); do
    printf '[%s] ' "$(xdotool getwindowname "$w" 2>/dev/null)"
  done
}
# Dialogs and boxes shown over the main window. A box that a dialog raises
# about its own input (a file dialog's "directory not found") stands over
# that dialog, not over the page, and is not counted.
dialogs_shown() {
  local w n=0 over
  over="$(printf '0x%x' "$main")"
  for w in $(xdotool search --onlyvisible --name '.' 2>/dev/null); do
    xprop -id "$w" _NET_WM_WINDOW_TYPE WM_TRANSIENT_FOR 2>/dev/null |
      tr '\n' ' ' | grep -q "_NET_WM_WINDOW_TYPE_DIALOG.*window id # $over\b" && n=$((n + 1))
  done
  echo "$n"
}

user_time() { xprop -id "$1" _NET_WM_USER_TIME 2>/dev/null | tr -dc '0-9'; }
key_taken() { [ "$(user_time "$1")" != "$2" ]; }

# Keys that a page's buttons answer. A button answers a shortcut 100 ms after
# the program takes the key and then ignores clicks for 100 ms, so the next
# key follows only when the program has taken this one (it stamps the window
# that got it with the key's time) and that time has passed.
press() {
  local k w before
  for k in "$@"; do
    w="$(xdotool getwindowfocus 2>/dev/null)"
    before="$(user_time "$w")"
    xdotool key "$k"
    wait_for 20 key_taken "$w" "$before" || fail "the program did not take the key $k"
    sleep 0.25
  done
}

# The window titled $1 (a regular expression) has the keyboard.
has_focus() { xdotool getwindowfocus getwindowname 2>/dev/null | grep -q -- "$1"; }

start_display() {
  Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$tmp/display" >"$tmp/xvfb.log" 2>&1 &
  xvfb=$!
  wait_for 10 grep -q '[0-9]' "$tmp/display" || fail "Xvfb did not start: $(cat "$tmp/xvfb.log")"
  export DISPLAY=":$(tr -dc '0-9' <"$tmp/display")"
}

seed_folder() {
  TOVREL_BUILD="$bin/.." "$src/scripts/workfolder.sh" "$work" >/dev/null || fail "cannot seed $work"
}

start_program() {
  (
    cd "$work" || exit 1
    unset QT_QPA_PLATFORM
    # The X keyboard library reads counted strings with strndup, which strict
    # string checks take for overflows; its leaks and those of D-Bus and the
    # GL driver are the system's (tests/lsan.supp). Full stacks let the
    # suppressions find their library.
    export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}suppressions=$src/tests/asan.supp"
    export LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}suppressions=$src/tests/lsan.supp:fast_unwind_on_malloc=0"
    exec "$bin/tovrelcnc"
  ) >"$tmp/app.log" 2>&1 &
  app=$!
  wait_for 30 shown 'Brenlo3' || fail "the main window did not show"
  main="$(xdotool search --onlyvisible --name 'Brenlo3' | head -n 1)"
  wait_for 10 has_keyboard || fail "the main window did not take the keyboard"
}

# Closes the window as a person would and checks the program ended cleanly.
stop_program() {
  shot
  local tries=0
  while [ "$(dialogs_shown)" -gt 0 ] && [ $tries -lt 10 ]; do
    xdotool key Escape
    sleep 0.3
    tries=$((tries + 1))
  done
  "$bin/xclose" "$main" || fail "cannot ask the window to close"
  wait_for 60 program_ended || fail "the program did not end when its window was closed"
  wait "$app"
  local status=$?
  app=""
  if grep -qE 'ERROR: (AddressSanitizer|LeakSanitizer)|runtime error:' "$tmp/app.log"; then
    fail "sanitizer report"
  fi
  [ "$status" -eq 0 ] || fail "the program ended with status $status"
}
program_ended() { ! kill -0 "$app" 2>/dev/null; }

open_speed_dialog() {
  press F3 F2
  wait_for 10 has_focus '参数设置' || fail "F3 F2 gave the keyboard to no speed dialog"
}

set_cut_speed() {
  open_speed_dialog
  xdotool key alt+1
  xdotool type "$1"
  xdotool key Return
  wait_for 10 file_has "$work/.tovrelcnc/config.xml" "cutspeed=\"$1\"" || fail "config.xml has no cutspeed=\"$1\""
  wait_for 10 not_shown '参数设置' || fail "the speed dialog stayed open"
  wait_for 10 has_keyboard || fail "the keyboard did not come back from the speed dialog"
}

road_config() {
  set_cut_speed 2000
}

road_notice() {
  press F9 F9
  wait_for 10 has_focus '^Brenlo$' || fail "F9 F9 gave the keyboard to no notice"
  xdotool key Return
  wait_for 10 not_shown '^Brenlo$' || fail "Return did not close the notice"
  wait_for 10 has_keyboard || fail "the keyboard did not come back from the notice"
  press Escape
  set_cut_speed 1500
}

road_cancel() {
  cp "$work/.tovrelcnc/config.xml" "$tmp/config.before"
  open_speed_dialog
  xdotool key Escape
  wait_for 10 not_shown '参数设置' || fail "Escape did not close the speed dialog"
  wait_for 10 has_keyboard || fail "the keyboard did not come back after Escape"
  cmp -s "$tmp/config.before" "$work/.tovrelcnc/config.xml" || fail "Escape changed config.xml"
}

road_library() {
  # Library page, one cell right of the custom-file cell, add, save as.
  press F2 Right Home F4
  wait_for 10 has_focus '保存文件' || fail "F4 gave the keyboard to no save dialog"
  xdotool type kb.nc
  xdotool key Return
  wait_for 10 not_shown '保存文件' || fail "Return did not close the save dialog"
  wait_for 10 test -s "$work/ncfile/kb.nc" || fail "ncfile/kb.nc was not written"
  local probe
  probe="$(cd "$work" && "$bin/ncprobe" main ncfile/kb.nc)"
  case "$probe" in
    *result=1*) ;;
    *) fail "ncprobe reads kb.nc as: $probe" ;;
  esac
}

road_scale() {
  cmp -s "$tmp/s.nc" "$work/ncfile/s.nc" || fail "the seeded program changed before the road"
  press F1 F2 F7
  wait_for 10 has_focus '比例缩放' || fail "F7 gave the keyboard to no scale dialog"
  xdotool key ctrl+a
  xdotool type 2
  xdotool key Return
  wait_for 10 file_has "$work/.tovrelcnc/e.nc" 'G01 X      14 Y       0' || fail "e.nc was not scaled by 2"
  wait_for 10 not_shown '比例缩放' || fail "the scale dialog stayed open"
  cmp -s "$tmp/s.nc" "$work/ncfile/s.nc" || fail "ncfile/s.nc changed"
}

seed_scale() {
  printf 'G01 X7 Y0\n' >"$tmp/s.nc"
  cp "$tmp/s.nc" "$work/ncfile/s.nc"
  printf '<FileConfig>\n  <File filename="./ncfile/s.nc"/>\n</FileConfig>\n' >"$work/.tovrelcnc/fileconfig.xml"
}

road_burst() {
  local keys=(Escape F1 F2 F3 F4 F5 F6 F7 F8 F9 F10 Up Down Left Right Home End Prior Next Return Tab space
    0 1 2 3 4 5 6 7 8 9)
  RANDOM="${KEYROAD_SEED:-2512}"
  local sent=0 chunk k most=0 n
  while [ $sent -lt 600 ]; do
    chunk=()
    for k in $(seq 1 20); do
      chunk+=("${keys[RANDOM % ${#keys[@]}]}")
    done
    xdotool key --delay 30 "${chunk[@]}"
    sent=$((sent + 20))
    kill -0 "$app" 2>/dev/null || fail "the program ended after $sent keys"
    n="$(dialogs_shown)"
    [ "$n" -gt "$most" ] && most=$n
    [ "$n" -le 1 ] || fail "$n dialogs shown after $sent keys, the last ones: ${chunk[*]}"
  done
  local xml
  while IFS= read -r xml; do
    "$bin/xmlparses" "$xml" || fail "$xml no longer parses"
  done < <(find "$work/.tovrelcnc" -name '*.xml')
  echo "600 keys, at most $most dialog(s) shown at once"
}

case "$road" in
  config | notice | cancel | library | scale | burst) ;;
  *) echo "unknown road: $road" >&2; exit 2 ;;
esac

start_display
seed_folder
[ "$road" = scale ] && seed_scale
start_program
"road_$road"
stop_program
echo "road $road passed"
