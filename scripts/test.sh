#!/usr/bin/env bash
# Builds the test build (AddressSanitizer and UndefinedBehaviorSanitizer) and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Debug -DAIS_SANITIZE=ON
cmake --build build/test -j"$(nproc)"
cd build/test
ctest --output-on-failure -j"$(nproc)"
