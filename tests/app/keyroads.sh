#!/usr/bin/env bash
# Key roads: the program on a bare X display (no window manager, as on the
# operator console), driven by keys alone. xdotool sends every key to
# whatever has the keyboard; nothing is focused or clicked first.
#   keyroads.sh ROAD     runs the road ROAD
#   keyroads.sh --list   prints the roads, one a line, with what each needs
#                        (the test command reads its tests from it)
# Environment: TOVREL_BIN (the build's bin/), TOVREL_SOURCE_DIR, and
# optionally KEYROAD_SHOTS, the folder for a picture of the screen at the end
# of the road (default: keyroads/ next to bin/).
# Each road starts its own Xvfb on a free display, a fresh working folder and
# a fresh program, and ends by closing the window as a person would, so a
# sanitizer build reports leaks at exit. Exits 77 (skip) without Xvfb or
# xdotool.
set -uo pipefail

# The roads, one a line: the name, then what the road needs:
#   serial     it times the program, so it runs alone on the machine
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
longname seed=longname
previewlong seed=previewlong
libnopart
configpipe seed=configpipe
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
EOF
}

road="${1:?usage: keyroads.sh ROAD | --list}"
if [ "$road" = --list ]; then
  road_list
  exit 0
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

# Points of the main window, named once: x y from the top left corner of
# its inside (press_at presses one, move_to moves the pointer there).
PLOT="550 575"             # the plot, beside every dialog
PLOT_LOW="550 640"         # the plot below every configuration dialog
PAGE_LEFT="60 250"         # the left column, blank on the configuration page
BROWSER_LIST="750 575"     # the browser's list of programs
KEY_ESC="27 715"           # the key row's Esc key
KEY_F1="115 715"           # the key row's F1 key
PAD_UP="129 504"           # the arrow pad's up key
JOG_FAST="617 719"         # the jog page's F6 快速 check box
JOG_INCH="722 719"         # the jog page's F7 微动 check box
SPEED_OK="350 355"         # the speed dialog's 确定 (configuration page, F2)
SPEED_CANCEL="470 355"     # and its 取消
STEP_BUTTON="800 445"      # the library's step dialog: a key that closes it
MOVE_BUTTON="820 445"      # move-to-point: a key that closes it
CHOOSER_BUTTON="842 406"   # the browser's folder chooser: a key that closes it
# The no-card notice's 确定, from the notice's top left corner; the same for
# the box that tells a folder was not found (目录未找到) over a chooser.
NOTICE_OK="210 61"
DIR_BOX_OK="204 88"
# A point of the screen off the main window.
OFF_WINDOW="1200 790"
# Areas of the main window (width height x y), read with win_region.
ROW_AREA="585 60 0 686"    # the key row, Esc to F5 (no page greys them)
ESC_AREA="45 56 5 688"     # the key row's Esc key
KEYS_AREA="900 60 0 686"   # the key row, Esc to F8
PAD_AREA="256 220 2 464"   # the arrow pad
PREVIEW_AREA="490 440 5 5" # the browser's preview
PLATE_AREA="260 682 260 0" # the left half of the plot
TABLE_AREA="490 500 260 15" # the editor's table
LINES_AREA="256 258 2 203" # the top page's list of program lines
PLOT_AREA="582 650 260 33" # the top page's plot
# The configuration dialogs (F1-F6 on their page) stand at one place; their
# 确定 and 取消 at these x, in a row at the y of each.
CFG_OK_X=350
CFG_CANCEL_X=470
declare -A CFG_BUTTONS_Y=([F1]=545 [F2]=355 [F3]=485 [F4]=315 [F5]=435 [F6]=315)
# Each one's title line, size, the attribute of config.xml its first field
# (selected when it opens) keeps, and two values that field takes.
declare -A CFG_NAME=([F1]=基本参数 [F2]=速度参数 [F3]=火焰参数 [F4]=喷粉参数 [F5]=等离子参数 [F6]=激光位置)
declare -A CFG_SIZE=([F1]=730x510 [F2]=600x320 [F3]=740x450 [F4]=700x280 [F5]=700x400 [F6]=600x280)
declare -A CFG_FIELD=([F1]="Base sheetx" [F2]="Cut cutspeed" [F3]="Fire delay" [F4]="PF df" [F5]="DLZ YH"
  [F6]="Laser X")
declare -A CFG_VALUES=([F1]="1231 1232" [F2]="1231 1232" [F3]="121 122" [F4]="2 3" [F5]="2 3" [F6]="31 32")

DISPLAY=""
tmp="$(mktemp -d "${TMPDIR:-/tmp}/keyroad-$road.XXXXXX")"
work="$tmp/work"
app=""
xvfb=""
main=""
hogs=()

# Signals a process of this road only. Roads spawn processes fast enough for
# process numbers to come round again within a minute, so the number of a
# program that ended long ago may by now be another road's display.
kill_own() {
  local pid
  for pid in "$@"; do
    [ "$(ps -o ppid= -p "$pid" 2>/dev/null | tr -d ' ')" = "$$" ] && kill "$pid" 2>/dev/null
  done
  return 0
}

cleanup() {
  kill_own $app "${hogs[@]}"
  { flock -u 9; } 2>/dev/null
  stop_display
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
  [ -n "$xvfb" ] && ! kill -0 "$xvfb" 2>/dev/null && echo "the display's server has ended" >&2
  tail -n 5 "$tmp/xvfb.log" >&2 2>/dev/null
  [ -n "$app" ] && ps -o pid,stat,etime,args -p "$app" >&2
  echo "--- program output (last lines)" >&2
  tail -n 40 "$tmp/app.log" >&2 2>/dev/null
  exit 1
}

# Microseconds on the clock.
now_us() { echo "${EPOCHREALTIME/./}"; }

# Polls a condition (a shell command) every $2 seconds until it holds, for up
# to $1 seconds (both may have decimals).
poll() {
  local us step="$2" end
  LC_ALL=C printf -v us '%.0f' "${1}e6"
  end=$((${EPOCHREALTIME/./} + us))
  shift 2
  until "$@"; do
    [ "${EPOCHREALTIME/./}" -lt "$end" ] || return 1
    sleep "$step"
  done
}
# Polls a condition every 50 ms for up to $1 seconds.
wait_for() { poll "$1" 0.05 "${@:2}"; }

shown() { xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; }
shown_times() { [ "$(xdotool search --onlyvisible --name "$1" 2>/dev/null | wc -l)" -eq "$2" ]; }
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

# Types the key $1 and returns once the program has taken it: it stamps the
# window that got it with the key's time.
type_taken() {
  local w before
  w="$(xdotool getwindowfocus 2>/dev/null)"
  before="$(user_time "$w")"
  xdotool key "$1"
  poll 20 0.01 key_taken "$w" "$before" || fail "the program did not take the key $1"
}

# The click lock: a page's button ignores a key or click typed within
# 100 ms of the one it acted on, judged by when they were typed. A key the
# program has taken was typed no later than that, so 100 ms from then the
# next one acts. A wait on time itself: the lock shows nothing.
lock_passes() { sleep 0.1; }

# Keys that a page's buttons answer, at an operator's pace: each one taken
# by the program, and the click lock passed, before the next one.
press() {
  local k
  for k in "$@"; do
    type_taken "$k"
    lock_passes
  done
}

# Keys as a fast operator types them: $BURST_MS apart, no waiting between.
burst() { xdotool key --delay "${BURST_MS:-30}" "$@"; }

# Visible windows of any kind, completion lists included.
mapped_windows() {
  local w n=0
  for w in $(xwininfo -root -children 2>/dev/null | awk '/^ +0x/ {print $1}'); do
    xwininfo -id "$w" 2>/dev/null | grep -q 'Map State: IsViewable' && n=$((n + 1))
  done
  echo "$n"
}
only_main_shown() { [ "$(mapped_windows)" -eq 1 ]; }

# A picture of part of the screen (W H X Y) as text, to compare two moments.
# A screen that cannot be read compares equal to nothing.
region() {
  local sum
  sum="$(import -window root -crop "$1x$2+$3+$4" ppm:- 2>/dev/null | md5sum)"
  [ "$sum" = "d41d8cd98f00b204e9800998ecf8427e  -" ] && sum="unreadable $RANDOM$RANDOM"
  echo "$sum"
}
# The same for an area of the main window (x y from its top left corner).
win_region() { region "$1" "$2" $((win_x + $3)) $((win_y + $4)); }
# The area $2... shows the picture $1, or not.
win_region_is() { [ "$(win_region "${@:2}")" = "$1" ]; }
win_region_is_not() { [ "$(win_region "${@:2}")" != "$1" ]; }

# The text of the field that has the keyboard (selected when a dialog opens),
# once the program has copied it.
field_text() {
  type_taken ctrl+a
  type_taken ctrl+c
  wait_for 2 clipboard_filled
  xclip -o -selection clipboard 2>/dev/null
}
clipboard_filled() { [ -n "$(xclip -o -selection clipboard 2>/dev/null)" ]; }

# The window titled $1 (a regular expression) has the keyboard.
has_focus() { xdotool getwindowfocus getwindowname 2>/dev/null | grep -qE -- "$1"; }

# X servers are started and stopped one at a time, and never reset. Two
# starting at once could serve one display number; and a server that is
# ending removes its socket's name after it has given up the number, so one
# started in that moment loses its name and, at its next reset, listens
# where no client is served. A display that does not answer is started again.
display_lock() {
  exec 9>"${TMPDIR:-/tmp}/keyroads-display.lock"
  flock 9
}

start_display() {
  local try
  display_lock
  for try in 1 2 3; do
    : >"$tmp/display"
    Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp -noreset 3>"$tmp/display" 9>&- >"$tmp/xvfb.log" 2>&1 &
    xvfb=$!
    wait_for 10 grep -q '[0-9]' "$tmp/display" || fail "Xvfb did not start: $(cat "$tmp/xvfb.log")"
    export DISPLAY=":$(tr -dc '0-9' <"$tmp/display")"
    if kill -0 "$xvfb" 2>/dev/null && xdpyinfo >/dev/null 2>&1; then
      flock -u 9
      return 0
    fi
    kill_own "$xvfb"
    wait "$xvfb" 2>/dev/null
    xvfb=""
  done
  flock -u 9
  fail "no display answered: $(cat "$tmp/xvfb.log")"
}

stop_display() {
  [ -n "$xvfb" ] || return 0
  display_lock
  kill_own "$xvfb"
  wait "$xvfb" 2>/dev/null
  xvfb=""
  flock -u 9
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
    # GL driver are the system's (tests/lsan.supp). The suppressions find a
    # system library by the frame that called the allocator, so the quick
    # frame-pointer stacks do: full unwinding of every allocation made the
    # sanitizer roads five times as slow.
    export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}suppressions=$src/tests/asan.supp"
    export LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}suppressions=$src/tests/lsan.supp"
    # A road on a full disk: every write past one block fails.
    [ "$road" = libbox ] && ulimit -f 1
    # A key that waits the whole limit for the keyboard is told on the
    # console; every road fails on it.
    export TOVREL_KEY_LIMIT_REPORT=1
    exec "$bin/tovrelcnc"
  ) >"$tmp/app.log" 2>&1 &
  app=$!
  wait_for 60 shown 'Brenlo3' || fail "the main window did not show"
  main="$(xdotool search --onlyvisible --name 'Brenlo3' | head -n 1)"
  # Where the window's top left corner lies on the screen.
  win_x="$(xwininfo -id "$main" | awk '/Absolute upper-left X/ {print $NF}')"
  win_y="$(xwininfo -id "$main" | awk '/Absolute upper-left Y/ {print $NF}')"
  wait_for 10 has_keyboard || fail "the main window did not take the keyboard"
}

# Closes the window as a person would and checks the program ended cleanly.
stop_program() {
  shot
  answer_dialogs Escape 1
  "$bin/xclose" "$main" || fail "cannot ask the window to close"
  wait_for 60 program_ended || fail "the program did not end when its window was closed"
  wait "$app"
  local status=$?
  app=""
  if grep -qE 'ERROR: (AddressSanitizer|LeakSanitizer)|runtime error:' "$tmp/app.log"; then
    fail "sanitizer report"
  fi
  if grep -q 'key held to the limit' "$tmp/app.log"; then
    fail "a key waited the whole limit for a keyboard that did not come"
  fi
  [ "$status" -eq 0 ] || fail "the program ended with status $status"
}
program_ended() { ! kill -0 "$app" 2>/dev/null; }

# Answers every dialog or box shown over the main window with the key $1,
# one at a time; gives up when one still stands $2 seconds after its key
# (a dialog that has not the keyboard).
answer_dialogs() {
  local n
  n="$(dialogs_shown)"
  while [ "$n" -gt 0 ]; do
    xdotool key "$1"
    wait_for "$2" dialogs_fewer "$n" || return 0
    n="$(dialogs_shown)"
  done
}
dialogs_fewer() { [ "$(dialogs_shown)" -lt "$1" ]; }

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
  local pace sent chunk k most=0 n
  # An operator's pace, then faster than any hand.
  for pace in 30 10; do
    sent=0
    while [ $sent -lt 600 ]; do
      chunk=()
      for k in $(seq 1 20); do
        chunk+=("${keys[RANDOM % ${#keys[@]}]}")
      done
      xdotool key --delay "$pace" "${chunk[@]}"
      sent=$((sent + 20))
      kill -0 "$app" 2>/dev/null || fail "the program ended after $sent keys at $pace ms"
      n="$(dialogs_shown)"
      [ "$n" -gt "$most" ] && most=$n
      [ "$n" -le 1 ] || fail "$n dialogs shown after $sent keys at $pace ms, the last ones: ${chunk[*]}"
    done
  done
  local xml
  while IFS= read -r xml; do
    "$bin/xmlparses" "$xml" || fail "$xml no longer parses"
  done < <(find "$work/.tovrelcnc" -name '*.xml')
  echo "600 keys at 30 ms and 600 at 10 ms, at most $most dialog(s) shown at once"
}

# Keys typed right after the key that opens a dialog belong to the dialog.
road_speed() {
  press F3
  burst F2 2 5 0 0 Return
  wait_for 10 file_has "$work/.tovrelcnc/config.xml" 'cutspeed="2500"' ||
    fail "config.xml has $(grep -o 'cutspeed="[0-9]*"' "$work/.tovrelcnc/config.xml"), not 2500"
  wait_for 10 not_shown '参数设置' || fail "the speed dialog stayed open"
  wait_for 10 has_keyboard || fail "the keyboard did not come back from the speed dialog"
}

road_step() {
  press F2
  burst F8 2 period 5 Tab 9 0 Return
  wait_for 10 not_shown '步长设置' || fail "Return did not close the step dialog"
  wait_for 10 has_keyboard || fail "the keyboard did not come back from the step dialog"
  press F8
  wait_for 10 has_focus '步长设置' || fail "F8 gave the keyboard to no step dialog"
  local move angle
  move="$(field_text)"
  xdotool key Tab
  angle="$(field_text)"
  [ "$move" = 2.5 ] && [ "$angle" = 90 ] || fail "the step dialog holds '$move' and '$angle', not 2.5 and 90"
  xdotool key Escape
}

# An Esc right after the key that opens a dialog closes that dialog.
road_scaleesc() {
  press F1 F2
  wait_for 10 test -s "$work/.tovrelcnc/e.nc" || fail "the editor wrote no e.nc"
  cp "$work/.tovrelcnc/e.nc" "$tmp/e.before"
  burst F7 Escape
  marker
  wait_for 10 not_shown '比例缩放' || fail "F7 Escape left the scale dialog open"
  wait_for 10 has_keyboard || fail "F7 Escape left the keyboard off the window"
  cmp -s "$tmp/e.before" "$work/.tovrelcnc/e.nc" || fail "F7 Escape changed the working copy"
  press F7
  wait_for 10 has_focus '比例缩放' || fail "F7 on the editor page opened no scale dialog"
  xdotool type 2
  xdotool key Return
  wait_for 10 file_has "$work/.tovrelcnc/e.nc" 'G01 X      14 Y       0' || fail "e.nc was not scaled by 2"
}

preview_pane() { win_region $PREVIEW_AREA; }
preview_is() { [ "$(preview_pane)" = "$1" ]; }
preview_is_not() { [ "$(preview_pane)" != "$1" ]; }

# The mode and plate keys act on every press, however close.
road_mode() {
  local plot
  BURST_MS=40 burst F4 F4
  wait_for 10 file_has "$work/.tovrelcnc/config.xml" '<Mode mode="3"/>' ||
    fail "F4 F4 from mode 1 left $(grep -o '<Mode[^>]*>' "$work/.tovrelcnc/config.xml")"
  press F4 F4
  wait_for 10 file_has "$work/.tovrelcnc/config.xml" '<Mode mode="1"/>' || fail "F4 F4 did not come back to mode 1"
  plot="$(win_region $PLATE_AREA)"
  BURST_MS=40 burst F5 F5
  marker
  wait_for 5 win_region_is "$plot" $PLATE_AREA || fail "F5 F5 did not bring the plate view back"
  # The browser's preview key too.
  press F1 F1
  # The preview pane, without the name field's blinking cursor.
  local preview
  press F5 F5
  preview="$(steady preview_pane)"
  press F5
  wait_for 5 preview_is_not "$preview" || fail "F5 did not switch the browser's preview"
  press F5
  wait_for 5 preview_is "$preview" || fail "F5 F5 slowly did not switch the preview back"
  BURST_MS=40 burst F5 F5
  marker
  wait_for 5 preview_is "$preview" || fail "F5 F5 in the browser did not switch the preview twice"
}

# A box the toolkit shows over a chooser gives the keyboard back to it. The
# box bears the chooser's title, so the two are told apart by their number.
road_chooser() {
  local title='选择本地文件夹'
  press F1 F1
  xdotool key F1
  wait_for 10 has_focus "$title" || fail "F1 gave the keyboard to no chooser"
  xdotool type zz
  xdotool key Return
  wait_for 10 shown_times "$title" 2 || fail "no box about the folder zz"
  wait_for 10 has_focus "$title" || fail "the box about zz has no keyboard"
  xdotool key Return
  wait_for 10 shown_times "$title" 1 || fail "Return did not close the box about zz"
  wait_for 10 has_focus "$title" || fail "the chooser did not get the keyboard back from the box"
  xdotool key Escape
  wait_for 10 not_shown "$title" || fail "Escape did not close the chooser"
  wait_for 10 has_keyboard || fail "the keyboard did not come back from the chooser"
  xdotool key F1
  wait_for 10 has_focus "$title" || fail "F1 did not act on the file page after the chooser"
  xdotool key Escape
}

# A file dialog leaves no completion list behind.
road_complete() {
  press F1 F2
  xdotool key F2
  wait_for 10 has_focus '打开文件' || fail "F2 gave the keyboard to no open dialog"
  xdotool type int_bracket.nc
  xdotool key Return
  wait_for 10 not_shown '打开文件' || fail "Return did not close the open dialog"
  wait_for 10 has_keyboard || fail "the keyboard did not come back from the open dialog"
  wait_for 10 only_main_shown || fail "$(mapped_windows) windows shown after the open dialog closed"
  local table
  table="$(steady win_region $TABLE_AREA)"
  press Down
  wait_for 5 win_region_is_not "$table" $TABLE_AREA || fail "Down did not move the editor's current row"
  only_main_shown || fail "a window other than the main one is shown"
}

# The copy page's lists have a current entry from the start.
road_copysel() {
  press F1 F3
  burst F6 space F7
  wait_for 10 has_focus '^Brenlo$' || fail "F6 Space F7 asked nothing: no file was selected"
  xdotool key Escape
  wait_for 10 has_keyboard || fail "the keyboard did not come back from the question"
  cmp -s <(ls "$work/ncfile") <(ls "$src/template/ncfile") || fail "the answer No deleted a file"
}

# A page key and Esc close together leave one key row live.
road_rows() {
  press F1
  burst F2 Escape
  marker
  lock_passes
  press F9
  shot
  cp "$shots/$road.png" "$shots/$road-after-f9.png" 2>/dev/null
  press Escape Escape Escape F3
  xdotool key F2
  wait_for 10 has_focus '参数设置' || fail "Esc Esc Esc F3 F2 opened no speed dialog"
  xdotool key Escape
}

# The file dialogs change nothing on disk.
road_readonly() {
  local before
  before="$(ls -a "$work/ncfile")"
  press F1 F2
  xdotool key F2
  wait_for 10 has_focus '打开文件' || fail "F2 gave the keyboard to no open dialog"
  burst shift+Tab Down F2
  xdotool type renamed
  xdotool key Return
  marker
  xdotool key Escape
  wait_for 10 not_shown '打开文件' || fail "Escape did not close the open dialog"
  [ "$(ls -a "$work/ncfile")" = "$before" ] || fail "ncfile/ changed: $(ls -a "$work/ncfile" | tr '\n' ' ')"
}

# The browser lists links under their own names and loads through them; a
# link to an endless device is refused on the message line, with no box.
seed_links() {
  rm -f "$work/ncfile/"*
  mkdir -p "$work/other"
  cp "$src/template/ncfile/0003.nc" "$work/ncfile/p.nc"
  cp "$src/template/ncfile/int_bracket.nc" "$work/other/p2.nc"
  ln -s ../other/p2.nc "$work/ncfile/x.nc"
  ln -s /dev/zero "$work/ncfile/z.nc"
  printf '<FileConfig>\n  <File filename="./ncfile/p.nc"/>\n</FileConfig>\n' >"$work/.tovrelcnc/fileconfig.xml"
}

road_links() {
  cp "$work/.tovrelcnc/t.nc" "$tmp/t.p"
  press F1 F1 Down F4
  wait_for 10 file_has "$work/.tovrelcnc/fileconfig.xml" 'ncfile/x.nc' || fail "F4 on x.nc did not load it"
  xdotool getwindowname "$main" | grep -q 'ncfile/x.nc$' || fail "the title does not name x.nc"
  ! cmp -s "$tmp/t.p" "$work/.tovrelcnc/t.nc" || fail "t.nc still holds p.nc's program"
  cp "$work/.tovrelcnc/t.nc" "$tmp/t.x"
  press F1 Down Down F4
  wait_for 10 file_has "$tmp/app.log" 'parse file error' || fail "F4 on z.nc was not refused"
  marker
  only_main_shown || fail "$(mapped_windows) windows shown after F4 on z.nc"
  file_has "$work/.tovrelcnc/fileconfig.xml" 'ncfile/x.nc' || fail "the refused z.nc was recorded as the last program"
  cmp -s "$tmp/t.x" "$work/.tovrelcnc/t.nc" || fail "the refused z.nc changed t.nc"
  press F1
  wait_for 10 has_keyboard || fail "the keyboard did not come back after the refused load"
  only_main_shown || fail "$(mapped_windows) windows shown in the browser"
}

# The scratch programs replace links instead of writing through them.
seed_ownlinks() {
  cp "$work/ncfile/0003.nc" "$tmp/0003.before"
  ln -s ../ncfile/0003.nc "$work/.tovrelcnc/k.nc"
  ln -s ../ncfile/0003.nc "$work/.tovrelcnc/l.nc"
}

plain_file() { [ -f "$1" ] && [ ! -L "$1" ]; }
road_ownlinks() {
  press F2 Right Home
  wait_for 10 test ! -L "$work/.tovrelcnc/k.nc" || fail "adding a part left k.nc a link"
  press F3
  local f
  for f in k.nc l.nc; do
    wait_for 5 plain_file "$work/.tovrelcnc/$f" || fail ".tovrelcnc/$f is not a plain file"
  done
  cmp -s "$tmp/0003.before" "$work/ncfile/0003.nc" || fail "ncfile/0003.nc was written through a link"
}

# The key row at the bottom of the window (Esc to F5, whose keys no page
# greys out by itself) and the key pad, as text: tells the pages apart.
row() { win_region $ROW_AREA; }
row_is_not() { [ "$(row)" != "$1" ]; }
# A key that changes nothing (Shift), returning once the program has taken
# it from the window system; it is taken only when the program is free to.
marker() {
  local w before main_before
  w="$(xdotool getwindowfocus 2>/dev/null)"
  before="$(user_time "$w")"
  main_before="$(user_time "$main")"
  xdotool key shift
  poll 30 0.01 marker_taken "$w" "$before" "$main_before" || fail "the program did not take the Shift key"
}
marker_taken() { key_taken "$1" "$2" || key_taken "$main" "$3"; }
# Opens the pages of the keys $@ from the top menu and goes back: a page
# shown for the first time may be drawn a little apart from later showings.
warm_up() {
  press "$@"
  local k
  for k in "$@"; do
    press Escape
  done
}
# What a reading command ($@) shows once the screen has stopped changing:
# a page is drawn a moment after it is switched to (icons when first shown).
# The screen has stopped changing when two looks 200 ms apart agree.
steady() {
  local a b
  b="$("$@")"
  for _ in $(seq 1 40); do
    sleep 0.2
    a="$("$@")"
    [ "$a" = "$b" ] && break
    b="$a"
  done
  echo "$b"
}
row_is() { [ "$(row)" = "$1" ]; }
pad() { win_region $PAD_AREA; }
pad_is() { [ "$(pad)" = "$1" ]; }
# The row becomes $1 and stays so for 200 ms: a key handled late would
# change it (a wait on time itself).
row_settles() {
  wait_for 5 row_is "$1" || return 1
  sleep 0.2
  row_is "$1"
}
# Goes back to the top menu, whose key row is $top_row, with $1 Escapes
# (one more for each page on the way), past the click lock of the last.
to_top() {
  local escapes=(Escape)
  [ "${1:-1}" -ge 2 ] && escapes=(Escape Escape)
  xdotool key --delay 60 "${escapes[@]}"
  wait_for 5 row_is "$top_row" || fail "Escape did not lead back to the top menu"
  lock_passes
}

# Two page keys typed within 100 ms act once, 100 ms or more apart twice,
# judged by when they were typed: $1 the delays that act once, $2 those that
# act twice, 20 rounds each.
lock_rounds() {
  local once="$1" twice="$2" d r
  local file_row browser_row
  warm_up F1 F1
  top_row="$(steady row)"
  press F1
  file_row="$(steady row)"
  press F1
  browser_row="$(steady row)"
  to_top 2
  for d in $once; do
    xdotool key --delay "$d" F1 F1
    row_settles "$file_row" || fail "F1 F1 at $d ms (round 1) did not stop on the file page"
    to_top 1
    # Rounds 2 to 20 in one go, each back to the top menu with Escape: a
    # round that opened the browser leaves every later one a page deeper.
    # Their keys are 150 ms apart, past the click lock.
    rounds 19 key --delay "$d" F1 F1 sleep 0.15 key Escape sleep 0.15
    row_settles "$top_row" && only_main_shown || fail "F1 F1 at $d ms: a round of 20 opened the browser"
    echo "F1 F1 at $d ms: 20 rounds as expected"
  done
  for d in $twice; do
    for r in $(seq 1 20); do
      xdotool key --delay "$d" F1 F1
      wait_for 5 row_is "$browser_row" || fail "F1 F1 at $d ms (round $r) did not open the browser"
      to_top 2
    done
    echo "F1 F1 at $d ms: 20 rounds as expected"
  done
}
# xdotool's command chain $2... repeated $1 times, in one run.
rounds() {
  local n="$1" chain=()
  shift
  for _ in $(seq 1 "$n"); do
    chain+=("$@")
  done
  xdotool "${chain[@]}"
}

road_lockfast() { lock_rounds "10 30" ""; }
road_lockslow() { lock_rounds "60 90" ""; }
road_lockopen() { lock_rounds "" "130 200"; }
# The same while two other processes keep two cores busy.
road_lockload() {
  for _ in 1 2; do
    (while :; do :; done) &
    hogs+=($!)
  done
  lock_rounds "30" "200"
  kill_own "${hogs[@]}"
  hogs=()
}

# Esc, which acts on its press, still takes the lock: a page key right after
# it does not act.
road_escf1() {
  warm_up F1
  warm_up F3
  top_row="$(steady row)"
  press F1
  local file_row config_row
  file_row="$(steady row)"
  to_top 1
  press F3
  config_row="$(steady row)"
  to_top 1
  # Round 1 alone, rounds 2 to 10 in one go: a round whose F1 acted leaves
  # the next one's F3 on the file page (its copy page).
  xdotool key F3
  wait_for 5 row_is "$config_row" || fail "F3 did not open the configuration page"
  lock_passes
  xdotool key --delay 30 Escape F1
  row_settles "$top_row" || fail "Escape F1 at 30 ms (round 1): F1 acted"
  lock_passes
  # Their keys 150 ms apart, past the click lock.
  rounds 9 key F3 sleep 0.15 key --delay 30 Escape F1 sleep 0.15
  row_settles "$top_row" && only_main_shown || fail "Escape F1 at 30 ms: F1 acted in a round of 10"
  local r
  for r in $(seq 1 10); do
    xdotool key F3
    wait_for 5 row_is "$config_row" || fail "F3 did not open the configuration page"
    lock_passes
    xdotool key --delay 200 Escape F1
    wait_for 5 row_is "$file_row" || fail "Escape F1 at 200 ms (round $r): F1 did not act"
    to_top 1
  done
}

# The editor's save and save-as keys: the second within 100 ms does not act.
road_editorlock() {
  press F1 F2
  xdotool key --delay 30 F3 F4
  marker
  not_shown '保存文件' || fail "F3 F4 at 30 ms (round 1) opened the save dialog"
  lock_passes
  # Rounds 200 ms apart, past the click lock.
  rounds 9 key --delay 30 F3 F4 sleep 0.2
  marker
  not_shown '保存文件' || fail "F3 F4 at 30 ms opened the save dialog in a round of 10"
  local r
  for r in $(seq 1 10); do
    xdotool key --delay 200 F3 F4
    wait_for 5 has_focus '保存文件' || fail "F3 F4 at 200 ms (round $r) opened no save dialog"
    xdotool key Escape
    wait_for 5 not_shown '保存文件' || fail "Escape did not close the save dialog"
    wait_for 5 has_keyboard || fail "the keyboard did not come back from the save dialog"
    lock_passes
  done
}

# A key typed while the box its press brought up is opening answers it.
road_jogbox() {
  warm_up F6
  top_row="$(steady row)"
  press F6
  local d r
  for d in 1 5 20; do
    for r in $(seq 1 5); do
      xdotool key --delay "$d" Up Return
      wait_for 4 only_main_shown || fail "Up Return at $d ms (round $r) left $(mapped_windows) windows shown"
      wait_for 5 has_keyboard || fail "the keyboard did not come back after Up Return at $d ms"
      lock_passes
    done
  done
  xdotool key Escape
  wait_for 5 row_is "$top_row" || fail "the step page did not answer Escape after the notices"
}

# A long program: the reload's height question comes late, and the keys typed
# meanwhile answer it and then act on the page.
seed_long() {
  # The sanitizer build reads a third of it as slowly as the other build
  # reads all of it.
  local records=29000
  case "$bin" in *asan*) records=10000 ;; esac
  awk -v n="$records" 'BEGIN { for (i = 0; i < n; i++) printf "G01 X1 Y%d\n", i % 2 }' >"$work/ncfile/long.nc"
  printf '<FileConfig>\n  <File filename="./ncfile/long.nc"/>\n</FileConfig>\n' >"$work/.tovrelcnc/fileconfig.xml"
}

road_reloadq() {
  press F1
  local file_row editor_row
  file_row="$(steady row)"
  local visit
  for visit in 1 2; do
    press F2
    wait_for 20 row_is_not "$file_row" || fail "F2 opened no editor"
    editor_row="$(steady row)"
    xdotool key Escape
    wait_for 20 row_is_not "$editor_row" || fail "Escape did not leave the editor"
    file_row="$(steady row)"
  done
  local d r
  for d in 12 50 120 150; do
    for r in 1 2 3; do
      xdotool key --delay "$d" F4 Escape F2
      # Taken once the reload's parse has ended and its question is up.
      marker
      case "$d" in
        12)
          # F2 24 ms after F4: the lock ignores it. Held keys wait 1 s at most:
          # a wait on time itself, past which F2 can no longer act.
          sleep 1.5
          wait_for 20 only_main_shown || fail "F4 Escape F2 at $d ms (round $r) left the height question open"
          row_settles "$file_row" || fail "F4 Escape F2 at $d ms (round $r): F2 acted"
          ;;
        50)
          # F2 100 ms after F4, give or take the timing of the keys sent:
          # the editor opens unless the lock took F2 for a key 99 ms apart.
          wait_for 30 row_is "$editor_row"
          ;;
        *)
          wait_for 30 row_is "$editor_row" || fail "F4 Escape F2 at $d ms (round $r) did not open the editor"
          ;;
      esac
      wait_for 20 only_main_shown || fail "F4 Escape F2 at $d ms (round $r) left the height question open"
      if row_is "$editor_row"; then
        marker
        xdotool key Escape
        wait_for 20 row_is "$file_row" || fail "Escape did not leave the editor after round $r at $d ms"
        marker
      fi
      wait_for 5 has_keyboard || fail "the keyboard did not come back after round $r at $d ms"
    done
  done
}

# A key handed on from the queue brings up a box (a write refused by the file
# size limit): the key typed after it answers the box, and the page stays.
road_libbox() {
  press F2 Right Home
  # Boxes of refused writes, if any, are up once the next key is taken.
  marker
  answer_dialogs Return 5
  local lib_row
  lib_row="$(steady row)"
  xdotool key --delay 1 F8 Escape Tab Tab Tab Tab Tab 2 0 Return Escape
  wait_for 2 only_main_shown || fail "the box of the refused write stayed open: $(visible_titles)"
  row_settles "$lib_row" || fail "the library page is no longer shown"
}

# A jog key held in inch mode brings up the no-card notice, which takes its
# release: the pad still answers afterwards.
road_inchhold() {
  press F6 F5
  local slow_pad
  slow_pad="$(steady pad)"
  press F7
  # Held past the key repeat's start: a wait on time itself.
  xdotool keydown Up
  sleep 1.5
  xdotool keyup Up
  wait_for 5 has_focus '^Brenlo$' || fail "the held Up brought up no notice"
  xdotool key Return
  wait_for 5 only_main_shown || fail "Return did not answer the notice"
  wait_for 5 has_keyboard || fail "the keyboard did not come back from the notice"
  xdotool key Down
  wait_for 5 has_focus '^Brenlo$' || fail "Down brought up no notice: the pad does not answer"
  xdotool key Return
  wait_for 5 only_main_shown || fail "Return did not answer the second notice"
  wait_for 5 has_keyboard || fail "the keyboard did not come back from the second notice"
  press F6 F5
  wait_for 5 pad_is "$slow_pad" || fail "a jog key stayed grey or down after the notices"
}

# Each entering of the copy page's list starts at its first entry.
road_copyagain() {
  mkdir -p "$work/tgt"
  local first
  first="$(cd "$work/ncfile" && ls | LC_ALL=C sort -f | head -n 1)"
  press F1 F3
  choose_folder F1 '选择源文件夹' "$work/ncfile"
  press F2 Down Down Escape F3
  choose_folder F1 '选择源文件夹' "$work/ncfile"
  choose_folder F5 '选择目标文件夹' "$work/tgt"
  press F2 space F4
  marker
  answer_dialogs Return 5
  wait_for 5 folder_filled "$work/tgt" || fail "F2 Space F4 copied nothing"
  [ "$(ls "$work/tgt")" = "$first" ] || fail "F2 Space copied '$(ls "$work/tgt" | tr '\n' ' ')', not the first entry $first"
}
folder_filled() { [ -n "$(ls "$1")" ]; }
choose_folder() {
  xdotool key "$1"
  wait_for 10 has_focus "$2" || fail "$1 gave the keyboard to no chooser"
  xdotool type "$3"
  xdotool key Return
  wait_for 10 not_shown "$2" || fail "Return did not close the chooser"
  wait_for 10 has_keyboard || fail "the keyboard did not come back from the chooser"
  lock_passes
}

# A program the load refuses leaves the one loaded before current on every
# road that reads the current program afterwards, even when the refused file
# has become readable meanwhile: t.nc, the plot, the list, the title and
# Start stay those of 0003.nc. ncfile/big.nc sorts right after 0003.nc.
seed_refused() {
  yes 'G01 X1 Y0' | head -n 30001 >"$work/ncfile/big.nc"
}

# The program-line list and the plot of the top page, once drawn.
program_region() { echo "$(win_region $LINES_AREA)$(win_region $PLOT_AREA)"; }
# It stays so for 300 ms (time itself: the screen is drawn by parts).
settled_program() {
  local a
  a="$(program_region)"
  sleep 0.3
  [ "$(program_region)" = "$a" ]
}

refuse_big() {
  cp "$work/.tovrelcnc/t.nc" "$tmp/t.before"
  # On the file page the list's timer, once a second, takes the highlighted
  # row as the start line, drawn on the plot: the picture to keep is that of
  # after a visit. A wait on the timer's time: the plot may not change.
  press F1
  sleep 1.5
  press Escape
  wait_for 10 settled_program || fail "the program screen does not settle"
  program_screen="$(program_region)"
  press F1 F1 Down F4
  wait_for 10 file_has "$tmp/app.log" 'File too long!' || fail "big.nc was not refused"
  wait_for 10 has_keyboard || fail "the keyboard did not come back after the refusal"
  cp "$work/ncfile/int_bracket.nc" "$work/ncfile/big.nc"
}

still_0003() {
  cmp -s "$tmp/t.before" "$work/.tovrelcnc/t.nc" || fail "t.nc is no longer 0003.nc's"
  xdotool getwindowname "$main" | grep -q -- '- ./ncfile/0003.nc$' ||
    fail "the title names $(xdotool getwindowname "$main")"
  [ "$(dialogs_shown)" -eq 0 ] || fail "a box is shown"
}

# The program screen of the top page, the Start key of the cutting page.
still_armed() {
  wait_for 10 settled_program || fail "the program screen does not settle"
  [ "$(program_region)" = "$program_screen" ] || fail "the list or the plot is no longer 0003.nc's"
  press F9 F9
  wait_for 10 has_focus '^Brenlo$' || fail "F9 F9 gave no no-card box: Start is not armed"
  xdotool key Return
  wait_for 10 has_keyboard || fail "the keyboard did not come back from the notice"
}

road_refusedbrowser() {
  refuse_big
  press F1 Escape Escape
  still_0003
  still_armed
}

road_refusedlibrary() {
  refuse_big
  press Escape F2 Escape
  still_0003
  still_armed
}

road_refusededitor() {
  refuse_big
  press F1 F3 Escape Escape
  still_0003
  still_armed
}

# The file page's editor and reload after a refusal work on 0003.nc.
road_refusedfile() {
  refuse_big
  press F2
  marker
  only_main_shown || fail "F2 showed $(mapped_windows) windows"
  press Escape F4
  wait_for 10 shown_times '^THC$' 1 || fail "F4 reloaded nothing: no question about the height"
  xdotool key Escape
  wait_for 10 has_keyboard || fail "the keyboard did not come back from the question"
  still_0003
}

# thcconfig.xml a named pipe at the start, config.xml one made while the
# program runs: the start does not wait; a speed saved is refused at once and
# told in a box, the next key closes it, and the pipes stay. The file page's
# reload, with fileconfig.xml a pipe too, does not wait either.
make_pipe() { rm -f "$work/$1" && mkfifo "$work/$1" || fail "cannot make $1 a pipe"; }
seed_configpipe() { make_pipe ravok/.tovrelcnc/thcconfig.xml; }

still_pipes() {
  local f
  for f in "$@"; do
    [ -p "$work/$f" ] || fail "$f is no longer a pipe"
  done
}

road_configpipe() {
  make_pipe .tovrelcnc/config.xml
  open_speed_dialog
  xdotool key alt+1
  xdotool type 2500
  xdotool key Return
  wait_for 5 shown '^Brenlo$' || fail "the failed save was not told"
  key_within 100 Return no_box
  wait_for 10 has_keyboard || fail "the keyboard did not come back from the box"
  still_pipes .tovrelcnc/config.xml ravok/.tovrelcnc/thcconfig.xml
  make_pipe .tovrelcnc/fileconfig.xml
  press Escape F1
  key_within 1000 F4 shown_times '^THC$' 1
  xdotool key Escape
  wait_for 10 has_keyboard || fail "the keyboard did not come back from the question"
  still_pipes .tovrelcnc/config.xml .tovrelcnc/fileconfig.xml ravok/.tovrelcnc/thcconfig.xml
}

# A last program named by 60,000 characters: the message line shortens it
# in a few measured steps, so the window comes up at once.
seed_longname() {
  printf '<FileConfig>\n  <File filename="./ncfile/%s.nc"/>\n</FileConfig>\n' "$(head -c 60000 /dev/zero | tr '\0' x)" \
    >"$work/.tovrelcnc/fileconfig.xml"
}

road_longname() {
  local long_ms="$started_ms"
  # The same start with a short name, on this machine under today's load.
  stop_program
  printf '<FileConfig>\n  <File filename="./ncfile/0003.nc"/>\n</FileConfig>\n' >"$work/.tovrelcnc/fileconfig.xml"
  started_at="$(date +%s%N)"
  start_program
  started_ms=$((($(date +%s%N) - started_at) / 1000000))
  local limit_ms=$((3 * started_ms))
  [ "$limit_ms" -lt 1000 ] && limit_ms=1000
  [ "$long_ms" -le "$limit_ms" ] || fail "the window came after $long_ms ms (with a short name $started_ms ms)"
  echo "window after $long_ms ms (with a short name $started_ms ms)"
}

# The browser's preview passes over a program longer than the table and a
# file over the read cap at an operator's pace: no box, and the list ends
# three entries on.
seed_previewlong() {
  yes 'G01 X1 Y0' | head -n 30001 >"$work/ncfile/a30k.nc"
  truncate -s 65M "$work/ncfile/b65m.nc"
}

road_previewlong() {
  press F1 F1 F5
  burst Down Down Down
  marker
  only_main_shown || fail "$(mapped_windows) windows shown after Down Down Down"
  [ "$(field_text)" = dec_plate_kerf.nc ] || fail "the list ends on '$(field_text)'"
}

# The library form's change with no part placed: no box, the key pad as the
# form's own field left it, and its keys back with the selection key.
road_libnopart() {
  press F2
  local pad
  pad="$(steady pad)"
  type_taken Tab
  local blank
  blank="$(steady pad)"
  burst 1 2 Return
  marker
  only_main_shown || fail "$(mapped_windows) windows shown after Tab 12 Return"
  [ "$(steady pad)" = "$blank" ] || fail "the change altered the key pad"
  press F5
  wait_for 5 pad_is "$pad" || fail "F5 did not bring the key pad's keys back"
}

# A press of the mouse at $1 $2 of the main window (the top left corner of
# its inside is 0 0).
press_at() { xdotool mousemove $((win_x + $1)) $((win_y + $2)) click 1; }
press_plot() { press_at $PLOT; }
# (and further xdotool steps $3...)
move_to() { xdotool mousemove $((win_x + $1)) $((win_y + $2)) "${@:3}"; }
move_off() { xdotool mousemove $OFF_WINDOW; }

# Types the key $2 and waits for the condition $3...; fails the road unless
# it holds within $1 ms of the key. The screen is looked at every 10 ms.
key_within() {
  local limit="$1" k="$2" t0 ms
  shift 2
  t0="$(now_us)"
  xdotool key "$k"
  poll 5 0.01 "$@" || fail "$k: no effect within 5 s"
  ms=$((($(now_us) - t0) / 1000))
  [ "$ms" -le "$limit" ] || fail "$k took $ms ms to act (at most $limit)"
  echo "$k: $ms ms"
}
page_left() { row_is_not "$page_row"; }
no_box() { not_shown '^Brenlo$'; }
# Moves the pointer to the no-card notice's 确定 (the notice stands where
# the toolkit centres it).
to_notice_ok() {
  local notice X Y WIDTH HEIGHT SCREEN WINDOW
  notice="$(xdotool search --onlyvisible --name '^Brenlo$' | head -n 1)"
  [ -n "$notice" ] || fail "no notice to click"
  eval "$(xdotool getwindowgeometry --shell "$notice")"
  set -- $NOTICE_OK
  xdotool mousemove $((X + $1)) $((Y + $2))
}
click_notice_ok() { to_notice_ok; xdotool click 1; }

# A press on the page behind the no-card notice: the notice keeps the
# keyboard, and the keys answer it at once; the page's keys do not act.
road_boxpress() {
  warm_up F6
  press F6
  local step_row r
  step_row="$(steady row)"
  for r in 1 2 3; do
    xdotool key Up
    wait_for 5 has_focus '^Brenlo$' || fail "Up brought up no notice (round $r)"
    press_plot
    key_within 300 Escape no_box
    row_settles "$step_row" || fail "Escape after a press on the plot (round $r) left the step page"
  done
  for r in 1 2 3 4 5; do
    xdotool key Up
    wait_for 5 has_focus '^Brenlo$' || fail "Up brought up no notice (round $r)"
    # The Esc key of the key row.
    press_at $KEY_ESC
    key_within 300 Return no_box
    row_settles "$step_row" || fail "Return after a press on the Esc key (round $r) left the step page"
  done
  for r in 1 2 3; do
    xdotool key Up
    wait_for 5 has_focus '^Brenlo$' || fail "Up brought up no notice (round $r)"
    press_plot
    xdotool key --delay 30 F6 Down
    marker
    shown_times '^Brenlo$' 1 || fail "F6 Down behind the notice (round $r): $(visible_titles)"
    key_within 300 Return no_box
    row_settles "$step_row" || fail "F6 Down behind the notice (round $r) left the step page"
  done
}

# The browser's folder chooser stays open without holding the keyboard: once
# the operator has pressed the page, every key acts on the pages at once.
road_chooserpress() {
  local title='选择本地文件夹' k
  warm_up F1 F1
  warm_up F3
  press F1 F1
  xdotool key F1
  wait_for 10 has_focus "$title" || fail "F1 gave the keyboard to no chooser"
  # The browser's list.
  press_at $BROWSER_LIST
  wait_for 5 has_keyboard || fail "the press on the list did not give the page the keyboard"
  for k in Escape Escape F1 Escape F3; do
    # Read once drawn; the click lock has passed by then.
    page_row="$(steady row)"
    key_within 400 "$k" page_left
  done
  shown "$title" || fail "the chooser was closed"
}

# A dialog shown without blocking, the plot beside it pressed: Esc leaves
# the page at once. $1 the keys to the page, $2 the dialog's key, $3 its
# title, $4 where the press lands.
dialog_pressed() {
  press $1
  page_row="$(steady row)"
  xdotool key "$2"
  wait_for 10 has_focus "$3" || fail "$2 gave the keyboard to no dialog $3"
  press_at $4
  wait_for 5 has_keyboard || fail "the press beside $3 did not give the page the keyboard"
  lock_passes
  key_within 400 Escape page_left
  lock_passes
}

road_dialogpress() {
  warm_up F3
  warm_up F2
  warm_up F9 F6
  top_row="$(steady row)"
  dialog_pressed F3 F1 '参数设置' "$PLOT_LOW"
  row_settles "$top_row" || fail "Escape left the configuration page for another than the top menu"
  dialog_pressed F2 F8 '步长设置' "$PLOT_LOW"
  row_settles "$top_row" || fail "Escape left the library page for another than the top menu"
  dialog_pressed "F9 F6" F4 '定点移动' "$PLOT_LOW"
  to_top 1
}

# The keyboard is on a window of the program, not on the screen's root.
focus_ours() {
  local f
  f="$(xdotool getwindowfocus 2>/dev/null)" || return 1
  [ "$(xdotool getwindowpid "$f" 2>/dev/null)" = "$app" ]
}
# It stays there for a while: $1 looks, 30 ms apart (a wait on time itself).
focus_stays_ours() {
  local n
  for n in $(seq 1 "$1"); do
    focus_ours || return 1
    sleep 0.03
  done
}

# A dialog the operator left by a press beside it, then closed by a click on
# its own button, whose press and release come in one millisecond: the
# keyboard is back on a window of the program at once. $1 the dialog's title,
# $2 where the press beside it lands, $3 its button (window points).
click_closes() {
  press_at $2
  wait_for 5 has_keyboard || fail "the press beside $1 did not give the page the keyboard"
  press_at $3
  wait_for 5 not_shown "$1" || fail "the click on the button of $1 did not close it"
  focus_stays_ours 10 || fail "once $1 closed the keyboard was on $(xdotool getwindowfocus 2>/dev/null), no window of the program"
}

# The same from its opening: $1 the keys to the page, $2 the dialog's key,
# $3 $4 $5 as above; then Escape leaves the page within 400 ms.
dialog_clicked() {
  press $1
  xdotool key "$2"
  wait_for 10 has_focus "$3" || fail "$2 gave the keyboard to no dialog $3"
  page_row="$(row)"
  click_closes "$3" "$4" "$5"
  key_within 400 Escape page_left
}

road_dialogclick() {
  local r speed config_row
  warm_up F3
  warm_up F2
  warm_up F9 F6
  top_row="$(steady row)"
  press F3
  config_row="$(steady row)"
  to_top 1
  for r in 1 2 3 4 5 6 7 8 9 10 11 12; do
    press F3 F2
    wait_for 10 has_focus '参数设置' || fail "F2 gave the keyboard to no speed dialog (round $r)"
    if [ "$r" -le 6 ]; then
      click_closes '参数设置' "$PLOT" "$SPEED_CANCEL"
    else
      speed=$((1900 + r))
      xdotool type "$speed"
      click_closes '参数设置' "$PLOT" "$SPEED_OK"
      wait_for 5 file_has "$work/.tovrelcnc/config.xml" "cutspeed=\"$speed\"" || fail "确定 did not keep $speed in config.xml"
    fi
    page_row="$config_row"
    key_within 400 Escape page_left
    row_settles "$top_row" || fail "Escape after the speed dialog's click (round $r) did not lead to the top menu"
    lock_passes
  done
  dialog_clicked F2 F8 '步长设置' "$PLOT_LOW" "$STEP_BUTTON"
  row_settles "$top_row" || fail "Escape after the step dialog's click did not lead to the top menu"
  lock_passes
  dialog_clicked "F9 F6" F4 '定点移动' "$PLOT_LOW" "$MOVE_BUTTON"
  to_top 1
  dialog_clicked "F1 F1" F1 '选择本地文件夹' "$BROWSER_LIST" "$CHOOSER_BUTTON"
  to_top 1
  # A dialog left standing over the top menu, closed by a click, the pointer
  # then moved off the window: the keys still reach the program.
  press F3 F2
  wait_for 10 has_focus '参数设置' || fail "F2 gave the keyboard to no speed dialog"
  press_plot
  wait_for 5 has_keyboard || fail "the press beside the speed dialog did not give the page the keyboard"
  page_row="$config_row"
  key_within 400 Escape page_left
  row_settles "$top_row" || fail "Escape beside the speed dialog did not lead to the top menu"
  press_at $SPEED_CANCEL
  wait_for 5 not_shown '参数设置' || fail "the click on 取消 did not close the speed dialog"
  move_off
  page_row="$top_row"
  key_within 400 F1 page_left
}

seed_stopclick() {
  printf 'G01 X100 Y0\nG01 X100 Y100\n' >"$work/ncfile/c.nc"
  printf '<FileConfig>\n  <File filename="./ncfile/c.nc"/>\n</FileConfig>\n' >"$work/.tovrelcnc/fileconfig.xml"
  # Plasma; an arc start that waits 30 s for its answer, so Stop is what
  # ends it.
  sed -i -e 's/<Mode mode="[0-9]"/<Mode mode="2"/' -e 's/ YH="[0-9.]*"/ YH="30"/' "$work/.tovrelcnc/config.xml"
}

lines_of() { grep -cF -- "$1" "$tmp/app.log" 2>/dev/null; }
lines_grew() { [ "$(lines_of "$1")" -gt "$2" ]; }

# Stop after a dialog closed by a click: the arc start runs on the cutting
# page with the speed dialog left over it, the dialog's 取消 is clicked, and
# F10 ends the arc start at once.
road_stopclick() {
  local r started ended off esc_live
  warm_up F3
  warm_up F9
  top_row="$(steady row)"
  # The Esc key as a page shows it enabled.
  press F3
  esc_live="$(steady win_region $ESC_AREA)"
  to_top 1
  for r in 1 2 3 4; do
    press F3 F2
    wait_for 10 has_focus '参数设置' || fail "F2 gave the keyboard to no speed dialog (round $r)"
    press_plot
    wait_for 5 has_keyboard || fail "the press beside the speed dialog did not give the page the keyboard"
    xdotool key Escape
    wait_for 5 row_is "$top_row" || fail "Escape beside the speed dialog did not lead to the top menu (round $r)"
    lock_passes
    started="$(lines_of 'DLZ YH start...')"
    press F9 F9 F9
    wait_for 5 lines_grew 'DLZ YH start...' "$started" || fail "F9 F9 F9 started no arc (round $r)"
    shown '参数设置' || fail "the speed dialog was not left standing (round $r)"
    press_at $SPEED_CANCEL
    wait_for 5 not_shown '参数设置' || fail "the click on 取消 did not close the speed dialog (round $r)"
    ended="$(lines_of 'DLZ YH  end..')"
    key_within 100 F10 lines_grew 'DLZ YH  end..' "$ended"
    # Stop again switches the arc off; once the torch has risen the page's
    # Esc is enabled and leads back.
    off="$(lines_of 'DLZ off...')"
    press F10
    wait_for 5 lines_grew 'DLZ off...' "$off" || fail "the second F10 did not switch the arc off (round $r)"
    wait_for 5 win_region_is "$esc_live" $ESC_AREA || fail "the cutting page's Esc stayed disabled after the arc went off (round $r)"
    xdotool key Escape
    wait_for 5 row_is "$top_row" || fail "Escape did not leave the cutting page (round $r)"
    lock_passes
  done
}

# The configuration dialog whose key is $1 (F1-F6 on its page): the
# window's size tells them apart, as the title (参数设置) does not.
cfg_dialog_of() {
  local k size
  size="$(xwininfo -id "$1" 2>/dev/null | awk '/^ +Width:/ {w = $2} /^ +Height:/ {h = $2} END {print w "x" h}')"
  for k in "${!CFG_SIZE[@]}"; do
    [ "${CFG_SIZE[$k]}" = "$size" ] && echo "$k" && return 0
  done
  echo "?"
}
cfg_has_keyboard() {
  local f
  f="$(xdotool getwindowfocus 2>/dev/null)" || return 1
  [ "$(cfg_dialog_of "$f")" = "$1" ]
}
# Opens the configuration page from the top menu, and names its key row.
cfg_page() {
  press F3
  cfg_row="$(steady row)"
}
# Back on the configuration page: 基本参数's 确定 leads to the top menu.
to_cfg_page() {
  [ "$(steady row)" = "$cfg_row" ] && return 0
  press F3
  wait_for 5 row_is "$cfg_row" || fail "F3 did not lead back to the configuration page"
}
# No configuration dialog is shown.
no_cfg_dialog() { not_shown '参数设置'; }
# Opens the configuration dialog of the key $1 on its page.
open_cfg() {
  press "$1"
  wait_for 5 cfg_has_keyboard "$1" || fail "$1 gave the keyboard to no ${CFG_NAME[$1]} dialog: $(visible_titles)"
}
# The value config.xml keeps for the first field of the dialog $1, and the
# one of its two values that it does not hold now.
cfg_value() {
  set -- ${CFG_FIELD[$1]}
  sed -n "s/.*<$1 \([^>]* \)\?$2=\"\([^\"]*\)\".*/\2/p" "$work/.tovrelcnc/config.xml"
}
cfg_holds() { [ "$(cfg_value "$1")" = "$2" ]; }
cfg_new_value() {
  local v now
  now="$(cfg_value "$1")"
  for v in ${CFG_VALUES[$1]}; do
    [ "$v" != "$now" ] && echo "$v" && return 0
  done
}
# config.xml as $tmp/config.before with the first field of the dialog $1
# set to $2, and the test that it reads so.
cfg_expected() {
  set -- ${CFG_FIELD[$1]} "$2"
  sed "s/\(<$1 \([^>]* \)\?$2=\"\)[^\"]*\"/\1$3\"/" "$tmp/config.before"
}
config_reads() { cmp -s "$1" "$work/.tovrelcnc/config.xml"; }
config_change() {
  diff "$tmp/config.before" "$work/.tovrelcnc/config.xml" | sed -n 's/^\([<>]\) *\(.*\)/\1 \2/p' | tr '\n' ' '
}
# Types the characters of $1 one key each, then the keys $2...
type_value() {
  local keys
  read -ra keys <<<"$(sed 's/./& /g' <<<"$1")"
  burst "${keys[@]}" "${@:2}"
}

# The topmost window of the program that is shown: xwininfo lists the
# root's children top first.
top_window() {
  local w
  for w in $(xwininfo -root -children 2>/dev/null | awk '/^ +0x/ {print $1}'); do
    if xwininfo -id "$w" 2>/dev/null | grep -q 'Map State: IsViewable'; then
      echo $((w))
      return 0
    fi
  done
}

# Two configuration dialogs, each made once, opened one after the other
# with a press on the page beside the first: the second has the keyboard,
# stands on top of every window of the program, and the value typed goes
# into it alone. Then the first is closed by a click on its 取消 and changes
# nothing.
cfg_pair() {
  local a="$1" b="$2" v focus top problems=""
  open_cfg "$a"
  press_at $PAGE_LEFT
  wait_for 5 has_keyboard || fail "the press beside ${CFG_NAME[$a]} did not give the page the keyboard"
  lock_passes
  open_cfg "$b"
  focus="$(xdotool getwindowfocus)"
  top="$(top_window)"
  [ "$top" = "$focus" ] ||
    problems="${CFG_NAME[$(cfg_dialog_of "$focus")]} has the keyboard, ${CFG_NAME[$(cfg_dialog_of "$top")]} stands on top; "
  cp "$work/.tovrelcnc/config.xml" "$tmp/config.before"
  v="$(cfg_new_value "$b")"
  cfg_expected "$b" "$v" >"$tmp/config.expected"
  type_value "$v" Return
  if ! wait_for 5 config_reads "$tmp/config.expected" || [ -n "$problems" ]; then
    fail "$a ${CFG_NAME[$a]}, a press beside it, $b ${CFG_NAME[$b]}: ${problems}typed $v Return, config.xml changed: $(config_change)"
  fi
  wait_for 5 not_shown_times '参数设置' 2 || fail "Return left ${CFG_NAME[$b]} open"
  wait_for 5 has_keyboard || fail "the keyboard did not come back from ${CFG_NAME[$b]}"
  press_at $CFG_CANCEL_X "${CFG_BUTTONS_Y[$a]}"
  wait_for 5 no_cfg_dialog || fail "a click on its 取消 did not close ${CFG_NAME[$a]}"
  wait_for 5 has_keyboard || fail "the keyboard did not come back from ${CFG_NAME[$a]}"
  config_reads "$tmp/config.expected" || fail "取消 on ${CFG_NAME[$a]} changed config.xml: $(config_change)"
  lock_passes
  to_cfg_page
}
not_shown_times() { [ "$(xdotool search --onlyvisible --name "$1" 2>/dev/null | wc -l)" -lt "$2" ]; }

road_cfgstack() {
  local k pair
  cfg_page
  # Each dialog made once, F1 first: a dialog made later stands higher.
  for k in F1 F2 F3 F4 F5 F6; do
    open_cfg "$k"
    xdotool key Escape
    wait_for 5 no_cfg_dialog || fail "Escape did not close ${CFG_NAME[$k]}"
    wait_for 5 has_keyboard || fail "the keyboard did not come back from ${CFG_NAME[$k]}"
    lock_passes
  done
  # Both orders of pairs in which each dialog is made before and after the
  # other, large over small and small over large.
  for pair in "F1 F2" "F2 F1" "F3 F4" "F4 F3" "F5 F6" "F6 F5" "F1 F4" "F4 F1" "F2 F6" "F6 F2" "F3 F5" "F5 F3"; do
    cfg_pair $pair
    echo "$pair: the second on top and alone changed"
  done
}

# Sleeps until the clock reads $1 (microseconds), if it does not yet.
sleep_until() {
  local left=$(($1 - $(now_us)))
  [ "$left" -gt 0 ] && sleep "$(printf '%d.%06d' $((left / 1000000)) $((left % 1000000)))"
  return 0
}

# The configuration dialog of the key $1, standing, is left by a press on the
# plot beside it; then its key at x $2 is clicked, held $3 ms as a hand holds
# it, the press coming $4 s after the one beside. The start and the hold are
# the times under test.
cfg_held_click() {
  local t0
  press_at $PLOT_LOW
  t0="$(now_us)"
  wait_for 5 has_keyboard || fail "the press beside ${CFG_NAME[$1]} did not give the page the keyboard"
  local after
  LC_ALL=C printf -v after '%.0f' "${4}e6"
  sleep_until $((t0 + after))
  # The hand goes to the key and presses it.
  move_to "$2" "${CFG_BUTTONS_Y[$1]}" mousedown 1
  [ "$3" -eq 0 ] || sleep "$(printf '0.%03d' "$3")"
  xdotool mouseup 1
}

# Each configuration dialog, left by a press on the plot beside it, then
# closed by a click on its 取消 held 0 to 300 ms, starting 0.1 to 0.6 s after
# that press: it closes every time. A value typed, so left, and 确定 clicked
# so is kept.
road_cfghold() {
  local k hold start v i=0
  cfg_page
  for k in F1 F2 F3 F4 F5 F6; do
    for hold in 0 50 100 150 300; do
      start="0.$((1 + i % 6))"
      i=$((i + 1))
      open_cfg "$k"
      cfg_held_click "$k" "$CFG_CANCEL_X" "$hold" "$start"
      wait_for 3 no_cfg_dialog ||
        fail "$k ${CFG_NAME[$k]}: its 取消 held $hold ms, $start s after a press beside it, left it open"
      wait_for 5 has_keyboard || fail "the keyboard did not come back from ${CFG_NAME[$k]}"
      lock_passes
    done
    start="0.$((1 + i % 6))"
    i=$((i + 1))
    open_cfg "$k"
    v="$(cfg_new_value "$k")"
    type_value "$v"
    marker
    cfg_held_click "$k" "$CFG_OK_X" 150 "$start"
    wait_for 3 no_cfg_dialog ||
      fail "$k ${CFG_NAME[$k]}: its 确定 held 150 ms, $start s after a press beside it, left it open"
    wait_for 3 cfg_holds "$k" "$v" ||
      fail "$k ${CFG_NAME[$k]}: $v typed and 确定 clicked left ${CFG_FIELD[$k]#* }=\"$(cfg_value "$k")\" in config.xml"
    wait_for 5 has_keyboard || fail "the keyboard did not come back from ${CFG_NAME[$k]}"
    lock_passes
    to_cfg_page
    echo "$k ${CFG_NAME[$k]}: closed by every held click, $v kept"
  done
}

# Pressed with the mouse at the point $1, then Up (the no-card notice opens),
# the mouse let go while the notice stands, the notice answered by Return.
released_behind_notice() {
  move_to ${!1} mousedown 1
  xdotool key Up
  wait_for 5 has_focus '^Brenlo$' || { xdotool mouseup 1; fail "Up with $1 held brought up no notice"; }
  xdotool mouseup 1
  xdotool key Return
  wait_for 5 no_box || fail "Return did not answer the notice"
  wait_for 5 has_keyboard || fail "the keyboard did not come back from the notice"
  move_off
}

# Nothing acts behind a box: the jog page's 微动 and 快速 boxes pressed with
# the mouse, the no-card notice brought up by Up and the mouse let go while
# it stands leave the key row as it was (慢速 checked, 加速 and 减速
# enabled); a key of the arrow pad so pressed comes up.
road_jogrelease() {
  local keys pad point
  local -A label=([JOG_INCH]="F7 微动" [JOG_FAST]="F6 快速")
  warm_up F6
  press F6
  move_off
  keys="$(steady win_region $KEYS_AREA)"
  pad="$(steady pad)"
  for point in JOG_INCH JOG_FAST; do
    released_behind_notice "$point"
    [ "$(steady win_region $KEYS_AREA)" = "$keys" ] ||
      fail "the ${label[$point]} box pressed with the mouse, Up, released behind the no-card notice, Return: the key row changed (the jog method)"
    lock_passes
  done
  released_behind_notice PAD_UP
  wait_for 5 pad_is "$pad" || fail "the pad's up key pressed, Up, released behind the notice: it stayed down"
}

# A window titled $1 other than the window $2 is shown.
shown_anew() {
  local w
  for w in $(xdotool search --onlyvisible --name "$1" 2>/dev/null); do
    [ "$w" != "$2" ] && return 0
  done
  return 1
}
# The window titled $1 that is $2 pixels high or less (a box over a dialog
# that bears the dialog's title).
small_window() {
  local w HEIGHT X Y WIDTH SCREEN WINDOW
  for w in $(xdotool search --onlyvisible --name "$1" 2>/dev/null); do
    eval "$(xdotool getwindowgeometry --shell "$w")"
    [ "$HEIGHT" -le "$2" ] && echo "$w" && return 0
  done
  return 1
}
focus_is() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]; }

# Clicks the point $2 $3 of the window $1 (from its top left corner) and
# types the key $4 $5 microseconds after the click's release: the gap under
# test, timed by the test extension itself.
click_then_key() {
  local X Y WIDTH HEIGHT SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$1")"
  xdotool mousemove $((X + $2)) $((Y + $3))
  "$bin/xseq" down up "wait=$5" "key=$4" || fail "xseq could not send the click and $4"
}

# A key typed 0 to 2 ms after the click that closes a box acts: the no-card
# notice closed by its 确定 and Up shows it again; the 目录未找到 box over the
# browser's folder chooser closed so and Escape closes the chooser.
road_closegap() {
  if [ ! -x "$bin/xseq" ]; then
    echo "skipped: no xseq (built only with the X test extension's headers)"
    exit 77
  fi
  local gap r notice box title='选择本地文件夹'
  warm_up F6
  top_row="$(steady row)"
  press F6
  for gap in 0 500 1000 2000; do
    for r in 1 2 3; do
      xdotool key Up
      wait_for 5 has_focus '^Brenlo$' || fail "Up brought up no notice (round $r at $gap µs)"
      notice="$(xdotool getwindowfocus)"
      lock_passes
      click_then_key "$notice" $NOTICE_OK Up "$gap"
      wait_for 2 shown_anew '^Brenlo$' "$notice" ||
        fail "the no-card notice closed by a click on its 确定, Up $gap µs later (round $r): Up did not act"
      xdotool key Return
      wait_for 5 no_box || fail "Return did not answer the notice"
      wait_for 5 has_keyboard || fail "the keyboard did not come back from the notice"
      lock_passes
    done
  done
  echo "Up acted after every click on the notice's 确定"
  move_off
  to_top 1
  press F1 F1 F1
  wait_for 10 has_focus "$title" || fail "F1 gave the keyboard to no chooser"
  for gap in 0 500 1000 2000; do
    for r in 1 2; do
      xdotool type zz
      xdotool key Return
      wait_for 5 small_window "$title" 200 >/dev/null || fail "no box about the folder zz"
      box="$(small_window "$title" 200)"
      wait_for 5 focus_is "$box" || fail "the box about zz has no keyboard"
      click_then_key "$box" $DIR_BOX_OK Escape "$gap"
      wait_for 2 not_shown "$title" ||
        fail "the 目录未找到 box closed by a click on its 确定, Escape $gap µs later (round $r): Escape did not act"
      wait_for 5 has_keyboard ||
        fail "once the chooser closed (Escape $gap µs after the click, round $r) the keyboard was on $(xdotool getwindowfocus 2>/dev/null) $(xdotool getwindowfocus getwindowname 2>/dev/null)"
      lock_passes
      move_off
      xdotool key F1
      wait_for 10 has_focus "$title" || fail "F1 gave the keyboard to no chooser"
    done
  done
  xdotool key Escape
  echo "Escape acted after every click on the box's 确定"
}

# A key of the pad pressed with the mouse opens the no-card notice; its
# release comes while the notice stands and still lifts the key. A notice
# clicked the moment it shows gives the keyboard back all the same. Then the
# click lock after clicks.
road_mouseclicks() {
  local r before
  warm_up F6
  top_row="$(steady row)"
  press F6
  local step_row
  step_row="$(steady row)"
  before="$(steady pad)"
  for r in 1 2 3; do
    move_to $PAD_UP
    xdotool mousedown 1
    wait_for 5 has_focus '^Brenlo$' || fail "the pad's Up key brought up no notice (round $r)"
    xdotool mouseup 1
    key_within 300 Return no_box
    wait_for 5 pad_is "$before" || fail "the pad's Up key stayed down after its release behind the notice (round $r)"
  done
  for r in 1 2 3 4 5 6 7 8; do
    xdotool key Up
    wait_for 5 shown '^Brenlo$' || fail "Up brought up no notice (round $r)"
    click_notice_ok
    wait_for 5 no_box || fail "the click on the notice's 确定 did not close it (round $r)"
    focus_stays_ours 5 || fail "once the notice closed the keyboard was on no window of the program (round $r)"
    page_row="$step_row"
    lock_passes
  done
  move_off
  page_row="$step_row"
  key_within 400 Escape page_left
  row_settles "$top_row" || fail "Escape did not lead from the step page to the top menu"
  lock_passes
  click_lock_rounds
}

# The click lock holds after a click as after a key: the top menu's F1
# clicked, then the F1 key or a second click 30 ms later leave the file page
# shown; 200 ms later they open the browser. Clicks as a press and a release,
# with nothing waited after them.
click_lock_rounds() {
  local file_row browser_row gap second
  warm_up F1 F1
  press F1
  file_row="$(steady row)"
  press F1
  browser_row="$(steady row)"
  to_top 2
  for gap in 0.03 0.2; do
    for second in key click; do
      move_to $KEY_F1
      # The gap under test.
      if [ "$second" = key ]; then
        xdotool mousedown 1 mouseup 1 sleep "$gap" key F1
      else
        xdotool mousedown 1 mouseup 1 sleep "$gap" mousedown 1 mouseup 1
      fi
      move_off
      if [ "$gap" = 0.03 ]; then
        row_settles "$file_row" || fail "F1 clicked, then the F1 $second $gap s later, did not stay on the file page"
        # Still so 300 ms on: a wait on time itself.
        sleep 0.3
        row_is "$file_row" || fail "F1 clicked, then the F1 $second $gap s later, left the file page"
        to_top 1
      else
        row_settles "$browser_row" || fail "F1 clicked, then the F1 $second $gap s later, did not open the browser"
        to_top 2
      fi
    done
  done
}

start_display
seed_folder
seed="$(sed -n 's/.* seed=\([a-z]*\).*/\1/p' <<<"$traits")"
[ -z "$seed" ] || "seed_$seed"
started_at="$(date +%s%N)"
start_program
started_ms=$((($(date +%s%N) - started_at) / 1000000))
"road_$road"
stop_program
echo "road $road passed"
