#!/usr/bin/env bash
# The real program on a virtual X server, started from another directory with
# the virtual keyboard: one 1000x600 undecorated window titled from the
# settings file, a picture that is not blank, a clean stop on SIGTERM, and a
# capture that shows the device check's exchange (firmware version, current
# profile) and then the scene's lighting read (lighting type, seven colours).
# Usage: program_under_xvfb.sh PATH/TO/q3config
set -euo pipefail
program=$(readlink -f "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

fail() { echo "FAIL: $*" >&2; exit 1; }

export PROGRAM="$program" WORK="$work"
xvfb-run -a -s "-screen 0 1280x800x24" bash -euo pipefail -c '
  "$PROGRAM" --virtual-keyboard --capture reports.txt 2> program.log &
  pid=$!
  ids=$(timeout 20 xdotool search --sync --onlyvisible --name "^Q3 Keyboard Configurator$")
  [ "$(echo "$ids" | wc -l)" -eq 1 ] || { echo "windows: $ids"; exit 1; }
  xwininfo -id "$ids" > geometry.txt
  xprop -id "$ids" _MOTIF_WM_HINTS > hints.txt
  sleep 1
  import -window root shot.png
  kill -TERM "$pid"
  wait "$pid"
  echo $? > exit-code.txt
'

grep -q "Width: 1000" geometry.txt || fail "window width: $(grep Width geometry.txt)"
grep -q "Height: 600" geometry.txt || fail "window height: $(grep Height geometry.txt)"
# Motif hints: flags with the decorations bit (2) set, decorations 0.
read -r flags _ decorations _ < <(sed 's/.*= //; s/,//g' hints.txt)
(( (flags & 2) != 0 && decorations == 0 )) || fail "window decorations: $(cat hints.txt)"
[ "$(cat exit-code.txt)" = 0 ] || fail "exit code $(cat exit-code.txt)"

deviation=$(convert shot.png -colorspace Gray -format '%[fx:standard_deviation]' info:)
awk -v d="$deviation" 'BEGIN { exit !(d > 0.01) }' || fail "blank screenshot (deviation $deviation)"

line='^[0-9]+ (cmd|evt) (feature-out|feature-in|out|in)( [0-9A-F]{2})+$'
[ -s reports.txt ] || fail "empty capture"
if grep -v -E "$line" reports.txt; then fail "malformed capture lines above"; fi
grep -n -E ' cmd feature-out 00 (80|A1|88|B0) ' reports.txt | cut -d' ' -f5 > order.txt
[ "$(tr '\n' ' ' < order.txt)" = "80 A1 88 B0 " ] || fail "device check exchange: $(cat reports.txt)"

echo "program_under_xvfb: ok"
