#!/usr/bin/env bash
# run-fuzzer.sh [--fresh] <fuzzer> <work dir> <seed dirs, ':' separated> [libFuzzer options...]
# Runs one fuzz target inside its work dir (the log target reads and writes ./logger.log
# there). Inputs that reach new code go to <work dir>/corpus, which --fresh empties first so
# that a run with a fixed seed repeats itself; a crashing input goes to <work dir>/findings.
set -euo pipefail

fresh=0
if [ "${1:-}" = --fresh ]; then
    fresh=1
    shift
fi
fuzzer=$1
work=$2
IFS=: read -r -a seed_dirs <<< "$3"
shift 3

if [ "$fresh" = 1 ]; then
    rm -rf "$work/corpus" "$work/findings" "$work/scratch"
fi
mkdir -p "$work/corpus" "$work/findings" "$work/scratch"

suppressions="$(cd "$(dirname "$0")/.." && pwd)/tests/lsan.supp"
export ASAN_OPTIONS=detect_leaks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS="suppressions=$suppressions:print_suppressions=0"

cd "$work/scratch"
# A fixed seed repeats a run only at fixed addresses (the fuzzer keys compared values by code
# address) and without re-reading the corpus on a timer.
exec setarch "$(uname -m)" -R "$fuzzer" -artifact_prefix="$work/findings/" -reload=0 "$@" "$work/corpus" "${seed_dirs[@]}"
