#!/usr/bin/env bash
# Builds the style gallery and renders each of its sections to a PNG under a virtual X server
# (Debian's xvfb), for looking at the program's styles by eye. Not part of CI.
# Usage: scripts/style-gallery.sh [output folder]   (default build/style-gallery)
set -euo pipefail
cd "$(dirname "$0")/.."
out="${1:-build/style-gallery}"

if ! command -v xvfb-run >/dev/null || ! command -v xauth >/dev/null; then
    if [ "$(id -u)" -eq 0 ]; then
        export DEBIAN_FRONTEND=noninteractive
        apt-get update -qq
        apt-get install -y -qq --no-install-recommends xvfb xauth
    else
        echo "xvfb-run is missing. Run as root:" >&2
        echo "  apt-get install -y xvfb xauth" >&2
        exit 1
    fi
fi

scripts/install-deps.sh run
cmake -S . -B build/gallery -DCMAKE_BUILD_TYPE=Release -DAIS_BUILD_TESTS=OFF
cmake --build build/gallery -j"$(nproc)" --target ais_style_gallery
rm -rf "$out"
# A session-less run: a private runtime folder keeps Qt from warning about it.
runtime="$(mktemp -d)"
trap 'rm -rf "$runtime"' EXIT
XDG_RUNTIME_DIR="$runtime" QT_QPA_PLATFORM=xcb \
    xvfb-run -a -s "-screen 0 1600x1200x24" build/gallery/tools/style-gallery/ais_style_gallery --shoot "$out"
