# The mouse beside boxes and dialogs: a press behind a box or beside a
# dialog leaves the keys acting where the screen shows, a click on a
# dialog's own button gives the keyboard back, a key of the pad pressed
# and released behind a box, and a key typed 0 to 2 ms after the click that
# closes a box.

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
    key_acts Escape no_box
    row_settles "$step_row" || fail "Escape after a press on the plot (round $r) left the step page"
  done
  for r in 1 2 3 4 5; do
    xdotool key Up
    wait_for 5 has_focus '^Brenlo$' || fail "Up brought up no notice (round $r)"
    # The Esc key of the key row.
    press_at $KEY_ESC
    key_acts Return no_box
    row_settles "$step_row" || fail "Return after a press on the Esc key (round $r) left the step page"
  done
  for r in 1 2 3; do
    xdotool key Up
    wait_for 5 has_focus '^Brenlo$' || fail "Up brought up no notice (round $r)"
    press_plot
    xdotool key --delay 30 F6 Down
    marker
    shown_times '^Brenlo$' 1 || fail "F6 Down behind the notice (round $r): $(visible_titles)"
    key_acts Return no_box
    row_settles "$step_row" || fail "F6 Down behind the notice (round $r) left the step page"
  done
}

# The browser's folder chooser stays open without holding the keyboard: once
# the operator has pressed the page, every key acts on the pages at once.
road_chooserpress() {
  local title='选择本地文件夹' k mark
  mark="$(typed_mark)"
  warm_up F1 F1
  warm_up F3
  press F1 F1
  xdotool key F1
  wait_for 10 has_focus "$title" || fail "F1 gave the keyboard to no chooser"
  start_line_jump "$mark" F1
  # The browser's list.
  press_at $BROWSER_LIST
  wait_for 5 has_keyboard || fail "the press on the list did not give the page the keyboard"
  for k in Escape Escape F1 Escape F3; do
    # Read once drawn; the click lock has passed by then.
    page_row="$(steady row)"
    key_acts "$k" page_left
  done
  shown "$title" || fail "the chooser was closed"
}

# A dialog shown without blocking, the plot beside it pressed: Esc leaves
# the page at once. $1 the keys to the page, $2 the dialog's key, $3 its
# title, $4 where the press lands; $5 set when the plot there then sends the
# pointer to the torch: the road goes on once it has.
dialog_pressed() {
  press $1
  page_row="$(steady row)"
  xdotool key "$2"
  wait_for 10 has_focus "$3" || fail "$2 gave the keyboard to no dialog $3"
  press_placed $4 || fail "the press beside $3 landed off the point meant"
  wait_for 5 has_keyboard || fail "the press beside $3 did not give the page the keyboard"
  lock_passes
  key_acts Escape page_left
  [ -z "${5:-}" ] || pointer_jumped_from $4
  lock_passes
}

road_dialogpress() {
  warm_up F3
  warm_up F2
  warm_up F9 F6
  top_row="$(steady row)"
  dialog_pressed F3 F1 '参数设置' "$PLOT_LOW" jumps
  row_settles "$top_row" || fail "Escape left the configuration page for another than the top menu"
  dialog_pressed F2 F8 '步长设置' "$PLOT_LOW"
  row_settles "$top_row" || fail "Escape left the library page for another than the top menu"
  dialog_pressed "F9 F6" F4 '定点移动' "$PLOT_LOW"
  to_top 1
}

# A dialog the operator left by a press beside it, then closed by a click on
# its own button, whose press and release come in one millisecond: the
# keyboard is back on a window of the program at once. $1 the dialog's title,
# $2 where the press beside it lands, $3 its button (window points); $4 set
# when the press beside sends the pointer to the torch: the click waits for
# it, or might land where the pointer was sent.
click_closes() {
  press_at $2
  wait_for 5 has_keyboard || fail "the press beside $1 did not give the page the keyboard"
  [ -z "${4:-}" ] || pointer_jumped_from $2
  press_placed $3 || fail "the click on the button of $1 landed off it"
  wait_for 5 not_shown "$1" || fail "the click on the button of $1 did not close it"
  focus_stays_ours 10 || fail "once $1 closed the keyboard was on $(xdotool getwindowfocus 2>/dev/null), no window of the program"
}

# The same from its opening: $1 the keys to the page, $2 the dialog's key,
# $3 $4 $5 $6 as $1 to $4 above; then Escape leaves the page at once.
dialog_clicked() {
  press $1
  xdotool key "$2"
  wait_for 10 has_focus "$3" || fail "$2 gave the keyboard to no dialog $3"
  page_row="$(row)"
  click_closes "$3" "$4" "$5" "${6:-}"
  key_acts Escape page_left
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
      click_closes '参数设置' "$PLOT" "$SPEED_CANCEL" jumps
    else
      speed=$((1900 + r))
      xdotool type "$speed"
      click_closes '参数设置' "$PLOT" "$SPEED_OK" jumps
      wait_for 5 file_has "$work/.tovrelcnc/config.xml" "cutspeed=\"$speed\"" || fail "确定 did not keep $speed in config.xml"
    fi
    page_row="$config_row"
    key_acts Escape page_left
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
  key_acts Escape page_left
  row_settles "$top_row" || fail "Escape beside the speed dialog did not lead to the top menu"
  pointer_jumped_from $PLOT
  press_placed $SPEED_CANCEL || fail "the click on 取消 landed off it"
  wait_for 5 not_shown '参数设置' || fail "the click on 取消 did not close the speed dialog"
  # 取消 is a key of the program: the click lock holds F1 back after it.
  lock_passes
  move_off
  page_row="$top_row"
  key_acts F1 page_left
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
    pointer_jumped_from $PLOT
    press_placed $SPEED_CANCEL || fail "the click on 取消 landed off it (round $r)"
    wait_for 5 not_shown '参数设置' || fail "the click on 取消 did not close the speed dialog (round $r)"
    ended="$(lines_of 'DLZ YH  end..')"
    key_acts F10 lines_grew 'DLZ YH  end..' "$ended"
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

# Clicks the point $2 $3 of the window $1 (from its top left corner), while
# the pointer stands there (press_where_put), and types the key $4 $5
# microseconds after the click's release: the gap under test, timed by the
# test extension itself. Returns 1, and says why, when the typed times show
# a click that judges nothing (press_judges): the program moved the pointer
# before it had read the press.
click_then_key() {
  local X Y WIDTH HEIGHT SCREEN WINDOW mark
  eval "$(xdotool getwindowgeometry --shell "$1")"
  mark="$(typed_mark)"
  press_where_put $((X + $2)) $((Y + $3)) "$2 $3 of the box" down up "wait=$5" "key=$4"
  press_judges "$mark" $((X + $2)) $((Y + $3)) "$2 $3 of the box"
}

# Runs the round $2... until its click lands where it was meant, at most
# CLOSEGAP_TRIES times: a round whose click judges nothing returns 1 with
# the screen as it found it, and is run again. $1 names the round.
CLOSEGAP_TRIES=8
closegap_resent=0
landed_round() {
  local what="$1" try
  shift
  for try in $(seq 1 "$CLOSEGAP_TRIES"); do
    "$@" && return 0
    closegap_resent=$((closegap_resent + 1))
    echo "$what: the click judged nothing, the round run again"
  done
  fail "$what: run $CLOSEGAP_TRIES times, its click never landed where it was meant"
}

# The notice brought up by Up, closed by a click on its 确定 and Up $1 µs
# later: the second Up brings it up again, and Return answers it. $2 names
# the round.
notice_round() {
  local notice spoiled=0
  xdotool key Up
  wait_for 5 has_focus '^Brenlo$' || fail "Up brought up no notice ($2)"
  notice="$(xdotool getwindowfocus)"
  lock_passes
  if click_then_key "$notice" $NOTICE_OK Up "$1"; then
    wait_for 5 shown_anew '^Brenlo$' "$notice" ||
      fail "the no-card notice closed by a click on its 确定, Up $1 µs later ($2): Up did not act"
  else
    # The notice still stands, or the Up brought up another: either is
    # answered.
    spoiled=1
    typed_marker
    wait_for 5 has_focus '^Brenlo$' || fail "after a click that judged nothing no notice had the keyboard"
  fi
  xdotool key Return
  wait_for 5 no_box || fail "Return did not answer the notice"
  wait_for 5 has_keyboard || fail "the keyboard did not come back from the notice"
  lock_passes
  return "$spoiled"
}

# The chooser, standing with the keyboard, given a folder that is not
# there; its 目录未找到 box closed by a click on its 确定 and Escape $1 µs
# later: Escape closes the chooser. F1 brings the chooser up again for the
# next round. $2 names the round.
chooser_round() {
  local box
  xdotool type zz
  xdotool key Return
  wait_for 5 small_window "$title" 200 >/dev/null || fail "no box about the folder zz"
  box="$(small_window "$title" 200)"
  wait_for 5 focus_is "$box" || fail "the box about zz has no keyboard"
  if ! click_then_key "$box" $DIR_BOX_OK Escape "$1"; then
    chooser_closed_by_keys
    return 1
  fi
  wait_for 5 not_shown "$title" ||
    fail "the 目录未找到 box closed by a click on its 确定, Escape $1 µs later ($2): Escape did not act"
  wait_for 5 has_keyboard ||
    fail "once the chooser closed (Escape $1 µs after the click, $2) the keyboard was on $(xdotool getwindowfocus 2>/dev/null) $(xdotool getwindowfocus getwindowname 2>/dev/null)"
  chooser_again
}
chooser_again() {
  lock_passes
  move_off
  xdotool key F1
  wait_for 10 has_focus "$title" || fail "F1 gave the keyboard to no chooser"
}
# After a click that judged nothing: Escape closes the box and the chooser,
# whichever still stand, and F1 brings the chooser up again.
chooser_closed_by_keys() {
  local n
  typed_marker
  while shown "$title"; do
    n="$(xdotool search --onlyvisible --name "$title" | wc -l)"
    wait_for 5 has_focus "$title" || fail "after a click that judged nothing the keyboard was on $(xdotool getwindowfocus getwindowname 2>/dev/null)"
    xdotool key Escape
    wait_for 5 not_shown_times "$title" "$n" || fail "Escape closed neither the 目录未找到 box nor the chooser"
  done
  wait_for 5 has_keyboard || fail "the keyboard did not come back from the chooser"
  chooser_again
}

# A key typed 0 to 2 ms after the click that closes a box acts: the no-card
# notice closed by its 确定 and Up shows it again; the 目录未找到 box over the
# browser's folder chooser closed so and Escape closes the chooser. The
# program may move the pointer while the road clicks (the file page's start
# line, below): a click is sent only while the pointer stands on the 确定,
# and a round whose click the program read after it moved the pointer
# judges nothing and is run again.
road_closegap() {
  if [ ! -x "$bin/xseq" ]; then
    echo "skipped: no xseq (built only with the X test extension's headers)"
    exit 77
  fi
  need_typed_times
  local gap r mark title='选择本地文件夹'
  warm_up F6
  top_row="$(steady row)"
  press F6
  for gap in 0 500 1000 2000; do
    for r in 1 2 3; do
      landed_round "the notice's 确定, Up $gap µs later (round $r)" notice_round "$gap" "round $r at $gap µs"
    done
  done
  echo "Up acted after every click on the notice's 确定, $closegap_resent rounds run again"
  closegap_resent=0
  move_off
  to_top 1
  mark="$(typed_mark)"
  press F1 F1 F1
  wait_for 10 has_focus "$title" || fail "F1 gave the keyboard to no chooser"
  start_line_jump "$mark" F1
  for gap in 0 500 1000 2000; do
    for r in 1 2; do
      landed_round "the box's 确定, Escape $gap µs later (round $r)" chooser_round "$gap" "round $r"
    done
  done
  xdotool key Escape
  echo "Escape acted after every click on the box's 确定, $closegap_resent rounds run again"
}

# A key of the pad pressed with the mouse opens the no-card notice; its
# release comes while the notice stands and still lifts the key. A notice
# clicked the moment it shows gives the keyboard back all the same. Then the
# click lock after clicks.
road_mouseclicks() {
  local r before
  need_typed_times
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
    key_acts Return no_box
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
  key_acts Escape page_left
  row_settles "$top_row" || fail "Escape did not lead from the step page to the top menu"
  lock_passes
  click_lock_rounds
}
