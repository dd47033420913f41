# Boxes and dialogs that keys open and answer: the no-card notice, a
# chooser's own box, a file dialog's completion list, the copy page's
# question, keys typed while a box opens (the jog page's notice, the
# reload's height question on a long program, a refused library write), and
# a jog key held in inch mode.

road_notice() {
  press F9 F9
  wait_for 10 has_focus '^Brenlo$' || fail "F9 F9 gave the keyboard to no notice"
  xdotool key Return
  wait_for 10 not_shown '^Brenlo$' || fail "Return did not close the notice"
  wait_for 10 has_keyboard || fail "the keyboard did not come back from the notice"
  press Escape
  set_cut_speed 1500
}

# A box the toolkit shows over a chooser gives the keyboard back to it. The
# box bears the chooser's title, so the two are told apart by their number.
# A key typed the moment the chooser closes acts on the page.
road_chooser() {
  local title='选择本地文件夹' mark apart
  press F1 F1
  mark="$(typed_mark)"
  xdotool key F1
  wait_for 10 has_focus "$title" || fail "F1 gave the keyboard to no chooser"
  xdotool type zz
  xdotool key Return
  wait_for 10 shown_times "$title" 2 || fail "no box about the folder zz"
  wait_for 10 has_focus "$title" || fail "the box about zz has no keyboard"
  xdotool key Return
  wait_for 10 shown_times "$title" 1 || fail "Return did not close the box about zz"
  wait_for 10 has_focus "$title" || fail "the chooser did not get the keyboard back from the box"
  # The F1 after the chooser is a click of the same key row as the F1 that
  # opened it: the click lock refuses it within 100 ms of that one, by the
  # typed times, and a quiet machine gets this far in less. The lock passes
  # before the Escape, so that the F1 still comes right after it.
  lock_passes
  xdotool key Escape
  wait_for 10 not_shown "$title" || fail "Escape did not close the chooser"
  wait_for 10 has_keyboard || fail "the keyboard did not come back from the chooser"
  xdotool key F1
  wait_for 10 has_focus "$title" || fail "F1 did not act on the file page after the chooser"
  if [ -n "$typist" ]; then
    typed_gap "$mark" "press F1" "press F1"
    apart=$typed_ms
    lock_lets "$apart" || fail "F1 acted though typed $apart ms after the F1 before it: the click lock let it through"
    typed_gap "$mark" "press Escape" "press F1"
    echo "F1 typed $typed_ms ms after the Escape that closed the chooser ($apart ms after the F1 that opened it): acted"
  fi
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

# A key typed while the box its press brought up is opening answers it.
road_jogbox() {
  warm_up F6
  top_row="$(steady row)"
  press F6
  local d r
  for d in 1 5 20; do
    for r in $(seq 1 5); do
      xdotool key --delay "$d" Up Return
      wait_for 5 only_main_shown || fail "Up Return at $d ms (round $r) left $(mapped_windows) windows shown"
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
  need_typed_times
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
  # F2 24 ms after F4: the lock ignores it; 100 ms after, give or take:
  # either side; 240 and 300 ms after: it acts.
  lock_series 3 under "F4 Escape F2" reload_round 12
  lock_series 3 either "F4 Escape F2" reload_round 50
  lock_series 3 over "F4 Escape F2" reload_round 120
  lock_series 3 over "F4 Escape F2" reload_round 150
}
# F4 Escape F2 on the file page, asked $1 ms apart: F4 reloads, Escape
# answers the height question once it comes, and F2 opens the editor if it
# was typed 100 ms or more after F4. Back to the file page after.
reload_round() {
  local mark
  mark="$(typed_mark)"
  xdotool key --delay "$1" F4 Escape F2
  # Taken once the reload's parse has ended and its question is up.
  marker
  typed_gap "$mark" "press F4" "press F2"
  local what="F4 Escape F2, F2 typed $typed_ms ms after F4 (asked $1 ms apart, round $r)"
  if lock_lets "$typed_ms"; then
    wait_for 30 row_is "$editor_row" || fail "$what: F2 did not open the editor"
  else
    # Held keys wait 1 s at most: a wait on time itself, past which F2 can
    # no longer act.
    sleep 1.5
    wait_for 20 only_main_shown || fail "$what left the height question open"
    row_settles "$file_row" || fail "$what: F2 acted"
  fi
  wait_for 20 only_main_shown || fail "$what left the height question open"
  if row_is "$editor_row"; then
    marker
    xdotool key Escape
    wait_for 20 row_is "$file_row" || fail "Escape did not leave the editor after $what"
    marker
  fi
  wait_for 5 has_keyboard || fail "the keyboard did not come back after $what"
  lock_passes
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
  wait_for 5 only_main_shown || fail "the box of the refused write stayed open: $(visible_titles)"
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
