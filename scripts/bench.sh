#!/usr/bin/env bash
# Builds an optimised tree and prints the free-space search, settings loading and table finder
# timings.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
cmake -S "$root" -B "$root/build/bench" -DCMAKE_BUILD_TYPE=Release -DCALVANTER_BENCH=ON >/dev/null
cmake --build "$root/build/bench" -j "$(nproc 2>/dev/null || echo 2)" --target bench_free_space bench_settings_loading bench_table_finder
"$root/build/bench/bench_free_space"
"$root/build/bench/bench_settings_loading"
"$root/build/bench/bench_table_finder"
