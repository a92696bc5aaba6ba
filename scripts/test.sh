#!/usr/bin/env bash
# Builds the tests (AddressSanitizer and UndefinedBehaviorSanitizer) and runs every one;
# builds the thread tests (CTest label "threads") under ThreadSanitizer in build/tsan and runs
# them, so a data race or a lock-order inversion fails; then the fuzz smoke runs (fixed seed and
# number of inputs per target) in build/fuzz.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test
# Each stage's wall time goes to the end of the output, to compare runs.
timings=()
stage() {
    local name=$1 start=$SECONDS
    shift
    "$@"
    timings+=("$(printf '%-22s %5d s' "$name" $((SECONDS - start)))")
}

cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Debug -DAIS_SANITIZE=ON

stage "ASan build" cmake --build build/test --target all_tests -j"$(nproc)"
stage "ASan tests" ctest --test-dir build/test --output-on-failure -j"$(nproc)"
cmake -S . -B build/tsan -DCMAKE_BUILD_TYPE=Debug -DAIS_TSAN=ON > /dev/null
stage "TSan build" cmake --build build/tsan --target thread_tests -j"$(nproc)"
stage "TSan tests" ctest --test-dir build/tsan -L threads --no-tests=error --output-on-failure -j"$(nproc)"
stage "fuzz build and smoke" scripts/fuzz.sh smoke
printf '%s\n' "${timings[@]}" "$(printf '%-22s %5d s' total "$SECONDS")"
