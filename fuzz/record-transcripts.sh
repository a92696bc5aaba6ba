#!/usr/bin/env bash
# record-transcripts.sh <sim-transponder> <out dir>
# Records the bytes the simulated transponder sends while the program's dialogues run on its
# link, one file per dialogue: the probe and query set of both models, and the Wi-Fi module's
# dialogue of the Q-375 (queries; scan, join and link status; settings and factory reset). Its
# own traffic goes on between the replies, as on a real link. The files in fuzz/transcripts are
# recorded so; run it again when the simulator's replies change.
set -euo pipefail

sim=$1
out=$2
mkdir -p "$out"
scratch=$(mktemp -d)
sim_pid=
reader_pid=
cleanup() {
    [ -z "$reader_pid" ] || kill "$reader_pid" 2>/dev/null || true
    [ -z "$sim_pid" ] || kill -TERM "$sim_pid" 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT

# The program ends its sentences with CR LF and, in Wi-Fi configuration mode, its module lines
# with LF alone; it paces them 200 ms apart.
send() {
    local line=$1
    case "$line" in
        '$'* | '!'*) printf '%s\r\n' "$line" ;;
        *) printf '%s\n' "$line" ;;
    esac >&3
    sleep 0.2
}

# record <file> <model> <lines...>
record() {
    local file=$1 model=$2
    shift 2
    "$sim" --model "$model" > "$scratch/stdout" 2> "$scratch/log" &
    sim_pid=$!
    local pty=
    for _ in $(seq 50); do
        pty=$(head -n 1 "$scratch/stdout")
        [ -z "$pty" ] || break
        sleep 0.1
    done
    [ -n "$pty" ] || { echo "record-transcripts.sh: the simulator did not start" >&2; exit 1; }
    exec 3<> "$pty"
    stty -F "$pty" raw -echo
    cat <&3 > "$out/$file" &
    reader_pid=$!
    for line in "$@"; do
        send "$line"
    done
    sleep 0.5
    kill "$reader_pid"
    wait "$reader_pid" 2>/dev/null || true
    reader_pid=
    exec 3>&-
    kill -TERM "$sim_pid"
    wait "$sim_pid" || true
    sim_pid=
}

probe=('$AIAIQ,VER*3C' '$PQLX,Q,CFG,8117,,,*09')
dump='$PTST,,,,,16*28'
wifi_on='$PDBG,163,1,,,,,,*14'
wifi_off='$PDBG,163,0,,,,,,*15'

record unit-k-42-queries.txt 1 "${probe[@]}" '$PQLX,Q,CFG,108,,,*3F' '$PQLX,Q,CFG,183,,,*3C' "$dump"
record q-375-queries.txt 2 "${probe[@]}" '$PQLX,Q,CFG,600,,,*30' '$PQLX,Q,CFG,183,,,*3C' '!AIAIQ,EPV*3E' \
    '$PQLX,Q,CFG,31,,,*04' "$dump"
record q-375-wifi-queries.txt 2 "$wifi_on" AT+WLANEN AT+OPMODE AT+APSSID AT+SECMODE AT+PSK AT+SYSIPSET \
    AT+TCPPORT AT+APCHAN AT+VER AT+SYSIP AT+DHCPDEN AT+DHCPCEN "$wifi_off"
record q-375-wifi-scan.txt 2 "$wifi_on" AT+STALINK AT+SCAN WiFiScanEnd 'AT+STA=Harbour Cafe' AT+SECMODE=NONE \
    AT+WAPPLY AT+STALINK "$wifi_off"
record q-375-wifi-settings.txt 2 "$wifi_on" AT+APSSID=AIS-DECK AT+APCHAN=11 AT+SYSIPSET=10.0.0.1,255.255.255.0 \
    AT+TCPPORT=2001 AT+SECMODE=WPA2-PSK AT+PSK=2,deck-pass-77 AT+WAPPLY AT+WLANEN=1 AT+DHCPCEN=0 \
    AT+DHCPDEN=1 AT+OPMODE=0 AT+SYSAPPLY AT+VER=9 AT+FACTDEF AT+APPLY "$wifi_off"
