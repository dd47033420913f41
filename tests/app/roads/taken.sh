# A press held with the mouse while a key takes away what it pressed: the
# key closes its dialog, hides its page or opens a box over it, and the
# hand lets go afterwards. The press ends without acting: no value saved, no
# page switched behind another, no program loaded, no switch toggled, the
# drawing and the selection as they were; and the keys act after it. Each
# road first runs its keys without the hold, and compares.

# A hand presses the point $1 $2 of the main window and holds it.
hold_at() {
  hold_mark=""
  [ -n "$typist" ] && hold_mark="$(typed_mark)"
  move_to "$1" "$2" mousedown 1
  sleep 0.2
}

# The hand lets go, no sooner than 300 ms after the clock read $1, when the
# key $2 was typed; returns once the program has had the release, with the
# pointer off the window.
let_go() {
  sleep_until $(($1 + 300000))
  xdotool mouseup 1
  marker
  move_off
  held_around "$2"
}

# The typed times show the key $1 between the mouse's press and release;
# tells how long the hand held.
held_around() {
  [ -n "$hold_mark" ] || return 0
  local want="press Button1|press $1|release Button1" a k b
  wait_for 10 typed_found "$hold_mark" "$want" >/dev/null ||
    fail "the typed times show no $1 between the mouse's press and its release: $(tail -n 4 "$tmp/typed" | tr '\n' ' ')"
  read -r a k b <<<"$(typed_found "$hold_mark" "$want")"
  echo "held $(((b - a + 4294967296) % 4294967296)) ms, $1 typed $(((k - a + 4294967296) % 4294967296)) ms into it"
}

# The key $3 typed while the mouse holds the point $1 $2; the hand lets go
# once the key has acted (the condition $4... holds).
key_while_held() {
  local t
  hold_at "$1" "$2"
  t="$(now_us)"
  xdotool key "$3"
  wait_for 5 "${@:4}" || fail "$3, typed with the mouse held at $1 $2, did not act"
  let_go "$t" "$3"
}

# Sets the variable $2 to the key row of the page the top menu's key $1
# leads to; back to the top menu (whose row is $top_row) after.
row_of() {
  press "$1"
  printf -v "$2" '%s' "$(steady row)"
  press Escape
  wait_for 5 row_is "$top_row" || fail "Escape did not lead from $1's page back to the top menu"
}

# The speed dialog's 工作速 given 2500 by a click and keys, not kept yet.
speed_typed() {
  open_cfg F2
  press_at $SPEED_FIELD
  xdotool key ctrl+a 2 5 0 0
  marker
}

# 确定 held while Escape closes the speed dialog: nothing is saved then, as
# with Escape alone. What was typed stays in the dialog: shown again, it
# holds 2500, and the next save (another dialog's 确定) writes it.
road_takenvalue() {
  local status
  move_off
  cp "$work/.tovrelcnc/config.xml" "$tmp/config.before"
  cfg_page
  speed_typed
  xdotool key Escape
  wait_for 5 no_cfg_dialog || fail "Escape did not close the speed dialog"
  wait_for 5 has_keyboard || fail "the keyboard did not come back from the speed dialog"
  status="$(steady win_region $STATUS_AREA)"
  config_reads "$tmp/config.before" || fail "2500 typed and Escape changed config.xml: $(config_change)"
  lock_passes
  speed_typed
  key_while_held $SPEED_OK Escape no_cfg_dialog
  wait_for 5 has_keyboard || fail "the keyboard did not come back from the speed dialog"
  config_reads "$tmp/config.before" ||
    fail "2500 typed, 确定 held, Escape, released: config.xml changed: $(config_change)"
  [ "$(steady win_region $STATUS_AREA)" = "$status" ] ||
    fail "2500 typed, 确定 held, Escape, released: the status line changed"
  lock_passes
  key_acts F2 cfg_has_keyboard F2
  [ "$(field_text)" = 2500 ] || fail "the speed dialog opened again holds '$(field_text)', not the 2500 typed"
  key_acts Escape no_cfg_dialog
  lock_passes
  # Every save writes all dialogs' fields: the flame dialog's 确定 saves
  # the speed left typed.
  cfg_expected F2 2500 >"$tmp/config.expected"
  open_cfg F3
  key_acts Return no_cfg_dialog
  wait_for 5 config_reads "$tmp/config.expected" ||
    fail "the flame dialog's 确定 did not save the 2500 left in the speed dialog: $(config_change)"
  lock_passes
  page_row="$cfg_row"
  key_acts Escape page_left
}

# A page key held while a key switches the page away: the page the key
# showed stays alone, and the keys act on it.
road_takenpages() {
  local file_row lib_row cfg_row
  move_off
  top_row="$(steady row)"
  row_of F1 file_row
  row_of F2 lib_row
  row_of F3 cfg_row
  lock_passes
  key_while_held $KEY_F1 F2 row_is "$lib_row"
  row_settles "$lib_row" || fail "文件操作 held, F2, released: the library page does not show alone (a page behind its keys)"
  key_acts Escape row_is "$top_row"
  row_settles "$top_row" || fail "Escape from the library led elsewhere than the top menu"
  lock_passes
  xdotool key Escape
  marker
  row_settles "$top_row" || fail "Escape on the top menu left it"
  lock_passes
  key_acts F1 row_is "$file_row"
  row_settles "$file_row" || fail "F1 on the top menu did not lead to the file page alone"
  lock_passes
  key_acts Escape row_is "$top_row"
  lock_passes
  key_while_held $KEY_F3 F1 row_is "$file_row"
  row_settles "$file_row" || fail "参数设置 held, F1, released: the file page does not show alone (a page over or behind its keys)"
  key_acts Escape row_is "$top_row"
  row_settles "$top_row" || fail "Escape from the file page led elsewhere than the top menu"
  lock_passes
  key_acts F3 row_is "$cfg_row"
}

# What the program has loaded: the title, the last program's record, t.nc.
loaded_program() {
  xdotool getwindowname "$main"
  cat "$work/.tovrelcnc/fileconfig.xml" 2>/dev/null || echo "no fileconfig.xml"
  md5sum <"$work/.tovrelcnc/t.nc"
}

# The browser's 打开 held while Escape leaves the browser: nothing loads.
road_takenopen() {
  local before file_row mark
  move_off
  top_row="$(steady row)"
  before="$(loaded_program)"
  mark="$(typed_mark)"
  press F1
  start_line_jump "$mark" F1
  file_row="$(steady row)"
  press F1 Down Escape
  wait_for 5 row_is "$file_row" || fail "Escape did not lead from the browser to the file page"
  [ "$(loaded_program)" = "$before" ] || fail "Down Escape in the browser loaded a program"
  lock_passes
  press F1 Down
  key_while_held $KEY_F4 Escape row_is "$file_row"
  row_settles "$file_row" || fail "打开 held, Escape, released: the file page did not stay"
  [ "$(loaded_program)" = "$before" ] ||
    fail "打开 held, Escape, released: a program was loaded: $(xdotool getwindowname "$main"), $(grep -o 'filename="[^"]*"' "$work/.tovrelcnc/fileconfig.xml")"
  lock_passes
  key_acts Escape row_is "$top_row"
}

# The file page's 编辑器 held while Escape leaves the page: the top menu
# shows, not the editor, and its keys act.
road_takeneditor() {
  local file_row program mark
  move_off
  top_row="$(steady row)"
  mark="$(typed_mark)"
  press F1
  file_row="$(steady row)"
  # The file page's list takes its highlighted row as the start line, drawn
  # on the plot, a second after the page shows: the top menu looks so after
  # a visit. The pointer's jump to the torch tells it has.
  start_line_jump "$mark" F1
  press Escape
  wait_for 5 row_is "$top_row" || fail "Escape did not lead from the file page to the top menu"
  program="$(steady program_region)"
  press F1
  key_while_held $KEY_F2 Escape row_is "$top_row"
  row_settles "$top_row" || fail "编辑器 held, Escape, released: the top menu's keys do not show alone (a page behind them)"
  [ "$(steady program_region)" = "$program" ] ||
    fail "编辑器 held, Escape, released: the top menu's list and plot do not show (the editor over them)"
  key_acts F1 row_is "$file_row"
}

# The browser's preview and its check boxes.
browser_look() { echo "$(win_region $PREVIEW_AREA)$(win_region $CHECKS_AREA)"; }

# The browser's 显示补偿 held while Escape leaves the browser: the switch
# keeps its state, and the preview still draws the kerf path.
road_takencomp() {
  local file_row plain look mark
  move_off
  mark="$(typed_mark)"
  press F1
  start_line_jump "$mark" F1
  file_row="$(steady row)"
  press F1 F5
  plain="$(steady win_region $PREVIEW_AREA)"
  press F6
  wait_for 5 win_region_is_not "$plain" $PREVIEW_AREA || fail "F6 did not draw the kerf path in the preview"
  press Escape
  wait_for 5 row_is "$file_row" || fail "Escape did not lead from the browser to the file page"
  press F1
  look="$(steady browser_look)"
  key_while_held $KEY_F6 Escape row_is "$file_row"
  row_settles "$file_row" || fail "显示补偿 held, Escape, released: the file page did not stay"
  lock_passes
  page_row="$file_row"
  key_acts F1 page_left
  [ "$(steady browser_look)" = "$look" ] ||
    fail "显示补偿 held, Escape, released, F1: the browser's preview or check boxes changed (the switch toggled)"
}

# The editor, whose 新建 (F1) is refused: .tovrelcnc/null is a folder.
seed_nulldir() { mkdir "$work/.tovrelcnc/null"; }
# The library, whose added part is refused: .tovrelcnc/k.nc is a folder.
seed_kdir() { mkdir "$work/.tovrelcnc/k.nc"; }

box_shown() { shown '^Brenlo$'; }
# The key $1 brings up the box of a refused write, and Return answers it.
refused() {
  xdotool key "$1"
  wait_for 5 box_shown || fail "$1 brought up no box"
  key_acts Return no_box
  wait_for 5 has_keyboard || fail "the keyboard did not come back from the box"
  lock_passes
}

# The drawing in the area $1 (what it is, $2) is pressed at $3 $4 and held
# while the key $5 brings up a box, let go behind it, and the box answered:
# the drawing has not moved, and the keys act on its page after it.
drawing_held_behind_box() {
  local area="$1" what="$2" x="$3" y="$4" key="$5" drawing page
  page="$(steady row)"
  drawing="$(steady win_region $area)"
  refused "$key"
  [ "$(steady win_region $area)" = "$drawing" ] || fail "$key Return changed the $what"
  key_while_held "$x" "$y" "$key" box_shown
  key_acts Return no_box
  wait_for 5 has_keyboard || fail "the keyboard did not come back from the box"
  [ "$(steady win_region $area)" = "$drawing" ] ||
    fail "the $what pressed, $key (the box), released behind it, Return: it moved"
  lock_passes
  page_row="$page"
  key_acts Escape page_left
}

# Pressed on the editor's drawing and held while F1 brings up a box.
road_takendraw() {
  local mark
  move_off
  mark="$(typed_mark)"
  press F1 F2
  start_line_jump "$mark" F1
  drawing_held_behind_box "$PREVIEW_AREA" "editor's drawing" $EDITOR_DRAWING F1
}

# The same on the library's plate, a part (K1) chosen, Home bringing up the
# box.
road_takenplate() {
  move_off
  press F2 Right
  drawing_held_behind_box "$LIB_PLOT_AREA" "library's plate" $PLOT Home
}

# The editor's first row, selected, pressed again and held while F1 brings
# up a box: let go behind the box, it is still selected, and still drawn
# red.
road_takenrow() {
  local view mark
  move_off
  mark="$(typed_mark)"
  press F1 F2
  start_line_jump "$mark" F1
  press_at $EDITOR_ROW1
  move_off
  view="$(steady win_region $EDITOR_AREA)"
  refused F1
  [ "$(steady win_region $EDITOR_AREA)" = "$view" ] || fail "F1 Return changed the editor's selection or drawing"
  key_while_held $EDITOR_ROW1 F1 box_shown
  key_acts Return no_box
  wait_for 5 has_keyboard || fail "the keyboard did not come back from the box"
  [ "$(steady win_region $EDITOR_AREA)" = "$view" ] ||
    fail "row 1 pressed, F1 (the box), released behind it, Return: the selection or its red line changed"
  lock_passes
  key_acts Down win_region_is_not "$view" $EDITOR_AREA
}

# The browser's folder chooser given a folder that is not there: its box
# (目录未找到) stands; Return closes it, Escape the chooser.
chooser_box() {
  wait_for 10 has_focus '选择本地文件夹' || fail "F1 gave the keyboard to no chooser"
  xdotool type 26
  xdotool key Return
  wait_for 5 small_window '选择本地文件夹' 200 >/dev/null || fail "no box about the folder 26"
}
chooser_closed() {
  xdotool key Return
  wait_for 5 shown_times '选择本地文件夹' 1 || fail "Return did not close the box about 26"
  wait_for 5 has_focus '选择本地文件夹' || fail "the chooser did not get the keyboard back from the box"
  xdotool key Escape
  wait_for 5 not_shown '选择本地文件夹' || fail "Escape did not close the chooser"
  wait_for 5 has_keyboard || fail "the keyboard did not come back from the chooser"
  lock_passes
}

# The browser's 图形预览 held while the chooser's box opens, let go behind
# it: once the box and the chooser have closed, the check box is not drawn
# pressed, and F5 switches the preview.
road_takencheck() {
  local look preview t mark
  move_off
  mark="$(typed_mark)"
  press F1 F1
  start_line_jump "$mark" F1
  look="$(steady browser_look)"
  xdotool key F1
  chooser_box
  chooser_closed
  [ "$(steady browser_look)" = "$look" ] || fail "the chooser and its box changed the browser's preview or check boxes"
  hold_at $KEY_F5
  t="$(now_us)"
  xdotool key F1
  chooser_box
  let_go "$t" F1
  chooser_closed
  [ "$(steady browser_look)" = "$look" ] ||
    fail "图形预览 held, F1 2 6 Return (the box), released behind it: the check box or the preview changed"
  preview="$(win_region $PREVIEW_AREA)"
  key_acts F5 win_region_is_not "$preview" $PREVIEW_AREA
}

# 参数设置 held with the button $1 (the $2 one) while F1 leads to the file
# page, and the left button clicked on the same spot: the toolkit hands the
# click to the key the first button holds, hidden now; it goes instead to
# the key shown there, 复制与删除. Its page alone stands, and the keys act.
second_button_on_hidden_key() {
  move_to $KEY_F3 mousedown "$1"
  sleep 0.2
  xdotool key F1
  wait_for 5 row_is "$file_row" || fail "F1, the $2 button held on 参数设置, did not lead to the file page"
  lock_passes
  xdotool click 1
  wait_for 5 row_is "$copy_row" ||
    fail "the $2 button held on 参数设置, F1, a left click there: 复制与删除 did not act"
  xdotool mouseup "$1"
  marker
  move_off
  row_settles "$copy_row" ||
    fail "the $2 button held on 参数设置, F1, a left click there: the copy page does not show alone"
  key_acts Escape row_is "$file_row"
  row_settles "$file_row" || fail "Escape from the copy page led elsewhere than the file page"
  key_acts Escape row_is "$top_row"
  row_settles "$top_row" || fail "Escape from the file page led elsewhere than the top menu"
  lock_passes
  key_acts F3 row_is "$cfg_row"
  row_settles "$cfg_row" || fail "F3 on the top menu did not lead to the configuration page alone"
  key_acts Escape row_is "$top_row"
  lock_passes
}

# A second button pressed while the first holds a key a page switch hid.
road_takensecond() {
  local file_row cfg_row copy_row
  move_off
  top_row="$(steady row)"
  row_of F1 file_row
  row_of F3 cfg_row
  press F1 F3
  copy_row="$(steady row)"
  press Escape
  wait_for 5 row_is "$file_row" || fail "Escape did not lead from the copy page to the file page"
  press Escape
  wait_for 5 row_is "$top_row" || fail "Escape did not lead from the file page to the top menu"
  lock_passes
  second_button_on_hidden_key 3 right
  second_button_on_hidden_key 2 middle
}
