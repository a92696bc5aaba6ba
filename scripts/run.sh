#!/usr/bin/env bash
# Builds the program in Release and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh run
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DAIS_BUILD_TESTS=OFF
cmake --build build/release -j"$(nproc)"
exec build/release/src/mainwindow/AisConfiguration "$@"
