# The click lock: a page's key typed less than 100 ms after the one that
# acted does nothing; 100 ms or more after, it acts. Every pair is judged by
# its typed times (lib.sh), whatever pace xdotool was asked for.

# Two F1s from the top menu: the first opens the file page, the second the
# browser unless the lock stops it. $1 the delays asked for pairs meant to
# come under 100 ms apart, $2 those meant to come over, 20 rounds each.
lock_rounds() {
  local under="$1" over="$2" d
  local top_row file_row browser_row
  need_typed_times
  warm_up F1 F1
  top_row="$(steady row)"
  press F1
  file_row="$(steady row)"
  press F1
  browser_row="$(steady row)"
  to_top 2
  for d in $under; do
    lock_series 20 under "F1 F1" f1f1_round "$d"
  done
  for d in $over; do
    lock_series 20 over "F1 F1" f1f1_round "$d"
  done
}
# F1 F1 asked $1 ms apart, back to the top menu after.
f1f1_round() {
  type_pair "$1" F1 F1
  if lock_lets "$typed_ms"; then
    wait_for 5 row_is "$browser_row" ||
      fail "F1 F1 typed $typed_ms ms apart (asked $1 ms, round $r): the second did not open the browser"
    to_top 2
  else
    # The file page, which Escape leaves for the top menu; from the browser,
    # had the second F1 acted however late, it would lead to the file page.
    if ! wait_for 5 row_is "$file_row"; then
      row_is "$browser_row" && fail "F1 F1 typed $typed_ms ms apart (asked $1 ms, round $r): the second opened the browser"
      fail "F1 F1 typed $typed_ms ms apart (asked $1 ms, round $r): the first did not open the file page"
    fi
    xdotool key Escape
    wait_for 5 row_is "$top_row" ||
      fail "F1 F1 typed $typed_ms ms apart (asked $1 ms, round $r): the second acted (Escape led elsewhere than the top menu)"
    lock_passes
  fi
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
  local top_row file_row config_row
  need_typed_times
  warm_up F1
  warm_up F3
  top_row="$(steady row)"
  press F1
  file_row="$(steady row)"
  to_top 1
  press F3
  config_row="$(steady row)"
  to_top 1
  lock_series 10 under "Escape F1" escf1_round 30
  lock_series 10 over "Escape F1" escf1_round 200
}
# From the top menu, F3 to the configuration page, then Escape F1 asked $1 ms
# apart: Escape leads back to the top menu, and F1 opens the file page
# unless the lock stops it. Back to the top menu after.
escf1_round() {
  xdotool key F3
  wait_for 5 row_is "$config_row" || fail "F3 did not open the configuration page"
  lock_passes
  type_pair "$1" Escape F1
  if lock_lets "$typed_ms"; then
    wait_for 5 row_is "$file_row" || fail "Escape F1 typed $typed_ms ms apart (asked $1 ms, round $r): F1 did not act"
    to_top 1
  else
    row_settles "$top_row" || fail "Escape F1 typed $typed_ms ms apart (asked $1 ms, round $r): F1 acted"
    lock_passes
  fi
}

# The editor's save and save-as keys: the second within 100 ms does not act.
road_editorlock() {
  need_typed_times
  press F1 F2
  lock_series 10 under "F3 F4" editor_round 30
  lock_series 10 over "F3 F4" editor_round 200
}
# F3 F4 asked $1 ms apart: the file is saved, and the save dialog opens
# unless the lock stops F4; it is closed again.
editor_round() {
  type_pair "$1" F3 F4
  if lock_lets "$typed_ms"; then
    wait_for 5 has_focus '保存文件' ||
      fail "F3 F4 typed $typed_ms ms apart (asked $1 ms, round $r) opened no save dialog"
    xdotool key Escape
    wait_for 5 not_shown '保存文件' || fail "Escape did not close the save dialog"
    wait_for 5 has_keyboard || fail "the keyboard did not come back from the save dialog"
  else
    marker
    not_shown '保存文件' || fail "F3 F4 typed $typed_ms ms apart (asked $1 ms, round $r) opened the save dialog"
  fi
  lock_passes
}

# The click lock holds after a click as after a key: the top menu's F1
# clicked, then the F1 key or a second click 30 ms later leave the file page
# shown; 200 ms later they open the browser. A click is stamped by its
# release; clicks as a press and a release, with nothing waited after them.
click_lock_rounds() {
  local file_row browser_row gap second
  need_typed_times
  warm_up F1 F1
  press F1
  file_row="$(steady row)"
  press F1
  browser_row="$(steady row)"
  to_top 2
  for gap in 0.03 0.2; do
    for second in key click; do
      lock_round "$([ "$gap" = 0.03 ] && echo under || echo over)" "F1 clicked, then the F1 $second $gap s later" \
        click_round "$gap" "$second"
    done
  done
  lock_report "F1 clicked, then the F1 key or a click"
}
# The F1 key clicked, then after $1 s the F1 $2 (key or click).
click_round() {
  local mark second="press F1"
  move_to $KEY_F1
  mark="$(typed_mark)"
  # The gap under test.
  if [ "$2" = key ]; then
    xdotool mousedown 1 mouseup 1 sleep "$1" key F1
  else
    xdotool mousedown 1 mouseup 1 sleep "$1" mousedown 1 mouseup 1
    second="release Button1"
  fi
  move_off
  typed_gap "$mark" "release Button1" "$second"
  if lock_lets "$typed_ms"; then
    row_settles "$browser_row" ||
      fail "F1 clicked, then the F1 $2 typed $typed_ms ms later (asked $1 s), did not open the browser"
    to_top 2
  else
    row_settles "$file_row" ||
      fail "F1 clicked, then the F1 $2 typed $typed_ms ms later (asked $1 s), did not stay on the file page"
    # Still so 300 ms on: a wait on time itself.
    sleep 0.3
    row_is "$file_row" || fail "F1 clicked, then the F1 $2 typed $typed_ms ms later (asked $1 s), left the file page"
    to_top 1
  fi
}
