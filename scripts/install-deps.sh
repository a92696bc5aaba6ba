#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when any is missing; with
# --bench also those of the benchmarks. As root it runs apt-get; otherwise it prints the one
# line to run and fails.
set -euo pipefail

packages=(
    build-essential cmake
    qtbase5-dev libqt5serialport5-dev qttools5-dev qttools5-dev-tools
    socat
    locales
    clang libclang-rt-14-dev
)
if [ "${1:-}" = --bench ]; then
    packages+=(libbenchmark-dev)
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
else
    echo "Missing packages. Run as root:" >&2
    echo "  apt-get install -y ${missing[*]}" >&2
    exit 1
fi
