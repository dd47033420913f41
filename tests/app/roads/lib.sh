# The key roads' helpers: the points of the screen, the road's display and
# its typed times, the program's start and end, the waits, and the reading of
# what the screen shows. Sourced by keyroads.sh, with the roads.

# Points of the main window, named once: x y from the top left corner of
# its inside (press_at presses one, move_to moves the pointer there).
PLOT="550 575"             # the plot, beside every dialog
PLOT_LOW="550 640"         # the plot below every configuration dialog
PAGE_LEFT="60 250"         # the left column, blank on the configuration page
BROWSER_LIST="750 575"     # the browser's list of programs
KEY_ESC="27 715"           # the key row's Esc key
KEY_F1="115 715"           # the key row's F1 key
KEY_F2="220 715"           # and F2 to F6
KEY_F3="352 715"
KEY_F4="430 715"
KEY_F5="535 715"
KEY_F6="640 715"
PAD_UP="129 504"           # the arrow pad's up key
JOG_FAST="617 719"         # the jog page's F6 快速 check box
JOG_INCH="722 719"         # the jog page's F7 微动 check box
SPEED_OK="350 355"         # the speed dialog's 确定 (configuration page, F2)
SPEED_CANCEL="470 355"     # and its 取消
SPEED_FIELD="450 137"      # and its first field, 工作速
EDITOR_DRAWING="250 275"   # the editor's drawing (file page, F2)
EDITOR_ROW1="700 74"       # and the first row of its table
EDITOR_BESIDE="100 275"    # and its drawing, left of its file dialogs
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
PREVIEW_AREA="490 440 5 5" # the browser's preview; the editor's drawing stands there too
PLATE_AREA="260 682 260 0" # the left half of the plot
TABLE_AREA="490 500 260 15" # the editor's table
LINES_AREA="256 258 2 203" # the top page's list of program lines
PLOT_AREA="582 650 260 33" # the top page's plot
STATUS_AREA="880 26 0 3"   # the status line at the top, without the clock
EDITOR_AREA="1000 450 5 5" # the editor's drawing and table
LIB_PLOT_AREA="574 530 263 148" # the library's plate
CHECKS_AREA="204 56 486 688" # the key row's F5 and F6 (the browser's check boxes)

# The road's own folder, its display and its processes, all gone at its end.
begin_road() {
  DISPLAY=""
  tmp="$(mktemp -d "${TMPDIR:-/tmp}/keyroad-$road.XXXXXX")"
  work="$tmp/work"
  app=""
  console=""
  xvfb=""
  typist=""
  main=""
  hogs=()
  trap cleanup EXIT
}

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
  kill_own $app $typist "${hogs[@]}"
  { flock -u 9; } 2>/dev/null
  stop_display
  wait 2>/dev/null
  rm -rf "$tmp"
}

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
  [ -s "$tmp/typed" ] && echo "typed times (last): $(tail -n 8 "$tmp/typed" | tr '\n' ' ')" >&2
  echo "--- program output (last lines)" >&2
  tail -n 40 "$tmp/app.log" >&2 2>/dev/null
  exit 1
}

# Microseconds on the clock.
now_us() { echo "${EPOCHREALTIME/./}"; }

# Sleeps until the clock reads $1 (microseconds), if it does not yet.
sleep_until() {
  local left=$(($1 - $(now_us)))
  [ "$left" -gt 0 ] && sleep "$(printf '%d.%06d' $((left / 1000000)) $((left % 1000000)))"
  return 0
}

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
not_shown_times() { [ "$(xdotool search --onlyvisible --name "$1" 2>/dev/null | wc -l)" -lt "$2" ]; }
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

# The click lock: a page's button ignores a key or click typed less than
# LOCK_MS after the one it acted on, by the typed times. A key the program
# has taken was typed no later than that, so LOCK_MS from then the next one
# acts. A wait on time itself: the lock shows nothing.
LOCK_MS=100
lock_passes() { sleep 0.1; }
# The rule on a pair typed $1 ms apart: the second acts.
lock_lets() { [ "$1" -ge "$LOCK_MS" ]; }
# A pair typed $2 ms apart is on the side $1 of the lock: under, or over
# (LOCK_MS or more); either side is on the side "either".
lock_side_is() {
  if [ "$1" = under ]; then
    [ "$2" -lt "$LOCK_MS" ]
  elif [ "$1" = over ]; then
    lock_lets "$2"
  fi
}

# Sends a round of the click lock with the command $3... until its pair is
# typed on the side of the lock the round is meant for ($1: under or over),
# at most LOCK_TRIES times; $2 names the round. The command sends the pair,
# sets typed_ms to its real gap (typed_gap) and judges the round by the rule
# on that gap, whichever side it came on; it leaves the page as it found it.
LOCK_TRIES=8
lock_gaps=()
lock_resent=0
lock_round() {
  local meant="$1" what="$2" try
  shift 2
  for try in $(seq 1 "$LOCK_TRIES"); do
    "$@"
    lock_gaps+=("$typed_ms")
    lock_side_is "$meant" "$typed_ms" && return 0
    lock_resent=$((lock_resent + 1))
    echo "$what: typed $typed_ms ms apart, not $meant $LOCK_MS ms as meant: judged so, and sent again"
  done
  fail "$what: sent $LOCK_TRIES times, never typed $meant $LOCK_MS ms apart: the road cannot judge what it is for"
}
# $1 rounds of the command $4, each sent $5 ms apart (as asked of xdotool)
# and meant for the side $2 of the lock (lock_round); $3 names them. Tells
# the gaps they were typed at.
lock_series() {
  local n="$1" side="$2" what="$3" round="$4" d="$5" r
  for r in $(seq 1 "$n"); do
    lock_round "$side" "$what asked $d ms apart (round $r)" "$round" "$d"
  done
  lock_report "$what asked $d ms apart"
}
# Tells the gaps of the rounds sent since the last report ($1 names them).
lock_report() {
  local sorted
  mapfile -t sorted < <(printf "%s\n" "${lock_gaps[@]}" | sort -n)
  echo "$1: ${#lock_gaps[@]} pairs judged, typed ${sorted[0]} to ${sorted[-1]} ms apart, $lock_resent sent again"
  lock_gaps=()
  lock_resent=0
}

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
  wait_for 5 clipboard_filled
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

# The typed times: the time the X server stamped on each key press, and on
# each press and release of a mouse button, on the road's display, which is
# the time the program reads from the event; one a line in $tmp/typed
# ("press F1 123456", "release Button1 123500 550 665": a button's line ends
# with the point of the screen it was taken at), recorded by xkeytimes. A
# rule about the time between two keys is judged by these: on a busy machine
# keys asked of xdotool 60 ms apart come stamped 100 ms or more apart.
start_typed_times() {
  [ -x "$bin/xkeytimes" ] || return 0
  "$bin/xkeytimes" >"$tmp/typed" 2>"$tmp/xkeytimes.log" 9>&- &
  typist=$!
  wait_for 10 file_has "$tmp/typed" ready || fail "xkeytimes did not start: $(cat "$tmp/xkeytimes.log")"
}
# A road that judges by the typed times cannot do without them.
need_typed_times() {
  [ -n "$typist" ] && return 0
  echo "skipped: no xkeytimes (built only with the X test extension's headers)"
  exit 77
}
# Where the typed times stand: what is typed next comes after this line.
typed_mark() { wc -l <"$tmp/typed" 2>/dev/null || echo 0; }
# The stamps of the events after the line $1 that match, in order, the
# events $2 joined by | ("press F1|press F1"): the first that matches the
# first, the first after it that matches the second, and so on. Fails
# (prints nothing) until all have come.
typed_found() {
  awk -v from="$1" -v want="$2" '
    BEGIN { n = split(want, w, "|"); i = 1 }
    NR > from && i <= n && $1 " " $2 == w[i] { out = out (i > 1 ? " " : "") $3; i++ }
    END { if (i <= n) exit 1; print out }' "$tmp/typed"
}
# The program has read the first event after the line $1 that matches $2
# ("press Up"): it has stamped a window with the event's time.
typed_read() {
  local t
  t="$(typed_found "$1" "$2")" || return 1
  awk -v from="$1" -v t="$t" '
    NR > from && $1 == "usertime" && $2 == "set" && $3 == t { found = 1; exit }
    END { exit !found }' "$tmp/typed"
}
# Shift, returning once the program has read it, and so all typed before,
# whichever of its windows has the keyboard: a click that closes one window
# and a key that opens another may have moved it.
typed_marker() {
  local mark
  mark="$(typed_mark)"
  xdotool key shift
  wait_for "$HANG_GUARD_S" typed_read "$mark" "press Shift_L" || fail "the program did not read the Shift key"
}
# Sets typed_ms to the time between the events $2 and $3 typed after the
# line $1, as the server stamped them (its clock of milliseconds wraps at
# 2^32).
typed_gap() {
  local want="$2|$3" a b
  wait_for 10 typed_found "$1" "$want" >/dev/null ||
    fail "the server stamped no $2 and $3 after line $1 of the typed times: $(tail -n 4 "$tmp/typed" | tr '\n' ' ')"
  read -r a b <<<"$(typed_found "$1" "$want")"
  typed_ms=$(((b - a + 4294967296) % 4294967296))
}
# Types the keys $2 and $3, asked of xdotool $1 ms apart, and sets typed_ms
# to the time between them as the server stamped them.
type_pair() {
  local mark
  mark="$(typed_mark)"
  xdotool key --delay "$1" "$2" "$3"
  typed_gap "$mark" "press $2" "press $3"
}

seed_folder() {
  TOVREL_BUILD="$bin/.." "$src/scripts/workfolder.sh" "$work" >/dev/null || fail "cannot seed $work"
}

start_program() {
  # The program's console is app.log. Under a file-size limit the program
  # writes it through a pipe to a writer of its own, outside the limit: the
  # limit is for the files it saves, and a console cut at 1 KB would end
  # the program (SIGXFSZ) and lose a sanitizer's report.
  console=""
  if [ "$road" = libbox ]; then
    exec 8> >(exec cat >"$tmp/app.log")
    console=$!
  else
    exec 8>"$tmp/app.log"
  fi
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
    exec 8>&-
    exec "$bin/tovrelcnc"
  ) >&8 2>&1 &
  app=$!
  exec 8>&-
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
  # Every line the program wrote is in app.log.
  [ -z "$console" ] || wait "$console"
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

# A press of the mouse at $1 $2 of the main window (the top left corner of
# its inside is 0 0).
press_at() { xdotool mousemove $((win_x + $1)) $((win_y + $2)) click 1; }
press_plot() { press_at $PLOT; }
# (and further xdotool steps $3...)
move_to() { xdotool mousemove $((win_x + $1)) $((win_y + $2)) "${@:3}"; }
move_off() { xdotool mousemove $OFF_WINDOW; }

# The plot moves the pointer by its own rule: a press on it outside a trail
# mode switches following on, and 500 ms later the pointer goes to the torch
# marker (a press in a trail mode switches following on or off, and moves
# nothing); while following is on, a program loaded sends it there too. A
# road that presses the plot and then elsewhere must not let that jump fall
# between its move and its press, or the press lands on the plot.

# Where the pointer stands on the screen: "x y".
pointer_place() {
  xdotool getmouselocation --shell 2>/dev/null | awk -F= '$1 == "X" {x = $2} $1 == "Y" {y = $2} END {print x " " y}'
}
pointer_is_not() { [ "$(pointer_place)" != "$1 $2" ]; }

# Waits until the pointer, left by a press at the point $1 $2 of the main
# window that sends it to the torch, has gone: the road presses next where
# nothing moves it any more.
pointer_jumped_from() {
  wait_for "$HANG_GUARD_S" pointer_is_not $((win_x + $1)) $((win_y + $2)) ||
    fail "the pointer did not go to the torch within $HANG_GUARD_S s of a press at $1 $2"
}

# The program's moves of the pointer after the line $1 of the typed times,
# one a line: "T X Y", the server's time and the point of the screen. The
# road's own moves come from another client than the program's, the one
# that stamps windows with the time of what it reads.
program_warps() {
  awk -v from="$1" '
    $1 == "usertime" && $2 == "set" { ours[$4] = 1 }
    NR > from && $1 == "warp" && $2 == "pointer" { n++; at[n] = $3 " " $4 " " $5; by[n] = $6 }
    END { for (i = 1; i <= n; i++) if (by[i] in ours) print at[i] }' "$tmp/typed"
}
program_warped() { [ -n "$(program_warps "$1")" ]; }

# A second after the file page shows, its list of program lines hands its
# line on as the start (when it is not the start yet: the first time after
# the program started), and the torch goes there; while the plot is clear
# the pointer goes to the torch, though the file page, the browser or the
# editor covers the plot. A road that presses there, or on a dialog over
# them, waits for that jump first: for a move of the pointer by the program
# since the line $1 of the typed times, taken before the key $2 first
# showed the file page (with no press on a plot since). A plot that is not
# clear (a press in a trail mode switched following off) sends it nowhere:
# the road goes on after HANG_GUARD_S, and says so. Without the typed times
# it waits out the line list's second, and half as long again (a wait on
# the timer's time).
start_line_jump() {
  local jump shown
  if [ -z "$typist" ]; then
    sleep 1.5
    return 0
  fi
  if ! wait_for "$HANG_GUARD_S" program_warped "$1"; then
    echo "the program sent the pointer nowhere within $HANG_GUARD_S s of $2 showing the file page"
    return 0
  fi
  read -r jump <<<"$(program_warps "$1")"
  shown="$(typed_found "$1" "press $2")" || fail "the typed times show no $2 after their line $1"
  echo "the program sent the pointer to ${jump#* } of the screen $(((${jump%% *} - shown + 4294967296) % 4294967296)) ms after $2 first showed the file page: waited for before the mouse"
}

# Presses the point $1 $2 of the main window and lets go $3 ms later (none:
# press and release in one step), while the pointer stands there
# (press_where_put). Returns 1, and says why, when the typed times show a
# press that judges nothing: the program moved the pointer before it had
# read the press (on a busy machine a timer due can come before a press
# waiting to be read; the program cannot keep the pointer under a press it
# does not know of).
press_placed() {
  local x=$((win_x + $1)) y=$((win_y + $2)) hold="${3:-}" mark steps=(down up)
  if [ ! -x "$bin/xseq" ]; then
    if [ -z "$hold" ]; then
      xdotool mousemove "$x" "$y" mousedown 1 mouseup 1
    else
      xdotool mousemove "$x" "$y" mousedown 1
      [ "$hold" -eq 0 ] || sleep "$(printf '%d.%03d' $((hold / 1000)) $((hold % 1000)))"
      xdotool mouseup 1
    fi
    return 0
  fi
  [ -z "$hold" ] || steps=(down "wait=$((hold * 1000))" up)
  mark="$(typed_mark)"
  press_where_put "$x" "$y" "$1 $2 of the window" "${steps[@]}"
  [ -n "$typist" ] || return 0
  press_judges "$mark" "$x" "$y" "$1 $2 of the window"
}
# Sends the steps $4... of xseq, a press first, at the point $1 $2 of the
# screen ($3 names it), only while the pointer stands there: the server
# serves no other program between xseq's look at the pointer and the press.
# Found elsewhere (the program sent it away after the road's move), the
# pointer is moved back, and the road says so.
press_where_put() {
  local x="$1" y="$2" what="$3" try stood
  shift 3
  for try in 1 2 3 4 5; do
    xdotool mousemove "$x" "$y"
    stood="$("$bin/xseq" "at=$x,$y" "$@")" && return 0
    [ -n "$stood" ] || fail "xseq could not send $*"
    echo "the pointer stood at $stood of the screen, not at $what where the road put it: moved back"
  done
  fail "the pointer never stayed at $what where the road put it"
}
# Whether the first press of a button typed after the line $1 of the typed
# times judges what a press at the point $2 $3 of the screen ($4 names it)
# is for: "off X Y" (it landed at X Y), "early X Y" (its program
# sent the pointer to X Y before it read the press), "ok", or "unread" (the
# program has not read it yet).
press_reading() {
  awk -v from="$1" -v at="$2 $3" '
    NR <= from { next }
    !t && $1 == "press" && $2 == "Button1" {
      if ($4 " " $5 != at) { print "off " $4 " " $5; done = 1; exit }
      t = $3; next
    }
    t && $1 == "warp" && $2 == "pointer" { warp[$6] = $4 " " $5; next }
    t && $1 == "usertime" && $2 == "set" && $3 == t {
      print ($4 in warp) ? "early " warp[$4] : "ok"; done = 1; exit
    }
    END { if (!done) print "unread" }' "$tmp/typed"
}
press_read() { [ "$(press_reading "$@")" != unread ]; }
press_judges() {
  local reading
  wait_for "$HANG_GUARD_S" press_read "$1" "$2" "$3"
  reading="$(press_reading "$1" "$2" "$3")"
  case "$reading" in
    off*) echo "the press meant for $4 landed at ${reading#off } of the screen" ;;
    early*) echo "the program sent the pointer to ${reading#early } of the screen before it had read the press at $4" ;;
    *) return 0 ;;
  esac
  return 1
}

# Types the key $1 and waits for the condition $2... to hold: the key acts,
# at once, as the time told shows. The limit only guards against a key that
# waits for ever (behind a pipe, a 30 s arc start, a queue that never hands
# it on): HANG_GUARD_S, over ten times the slowest key of the sanitizer
# build on a busy machine. A key held a whole second for a keyboard that
# did not come fails every road at its end. The screen is looked at every
# 10 ms.
HANG_GUARD_S=10
key_acts() {
  local k="$1" t0 ms
  shift
  t0="$(now_us)"
  xdotool key "$k"
  poll "$HANG_GUARD_S" 0.01 "$@" || fail "$k did not act within $HANG_GUARD_S s"
  ms=$((($(now_us) - t0) / 1000))
  echo "$k: acted after $ms ms"
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
