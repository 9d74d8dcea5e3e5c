#!/usr/bin/env bash
# Runs the start-up benchmark RUNS times (default 10) on a virtual X server
# and prints each run and the medians.
# Usage: bench/run_startup.sh [RUNS] [OPTIONS], OPTIONS one argument with those
#        of bench_startup, e.g. "--animations-off --players-first"
#        (after scripts/build --target bench_startup)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-10}
option=${2:-}
results=$(xvfb-run -a -s "-screen 0 1280x800x24" bash -c "
  for i in \$(seq $runs); do build/bin/bench_startup $option 2>/dev/null; done")
echo "$results"
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
frame=$(echo "$results" | sed -E 's/.*first frame: ([0-9]+) ms.*/\1/' | median)
power=$(echo "$results" | sed -E 's/.*power-on: ([0-9]+) ms.*/\1/' | median)
echo "median over $runs runs: start to first frame $frame ms, to end of power-on $power ms"
