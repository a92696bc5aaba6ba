#!/usr/bin/env bash
# Builds the test build (AddressSanitizer and UndefinedBehaviorSanitizer) and runs every test;
# builds the thread tests (CTest label "threads") under ThreadSanitizer in build/tsan and runs
# them, so a data race or a lock-order inversion fails; then the fuzz smoke runs (fixed seed and
# number of inputs per target) in build/fuzz.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Debug -DAIS_SANITIZE=ON
cmake --build build/test -j"$(nproc)"
(cd build/test && ctest --output-on-failure -j"$(nproc)")
cmake -S . -B build/tsan -DCMAKE_BUILD_TYPE=Debug -DAIS_TSAN=ON > /dev/null
cmake --build build/tsan --target thread_tests -j"$(nproc)"
ctest --test-dir build/tsan -L threads --no-tests=error --output-on-failure -j"$(nproc)"
scripts/fuzz.sh smoke
