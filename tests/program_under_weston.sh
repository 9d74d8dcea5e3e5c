#!/usr/bin/env bash
# The real program on a Wayland compositor: a headless weston started for it
# (under_weston.sh), the program on Qt's Wayland platform with the virtual
# keyboard. It must map its 1000x600 window (the compositor configures the
# toplevel, the program acknowledges and attaches a buffer of that size, and
# at least two frames are presented), say once that key detection reads the
# window's own events, complete the start-up exchange in the capture
# (firmware version, current profile, then the scene's lighting read), and
# stop cleanly on SIGTERM.
# Usage: program_under_weston.sh PATH/TO/q3config
set -euo pipefail
build_bin=$(dirname "$(readlink -f "$1")")
here=$(dirname "$(readlink -f "$0")")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
  echo "FAIL: $*" >&2
  echo "--- program messages" >&2
  grep -v '^\[' "$work/program.log" | tail -n 20 >&2 || true
  echo "--- last Wayland messages" >&2
  grep '^\[' "$work/program.log" | tail -n 15 >&2 || true
  echo "--- compositor log" >&2
  grep -v '^ ' "$work/weston.log" | tail -n 15 >&2 || true
  exit 1
}

# A copy of the program with animations off.
program_dir="$work/program"
mkdir -p "$program_dir"
cp "$build_bin/q3config" "$program_dir/"
cp -r "$build_bin/modules" "$program_dir/"
sed -i -E "s/^3=.*/3=1/" "$program_dir/modules/setting/apConfig.bin"
export PROGRAM="$program_dir/q3config"
cd "$work"

# Frames the compositor presented: frame callbacks the program asked for
# (wl_surface.frame) that came back done. The log's time stamps are padded
# to seven digits ("[ 575832.020]" below 1000 s of the clock's cycle), so
# the callback is found by pattern, not by field.
frames_presented() {
  awk 'match($0, /-> wl_surface@[0-9]+\.frame\(new id wl_callback@[0-9]+\)/) {
         id = substr($0, RSTART, RLENGTH); sub(/.*wl_callback@/, "", id); sub(/\)/, "", id)
         asked[id] = 1; next }
       match($0, /^\[ *[0-9.]+\] wl_callback@[0-9]+\.done/) {
         id = substr($0, RSTART, RLENGTH); sub(/.*wl_callback@/, "", id); sub(/\.done/, "", id)
         if (id in asked) { done++; delete asked[id] } }
       END { print done + 0 }' program.log
}
export -f frames_presented

# One compositor session: run the program with the Wayland requests and
# events it exchanges logged (WAYLAND_DEBUG), wait until frames were presented
# and the start-up exchange is in the capture (at most 20 s), then stop it
# with SIGTERM.
run_session() {
  rm -f program.log reports.txt exit-code.txt
  WESTON_LOG="$work/weston.log" bash "$here/under_weston.sh" bash -euo pipefail -c '
    presented() { [ "$(frames_presented)" -ge 2 ]; }
    started_up() {
      [ "$(grep -E " cmd feature-out 00 (80|A1|88|B0) " reports.txt 2> /dev/null |
           cut -d" " -f5 | tr "\n" " ")" = "80 A1 88 B0 " ]
    }
    WAYLAND_DEBUG=client "$PROGRAM" --virtual-keyboard --capture reports.txt 2> program.log &
    pid=$!
    for _ in $(seq 200); do
      presented && started_up && break
      kill -0 "$pid" 2> /dev/null || break
      sleep 0.1
    done
    kill -TERM "$pid" 2> /dev/null || true
    status=0
    wait "$pid" || status=$?
    echo "$status" > exit-code.txt
  ' || fail "the compositor did not run"
}

run_session

# Wayland requests the program sent, and events it received.
sent() { grep -q -E "^\[ *[0-9.]+\]  -> $1" program.log; }
received() { grep -q -E "^\[ *[0-9.]+\] $1" program.log; }
sent 'xdg_toplevel@[0-9]+\.set_title\("Q3 Keyboard Configurator"\)' || fail "no toplevel titled"
received 'xdg_surface@[0-9]+\.configure\(' || fail "the compositor never configured the window"
sent 'xdg_surface@[0-9]+\.ack_configure\(' || fail "the configure was not acknowledged"
sent 'wl_shm_pool@[0-9]+\.create_buffer\(new id wl_buffer@[0-9]+, [0-9]+, 1000, 600, ' ||
  fail "no 1000x600 buffer"
sent 'wl_surface@[0-9]+\.attach\(wl_buffer@' || fail "no buffer attached"
[ "$(frames_presented)" -ge 2 ] || fail "the compositor presented $(frames_presented) frames"

[ -s reports.txt ] || fail "empty capture"
line='^[0-9]+ (cmd|evt) (feature-out|feature-in|out|in)( [0-9A-F]{2})+$'
if grep -v -E "$line" reports.txt; then fail "malformed capture lines above"; fi
order=$(grep -E ' cmd feature-out 00 (80|A1|88|B0) ' reports.txt | cut -d' ' -f5 | tr '\n' ' ')
[ "$order" = "80 A1 88 B0 " ] || fail "start-up exchange: $order"

[ "$(grep -c '^q3config: key detection: ' program.log)" = 1 ] || fail "key detection not said once"
grep -q "^q3config: key detection: the window's own key and button events while it has the focus" \
  program.log || fail "key source: $(grep 'key detection' program.log)"
[ "$(cat exit-code.txt)" = 0 ] || fail "exit status $(cat exit-code.txt) after SIGTERM"
echo "program_under_weston: ok"
