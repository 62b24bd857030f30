#!/bin/sh
# Runs every benchmark program.
set -eu
BUILD_DIR=${1:-build}
for b in "$BUILD_DIR"/bench/bench_*; do
    [ -x "$b" ] || continue
    echo "== $(basename "$b")"
    "$b" --benchmark_min_time=0.2
done
