#!/usr/bin/env bash
# Benchmarks: ns per frame of every kernel and its ratio to the floor (the transcendental work alone),
# then the real-time factor of qg-render on a 60-second stereo file. Uses the linux preset (build/linux).
# usage: scripts/bench.sh [extra Google Benchmark options]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
cmake --preset linux >/dev/null
cmake --build --preset linux -j"$(nproc)" --target qg_bench qg_render qg_demo QuorvelGraywick

echo "== kernels (median of 5 repetitions)"
build/linux/bin/qg_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
  --benchmark_min_time=0.3 --benchmark_enable_random_interleaving=true "$@"

echo "== qg-render on a 60-second stereo file"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
build/linux/bin/qg-demo --out "$scratch" --seconds 60 >/dev/null
build/linux/bin/qg-render --program 0 "$scratch/in.wav" "$scratch/rendered.wav" 2>&1 | tail -n 1
build/linux/bin/qg-render --double --program 0 "$scratch/in.wav" "$scratch/rendered.wav" 2>&1 | tail -n 1
