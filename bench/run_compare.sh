#!/usr/bin/env bash
# The program against an empty Qt Quick window of its size, side by side on
# one virtual X server: time from launch to the first frame and resident
# memory then (medians of RUNS interleaved starts of each, default 12), and
# idle CPU over 30 s after 10 s to settle, with resident memory at its end;
# for the program also the time to the end of its power-on animation.
# Usage: bench/run_compare.sh [RUNS] [BENCH_STARTUP_OPTION]
#        e.g. --players-first for the start as it was with the sound players
#        made before the window shows
#        (after scripts/build --target q3config bench_startup bench_emptywindow)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-12}
option=${2:-}
bin=$(readlink -f build/bin)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/program" "$work/home"
cp "$bin/q3config" "$work/program/"
cp -r "$bin/modules" "$work/program/"
export BIN="$bin" RUNS="$runs" OPTION="$option" PROGRAM="$work/program/q3config" HOME="$work/home"
export XDG_DATA_HOME="$work/home/data" XDG_CONFIG_HOME="$work/home/config"
cd "$work"
xvfb-run -a -s "-screen 0 1280x800x24" bash -euo pipefail -c '
  launch() { Q3_BENCH_LAUNCH_NS=$(date +%s%N) "$@" 2>/dev/null; }
  for i in $(seq "$RUNS"); do
    launch "$BIN/bench_startup" $OPTION >> program.txt
    launch "$BIN/bench_emptywindow" >> empty.txt
  done
  # Idle: CPU ticks over 30 s after 10 s, then resident memory.
  idle() {
    "$@" 2>/dev/null > /dev/null &
    local pid=$!
    sleep 10
    local before after
    before=$(awk "{ print \$14 + \$15 }" /proc/$pid/stat)
    sleep 30
    after=$(awk "{ print \$14 + \$15 }" /proc/$pid/stat)
    local rss
    rss=$(awk "/^VmRSS:/ { print \$2 }" /proc/$pid/status)
    kill -TERM $pid
    wait $pid || true
    awk -v t=$((after - before)) -v hz="$(getconf CLK_TCK)" -v rss="$rss" \
      "BEGIN { printf \"%.2f %d\n\", 100 * t / hz / 30, rss }"
  }
  idle "$PROGRAM" --virtual-keyboard > program-idle.txt
  idle "$BIN/bench_emptywindow" --stay 60 > empty-idle.txt
'
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
frame() { grep '^start to' "$1" | sed -E 's/.*first frame: ([0-9]+) ms.*/\1/' | median; }
rss() { grep '^start to' "$1" | sed -E 's/.*resident at first frame: ([0-9]+) kB.*/\1/' | median; }
shown() { grep 'scene shown' "$1" | sed -E 's/.*scene shown (-?[0-9]+) ms.*/\1/' | median; }
powerOn() { grep '^start to' "$1" | sed -E 's/.*end of power-on: (-?[0-9]+) ms.*/\1/' | median; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "-" }'; }
pf=$(frame program.txt) ef=$(frame empty.txt)
pr=$(rss program.txt) er=$(rss empty.txt)
read -r pi pir < program-idle.txt
read -r ei eir < empty-idle.txt
echo "each start (program, then empty window):"
cat program.txt empty.txt | sed 's/^/  /'
echo
echo "| medians of $runs starts | q3config | empty window | ratio |"
echo "|---|---|---|---|"
echo "| launch to first frame (ms) | $pf | $ef | $(ratio "$pf" "$ef") |"
echo "| launch to the first frame showing the scene (ms) | $(shown program.txt) | $ef | $(ratio "$(shown program.txt)" "$ef") |"
echo "| launch to the end of the power-on (ms) | $(powerOn program.txt) | | |"
echo "| resident at first frame (MB) | $((pr / 1024)) | $((er / 1024)) | $(ratio "$pr" "$er") |"
echo "| idle CPU over 30 s (% of a core) | $pi | $ei | |"
echo "| resident after 40 s (MB) | $((pir / 1024)) | $((eir / 1024)) | $(ratio "$pir" "$eir") |"
