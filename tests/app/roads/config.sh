# The configuration: a speed typed into its dialog and kept in config.xml, a
# dialog cancelled, configuration files that are pipes, and the six
# configuration dialogs opened over one another and closed by held clicks.

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

road_cancel() {
  cp "$work/.tovrelcnc/config.xml" "$tmp/config.before"
  open_speed_dialog
  xdotool key Escape
  wait_for 10 not_shown '参数设置' || fail "Escape did not close the speed dialog"
  wait_for 10 has_keyboard || fail "the keyboard did not come back after Escape"
  cmp -s "$tmp/config.before" "$work/.tovrelcnc/config.xml" || fail "Escape changed config.xml"
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
  key_acts Return no_box
  wait_for 10 has_keyboard || fail "the keyboard did not come back from the box"
  still_pipes .tovrelcnc/config.xml ravok/.tovrelcnc/thcconfig.xml
  make_pipe .tovrelcnc/fileconfig.xml
  press Escape F1
  key_acts F4 shown_times '^THC$' 1
  xdotool key Escape
  wait_for 10 has_keyboard || fail "the keyboard did not come back from the question"
  still_pipes .tovrelcnc/config.xml .tovrelcnc/fileconfig.xml ravok/.tovrelcnc/thcconfig.xml
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

# The configuration dialog of the key $1, standing, is left by a press on the
# plot beside it; then its key at x $2 is clicked, held $3 ms as a hand holds
# it, the press coming $4 s after the one beside. The start and the hold are
# the times under test: the pointer jump that the press on the plot asks for
# comes before the click, while the key is held (the program must not move
# the pointer from under it) or after it, by the round. A click that judges
# nothing (press_placed: the program read its press after it had sent the
# pointer to the torch) ends the round once that jump has come: the dialog
# closed all the same, or the click sent again, which then nothing can
# spoil. Sent again with another press on the plot before, it would meet
# the same race, which on a busy machine it can lose every time.
CFG_TRIES=4
cfg_resent=0
cfg_held_click() {
  local t0 after mark try
  LC_ALL=C printf -v after '%.0f' "${4}e6"
  mark="$(typed_mark)"
  press_at $PLOT_LOW
  t0="$(now_us)"
  wait_for 5 has_keyboard || fail "the press beside ${CFG_NAME[$1]} did not give the page the keyboard"
  sleep_until $((t0 + after))
  # The hand goes to the key and presses it.
  press_placed "$2" "${CFG_BUTTONS_Y[$1]}" "$3" && return 0
  for try in $(seq 2 "$CFG_TRIES"); do
    # The program has had the click: a press read after the jump may have
    # closed the dialog all the same.
    typed_marker
    if no_cfg_dialog; then
      echo "$1 ${CFG_NAME[$1]}: the click held $3 ms, $4 s after the press beside, judged nothing but closed the dialog"
      return 0
    fi
    wait_for "$HANG_GUARD_S" program_warped "$mark" ||
      fail "$1 ${CFG_NAME[$1]}: the pointer did not go to the torch within $HANG_GUARD_S s of the press beside"
    cfg_resent=$((cfg_resent + 1))
    echo "$1 ${CFG_NAME[$1]}: the click held $3 ms, $4 s after the press beside, sent again once the pointer had gone to the torch"
    press_placed "$2" "${CFG_BUTTONS_Y[$1]}" "$3" && return 0
  done
  fail "$1 ${CFG_NAME[$1]}: the click held $3 ms, $4 s after a press beside, sent $CFG_TRIES times, never landed on its key"
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
      wait_for 5 no_cfg_dialog ||
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
    wait_for 5 no_cfg_dialog ||
      fail "$k ${CFG_NAME[$k]}: its 确定 held 150 ms, $start s after a press beside it, left it open"
    wait_for 5 cfg_holds "$k" "$v" ||
      fail "$k ${CFG_NAME[$k]}: $v typed and 确定 clicked left ${CFG_FIELD[$k]#* }=\"$(cfg_value "$k")\" in config.xml"
    wait_for 5 has_keyboard || fail "the keyboard did not come back from ${CFG_NAME[$k]}"
    lock_passes
    to_cfg_page
    echo "$k ${CFG_NAME[$k]}: closed by every held click, $v kept; $cfg_resent clicks sent again after the jump"
    cfg_resent=0
  done
}
