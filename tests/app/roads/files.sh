# Files and loads: a library program saved, the editor's scale, links in the
# browser and in the program's own folder, a program named in GBK, a refused
# program that leaves the one before it loaded, a last program with a very
# long name, the browser's preview over long files, and a file dialog's
# drop-down lists.

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

# A program an older controller named in GBK (n, then 切) beside the
# template programs: the browser's search finds it by the name it shows, F4
# loads it, and fileconfig.xml records its own bytes, each byte that is not
# UTF-8 as U+F700 + the byte in UTF-8, so the next start loads that file.
seed_gbkname() {
  cp "$src/template/ncfile/int_bracket.nc" "$work/ncfile/n"$'\xc7\xd0'.nc
}

road_gbkname() {
  local found title
  cp "$work/.tovrelcnc/t.nc" "$tmp/t.before"
  press F1 F1 ctrl+a n Return
  found="$(field_text)"
  [ "$found" = "n切.nc" ] || fail "the search for n made '$found' current"
  press F4
  wait_for 10 file_has "$work/.tovrelcnc/fileconfig.xml" $'/ncfile/n\xef\x9f\x87\xef\x9f\x90.nc"' ||
    fail "F4 on n切.nc did not record its bytes: $(xxd "$work/.tovrelcnc/fileconfig.xml" | tail -n 4)"
  title="$(xdotool getwindowname "$main")"
  [[ "$title" == *" - "*"/ncfile/n切.nc" ]] || fail "the title names $title"
  ! cmp -s "$tmp/t.before" "$work/.tovrelcnc/t.nc" || fail "t.nc still holds 0003.nc's program"
  # The next start.
  cp "$work/.tovrelcnc/t.nc" "$tmp/t.gbk"
  stop_program
  rm "$work/.tovrelcnc/t.nc"
  start_program
  title="$(xdotool getwindowname "$main")"
  [[ "$title" == *" - "*"/ncfile/n切.nc" ]] || fail "started again, the title names $title"
  cmp -s "$tmp/t.gbk" "$work/.tovrelcnc/t.nc" || fail "started again, t.nc is not n切.nc's program"
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

# A last program named by 60,000 characters: the message line shortens it
# in a few measured steps, so the window comes up as with a short name, not
# after a measure of every shorter name.
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
  # A guard against a start that measures name after name, not a speed:
  # ten times the short name's start, and never under 5 s.
  local limit_ms=$((10 * started_ms))
  [ "$limit_ms" -lt 5000 ] && limit_ms=5000
  [ "$long_ms" -le "$limit_ms" ] ||
    fail "the window came after $long_ms ms (with a short name $started_ms ms, at most $limit_ms ms)"
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

# A file dialog's drop-down list opened by a click after a press on the page
# beside the dialog: it stands over every window of the program and takes
# the keys; Escape closes it alone, Return picks its row, and the dialog
# keeps the keyboard until its 取 消 closes it. The toolkit lays the dialogs
# out from their corners: 查找范围 23 below the top, 文件类型 34 and 取 消 39
# above the bottom (a minus counts from the bottom).
LOOK_IN_BOX="400 23"
TYPE_BOX="400 -34"
FILE_CANCEL="645 -39"

# Clicks the window $1 at $2 from its left and $3 from its top, held 150 ms
# as a hand holds it (a wait on time itself: the hold).
click_in() {
  local X Y WIDTH HEIGHT SCREEN WINDOW y="$3"
  eval "$(xdotool getwindowgeometry --shell "$1")"
  [ "$y" -lt 0 ] && y=$((HEIGHT + y))
  xdotool mousemove $((X + $2)) $((Y + y)) mousedown 1
  sleep 0.15
  xdotool mouseup 1
}
# The shown window over the main window and the dialog $1: the list.
list_of() {
  local top
  [ "$(mapped_windows)" -eq 3 ] || return 1
  top="$(top_window)"
  [ "$top" != "$1" ] && [ "$top" != "$main" ] && echo "$top"
}
list_gone() { ! xwininfo -id "$list" 2>/dev/null | grep -q 'Map State: IsViewable'; }
# A picture of the window $1.
window_picture() {
  local X Y WIDTH HEIGHT SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$1")"
  region "$WIDTH" "$HEIGHT" "$X" "$Y"
}
window_picture_is_not() { [ "$(window_picture "$1")" != "$2" ]; }

# The dialog titled $1 stands; the page beside it at $2 (a point of the main
# window) is pressed, then its box at $3 clicked: sets `list` once the list
# stands, and checks it has stayed over the dialog once the program has
# taken a key ($4, typed to whatever has the keyboard) at it.
open_list() {
  local title="$1" before
  dialog="$(xdotool search --onlyvisible --name "^$title\$" | head -n 1)"
  [ -n "$dialog" ] || fail "no dialog $title"
  press_at $2
  wait_for 5 has_keyboard || fail "the press beside $title did not give the page the keyboard"
  click_in "$dialog" $3
  wait_for 5 list_of "$dialog" >/dev/null ||
    fail "the click on the box at $3 of $title showed no list over it: $(mapped_windows) windows shown, $(xdotool getwindowname "$(top_window)" 2>/dev/null) on top"
  list="$(list_of "$dialog")"
  before="$(user_time "$list")"
  xdotool key "$4"
  poll 20 0.01 key_taken "$list" "$before" || fail "$4 did not reach the list of $title"
  [ "$(top_window)" = "$list" ] ||
    fail "the list of $title lies under $(xdotool getwindowname "$(top_window)" 2>/dev/null) once it took $4"
}

# Escape closes the list alone: the dialog titled $1 stays, with the keyboard.
list_escape() {
  xdotool key Escape
  wait_for 5 list_gone || fail "Escape did not close the list of $1"
  shown "^$1\$" || fail "Escape closed $1 with its list"
  wait_for 5 has_focus "^$1\$" || fail "$1 did not keep the keyboard when its list closed"
}

# The dialog titled $1, over the page at $2: its 文件类型 list, then its
# 查找范围 list, whose picture Down changes, each closed by Escape; then a
# click on its 取 消 gives the page the keyboard.
dialog_lists() {
  local picture
  open_list "$1" "$2" "$TYPE_BOX" shift
  list_escape "$1"
  open_list "$1" "$2" "$LOOK_IN_BOX" shift
  picture="$(window_picture "$list")"
  xdotool key Down
  wait_for 5 window_picture_is_not "$list" "$picture" || fail "Down did not move the row of the 查找范围 list of $1"
  list_escape "$1"
  click_in "$dialog" $FILE_CANCEL
  wait_for 5 not_shown "^$1\$" || fail "取 消 did not close $1"
  wait_for 5 has_keyboard || fail "the keyboard did not come back from $1"
}

road_droplist() {
  local mark
  # The library: a part placed, so the save writes a program.
  press F2 Right Home F4
  wait_for 10 has_focus '^保存文件$' || fail "F4 gave the keyboard to no save dialog"
  dialog_lists '保存文件' "$PLOT_LOW"
  lock_passes
  # Return picks the folder above ncfile/, and the name typed then is saved there.
  press F4
  wait_for 10 has_focus '^保存文件$' || fail "F4 gave the keyboard to no save dialog again"
  open_list '保存文件' "$PLOT_LOW" "$LOOK_IN_BOX" Down
  xdotool key Return
  wait_for 5 list_gone || fail "Return did not close the 查找范围 list"
  wait_for 5 has_focus '^保存文件$' || fail "the save dialog did not keep the keyboard when Return closed its list"
  # The name field by its label's key (the click left the keyboard on the box).
  xdotool key alt+n
  xdotool type kp.nc
  xdotool key Return
  wait_for 10 test -s "$work/kp.nc" || fail "the program was not saved in the folder picked: $(ls "$work" | tr '\n' ' ')"
  wait_for 10 has_keyboard || fail "the keyboard did not come back from the save dialog"
  lock_passes
  press Escape
  # The editor's 另存为.. and 打开.. (the file page's F2, then F4 and F2).
  mark="$(typed_mark)"
  press F1 F2 F4
  wait_for 10 has_focus '^保存文件$' || fail "F4 gave the keyboard to no 另存为.. dialog"
  start_line_jump "$mark" F1
  dialog_lists '保存文件' "$EDITOR_BESIDE"
  lock_passes
  press F2
  wait_for 10 has_focus '^打开文件$' || fail "F2 gave the keyboard to no 打开.. dialog"
  dialog_lists '打开文件' "$EDITOR_BESIDE"
  lock_passes
  press Escape Escape
  # The browser's folder chooser (the file page's F1, then F1).
  press F1 F1
  xdotool key F1
  wait_for 10 has_focus '^选择本地文件夹$' || fail "F1 gave the keyboard to no chooser"
  dialog_lists '选择本地文件夹' "$BROWSER_LIST"
}
