#!/usr/bin/env bash
# The real program on a Wayland compositor: a headless weston started here,
# the program on Qt's Wayland platform with the virtual keyboard. It must map
# its 1000x600 window (the compositor configures the toplevel, the program
# acknowledges and attaches a buffer of that size, and frames are presented),
# say that key detection reads the window's own events, complete the start-up
# exchange in the capture (firmware version, current profile, then the
# scene's lighting read), and stop cleanly on SIGTERM.
# Usage: program_under_weston.sh PATH/TO/q3config
set -euo pipefail
build_bin=$(dirname "$(readlink -f "$1")")
work=$(mktemp -d)
weston_pid=
program_pid=
cleanup() {
  [ -z "$program_pid" ] || kill -KILL "$program_pid" 2> /dev/null || true
  [ -z "$weston_pid" ] || kill -TERM "$weston_pid" 2> /dev/null || true
  [ -z "$weston_pid" ] || wait "$weston_pid" 2> /dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  echo "--- weston log" >&2; tail -n 20 "$work/weston.log" >&2 || true
  echo "--- program messages" >&2; grep -v '^\[' "$work/program.log" | tail -n 20 >&2 || true
  exit 1
}

# A copy of the program with animations off; the compositor's socket in a
# private runtime directory (mktemp -d makes it 0700, as Wayland wants).
program_dir="$work/program"
mkdir -p "$program_dir"
cp "$build_bin/q3config" "$program_dir/"
cp -r "$build_bin/modules" "$program_dir/"
sed -i -E "s/^3=.*/3=1/" "$program_dir/modules/setting/apConfig.bin"
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 0700 "$XDG_RUNTIME_DIR"
socket=q3-wayland
weston --backend=headless-backend.so --socket="$socket" --idle-time=0 --no-config \
  --width=1280 --height=800 > "$work/weston.log" 2>&1 &
weston_pid=$!
for _ in $(seq 100); do
  [ -S "$XDG_RUNTIME_DIR/$socket" ] && break
  kill -0 "$weston_pid" 2> /dev/null || fail "weston did not start"
  sleep 0.1
done
[ -S "$XDG_RUNTIME_DIR/$socket" ] || fail "weston opened no socket"

# The headless compositor has no seat. Qt 6.4 then crashes in its default
# text-input support (zwp_text_input_v1 without an input device); asking for
# the other protocol, which weston does not offer, leaves text input off.
cd "$work"
env -u DISPLAY WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client \
  QT_WAYLAND_TEXT_INPUT_PROTOCOL=zwp_text_input_v2 \
  "$program_dir/q3config" --virtual-keyboard --capture reports.txt 2> program.log &
program_pid=$!

# Wayland requests the program sent, and events it received (WAYLAND_DEBUG).
sent() { grep -q -E "^\[ *[0-9.]+\]  -> $1" program.log; }
received() { grep -q -E "^\[ *[0-9.]+\] $1" program.log; }
presented() { [ "$(grep -c -E '^\[ *[0-9.]+\] wl_callback@[0-9]+\.done' program.log)" -ge 5 ]; }
started_up() {
  [ "$(grep -E ' cmd feature-out 00 (80|A1|88|B0) ' reports.txt 2> /dev/null |
       cut -d' ' -f5 | tr '\n' ' ')" = "80 A1 88 B0 " ]
}
for _ in $(seq 200); do
  presented && started_up && break
  kill -0 "$program_pid" 2> /dev/null || fail "the program ended early"
  sleep 0.1
done
sent 'xdg_toplevel@[0-9]+\.set_title\("Q3 Keyboard Configurator"\)' || fail "no toplevel titled"
received 'xdg_surface@[0-9]+\.configure\(' || fail "the compositor never configured the window"
sent 'xdg_surface@[0-9]+\.ack_configure\(' || fail "the configure was not acknowledged"
sent 'wl_shm_pool@[0-9]+\.create_buffer\(new id wl_buffer@[0-9]+, [0-9]+, 1000, 600, ' ||
  fail "no 1000x600 buffer"
sent 'wl_surface@[0-9]+\.attach\(wl_buffer@' || fail "no buffer attached"
presented || fail "the compositor presented fewer than 5 frames"
started_up || fail "start-up exchange: $(cat reports.txt 2> /dev/null)"
[ "$(grep -c '^q3config: key detection: ' program.log)" = 1 ] || fail "key detection not said once"
grep -q "^q3config: key detection: the window's own key and button events while it has the focus" \
  program.log || fail "wrong key source: $(grep 'key detection' program.log)"

line='^[0-9]+ (cmd|evt) (feature-out|feature-in|out|in)( [0-9A-F]{2})+$'
if grep -v -E "$line" reports.txt; then fail "malformed capture lines above"; fi

kill -TERM "$program_pid"
status=0
wait "$program_pid" || status=$?
program_pid=
[ "$status" = 0 ] || fail "exit status $status after SIGTERM"
echo "program_under_weston: ok"
