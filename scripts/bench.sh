#!/usr/bin/env bash
# Builds the benchmarks in Release (build/bench) and runs them. Arguments go to Google
# Benchmark, e.g. --benchmark_filter=LineCutter. Not part of the tests: timings want a quiet
# machine.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh bench
cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release -DAIS_BENCH=ON -DAIS_BUILD_TESTS=OFF > /dev/null
cmake --build build/bench --target ais_bench -j"$(nproc)"
exec build/bench/bench/ais_bench "$@"
