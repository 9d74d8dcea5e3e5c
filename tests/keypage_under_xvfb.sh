#!/usr/bin/env bash
# The key page as a user works it, in the real program on a virtual X server
# with the virtual keyboard, once per skin: open the KEY page, tick gaming
# mode, drag B onto the key field for Esc, choose MUTE for F4 and the first
# macro for F5, press apply. The capture must show the gaming mode (02), the
# macro download (10) with the macro's encoded steps, and the key matrix (0C,
# 0D) carrying exactly those codes; the profile file must hold them for the
# next start.
# Usage: keypage_under_xvfb.sh PATH/TO/q3config [SCREENSHOT_DIR]
#   SCREENSHOT_DIR receives keypage-skin1.png (the drag image over the key
#   field), keypage-skin2.png (after apply, F5 chosen) and keypage-keys.png
#   (the keyboard run: Esc chosen, B shown in the key field).
set -euo pipefail
export XVFB_SESSION="$(dirname "$(readlink -f "$0")")/xvfbsession.sh"
source "$XVFB_SESSION"
begin_session "$@"

# Where things are on the 1000x600 window at the top left of the screen: the
# page area starts at (171, 96), the keyboard picture at (23, 97) in it, the
# function area at (140, 15).
export KEY_MENU="70 200" GAMING_MODE="233 408" ESC="207 206" F4="347 206" F5="389 206"
export B_KEY="382 332" KEY_FIELD="515 123" CATEGORIES="380 122" MEDIA_ENTRY="380 166"
export MACRO_ENTRY="380 188" CHOOSER="515 122" MUTE_ENTRY="500 224" FIRST_FILE="500 144"
export APPLY="779 122"

for skin in 1 2; do
  program_dir="$work/skin$skin/program"
  copy_program "$build_bin" "$program_dir"
  printf '%s\n' '[config]' 'index=0' 'total=2' 'repeat=1' \
    '[macro]' '0=A    [Down]' '1=A      [Up]' > "$program_dir/modules/macro/Macro. 001.bin"
  sed -i -E "s/^1=.*/1=$skin/" "$program_dir/modules/setting/apConfig.bin"
  run="$work/skin$skin/run"
  mkdir -p "$run"
  cd "$run"
  export PROGRAM="$program_dir/q3config" SKIN=$skin
  xvfb-run -a -s "-screen 0 1280x800x24" bash -euo pipefail -c '
    source "$XVFB_SESSION"
    start_program reports.txt
    click "$KEY_MENU"
    click "$GAMING_MODE"
    click "$ESC"
    xdotool mousemove $B_KEY mousedown 1
    sleep 0.2
    for p in "400 300" "450 200" "500 140" "$KEY_FIELD"; do xdotool mousemove $p; sleep 0.15; done
    sleep 0.3
    shot drag.png
    xdotool mouseup 1
    sleep 0.3
    click "$F4"
    click "$CATEGORIES"
    click "$MEDIA_ENTRY"
    click "$CHOOSER"
    click "$MUTE_ENTRY"
    click "$F5"
    click "$CATEGORIES"
    click "$MACRO_ENTRY"
    click "$CHOOSER"
    click "$FIRST_FILE"
    click "$APPLY"
    sleep 1
    shot applied.png
    kill -TERM "$pid"
    wait "$pid"
  '
  # One report a line: "<ms> <cmd|evt> <direction> <hex bytes>".
  reports() { cut -d" " -f2- reports.txt | grep -v "^evt"; }
  after() { reports | grep -A"$2" -F "cmd feature-out $1" | tail -n "$2"; }
  reports | grep -q -F "cmd feature-out 00 02 01 00 00 00 55 AA 00" ||
    fail "skin $skin: no gaming mode write"
  # Macro slot 0: one, then A down (04 01) and A up (04 81), each word swapped.
  after "00 10 00 00 00 00 55 AA 00" 1 | grep -q "^cmd out 00 01 00 04 01 04 81 00 00 " ||
    fail "skin $skin: macro download: $(after '00 10 00 00' 2)"
  # Slots 0 … 5 low byte first: B (05), F1 … F3 unchanged (3A 3B 3C), mute
  # (30E2), macro slot 0 with repeat 1 (4100).
  after "00 0C 00 00 00 00 55 AA 00" 1 | grep -q "^cmd out 00 05 00 3A 00 3B 00 3C 00 E2 30 00 41 3F 00 " ||
    fail "skin $skin: key matrix: $(after '00 0C 00' 1)"
  after "00 0D 00 00 00 00 55 AA 00" 2 | grep -c "^cmd out " | grep -q 2 ||
    fail "skin $skin: second half of the key matrix"
  stored=$program_dir/modules/setting/p1.bin
  grep -q "^0=5, 0$" "$stored" && grep -q "^4=226, 48$" "$stored" && grep -q "^5=0, 65$" "$stored" ||
    fail "skin $skin: profile file: $(grep -E '^[045]=' "$stored")"
  if [ -n "$keep" ]; then
    [ "$skin" = 1 ] && cp drag.png "$keep/keypage-skin1.png"
    [ "$skin" = 2 ] && cp applied.png "$keep/keypage-skin2.png"
  fi
done
# The same assignment as the drag, B for Esc, with key presses alone (no
# pointer at all): Tab to the KEY entry of the function menu and open it;
# Tab past MACRO, COLOR and SENSOR and the keyboard picture to the gaming-mode
# box and tick it with Space; Shift+Tab back to the picture, whose focus
# starts on the chosen Esc, Right and Left and choose it with Return;
# Shift+Tab over apply and reset to the key field, type B and assign it with
# Return; Tab to apply and press Return. The capture must show the gaming
# mode and the key matrix with B (05) in slot 0 and every other slot as
# shipped; the profile file must hold it.
program_dir="$work/keys/program"
copy_program "$build_bin" "$program_dir"
sed -i -E "s/^1=.*/1=1/" "$program_dir/modules/setting/apConfig.bin"
run="$work/keys/run"
mkdir -p "$run"
cd "$run"
export PROGRAM="$program_dir/q3config"
xvfb-run -a -s "-screen 0 1280x800x24" bash -euo pipefail -c '
  source "$XVFB_SESSION"
  start_program reports.txt
  xdotool windowfocus --sync "$(xdotool search --onlyvisible --name "^Q3 Keyboard Configurator$" | head -1)"
  press() { xdotool key "$@"; sleep 0.3; }
  press Tab Tab Tab Tab
  press Return
  sleep 0.6
  press Tab Tab Tab Tab Tab
  press space
  press shift+Tab
  press Right Left Return
  press shift+Tab shift+Tab shift+Tab
  press b
  shot chosen.png
  press Return
  press Tab Tab Return
  sleep 1
  kill -TERM "$pid"
  wait "$pid"
'
reports() { cut -d" " -f2- reports.txt | grep -v "^evt"; }
after() { reports | grep -A"$2" -F "cmd feature-out $1" | tail -n "$2"; }
reports | grep -q -F "cmd feature-out 00 02 01 00 00 00 55 AA 00" ||
  fail "keys: no gaming mode write"
# Slots 0 ... 7 low byte first: B (05), then F1 ... F7 as shipped (3A ... 40).
after "00 0C 00 00 00 00 55 AA 00" 1 | grep -q "^cmd out 00 05 00 3A 00 3B 00 3C 00 3D 00 3E 00 3F 00 40 00 " ||
  fail "keys: key matrix: $(after '00 0C 00' 1)"
after "00 0D 00 00 00 00 55 AA 00" 2 | grep -c "^cmd out " | grep -q 2 ||
  fail "keys: second half of the key matrix"
stored=$program_dir/modules/setting/p1.bin
grep -q "^0=5, 0$" "$stored" && grep -q "^4=61, 0$" "$stored" ||
  fail "keys: profile file: $(grep -E '^[04]=' "$stored")"
[ -n "$keep" ] && cp chosen.png "$keep/keypage-keys.png"

echo "keypage_under_xvfb: drag, media, macro and apply reach the keyboard in both skins, and the key assignment works with keys alone"
