#!/usr/bin/env bash
# The real program on a screen scaled by 2 (QT_SCALE_FACTOR=2), on a virtual X
# server, showing the KEY page: its window is 2000x1200 device pixels; shrunk
# back to 1000x600 it looks as the same page does at scale 1 (the layout is
# the unscaled one); and it is sharper than the same page shown from the 1x
# pictures alone (a copy with the @2x pictures removed): more edge detail,
# measured as the mean of ImageMagick's edge filter over the function menu
# and the keyboard picture (about 1.25 times as much; the same pictures give
# 1.0, vector text counting alike in both).
# Usage: scaled_under_xvfb.sh PATH/TO/q3config [SCREENSHOT_DIR]
#   SCREENSHOT_DIR receives screenshot-scale2.png (the KEY page at scale 2).
set -euo pipefail
export XVFB_SESSION="$(dirname "$(readlink -f "$0")")/xvfbsession.sh"
source "$XVFB_SESSION"
begin_session "$@"

export KEY_MENU_X=70 KEY_MENU_Y=200 # the KEY button, in scene pixels

# page_at NAME SCALE [--without-doubles]: $work/NAME.png, the window with the
# KEY page open at that scale factor, cut from the top left of the screen.
page_at() {
  local dir="$work/$1"
  copy_program "$build_bin" "$dir/program"
  if [ "${3:-}" = --without-doubles ]; then
    find "$dir/program/modules/img" -name '*@2x.png' -delete
  fi
  mkdir -p "$dir/home" "$dir/run"
  (
    cd "$dir/run"
    export PROGRAM="$dir/program/q3config" QT_SCALE_FACTOR=$2 SHOT="$work/$1.png"
    export HOME="$dir/home" XDG_DATA_HOME="$dir/home/data" XDG_CONFIG_HOME="$dir/home/config"
    xvfb-run -a -s "-screen 0 2400x1400x24" bash -euo pipefail -c '
      source "$XVFB_SESSION"
      start_program reports.txt
      id=$(xdotool search --onlyvisible --name "^Q3 Keyboard Configurator$")
      xwininfo -id "$id" > geometry.txt
      at() { awk -v v="$1" -v s="$QT_SCALE_FACTOR" "BEGIN { printf \"%d\", v * s }"; }
      xdotool mousemove "$(at $KEY_MENU_X)" "$(at $KEY_MENU_Y)" click 1
      sleep 1.5
      xdotool mousemove 2390 1390 # off the window: no hover highlight
      sleep 0.5
      size=$(at 1000)x$(at 600)
      import -window root -crop "$size+0+0" +repage "$SHOT"
      kill -TERM "$pid"
      wait "$pid"
    '
  )
  local width height
  width=$(awk -v s="$2" 'BEGIN { printf "%d", 1000 * s }')
  height=$(awk -v s="$2" 'BEGIN { printf "%d", 600 * s }')
  grep -q "Width: $width$" "$dir/run/geometry.txt" ||
    fail "$1: window $(grep -E 'Width|Height' "$dir/run/geometry.txt" | tr -s ' \n' ' '), not $width x $height"
  grep -q "Height: $height$" "$dir/run/geometry.txt" ||
    fail "$1: window $(grep -E 'Width|Height' "$dir/run/geometry.txt" | tr -s ' \n' ' '), not $width x $height"
}

# edges FILE: the mean of the edge filter over the function menu and the
# keyboard picture (device pixels at scale 2): the parts drawn from @2x pictures.
edges() {
  convert "$1" \( -clone 0 -crop 320x400+0+340 \) \( -clone 0 -crop 1340x400+370+360 \) -delete 0 \
    -colorspace Gray -edge 1 -format '%[fx:mean] ' info: | awk '{ print ($1 + $2) / 2 }'
}

page_at plain 1
page_at scaled 2
page_at enlarged 2 --without-doubles

# Same layout: the scaled window shrunk to scene pixels against the plain one.
convert "$work/scaled.png" -resize 1000x600 "$work/scaled-shrunk.png"
# (compare prints the measure on stderr and fails when the pictures differ at all)
difference=$({ compare -metric RMSE "$work/scaled-shrunk.png" "$work/plain.png" null: 2>&1 || true; } |
  sed -E 's/.*\((.*)\)/\1/')
awk -v d="$difference" 'BEGIN { exit !(d < 0.04) }' ||
  fail "the window at scale 2 is laid out differently from scale 1 (RMSE $difference)"

# Sharper than the 1x pictures enlarged.
sharp=$(edges "$work/scaled.png")
blurred=$(edges "$work/enlarged.png")
awk -v s="$sharp" -v b="$blurred" 'BEGIN { exit !(s >= 1.15 * b) }' ||
  fail "at scale 2 the window is not sharper with the @2x pictures (edges $sharp, without them $blurred)"

[ -z "$keep" ] || cp "$work/scaled.png" "$keep/screenshot-scale2.png"
echo "scaled_under_xvfb: 2000x1200 window, layout as at scale 1 (RMSE $difference), edges $sharp against $blurred without the @2x pictures"
