#!/usr/bin/env bash
# The start-up cost of the accessibility bridge: interleaved starts of
# bench_startup with it off and on (QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1), in
# one session bus with the accessibility bus, the order swapped every round;
# with --listener, tests/atspi_tree.py listens to every focus, object and
# window event meanwhile, as a screen reader does. Prints the medians of
# each: launch to first frame, to the first frame showing the scene, to the
# end of the power-on, and resident memory at the first frame.
# Usage: bench/run_accessibility.sh [RUNS] [--listener]   (RUNS default 20)
#        (after scripts/build --target bench_startup)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-20}
listener=$([ "${2:-}" = --listener ] && echo 1 || echo 0)
export BIN=$(readlink -f build/bin) RUNS=$runs LISTENER=$listener
export ATSPI="/usr/bin/python3 $(readlink -f tests/atspi_tree.py)"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/home"
export HOME="$work/home"
cd "$work"
dbus-run-session -- xvfb-run -a -s "-screen 0 1280x800x24" bash -euo pipefail -c '
  if [ "$LISTENER" = 1 ]; then
    $ATSPI listen --quiet > listener.txt &
    listening=$!
    sleep 1
  fi
  launch() { Q3_BENCH_LAUNCH_NS=$(date +%s%N) "$@" 2>/dev/null; }
  off() { launch env -u QT_LINUX_ACCESSIBILITY_ALWAYS_ON "$BIN/bench_startup" >> off.txt; }
  on() { launch env QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$BIN/bench_startup" >> on.txt; }
  for i in $(seq "$RUNS"); do
    if [ $((i % 2)) = 1 ]; then off; on; else on; off; fi
  done
  if [ "$LISTENER" = 1 ]; then
    kill -TERM "$listening"
    wait "$listening" || true
    echo "the listener received $(cat listener.txt)"
  fi
' 2>&1 | { grep -v "dbus-daemon\|SpiRegistry" || true; }
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
field() { grep "$2" "$1" | sed -E "s/.*$3.*/\\1/" | median; }
echo "| medians of $runs starts each | bridge off | bridge on |"
echo "|---|---|---|"
row() {
  echo "| $1 | $(field off.txt "$2" "$3") | $(field on.txt "$2" "$3") |"
}
row "launch to first frame (ms)" '^start to' 'first frame: ([0-9]+) ms'
row "launch to the first frame showing the scene (ms)" 'scene shown' 'scene shown (-?[0-9]+) ms'
row "launch to the end of the power-on (ms)" '^start to' 'end of power-on: (-?[0-9]+) ms'
row "resident at first frame (kB)" '^start to' 'resident at first frame: ([0-9]+) kB'
