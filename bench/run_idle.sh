#!/usr/bin/env bash
# Idle cost of the program: CPU time used over 30 s (after 10 s to settle)
# while it sits on its first page with the virtual keyboard and sound on, as
# a share of one core, and what it wrote to standard error at start.
# Runs a copy of the program with its own home folder on a virtual X server.
# Usage: bench/run_idle.sh [PATH/TO/q3config] [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
program=$(readlink -f "${1:-build/bin/q3config}")
seconds=${2:-30}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/program" "$work/home"
cp "$program" "$work/program/"
cp -r "$(dirname "$program")/modules" "$work/program/"
export PROGRAM="$work/program/q3config" SECONDS_IDLE="$seconds" HOME="$work/home"
export XDG_DATA_HOME="$work/home/data" XDG_CONFIG_HOME="$work/home/config"
cd "$work"
xvfb-run -a -s "-screen 0 1280x800x24" bash -euo pipefail -c '
  "$PROGRAM" --virtual-keyboard 2> stderr.txt &
  pid=$!
  sleep 10
  ticks() { awk "{ print \$14 + \$15 }" /proc/$pid/stat; }
  before=$(ticks)
  sleep "$SECONDS_IDLE"
  after=$(ticks)
  kill -TERM "$pid"
  wait "$pid" || true
  hz=$(getconf CLK_TCK)
  awk -v t=$((after - before)) -v hz="$hz" -v s="$SECONDS_IDLE" \
    "BEGIN { printf \"idle CPU over %d s: %.2f %% of a core (%d ticks of 1/%d s)\n\", s, 100 * t / hz / s, t, hz }"
'
echo "standard error at start ($(wc -l < stderr.txt) lines, $(grep -c "Failed to connect" stderr.txt || true) \"Failed to connect\"):"
sed 's/^/  /' stderr.txt
