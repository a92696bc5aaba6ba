#!/usr/bin/env bash
# Builds the program in Release (build/release) and shoots each of its seven pages, the About
# dialog and the Wi-Fi scan list against the simulated transponder (model 2, with its Wi-Fi
# module) under a virtual X server (Debian's xvfb), into docs/screenshots/ as PNGs. Look at
# every one after a change to the window. Not part of CI.
# Usage: scripts/screenshots.sh [output folder]   (default docs/screenshots)
set -euo pipefail
cd "$(dirname "$0")/.."
out="${1:-docs/screenshots}"

scripts/install-deps.sh screen
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DAIS_BUILD_TESTS=OFF > /dev/null
cmake --build build/release -j"$(nproc)" --target sim-transponder ais_screenshot_tour

work="$(mktemp -d)"
sim_log="$work/sim.log"
coproc SIM { exec build/release/tools/sim-transponder/sim-transponder --model 2 2>"$sim_log"; }
sim_pid=$SIM_PID
trap 'kill "$sim_pid" 2>/dev/null || true; wait "$sim_pid" 2>/dev/null || true; rm -rf "$work"' EXIT
# Its first line is the path of its terminal.
if ! read -r -t 30 port <&"${SIM[0]}" || [ -z "$port" ]; then
    echo "The simulator did not start:" >&2
    cat "$sim_log" >&2
    exit 1
fi

mkdir -p "$out"
rm -f "$out"/*.png
tour="$PWD/build/release/tools/screenshot-tour/ais_screenshot_tour"
out="$(cd "$out" && pwd)"
# The window writes its settings and log in its working folder; a private runtime folder keeps
# Qt from warning about a session-less run.
mkdir -p "$work/run" "$work/runtime"
(cd "$work/run" && XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb AIS_EXTRA_PORTS="$port" \
    xvfb-run -a -s "-screen 0 1280x800x24" "$tour" "$port" "$out")
