#!/usr/bin/env bash
# Builds the style gallery and renders each of its sections to a PNG under a virtual X server
# (Debian's xvfb), for looking at the program's styles by eye. Not part of CI.
# Usage: scripts/style-gallery.sh [output folder]   (default build/style-gallery)
set -euo pipefail
cd "$(dirname "$0")/.."
out="${1:-build/style-gallery}"

scripts/install-deps.sh screen
cmake -S . -B build/gallery -DCMAKE_BUILD_TYPE=Release -DAIS_BUILD_TESTS=OFF
cmake --build build/gallery -j"$(nproc)" --target ais_style_gallery
rm -rf "$out"
# A session-less run: a private runtime folder keeps Qt from warning about it.
runtime="$(mktemp -d)"
trap 'rm -rf "$runtime"' EXIT
XDG_RUNTIME_DIR="$runtime" QT_QPA_PLATFORM=xcb \
    xvfb-run -a -s "-screen 0 1600x1200x24" build/gallery/tools/style-gallery/ais_style_gallery --shoot "$out"
