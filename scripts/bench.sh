#!/usr/bin/env bash
# Builds the engines natively and runs the benchmarks; each result is also printed as a ratio
# to the one-frame memory-traffic baseline measured in the same run. Arguments go to the
# benchmark binary (for example --benchmark_filter=Fade).
set -euo pipefail
source "$(dirname "$0")/common.sh"
ensure_packages
configure_native "$BUILD/native"
cmake --build "$BUILD/native" -j"$JOBS" --target orvane_bench
"$BUILD/native/bench/orvane_bench" --benchmark_color=false "$@"
