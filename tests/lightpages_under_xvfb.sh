#!/usr/bin/env bash
# The lighting pages as a user works them, in the real program on a virtual X
# server with the virtual keyboard, once per skin: on the colour page choose
# RIPPLE with colour 3, brightness level 5 and speed level 6 and apply; paint
# Q W E R of USER DEFINE 2 red and apply; on the back-lighting page choose
# effect 2 and apply. The capture must show the colour set (30), the four
# planes of picture 2 with option 0 (12) and the three lighting records (08)
# with exactly those values, and the profile file the last record. (A second
# start would read the lighting from the keyboard, and the virtual keyboard
# starts in its factory state every time.)
#
# Then the same by keyboard alone, no pointer moved or clicked: F3 opens the
# colour page, Tab and the lists' keys choose RIPPLE, Return on apply sends
# its record; back to the lists with Shift+Tab, USER DEFINE 2 chosen, the
# keyboard picture's cursor moved to Q and W, each painted with Space, and
# applied: the record and the picture's planes reach the keyboard.
# Usage: lightpages_under_xvfb.sh PATH/TO/q3config [SCREENSHOT_DIR]
#   SCREENSHOT_DIR receives colorpage-skinN.png (the painted picture),
#   backlight-skinN.png and wave-skinN.png (the wave preview mid-animation).
set -euo pipefail
export XVFB_SESSION="$(dirname "$(readlink -f "$0")")/xvfbsession.sh"
source "$XVFB_SESSION"
begin_session "$@"

# Where things are on the 1000x600 window at the top left of the screen (the
# colour page at (171, 96), the back-lighting page at (171, 142)).
export COLOR_MENU="70 295" SENSOR_MENU="70 342"
export CATEGORIES="385 122" PAINTING="385 144" EFFECTS="385 166"
export SECOND_LIST="555 122" RIPPLE="555 254" WAVE="555 276" USER_DEFINE_2="555 166"
export SWATCH_3="383 453" SPEED_6="646 463" BRIGHTNESS_5="626 508" COLOR_APPLY="514 508"
export ROW_R="448 489" ROW_G="448 505" ROW_B="448 521"
export BAND_FROM="238 266" BAND_TO="344 286" BACKLIGHT_EFFECT_2="258 299" BACKLIGHT_APPLY="858 394"

for skin in 1 2; do
  program_dir="$work/skin$skin/program"
  copy_program "$build_bin" "$program_dir"
  sed -i -E "s/^1=.*/1=$skin/" "$program_dir/modules/setting/apConfig.bin"
  run="$work/skin$skin/run"
  mkdir -p "$run"
  cd "$run"
  export PROGRAM="$program_dir/q3config"
  xvfb-run -a -s "-screen 0 1280x800x24" bash -euo pipefail -c '
    source "$XVFB_SESSION"
    typeInto() { xdotool mousemove $1 click 1 key ctrl+a type "$2"; xdotool key Return; sleep 0.3; }
    start_program reports.txt
    click "$COLOR_MENU"
    click "$CATEGORIES"; click "$EFFECTS"
    click "$SECOND_LIST"; click "$RIPPLE"
    click "$SWATCH_3"
    click "$SPEED_6"
    click "$BRIGHTNESS_5"
    click "$COLOR_APPLY"
    sleep 1.2
    click "$CATEGORIES"; click "$PAINTING"
    click "$SECOND_LIST"; click "$USER_DEFINE_2"
    typeInto "$ROW_R" 255
    typeInto "$ROW_G" 0
    typeInto "$ROW_B" 0
    xdotool mousemove $BAND_FROM mousedown 1
    sleep 0.2
    for p in "280 270" "320 280" "$BAND_TO"; do xdotool mousemove $p; sleep 0.1; done
    xdotool mouseup 1
    sleep 0.3
    click "$COLOR_APPLY"
    sleep 1.8
    xdotool mousemove 900 580
    sleep 0.3
    shot colorpage.png
    click "$SENSOR_MENU"
    click "$BACKLIGHT_EFFECT_2"
    click "$BACKLIGHT_APPLY"
    sleep 0.5
    shot backlight.png
    click "$COLOR_MENU"
    click "$CATEGORIES"; click "$EFFECTS"
    click "$SECOND_LIST"; click "$WAVE"
    sleep 0.7
    shot wave.png
    kill -TERM "$pid"; wait "$pid"
  '
  commands() { cut -d" " -f2- reports.txt | grep -v "^evt"; }
  has() { commands | grep -q -F "$1" || fail "skin $skin: no \"$1\" in the capture"; }
  # RIPPLE (05), brightness round(5 x 63 / 7) = 45 (2D), speed 8 - 6 = 2,
  # right (0), colour 3; the back-light bytes as the keyboard had them from the
  # factory: E0 (effect 0, brightness 7 in bits 5-7) and 3C (speed value 4,
  # colour 7 in bits 3-5).
  has "cmd feature-out 00 08 05 2D 02 00 03 E0 3C"
  has "cmd feature-out 00 30 00 00 00 00 55 AA 00"
  # Picture 2 (index 1), planes 0 … 3, each with its data reports.
  for plane in 00 01 02 03; do has "cmd feature-out 00 12 00 01 $plane 00 55 AA 00"; done
  # Plane 0: the option 10 (static) on Q W E R (slots 33 … 36) and nowhere else
  # in the first 64 slots; plane 1: red, 255 / 4 = 3F.
  zeros() { printf '00 %.0s' $(seq "$1"); }
  plane0="cmd out 00 $(zeros 33)10 10 10 10 $(zeros 27)"
  plane1="cmd out 00 $(zeros 33)3F 3F 3F 3F $(zeros 27)"
  commands | grep -A1 -F "00 12 00 01 00 00 55 AA 00" | tail -1 | grep -q -F "${plane0% }" ||
    fail "skin $skin: plane 0: $(commands | grep -A1 -F '00 12 00 01 00 00' | tail -1)"
  commands | grep -A1 -F "00 12 00 01 01 00 55 AA 00" | tail -1 | grep -q -F "${plane1% }" ||
    fail "skin $skin: plane 1"
  has "cmd feature-out 00 08 34 2D 02 00 03 E0 3C"
  # The back-light effect 2 (E0 | 02), everything else as read back.
  has "cmd feature-out 00 08 34 2D 02 00 03 E2 3C"
  grep -q "^ledType=52, 45, 2, 0, 3, 226, 60$" "$program_dir/modules/setting/p1.bin" ||
    fail "skin $skin: profile: $(grep ledType "$program_dir/modules/setting/p1.bin")"
  for shot in colorpage backlight wave; do
    [ -s "$shot.png" ] || fail "skin $skin: no $shot.png"
    [ -z "$keep" ] || cp "$shot.png" "$keep/$shot-skin$skin.png"
  done
done

# ALL SAVE with neither lighting page opened, on a keyboard whose lighting the
# pages cannot show: effect 0C (no entry), brightness 40 (between two steps),
# speed 0, direction 3, colour choice 9, back-light effect 5 (E5) and
# back-light direction 3 (FC). The keyboard starts with the factory profile's
# record, so that is where it is set. Picture 3 of the first profile's file
# holds a red of 300 (shown as 255). Both pages must send the record exactly as
# read, and store it and the picture so.
program_dir="$work/unshown/program"
copy_program "$build_bin" "$program_dir"
factory="$program_dir/modules/setting/pD.bin"
sed -i -E "s/^ledType=.*/ledType=12, 40, 0, 3, 9, 229, 252/" "$factory"
picture="69, 300, 17, 8$(for _ in $(seq 127); do printf ', 16, 4, 4, 4'; done)"
printf '[userPicture]\n2=%s\n' "$picture" > "$program_dir/modules/setting/p1.bin"
run="$work/unshown/run"
mkdir -p "$run"
cd "$run"
export PROGRAM="$program_dir/q3config" ALL_SAVE="497 573"
xvfb-run -a -s "-screen 0 1280x800x24" bash -euo pipefail -c '
  source "$XVFB_SESSION"
  start_program reports.txt
  click "$ALL_SAVE"
  # ALL SAVE ends with the record of the back-lighting page, the second 08.
  for _ in $(seq 100); do
    [ "$(grep -c -F "cmd feature-out 00 08 " reports.txt)" -ge 2 ] && break
    sleep 0.1
  done
  sleep 0.5
  kill -TERM "$pid"; wait "$pid"
'
records=$(cut -d" " -f2- reports.txt | grep -F "cmd feature-out 00 08 " || true)
expected="cmd feature-out 00 08 0C 28 00 03 09 E5 FC"
[ "$records" = "$expected"$'\n'"$expected" ] || fail "unshown values: records sent: $records"
profile="$program_dir/modules/setting/p1.bin"
grep -q "^ledType=12, 40, 0, 3, 9, 229, 252$" "$profile" ||
  fail "unshown values: profile: $(grep ledType "$profile")"
grep -q -x -F "2=$picture" "$profile" || fail "unshown values: picture 3: $(grep -A3 '^\[userPicture\]' "$profile" | grep -m1 '^2=' | cut -c1-40)"
# The colour set as the keyboard has it from the factory (device units).
cut -d" " -f2- reports.txt | grep -A1 -F "cmd feature-out 00 30 " | tail -1 |
  grep -q "^cmd out 00 3F 00 00 3F 20 00 3F 3F 00 00 3F 00 00 3F 3F 00 00 3F 20 00 3F 00 " ||
  fail "unshown values: colour set: $(cut -d" " -f2- reports.txt | grep -A1 -F 'feature-out 00 30' | tail -1)"
if cut -d" " -f2- reports.txt | grep -q -F "cmd feature-out 00 12 "; then
  fail "unshown values: a picture was sent"
fi

# By keyboard alone. After F3 the function menu's COLOR entry has the focus;
# Tab goes on to the next entry, then into the page: the category list, the
# effect list (WAVE, as the keyboard starts), the colour strip, the R, G and
# B rows, reset, apply. A list opens with Return at its chosen entry.
program_dir="$work/keys/program"
copy_program "$build_bin" "$program_dir"
run="$work/keys/run"
mkdir -p "$run"
cd "$run"
export PROGRAM="$program_dir/q3config"
xvfb-run -a -s "-screen 0 1280x800x24" bash -euo pipefail -c '
  source "$XVFB_SESSION"
  keys() { for key in "$@"; do xdotool key "$key"; sleep 0.25; done; }
  # Apply keeps the scene busy for 1.6 s once it has sent the record.
  applied() {
    for _ in $(seq 100); do
      [ "$(grep -c -F "cmd feature-out 00 08 " reports.txt)" -ge "$1" ] && break
      sleep 0.1
    done
    sleep 2
  }
  start_program reports.txt
  xdotool windowfocus --sync "$(xdotool search --onlyvisible --name "^Q3 Keyboard Configurator$" | head -n 1)"
  keys F3
  keys Tab Tab Tab Return Down Down Down Return
  keys Tab Tab Tab Tab Tab Tab Return
  applied 1
  # From apply back to the category list: PAINTING, then USER DEFINE 2, then
  # into the picture (on Esc): down to Tab, right to Q and W.
  keys shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab
  keys Return Up Return Tab Return Down Return Tab
  keys Down Down Right space Right space
  keys Tab Tab Tab Tab Tab Tab Return
  applied 2
  shot keys.png
  kill -TERM "$pid"; wait "$pid"
'
[ -z "$keep" ] || cp keys.png "$keep/keys-skin1.png"
commands() { cut -d" " -f2- reports.txt | grep -v "^evt"; }
records=$(commands | grep -F "cmd feature-out 00 08 " || true)
# RIPPLE (05), then picture 2 (34), each with the keyboard's factory
# brightness 63 (3F), speed 4, right (0), LOOP (7) and back-light E0 3C.
[ "$records" = "cmd feature-out 00 08 05 3F 04 00 07 E0 3C"$'\n'"cmd feature-out 00 08 34 3F 04 00 07 E0 3C" ] ||
  fail "by keys: records sent: $records"
# Q and W (slots 33, 34) painted static with LOOP (17) in the picker's white:
# 255 / 4 = 3F in each colour plane; nothing else in the first 64 slots.
zeros() { printf '00 %.0s' $(seq "$1"); }
for plane in 00 01 02 03; do
  value=$([ "$plane" = 00 ] && echo 17 || echo 3F)
  expected="cmd out 00 $(zeros 33)$value $value $(zeros 29)"
  commands | grep -A1 -F "cmd feature-out 00 12 00 01 $plane 00 55 AA 00" | tail -1 | grep -q -F "${expected% }" ||
    fail "by keys: plane $plane: $(commands | grep -A1 -F "00 12 00 01 $plane 00" | tail -1)"
done

echo "lightpages_under_xvfb: effect, painting and back-light records reach the keyboard in both skins;" \
  "ALL SAVE sends and stores values the pages cannot show as they were read;" \
  "an effect chosen and a picture painted by keys alone reach the keyboard"
