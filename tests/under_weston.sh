#!/usr/bin/env bash
# Runs a command as a client of a headless weston started for it, on Qt's
# Wayland platform, in a private runtime directory; the command's exit status
# is the result. The compositor has no seat, so Qt 6.4's default text-input
# support would crash; the protocol weston does not offer is asked for,
# which leaves text input off. The compositor starts only what a client test
# needs: no on-screen keyboard, no panel, no fade-in that hides the output
# until the shell's own client is ready. With WESTON_LOG set, the
# compositor's log is copied there at the end.
# Usage: under_weston.sh COMMAND [ARGUMENTS…]
set -euo pipefail
runtime=$(mktemp -d)
weston_pid=
cleanup() {
  [ -z "$weston_pid" ] || kill -TERM "$weston_pid" 2> /dev/null || true
  [ -z "$weston_pid" ] || wait "$weston_pid" 2> /dev/null || true
  [ -z "${WESTON_LOG:-}" ] || cp "$runtime/weston.log" "$WESTON_LOG" 2> /dev/null || true
  rm -rf "$runtime"
}
trap cleanup EXIT
export XDG_RUNTIME_DIR=$runtime
socket=q3-wayland
cat > "$runtime/weston.ini" << 'EOF'
[shell]
startup-animation=none
panel-position=none

[input-method]
path=
EOF
weston --backend=headless-backend.so --socket="$socket" --idle-time=0 --config="$runtime/weston.ini" \
  --width=1280 --height=800 > "$runtime/weston.log" 2>&1 &
weston_pid=$!
for _ in $(seq 100); do
  [ -S "$runtime/$socket" ] && break
  kill -0 "$weston_pid" 2> /dev/null || { cat "$runtime/weston.log" >&2; exit 1; }
  sleep 0.1
done
[ -S "$runtime/$socket" ] || { echo "weston opened no socket" >&2; exit 1; }
status=0
env -u DISPLAY WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland \
  QT_WAYLAND_TEXT_INPUT_PROTOCOL=zwp_text_input_v2 "$@" || status=$?
exit "$status"
