#!/usr/bin/env bash
# Builds the test build (AddressSanitizer and UndefinedBehaviorSanitizer) and runs every test,
# then the fuzz smoke runs (fixed seed and number of inputs per target) in build/fuzz.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Debug -DAIS_SANITIZE=ON
cmake --build build/test -j"$(nproc)"
(cd build/test && ctest --output-on-failure -j"$(nproc)")
scripts/fuzz.sh smoke
