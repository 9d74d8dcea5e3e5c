# Helpers for the tests that drive the real program with the mouse on a
# virtual X server. Sourced, by the test scripts and by the shell each of them
# runs under xvfb-run (through $XVFB_SESSION).

fail() { echo "FAIL: $*" >&2; exit 1; }

# begin_session PATH/TO/q3config [SCREENSHOT_DIR]: build_bin (the program's
# folder), keep (the screenshot folder, absolute, or empty) and work (a scratch
# folder removed when the script ends).
begin_session() {
  build_bin=$(dirname "$(readlink -f "$1")")
  keep=${2:+$(readlink -f "$2")}
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
}

# copy_program BUILD_BIN DIR: a copy of the built program in DIR without the
# profiles and macros a run from build/bin may have left, animations off.
copy_program() {
  mkdir -p "$2"
  cp "$1/q3config" "$2/"
  cp -r "$1/modules" "$2/"
  rm -rf "$2/modules/macro" "$2"/modules/setting/p[0-9]*.bin
  mkdir -p "$2/modules/macro"
  sed -i -E "s/^3=.*/3=1/" "$2/modules/setting/apConfig.bin"
}

# start_program CAPTURE: starts $PROGRAM on the virtual keyboard and waits for
# its window; its process id is in $pid.
start_program() {
  "$PROGRAM" --virtual-keyboard --capture "$1" 2> program.log &
  pid=$!
  timeout 20 xdotool search --sync --onlyvisible --name "^Q3 Keyboard Configurator$" >/dev/null
  sleep 2
}

# click "X Y": a click there, then time for the scene to follow.
click() { xdotool mousemove $1 click 1; sleep 0.6; }

# shot FILE: the 1000x600 window at the top left of the screen.
shot() { import -window root -crop 1000x600+0+0 +repage "$1"; }
