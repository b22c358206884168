#!/usr/bin/env bash
# Instructions per second of 44.1 kHz stereo audio that the capture-side signal chain
# costs, counted with callgrind (repeatable to about 0.1 %, unlike CPU time here).
# Usage: bench/signal-chain.sh [SECONDS]   (build first: scripts/build.sh)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-20}
bench=${TAVRIK_BUILD_DIR:-$root/build}/bench/signal_chain_bench
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Total instructions of one run.
count() {
    valgrind --tool=callgrind --callgrind-out-file="$work/out" "$bench" "$1" "$2" >/dev/null 2>"$work/log"
    awk '/^summary:/ { print $2 }' "$work/out"
}

printf '%-8s %22s\n' mode 'instructions/audio s'
for mode in off filters all; do
    # Subtracting a 1-second run removes start-up and the tone's set-up.
    long=$(count "$mode" "$((seconds + 1))")
    short=$(count "$mode" 1)
    awk -v m="$mode" -v a="$long" -v b="$short" -v s="$seconds" 'BEGIN { printf "%-8s %22.0f\n", m, (a - b) / s }'
done
