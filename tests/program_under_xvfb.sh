#!/usr/bin/env bash
# The real program on a virtual X server, once per skin, started from another
# directory with the virtual keyboard: one 1000x600 undecorated window titled
# from the settings file, a picture of the frame after power-on that is not
# blank, a clean stop on SIGTERM, and a capture that shows the device check's
# exchange (firmware version, current profile) and then the scene's lighting
# read (lighting type, seven colours).
# Usage: program_under_xvfb.sh PATH/TO/q3config [SCREENSHOT_DIR]
set -euo pipefail
build_bin=$(dirname "$(readlink -f "$1")")
keep=${2:-}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

for skin in 1 2; do
  # A copy of the installed program, its settings choosing the skin and
  # animations off (the power-on then takes a few milliseconds).
  program_dir="$work/skin$skin/program"
  mkdir -p "$program_dir"
  cp "$build_bin/q3config" "$program_dir/"
  cp -r "$build_bin/modules" "$program_dir/"
  sed -i -E "s/^1=.*/1=$skin/; s/^3=.*/3=1/" "$program_dir/modules/setting/apConfig.bin"
  run="$work/skin$skin/run"
  mkdir -p "$run"
  cd "$run"
  export PROGRAM="$program_dir/q3config"
  xvfb-run -a -s "-screen 0 1280x800x24" bash -euo pipefail -c '
    "$PROGRAM" --virtual-keyboard --capture reports.txt 2> program.log &
    pid=$!
    ids=$(timeout 20 xdotool search --sync --onlyvisible --name "^Q3 Keyboard Configurator$")
    [ "$(echo "$ids" | wc -l)" -eq 1 ] || { echo "windows: $ids"; exit 1; }
    xwininfo -id "$ids" > geometry.txt
    xprop -id "$ids" _MOTIF_WM_HINTS > hints.txt
    sleep 2
    import -window root -crop 1000x600+0+0 +repage shot.png
    kill -TERM "$pid"
    wait "$pid"
    echo $? > exit-code.txt
  '
  grep -q "Width: 1000" geometry.txt || fail "skin $skin: window width: $(grep Width geometry.txt)"
  grep -q "Height: 600" geometry.txt || fail "skin $skin: window height: $(grep Height geometry.txt)"
  # Motif hints: flags with the decorations bit (2) set, decorations 0.
  read -r flags _ decorations _ < <(sed 's/.*= //; s/,//g' hints.txt)
  (( (flags & 2) != 0 && decorations == 0 )) || fail "skin $skin: decorations: $(cat hints.txt)"
  [ "$(cat exit-code.txt)" = 0 ] || fail "skin $skin: exit code $(cat exit-code.txt)"

  deviation=$(convert shot.png -colorspace Gray -format '%[fx:standard_deviation]' info:)
  awk -v d="$deviation" 'BEGIN { exit !(d > 0.02) }' || fail "skin $skin: blank picture ($deviation)"
  [ -z "$keep" ] || cp shot.png "$keep/skin$skin.png"

  line='^[0-9]+ (cmd|evt) (feature-out|feature-in|out|in)( [0-9A-F]{2})+$'
  [ -s reports.txt ] || fail "skin $skin: empty capture"
  if grep -v -E "$line" reports.txt; then fail "skin $skin: malformed capture lines above"; fi
  grep -n -E ' cmd feature-out 00 (80|A1|88|B0) ' reports.txt | cut -d' ' -f5 > order.txt
  [ "$(tr '\n' ' ' < order.txt)" = "80 A1 88 B0 " ] ||
    fail "skin $skin: start-up exchange: $(cat reports.txt)"
done
# The two skins look different.
[ "$(compare -metric AE "$work"/skin1/run/shot.png "$work"/skin2/run/shot.png null: 2>&1 || true)" != 0 ] ||
  fail "both skins give the same picture"
echo "program_under_xvfb: ok"
