# Keys on the pages at an operator's pace and faster: random keys, the keys
# typed right after the one that opens a dialog, the mode and plate keys,
# a page key and Esc together, the copy page's list entered again, the
# library form changed with no part placed.

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
  local mark
  press F1 F2
  wait_for 10 test -s "$work/.tovrelcnc/e.nc" || fail "the editor wrote no e.nc"
  cp "$work/.tovrelcnc/e.nc" "$tmp/e.before"
  mark="$(typed_mark)"
  burst F7 Escape
  marker
  wait_for 10 not_shown '比例缩放' || fail "F7 Escape left the scale dialog open"
  wait_for 10 has_keyboard || fail "F7 Escape left the keyboard off the window"
  cmp -s "$tmp/e.before" "$work/.tovrelcnc/e.nc" || fail "F7 Escape changed the working copy"
  # The second F7 is a click of the page's key row as the first was: the
  # click lock refuses it within 100 ms of that one, by the typed times, and
  # a quiet machine gets here in less.
  lock_passes
  press F7
  if [ -n "$typist" ]; then
    typed_gap "$mark" "press F7" "press F7"
    lock_lets "$typed_ms" || fail "the second F7 was typed $typed_ms ms after the first: the click lock refuses it"
  fi
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

# Random input with the mouse beside the keys, at a seeded RANDOM: keys,
# clicks of each button held a moment at random points of the window, wheel
# steps, a second button pressed while one is held, keys typed while a button
# is held. The program lives through it, and afterwards, every dialog
# answered and the top menu reached by Escape, its keys act. The sanitizer
# build reports nothing (stop_program reads the console).
road_mouseburst() {
  local keys=(Escape F1 F2 F3 F4 F5 F6 F7 F8 F9 F10 Up Down Left Right Home End Prior Next Return Tab space
    0 1 2 5 9)
  RANDOM="${KEYROAD_SEED:-6605}"
  # Left most often, then right, then middle; a hold by right or middle.
  local clicked=(1 1 1 3 3 2) holders=(3 2)
  local sent=0 chunk step x y b c hold clicks=0 wheels=0 chords=0
  while [ $sent -lt 360 ]; do
    chunk=()
    for step in $(seq 1 12); do
      x=$((win_x + RANDOM % 1024))
      y=$((win_y + RANDOM % 748))
      printf -v hold '0.%02d' $((RANDOM % 15))
      c=$((RANDOM % 20))
      if [ $c -lt 9 ]; then
        chunk+=(key "${keys[RANDOM % ${#keys[@]}]}")
      elif [ $c -lt 14 ]; then
        b="${clicked[RANDOM % ${#clicked[@]}]}"
        chunk+=(mousemove "$x" "$y" mousedown "$b" sleep "$hold" mouseup "$b")
        clicks=$((clicks + 1))
      elif [ $c -lt 17 ]; then
        chunk+=(mousemove "$x" "$y" click "$((4 + RANDOM % 2))")
        wheels=$((wheels + 1))
      elif [ $c -lt 19 ]; then
        b="${holders[RANDOM % ${#holders[@]}]}"
        chunk+=(mousemove "$x" "$y" mousedown "$b" sleep "$hold" key "${keys[RANDOM % ${#keys[@]}]}"
          mousedown 1 sleep "$hold" mouseup 1 mouseup "$b")
        chords=$((chords + 1))
      else
        chunk+=(mousemove "$x" "$y" mousedown 1 sleep "$hold" key "${keys[RANDOM % ${#keys[@]}]}" mouseup 1)
        clicks=$((clicks + 1))
      fi
    done
    xdotool "${chunk[@]}" sleep 0.03
    sent=$((sent + 12))
    kill -0 "$app" 2>/dev/null || fail "the program ended after $sent steps, the last ones: ${chunk[*]}"
  done
  move_off
  marker
  echo "$sent steps: $clicks clicks, $wheels wheel steps, $chords second buttons pressed during a hold"
  # Back to the top menu by keys alone: every dialog that has the keyboard
  # answered, every page left, until Escape changes nothing. A dialog may stand over the
  # page, left without the keyboard, as dialogs do. The random input may
  # have switched what the keys show (看钢板, 看零件), so the top menu is
  # known by its Escape leading nowhere.
  local before top
  for _ in 1 2 3 4 5 6 7 8; do
    answer_dialogs Escape 1
    before="$(steady row)"
    xdotool key Escape
    lock_passes
    [ "$(steady row)" = "$before" ] && break
  done
  wait_for 5 has_keyboard ||
    fail "the keyboard did not come back to the main window after the random input ($(visible_titles))"
  top="$(steady row)"
  key_acts F3 row_is_not "$top"
  row_settles "$(row)" || fail "F3 after the random input did not lead to one page"
  lock_passes
  key_acts Escape row_is "$top"
  row_settles "$top" || fail "Escape from the configuration page did not lead back to the top menu alone"
}
