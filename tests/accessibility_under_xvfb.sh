#!/usr/bin/env bash
# The program as a keyboard-only user with a screen reader meets it: the real
# program on a virtual X server with the virtual keyboard, inside a session
# bus of its own with the accessibility bus on (started by the session bus when
# the program asks for it, as on a desktop). Every step is a key pressed with
# xdotool; what has the keyboard focus is read from the accessibility bus
# (tests/atspi_tree.py), as a screen reader reads it. No pointer is moved.
#  1. The window takes the keyboard: Tab reaches SETTINGS with nothing
#     clicked or focused by the test.
#  2. Every interactive control that shows has a role and a name, and no two
#     siblings share one: on the frame alone, on each page (F1 … F4) and with
#     the settings panel open over the colour page (Shift+Tab back to
#     SETTINGS, Return; Escape closes it and leaves the focus on SETTINGS),
#     with the effect list open and with a key chosen on the key page.
#  3. Colour page: MARQUEE chosen in the effect list, speed two steps and
#     brightness one step down with the arrow keys, APPLY pressed with Return:
#     the keyboard gets the lighting record with exactly those values.
#  4. Key page: gaming mode ticked with Space, F1 chosen in the keyboard
#     picture, F2's function put on it in the key field with Down and Return,
#     APPLY pressed: the keyboard gets the key matrix with F2's code on F1.
# The program and its data live in a scratch folder, as do the home, cache
# and runtime folders of the session.
# Usage: accessibility_under_xvfb.sh PATH/TO/q3config
set -euo pipefail
here=$(dirname "$(readlink -f "$0")")
export XVFB_SESSION="$here/xvfbsession.sh"
source "$XVFB_SESSION"
begin_session "$@"

program_dir="$work/program"
copy_program "$build_bin" "$program_dir"
run="$work/run"
mkdir -p "$run" "$work/home" "$work/runtime"
chmod 700 "$work/runtime"
cd "$run"
# pyatspi is Debian's: the system's Python, whatever python3 comes first.
export PROGRAM="$program_dir/q3config" ATSPI="/usr/bin/python3 $here/atspi_tree.py"
export HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" XDG_CACHE_HOME="$work/home/cache"
export XDG_CONFIG_HOME="$work/home/config" XDG_DATA_HOME="$work/home/data"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

status=0
xvfb-run -a -s "-screen 0 1280x800x24" dbus-run-session -- bash -euo pipefail -c '
  source "$XVFB_SESSION"
  # focus NAME [ROLE]: waits until the control with the keyboard focus is NAME.
  focus() {
    $ATSPI --timeout 10 focused --name "$1" ${2:+--role "$2"} > /dev/null ||
      fail "the focus is not on \"$1\" but on: $($ATSPI --timeout 1 focused 2>&1)"
  }
  # press KEY NAME [ROLE]: a key press, after which NAME has the focus.
  press() { $ATSPI press "$1" --focus "$2" ${3:+--role "$3"} > /dev/null || fail "$1 missed \"$2\""; }
  # tab_to NAME [ROLE]: Tab, at most 20 times, until NAME has the focus.
  tab_to() {
    $ATSPI press Tab --times 20 --focus "$1" ${2:+--role "$2"} > /dev/null || fail "no Tab reached \"$1\""
  }
  # shows NAME [ATSPI WAIT OPTIONS]: waits until NAME shows so.
  shows() {
    local name=$1
    shift
    $ATSPI --timeout 10 wait "$name" "$@" > /dev/null || fail "\"$name\" does not show with $*"
  }
  # named WHERE: every control shows with a role and a name, none twice.
  named() {
    $ATSPI check --quiet > "check-$1.txt" || fail "$1: $(cat "check-$1.txt")"
  }
  # idle: the busy protection over (the view, the focusable filler named
  # as the window, is enabled again).
  idle() { shows "Q3 Keyboard Configurator" --role filler --state focusable --state enabled; }
  # records PREFIX COUNT: waits until the capture holds COUNT such reports.
  records() {
    for _ in $(seq 100); do
      [ "$(grep -c -F "cmd feature-out $1" reports.txt)" -ge "$2" ] && return 0
      sleep 0.1
    done
    fail "no $2 x \"$1\" in the capture"
  }

  start_program reports.txt
  shows "ALL SAVE" --role "push button"
  press Tab SETTINGS "push button"
  named frame

  pages=(KEY MACRO COLOR SENSOR)
  # A control of each page that shows once the page is built.
  built=("GAMING MODE" RECORD APPLY "LED POWER ON")
  for n in 0 1 2 3; do
    press "F$((n + 1))" "${pages[$n]}" "page tab"
    shows "${pages[$n]}" --role "page tab" --state selected
    shows "${built[$n]}"
    named "page-${pages[$n]}"
  done

  # The settings panel over the colour page; the top bar read backwards.
  press F3 COLOR "page tab"
  press shift+Tab MACRO "page tab"
  press shift+Tab KEY "page tab"
  press shift+Tab CLOSE "push button"
  press shift+Tab WEBSITE "push button"
  press shift+Tab SETTINGS "push button"
  xdotool key Return
  shows SETTINGS --role "push button" --state checked
  shows RED --role text
  named settings
  xdotool key Escape
  shows SETTINGS --role "push button" --no-state checked
  focus SETTINGS "push button"

  # Colour page: WAVE is the effect the keyboard starts with; Down twice
  # from it is MARQUEE.
  press F3 COLOR "page tab"
  tab_to "EFFECTS WAVE" "combo box"
  xdotool key Return
  shows MARQUEE --role "list item"
  named effect-list-open
  xdotool key Down Down Return
  focus "EFFECTS MARQUEE" "combo box"
  tab_to SPEED slider
  xdotool key Left Left
  tab_to BRIGHTNESS slider
  xdotool key Left
  tab_to APPLY "push button"
  xdotool key Return
  records "00 08 " 1
  idle
  focus APPLY "push button"

  # Key page.
  press F1 KEY "page tab"
  tab_to "GAMING MODE" "check box"
  xdotool key space
  shows "GAMING MODE" --role "check box" --state checked
  press shift+Tab Esc "push button"
  press Right F1 "push button"
  xdotool key Return
  shows F1 --role "push button" --state checked
  named key-chosen
  press shift+Tab APPLY "push button"
  press shift+Tab RESET "push button"
  press shift+Tab "KEY F1" "push button"
  press Down "KEY F2" "push button"
  xdotool key Return
  press Tab RESET "push button"
  press Tab APPLY "push button"
  xdotool key Return
  records "00 0D " 1
  kill -TERM "$pid"
  wait "$pid"
' || status=$?
if [ "$status" != 0 ]; then
  grep -v "^qt.qml\|^dbus-daemon" program.log | tail -n 20 >&2 || true
  exit "$status"
fi

commands() { cut -d" " -f2- reports.txt | grep -v "^evt"; }
# MARQUEE (04); brightness level 7 - 1 = 6 of 7: round(6 x 63 / 7) = 54 (36);
# speed level 4 - 2 = 2, sent as 8 - 2 = 6; direction right (0), colour LOOP
# (7) and the back-light bytes E0 3C as the keyboard had them from the factory.
records=$(commands | grep -F "cmd feature-out 00 08 " || true)
[ "$records" = "cmd feature-out 00 08 04 36 06 00 07 E0 3C" ] || fail "colour page: records sent: $records"
commands | grep -q -F "cmd feature-out 00 02 01 00 00 00 55 AA 00" || fail "key page: no gaming mode write"
# Slots 0 … 5, two bytes each, low byte first: Esc (29), F1 now F2's code
# (3B), F2 … F5 unchanged (3B 3C 3D 3E).
matrix=$(commands | grep -A1 -F "cmd feature-out 00 0C 00 00 00 00 55 AA 00" | tail -n 1)
[[ $matrix == "cmd out 00 29 00 3B 00 3B 00 3C 00 3D 00 3E 00 "* ]] || fail "key page: key matrix: $matrix"
echo "accessibility_under_xvfb: every control shows named on the accessibility bus;" \
  "a lighting effect and a key assignment made with keys alone reach the keyboard"
