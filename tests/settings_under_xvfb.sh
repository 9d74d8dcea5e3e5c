#!/usr/bin/env bash
# The settings page as a user works it, in the real program on a virtual X
# server with the virtual keyboard: open the settings panel, choose skin 2,
# larger text and German, pick a background picture in the file chooser,
# type a number into the red row of the text colour (swatch 0) and click
# swatch 3 with the mouse, apply, close the program with its close button and
# start it again. The settings file must hold those choices (the typed number
# in swatch 0, swatch 3 unchanged and chosen) and the new start must show them
# (skin 2's colours, the picture as background). Then reset must bring back
# the factory file and the factory look.
# Usage: settings_under_xvfb.sh PATH/TO/q3config [SCREENSHOT_DIR]
#   SCREENSHOT_DIR receives settings-english.png (the open panel as shipped)
#   and settings-chinese.png (the open panel in Chinese), plus
#   settings-restarted.png (the new start with the applied settings).
set -euo pipefail
export XVFB_SESSION="$(dirname "$(readlink -f "$0")")/xvfbsession.sh"
source "$XVFB_SESSION"
begin_session "$@"

program_dir="$work/program"
mkdir -p "$work/pictures" "$work/run"
copy_program "$build_bin" "$program_dir"
settings=$program_dir/modules/setting/apConfig.bin
factory=$program_dir/modules/setting/apConfigD.bin
# Animations off in the factory copy too, so that every slide takes a few
# milliseconds after a reset as well.
sed -i -E "s/^3=.*/3=1/" "$factory"
picture="$work/pictures/my background.png"
convert -size 1000x600 xc:'#FF00FF' "$picture"

# The language list is sorted by name; German's place in it.
german=$(printf '%s\n' "CHINESE (Simp)" "CHINESE (Trad)" ENGLISH FRENCH GERMAN ITALIAN JAPANESE \
  KOREAN "PORTUGUESE (BRAZIL)" RUSSIAN SPANISH | grep -n '^GERMAN$' | cut -d: -f1)
german=$((german - 1))

# Where things are on the 1000x600 window at the top left of the screen: the
# settings panel's page starts at (5, 27); drop-down entry i lies 22 + 22 i
# pixels below its header.
export SETTINGS="35 12" CLOSE="965 12" SKIN="219 60" SKIN2="219 104" LANGUAGE="219 159"
export LANGUAGE_ENTRY_Y0=181 LARGER="218 249" BACKGROUND="219 192" RESET="254 413" APPLY="285 413"
# The text colour: swatch k of the strip at (27 + 100 + 21 k, 190 + 55) in the
# page, 19 x 31; the red row's field 106 pixels right of the strip's left end
# and 36 below its top (after its label), 13 high.
export SWATCH3="204 289" ROW_R="268 314"
export PROGRAM="$program_dir/q3config" PICTURE="$picture" GERMAN=$german SETTINGS_FILE="$settings"

cd "$work/run"
# mean R G B of a region of a picture, each 0 … 255
mean() { convert "$1" -crop "$2" +repage -resize 1x1\! -format '%[fx:int(255*r)] %[fx:int(255*g)] %[fx:int(255*b)]' info:; }
setting() { sed -n -E "s/^$1=(.*)$/\1/p" "$settings"; }

xvfb-run -a -s "-screen 0 1280x800x24" bash -euo pipefail -c '
  start() {
    "$PROGRAM" --virtual-keyboard 2>> program.log &
    pid=$!
    timeout 20 xdotool search --sync --onlyvisible --name "^Q3 Keyboard Configurator$" > window.txt
    sleep 2
  }
  source "$XVFB_SESSION"
  entry() { echo "${1%% *} $((LANGUAGE_ENTRY_Y0 + 22 * $2))"; }

  # As shipped: the open panel in English.
  start
  shot shipped.png
  click "$SETTINGS"
  shot english.png
  click "$SKIN"
  click "$SKIN2"
  click "$LARGER"
  click "$LANGUAGE"
  click "$(entry "$LANGUAGE" "$GERMAN")"
  # The background picture, through the file chooser.
  xdotool mousemove $BACKGROUND click 1
  dialog=$(timeout 20 xdotool search --sync --onlyvisible --name "^Open File$" | head -n 1)
  sleep 0.5
  xdotool windowfocus --sync "$dialog" 2> /dev/null || true
  xdotool type --delay 20 "$PICTURE"
  xdotool key Return
  sleep 1
  shot chosen.png
  # Swatch 0 (0, 255, 255) is current: 99 typed into its red row, then
  # swatch 3 clicked, which takes no keyboard focus from the row by itself.
  xdotool windowfocus --sync "$(head -n 1 window.txt)" 2> /dev/null || true
  click "$ROW_R"
  xdotool key ctrl+a
  xdotool type --delay 50 99
  sleep 0.3
  shot typed.png
  click "$SWATCH3"
  click "$APPLY"
  sleep 0.5
  cp "$SETTINGS_FILE" applied.txt
  # Closed with the close button: the program ends by itself.
  click "$CLOSE"
  for i in $(seq 50); do kill -0 "$pid" 2> /dev/null || break; sleep 0.1; done
  if kill -0 "$pid" 2> /dev/null; then echo "still running after the close button"; exit 1; fi
  wait "$pid" || true

  # The new start shows what was applied; reset brings back the factory look.
  start
  shot restarted.png
  click "$SETTINGS"
  click "$RESET"
  sleep 1
  click "$SETTINGS"
  sleep 0.5
  shot reset.png
  click "$SETTINGS"
  click "$LANGUAGE"
  click "$(entry "$LANGUAGE" 0)"
  sleep 0.5
  shot chinese.png
  kill -TERM "$pid"
  wait "$pid"
' || fail "the session did not run: $(tail -n 5 program.log 2> /dev/null)"

# The applied file, as the first run left it.
grep -q "^1=2$" applied.txt || fail "skin: $(grep '^1=' applied.txt)"
grep -q "^4=$german$" applied.txt || fail "language: $(grep '^4=' applied.txt)"
grep -q "^5=true$" applied.txt || fail "background in use: $(grep '^5=' applied.txt)"
grep -q -F "6=file:$picture" applied.txt || fail "background picture: $(grep '^6=' applied.txt)"
grep -q "^7=1$" applied.txt || fail "text size: $(grep '^7=' applied.txt)"
grep -q "^total=32$" applied.txt || fail "count: $(grep '^total=' applied.txt)"
# Swatch 0 (entries 8 to 10) holds the typed red, swatch 3 (17 to 19) its
# factory colour (200, 200, 100), and swatch 3 is chosen.
swatches=$(grep -E '^(8|9|10|17|18|19|29)=' applied.txt | sort -n | tr '\n' ' ')
[ "$swatches" = "8=99 9=255 10=255 17=200 18=200 19=100 29=3 " ] || fail "text colours: $swatches"

# Skin 1 is cyan on graphite, skin 2 amber on charcoal: the left frame edge
# shows which; the middle of the window shows the background.
read -r r g b <<< "$(mean shipped.png 6x300+6+150)"
(( b > r )) || fail "shipped: not skin 1's frame ($r $g $b)"
read -r r g b <<< "$(mean restarted.png 6x300+6+150)"
(( r > b )) || fail "restarted: not skin 2's frame ($r $g $b)"
read -r r g b <<< "$(mean restarted.png 200x150+450+250)"
(( r > 150 && b > 150 && g < 100 )) || fail "restarted: not the picture as background ($r $g $b)"
read -r r g b <<< "$(mean reset.png 6x300+6+150)"
(( b > r )) || fail "reset: not skin 1's frame ($r $g $b)"
read -r r g b <<< "$(mean reset.png 200x150+450+250)"
(( g > r )) || fail "reset: the picture is still the background ($r $g $b)"
cmp -s "$settings" "$factory" || fail "reset: the settings file is not the factory file"

if [ -n "$keep" ]; then
  cp english.png "$keep/settings-english.png"
  cp chinese.png "$keep/settings-chinese.png"
  cp restarted.png "$keep/settings-restarted.png"
fi
echo "settings_under_xvfb: skin, text size, language and background applied, restored at the next start, reset to the factory look"
