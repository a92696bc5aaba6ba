#!/usr/bin/env bash
# Builds the program and the simulated transponder in Release, starts the simulator on a
# pseudo-terminal of its own and the program with that terminal in its port list
# (AIS_EXTRA_PORTS). Pick the terminal's path in the port list and press Connect.
# Usage: scripts/try-with-simulator.sh [simulator options, e.g. --model 1]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh run
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DAIS_BUILD_TESTS=OFF
cmake --build build/release -j"$(nproc)" --target AisConfiguration sim-transponder

log="$(mktemp)"
coproc SIM { exec build/release/tools/sim-transponder/sim-transponder "$@" 2>"$log"; }
sim_pid=$SIM_PID
trap 'kill "$sim_pid" 2>/dev/null || true; wait "$sim_pid" 2>/dev/null || true; rm -f "$log"' EXIT
# Its first line is the path of its terminal.
if ! read -r -t 30 port <&"${SIM[0]}" || [ -z "$port" ]; then
    echo "The simulator did not start:" >&2
    cat "$log" >&2
    exit 1
fi
echo "Simulated transponder on $port (its log: $log)"
AIS_EXTRA_PORTS="$port${AIS_EXTRA_PORTS:+:$AIS_EXTRA_PORTS}" build/release/src/mainwindow/AisConfiguration
