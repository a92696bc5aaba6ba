#!/usr/bin/env bash
# make-seeds.sh <kind> <seed dir> <input files...>
# Fills the seed directory anew, one file per seed named after its input and its place there.
# Sentences are taken from C++ test sources (their string literals that start
# with '$' or '!') and from traffic files (every line). Kinds:
#   lines    one sentence per seed, ended with CR LF
#   traffic  raw slices of each input, line ends and junk as they are, 16 lines a slice
#   logs     slices of 16 lines written as the program's log file holds them
#   dialogues  each input whole, one seed: a reply must not be cut from the command it answers
set -euo pipefail
shopt -s nullglob

kind=$1
out=$2
shift 2

rm -rf "$out"
mkdir -p "$out"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# The input as raw bytes: a test source gives its sentence literals, one a line with CR LF.
raw_text() {
    case "$1" in
        *.cpp | *.h) grep -o '"[$!][A-Za-z][^"]*"' "$1" | sed -e 's/^"//' -e 's/"$//' -e 's/\\r//g' -e 's/\\n//g' \
                         | sed -e 's/$/\r/' || true ;;
        *) cat "$1" ;;
    esac
}

# The program's log line form: blanks pad the line and its LF to a multiple of 3 bytes, so
# the Base64 holds no '=' and encoded lines can follow each other.
encode_log_lines() {
    while IFS= read -r line || [ -n "$line" ]; do
        line=${line%$'\r'}
        local pad=$(( (3 - (${#line} + 1) % 3) % 3 ))
        printf '%s%*s\n' "$line" "$pad" '' | base64 -w0
    done
}

for input in "$@"; do
    [ -f "$input" ] || continue
    name=$(basename "$input")
    raw_text "$input" > "$scratch/input"
    n=0
    case "$kind" in
        lines)
            while IFS= read -r line || [ -n "$line" ]; do
                line=${line%$'\r'}
                [ -n "$line" ] || continue
                n=$((n + 1))
                printf '%s\r\n' "$line" > "$out/$name.$n"
            done < "$scratch/input"
            ;;
        dialogues)
            cp "$scratch/input" "$out/$name"
            ;;
        traffic | logs)
            split -l 16 "$scratch/input" "$scratch/slice."
            for slice in "$scratch"/slice.*; do
                n=$((n + 1))
                if [ "$kind" = traffic ]; then
                    mv "$slice" "$out/$name.$n"
                else
                    encode_log_lines < "$slice" > "$out/$name.$n"
                    rm -f "$slice"
                fi
            done
            ;;
        *)
            echo "make-seeds.sh: unknown kind $kind" >&2
            exit 2
            ;;
    esac
done

# The log file may start with a plain head line: a field mask and the record flags.
if [ "$kind" = logs ]; then
    for seed in $(ls "$out" | head -n 4); do
        { printf '7f record FC DL\r\n'; cat "$out/$seed"; } > "$out/head.$seed"
    done
fi
