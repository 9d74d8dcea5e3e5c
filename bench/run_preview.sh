#!/usr/bin/env bash
# Runs the preview benchmark on a virtual X server and prints its table.
# Usage: bench/run_preview.sh [SECONDS_PER_EFFECT (20)] [SECONDS_IDLE (30)] [CODES (all)]
#        (after scripts/build --target bench_preview)
set -euo pipefail
cd "$(dirname "$0")/.."
xvfb-run -a -s "-screen 0 1280x800x24" build/bin/bench_preview "$@" 2>/dev/null
