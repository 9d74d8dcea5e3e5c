#!/usr/bin/env bash
# Runs the start-up benchmark RUNS times (default 10) on a virtual X server
# and prints each run and the median time to the first frame.
# Usage: bench/run_startup.sh [RUNS]   (after scripts/build --target bench_startup)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-10}
xvfb-run -a -s "-screen 0 1280x800x24" bash -c "
  for i in \$(seq $runs); do build/bin/bench_startup; done" | tee /dev/stderr |
  sed -E 's/.*frame: ([0-9]+) ms.*/\1/' | sort -n |
  awk '{ v[NR] = $1 } END { printf "median start to first frame: %d ms over %d runs\n", v[int((NR + 1) / 2)], NR }'
