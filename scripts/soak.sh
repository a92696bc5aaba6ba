#!/usr/bin/env bash
# A soak of the whole program under AddressSanitizer and UndefinedBehaviorSanitizer (the test
# build, build/test): its window, offscreen, kept connected by tools/soak-driver to the
# simulated transponder flooding at ten times the device's pace with its lines split at random
# bytes; each cycle the simulator sends bad checksums for a while, then the cable is pulled
# (the simulator's "unplug", the pseudo-terminal pair gone) and plugged again. At the end it
# prints the driver's events and counts, resident memory over time and any sanitizer report,
# and fails on a crash, a report or a loss the program did not recover from. Not part of CI.
# Usage: scripts/soak.sh [minutes]   (default 10)
set -euo pipefail
cd "$(dirname "$0")/.."
minutes="${1:-10}"
case "$minutes" in
    '' | *[!0-9]*) sed -n '9s/^# //p' "$0" >&2; exit 2 ;;
esac

# Long enough for the device to be identified (probe, query set, take-over) before the faults.
PluggedSeconds=16
BadChecksumSeconds=4
UnpluggedSeconds=2
RateFactor=10

scripts/install-deps.sh test
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Debug -DAIS_SANITIZE=ON > /dev/null
cmake --build build/test -j"$(nproc)" --target sim-transponder ais_soak_driver

work="$(mktemp -d)"
device="$work/ttyDEVICE"
sim_end="$work/ttySIM"
sim_pid=""
socat_pid=""
driver_pid=""
unplug() {
    if [ -n "$sim_pid" ]; then
        echo unplug >&3 2>/dev/null || true
        sleep 0.5
        echo quit >&3 2>/dev/null || true
        wait "$sim_pid" 2>/dev/null || true
        exec 3>&-
        sim_pid=""
    fi
    if [ -n "$socat_pid" ]; then
        kill "$socat_pid" 2>/dev/null || true
        wait "$socat_pid" 2>/dev/null || true
        socat_pid=""
    fi
}
cleanup() {
    unplug
    [ -n "$driver_pid" ] && kill "$driver_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# The cable: a pseudo-terminal pair whose program end keeps its path across replugs.
plug() {
    socat PTY,raw,echo=0,link="$device" PTY,raw,echo=0,link="$sim_end" 2>>"$work/socat.log" &
    socat_pid=$!
    for _ in $(seq 50); do
        [ -e "$device" ] && [ -e "$sim_end" ] && break
        sleep 0.1
    done
    rm -f "$work/sim.in"
    mkfifo "$work/sim.in"
    build/test/tools/sim-transponder/sim-transponder --port "$sim_end" --model 2 --rate-factor "$RateFactor" \
        --split --seed "$RANDOM" <"$work/sim.in" >>"$work/sim.out" 2>/dev/null &
    sim_pid=$!
    exec 3>"$work/sim.in"
}

export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:log_path=$work/asan"
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:log_path=$work/ubsan"
seconds=$((minutes * 60))
plug
mkdir -p "$work/run"
(cd "$work/run" && QT_QPA_PLATFORM=offscreen AIS_EXTRA_PORTS="$device" \
    exec "$OLDPWD/build/test/tools/soak-driver/ais_soak_driver" "$device" "$seconds") >"$work/driver.out" 2>"$work/driver.err" &
driver_pid=$!

cycles=0
while kill -0 "$driver_pid" 2>/dev/null; do
    sleep "$PluggedSeconds"
    echo "bad-checksums on" >&3 2>/dev/null || true
    sleep "$BadChecksumSeconds"
    kill -0 "$driver_pid" 2>/dev/null || break
    unplug
    cycles=$((cycles + 1))
    sleep "$UnpluggedSeconds"
    plug
done
status=0
wait "$driver_pid" || status=$?
driver_pid=""

echo "== driver events"
grep -v ' rss ' "$work/driver.out" || true
echo "== resident memory (s, kB)"
awk '$2 == "rss" { printf "%s %s\n", $1, $3 }' "$work/driver.out" | paste -sd' ' | fold -s -w 100
echo "== simulator counts per plug"
grep -h '^sent' "$work/sim.out" | paste -sd';' || true
reports="$(cat "$work"/asan* "$work"/ubsan* 2>/dev/null || true)"
stderr_reports="$(grep -E 'ERROR: (Address|Leak)Sanitizer|runtime error' "$work/driver.err" || true)"
echo "== sanitizer reports"
if [ -n "$reports$stderr_reports" ]; then
    echo "$reports"
    echo "$stderr_reports"
else
    echo "none"
fi
counts="$(tail -n 1 "$work/driver.out")"
echo "== $cycles unplugs in $minutes min; driver exit status $status; $counts"
read -r _ losses _ reported _ connects _ identified <<<"$counts" || true
if [ "$status" -ne 0 ] || [ -n "$reports$stderr_reports" ] || [ "${connects:-0}" -lt "$cycles" ]; then
    echo "SOAK FAILED"
    exit 1
fi
echo "soak passed (losses $losses, reported by the window $reported, identified $identified)"
