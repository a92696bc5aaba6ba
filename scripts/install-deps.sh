#!/usr/bin/env bash
# Installs the Debian packages a command needs, when any is missing. The profile names the command:
#   run    building and running the program
#   test   also the tests: pseudo-terminals (socat), locales, clang for the fuzz targets, lld
#   bench  building and running the benchmarks
#   screen building and running the program under a virtual X server (screenshots, gallery)
# As root it runs apt-get, waiting up to ten minutes for a package manager that holds the lock
# (automatic updates on a fresh desktop); otherwise it prints the line to run and fails.
set -euo pipefail

LockWaitSeconds=600

run_packages=(
    build-essential cmake
    qtbase5-dev libqt5serialport5-dev qttools5-dev qttools5-dev-tools
    libgeographiclib-dev
)
case "${1:-}" in
    run)   packages=("${run_packages[@]}") ;;
    test)  packages=("${run_packages[@]}" socat locales clang libclang-rt-14-dev lld) ;;
    bench) packages=("${run_packages[@]}" libbenchmark-dev) ;;
    screen) packages=("${run_packages[@]}" xvfb xauth) ;;
    *)
        sed -n '2,6s/^# \{0,1\}//p' "$0" >&2
        exit 2
        ;;
esac

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

[ ${#missing[@]} -eq 0 ] && exit 0

apt_get=(apt-get -o DPkg::Lock::Timeout="$LockWaitSeconds")
if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages. Run as root:" >&2
    echo "  ${apt_get[*]} install -y ${missing[*]}" >&2
    exit 1
fi

export DEBIAN_FRONTEND=noninteractive
# apt-get waits for the dpkg lock, but not for the package lists' lock that "update" takes.
deadline=$((SECONDS + LockWaitSeconds))
until errors=$("${apt_get[@]}" update -qq 2>&1 >/dev/null); do
    if [ $SECONDS -ge $deadline ] || ! grep -qi "lock" <<<"$errors"; then
        echo "$errors" >&2
        exit 1
    fi
    echo "Another package manager holds the package lists; waiting." >&2
    sleep 5
done
"${apt_get[@]}" install -y -qq --no-install-recommends "${missing[@]}"
