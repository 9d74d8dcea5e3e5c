#!/usr/bin/env bash
# The macro page and the profile menu as a user works them, in the real
# program on a virtual X server with the virtual keyboard: open the MACRO
# page, choose "Macro. 001", record A and B typed on the (virtual X)
# keyboard, add a 50 ms delay before the B press, copy that delay into
# "Macro. 002"; choose "Macro. 003" (A pressed and released) and add a delay
# while its file is replaced by a folder, so that the write fails, then put
# the file back and add a 70 ms delay; on the KEY page tick gaming mode, give
# F5 the first macro and apply; then reset profile 2 (holding B on Esc) from its context menu, switch
# to it and apply the key page again. The capture must show the macro
# downloads (10) with exactly the encoded steps, the profile switch (21) and
# the factory key codes; the files must hold the steps (all four of
# "Macro. 003": the failed write lost nothing) and the factory profile.
# A second run works the macro page with the keyboard alone (see there).
# Usage: macropage_under_xvfb.sh PATH/TO/q3config [SCREENSHOT_DIR]
#   SCREENSHOT_DIR receives macropage.png (the recorded macro with its delay),
#   profilereset.png (the key page of profile 2 after the reset),
#   keyboard.png and recorded.png (the keyboard-only run).
set -euo pipefail
export XVFB_SESSION="$(dirname "$(readlink -f "$0")")/xvfbsession.sh"
source "$XVFB_SESSION"
begin_session "$@"

program_dir="$work/program"
copy_program "$build_bin" "$program_dir"
setting="$program_dir/modules/setting"
# Profile 2 holds B (5) on Esc, everything else as from the factory.
sed '/^\[keydefine0\]$/,/^\[/ s/^0=41, 0$/0=5, 0/' "$setting/pD.bin" > "$setting/p2.bin"
grep -q "^0=5, 0$" "$setting/p2.bin" || fail "could not prepare profile 2"
# "Macro. 003" (slot 2) holds A pressed and released.
export LIBRARY="$program_dir/modules/macro" AWAY="$work/away.bin"
printf '%s\n' "[config]" "index=2" "total=2" "repeat=1" "did=-1" "" "[macro]" \
  "0=A    [Down]" "1=A      [Up]" > "$LIBRARY/Macro. 003.bin"

# Where things are on the 1000x600 window at the top left of the screen: the
# page area starts at (171, 96), the macro page 46 below it; the file list at
# (119, 77) and the step list at (468, 77) of the page, 20 pixels an entry;
# the profile buttons at (935, 192), 26 pixels apart.
export KEY_MENU="70 200" MACRO_MENU="70 247"
export FILE_1="335 229" FILE_2="335 249" FILE_3="335 269" STEP_2="684 269"
export RECORD="749 207" STOP="769 207" COPY="627 295" PASTE="627 273"
export DELAY_FIELD="543 380" ADD_DELAY="627 380"
export GAMING_MODE="233 408" F5="389 206" CATEGORIES="380 122" MACRO_ENTRY="380 188"
export CHOOSER="515 122" FIRST_FILE="500 144" APPLY="791 122"
export PROFILE_2="959 231" RESET_ENTRY="913 269"

run="$work/run"
mkdir -p "$run"
cd "$run"
export PROGRAM="$program_dir/q3config"
xvfb-run -a -s "-screen 0 1280x800x24" bash -euo pipefail -c '
  source "$XVFB_SESSION"
  start_program reports.txt
  click "$MACRO_MENU"
  click "$FILE_1"
  click "$RECORD"
  xdotool key --delay 100 a b
  sleep 0.5
  click "$STOP"
  click "$STEP_2"
  click "$DELAY_FIELD"
  xdotool key ctrl+a
  xdotool type --delay 100 50
  xdotool key Return
  sleep 0.3
  click "$ADD_DELAY"
  click "$STEP_2"
  click "$COPY"
  shot macropage.png
  click "$FILE_2"
  click "$PASTE"
  click "$FILE_3"
  mv "$LIBRARY/Macro. 003.bin" "$AWAY"
  mkdir "$LIBRARY/Macro. 003.bin"
  click "$ADD_DELAY"
  rmdir "$LIBRARY/Macro. 003.bin"
  mv "$AWAY" "$LIBRARY/Macro. 003.bin"
  click "$DELAY_FIELD"
  xdotool key ctrl+a
  xdotool type --delay 100 70
  xdotool key Return
  sleep 0.3
  click "$ADD_DELAY"
  click "$KEY_MENU"
  click "$GAMING_MODE"
  click "$F5"
  click "$CATEGORIES"
  click "$MACRO_ENTRY"
  click "$CHOOSER"
  click "$FIRST_FILE"
  click "$APPLY"
  sleep 1
  xdotool mousemove $PROFILE_2 click 3
  sleep 0.6
  click "$RESET_ENTRY"
  click "$PROFILE_2"
  sleep 1
  click "$APPLY"
  sleep 1
  shot profilereset.png
  kill -TERM "$pid"
  wait "$pid"
'
# One report a line: "<ms> <cmd|evt> <direction> <hex bytes>"; the commands.
cut -d" " -f2- reports.txt | grep -v "^evt" > commands.txt
# The N reports after the last feature report PACKET.
last_after() {
  awk -v packet="cmd feature-out $1" -v n="$2" '
    $0 == packet { got = 0; delete lines; seen = 1; next }
    seen && got < n { lines[got++] = $0 }
    END { for (i = 0; i < got; ++i) print lines[i] }' commands.txt
}
zeros() { printf ' 00%.0s' $(seq "$1"); }

# "Macro. 001", slot 0: header, A down, A up, 50 ms (5 units), B down, B up,
# end, every word low byte first; 16 bytes and 48 zeros in the first report.
macro1="cmd out 00 01 00 04 01 04 81 00 7F 05 00 05 01 05 81 00 00$(zeros 48)"
[ "$(last_after "00 10 00 00 00 00 55 AA 00" 2)" = "$macro1
cmd out 00$(zeros 64)" ] || fail "macro 1 download: $(last_after '00 10 00 00 00 00 55 AA 00' 2)"
# "Macro. 002", slot 1: the copied delay.
macro2="cmd out 00 01 00 00 7F 05 00 00 00$(zeros 56)"
[ "$(last_after "00 10 00 01 00 00 55 AA 00" 1)" = "$macro2" ] ||
  fail "macro 2 download: $(last_after '00 10 00 01 00 00 55 AA 00' 1)"
# "Macro. 003", slot 2, downloaded once, when its write went through: A down,
# A up, 50 ms, 70 ms (7 units).
[ "$(grep -c "^cmd feature-out 00 10 00 02 " commands.txt)" = 1 ] ||
  fail "slot 2 downloads: $(grep '^cmd feature-out 00 10 00 02 ' commands.txt || true)"
macro3="cmd out 00 01 00 04 01 04 81 00 7F 05 00 00 7F 07 00 00 00$(zeros 48)"
[ "$(last_after "00 10 00 02 00 00 55 AA 00" 1)" = "$macro3" ] ||
  fail "macro 3 download: $(last_after '00 10 00 02 00 00 55 AA 00' 1)"
# F5 (slot 5) carries macro slot 0 with play mode 1: 4100.
grep -q "^cmd out 00 29 00 3A 00 3B 00 3C 00 3D 00 00 41 " commands.txt ||
  fail "key matrix with the macro on F5: $(grep -A1 '00 0C 00' commands.txt | head -2)"
# Exactly one profile switch, to profile 2 (index 1).
[ "$(grep "^cmd feature-out 00 21 " commands.txt)" = "cmd feature-out 00 21 01 00 00 00 55 AA 00" ] ||
  fail "profile switch: $(grep '^cmd feature-out 00 21 ' commands.txt || true)"
# After the switch the key page holds the factory codes: Esc 29, F1 … F5.
[ "$(last_after "00 0C 00 00 00 00 55 AA 00" 1 | cut -d" " -f4-15)" = \
  "29 00 3A 00 3B 00 3C 00 3D 00 3E 00" ] ||
  fail "key matrix after the reset: $(last_after '00 0C 00 00 00 00 55 AA 00' 1)"
# The files: the steps, and profile 2's key codes as the factory's.
library="$LIBRARY"
for step in "0=A    [Down]" "1=A      [Up]" "2=50   [Delay]" "3=B    [Down]" "4=B      [Up]"; do
  grep -qxF "$step" "$library/Macro. 001.bin" || fail "Macro. 001.bin lacks $step"
done
grep -qxF "0=50   [Delay]" "$library/Macro. 002.bin" || fail "Macro. 002.bin: $(cat "$library/Macro. 002.bin")"
steps3=$(grep -e '^total=' -e '^[0-9]*=' "$library/Macro. 003.bin")
[ "$steps3" = "$(printf '%s\n' "total=4" "0=A    [Down]" "1=A      [Up]" "2=50   [Delay]" "3=70   [Delay]")" ] ||
  fail "Macro. 003.bin: $(cat "$library/Macro. 003.bin")"
keys() { sed -n '/^\[keydefine0\]$/,/^\[/p' "$1" | sort; }
[ "$(keys "$setting/p2.bin")" = "$(keys "$setting/pD.bin")" ] || fail "profile 2 is not the factory's"

# The keyboard alone, in a fresh copy, nothing clicked: F2 shows the macro
# page with the focus on its entry in the function menu; three Tabs (the two
# entries below it) reach the file list. Down four times chooses
# "Macro. 004" (slot 3, A pressed and released); Tab to record, the step
# list and the key field, whose Return starts listening and takes B; Tab to
# add key, Return; Tab to the delay field, 30, Return; Tab to add delay,
# Space. Then F2 and five Tabs reach the step list again: Down (A down),
# Delete. The file and the last download of slot 3 hold A up, B, 30 ms.
# Last, two Shift+Tabs back to the file list, Down to "Macro. 005" (slot 4),
# Tab to record, Return, then a, Tab and b are recorded and Space on stop
# ends it: neither the Return nor the Space is recorded, and the Tab moved
# nothing.
kbd_dir="$work/kbdprogram"
copy_program "$build_bin" "$kbd_dir"
export KBD_LIBRARY="$kbd_dir/modules/macro"
printf '%s\n' "[config]" "index=3" "total=2" "repeat=1" "did=-1" "" "[macro]" \
  "0=A    [Down]" "1=A      [Up]" > "$KBD_LIBRARY/Macro. 004.bin"
kbd_run="$work/kbdrun"
mkdir -p "$kbd_run"
cd "$kbd_run"
export PROGRAM="$kbd_dir/q3config"
xvfb-run -a -s "-screen 0 1280x800x24" bash -euo pipefail -c '
  source "$XVFB_SESSION"
  start_program reports.txt
  keys() { xdotool key --delay 250 "$@"; sleep 0.5; }
  keys F2 Tab Tab Tab Down Down Down Down
  keys Tab Tab Tab Return
  keys b
  keys Tab Return
  keys Tab 3 0 Return Tab space
  shot keyboard.png
  keys F2 Tab Tab Tab Tab Tab Down Delete
  keys shift+Tab shift+Tab Down Tab Return
  keys a Tab b space
  shot recorded.png
  kill -TERM "$pid"
  wait "$pid"
'
kbd_steps=$(grep -e '^total=' -e '^[0-9]*=' "$KBD_LIBRARY/Macro. 004.bin")
[ "$kbd_steps" = "$(printf '%s\n' "total=4" "0=A      [Up]" "1=B    [Down]" "2=B      [Up]" "3=30   [Delay]")" ] ||
  fail "keyboard only: Macro. 004.bin: $(cat "$KBD_LIBRARY/Macro. 004.bin")"
# The last download of slot 3: header, A up, B down, B up, 30 ms (3 units),
# end.
cut -d" " -f2- reports.txt | grep -v "^evt" > commands.txt
macro4="cmd out 00 01 00 04 81 05 01 05 81 00 7F 03 00 00 00$(zeros 50)"
[ "$(last_after "00 10 00 03 00 00 55 AA 00" 1)" = "$macro4" ] ||
  fail "keyboard only: macro 4 download: $(last_after '00 10 00 03 00 00 55 AA 00' 1)"
kbd_recorded=$(grep -e '^total=' -e '^[0-9]*=' "$KBD_LIBRARY/Macro. 005.bin")
[ "$kbd_recorded" = "$(printf '%s\n' "total=6" "0=A    [Down]" "1=A      [Up]" "2=Tab    [Down]" \
                      "3=Tab      [Up]" "4=B    [Down]" "5=B      [Up]")" ] ||
  fail "keyboard only: Macro. 005.bin: $(cat "$KBD_LIBRARY/Macro. 005.bin")"
# Slot 4: header, A down, A up, Tab (2B) down, Tab up, B down, B up, end.
macro5="cmd out 00 01 00 04 01 04 81 2B 01 2B 81 05 01 05 81 00 00$(zeros 48)"
[ "$(last_after "00 10 00 04 00 00 55 AA 00" 1)" = "$macro5" ] ||
  fail "keyboard only: macro 5 download: $(last_after '00 10 00 04 00 00 55 AA 00' 1)"

if [ -n "$keep" ]; then
  cp "$run/macropage.png" "$keep/macropage.png"
  cp "$run/profilereset.png" "$keep/profilereset.png"
  cp "$kbd_run/keyboard.png" "$kbd_run/recorded.png" "$keep/"
fi
echo "macropage_under_xvfb: recording, delay, copy, a write after a failed one, assignment and profile reset reach the keyboard; a key, a delay, a deletion and a recording typed with the keyboard alone reach the files and the keyboard"
