#!/usr/bin/env bash
# Fuzzing with libFuzzer (clang, ASan and UBSan) in its own build, build/fuzz.
#   scripts/fuzz.sh smoke               the short fixed-seed runs of every target (part of scripts/test.sh)
#   scripts/fuzz.sh <target> <seconds>  a long run of one target; the inputs it finds stay in
#                                       build/fuzz/fuzz/work/<target>/corpus for the next run,
#                                       a crashing input goes to build/fuzz/fuzz/work/<target>/findings
#   scripts/fuzz.sh list                the targets
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test

cmake -S . -B build/fuzz -DCMAKE_CXX_COMPILER=clang++ -DAIS_FUZZ=ON -DAIS_BUILD_TESTS=OFF > /dev/null
cmake --build build/fuzz --target fuzzers -j"$(nproc)"
work=build/fuzz/fuzz/work

case "${1:-}" in
    smoke)
        exec ctest --test-dir build/fuzz -L fuzz-smoke --output-on-failure -j"$(nproc)"
        ;;
    list)
        for env in "$work"/*.env; do basename "$env" .env; done
        ;;
    fuzz_*)
        [ $# -eq 2 ] || { echo "usage: $0 <target> <seconds>" >&2; exit 2; }
        [ -f "$work/$1.env" ] || { echo "no target $1; scripts/fuzz.sh list" >&2; exit 2; }
        # shellcheck disable=SC1090
        source "$work/$1.env"
        # shellcheck disable=SC2086
        exec fuzz/run-fuzzer.sh "$fuzzer" "$PWD/$work/$1" "$corpora" $options \
            -max_total_time="$2" -print_final_stats=1
        ;;
    *)
        sed -n '2,7s/^# \{0,1\}//p' "$0" >&2
        exit 2
        ;;
esac
