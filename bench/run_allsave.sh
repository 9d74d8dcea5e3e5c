#!/usr/bin/env bash
# Runs the ALL SAVE benchmark on a virtual X server and prints its table.
# Usage: bench/run_allsave.sh [RUNS (5)]   (after scripts/build --target bench_allsave)
set -euo pipefail
cd "$(dirname "$0")/.."
xvfb-run -a -s "-screen 0 1280x800x24" build/bin/bench_allsave "$@" 2>/dev/null
