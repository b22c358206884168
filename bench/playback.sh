#!/usr/bin/env bash
# Playback against the tools people use, on the same 44.1 kHz stereo WAV of SECONDS:
# milliseconds from start to the first sound at the sink, and CPU seconds per played
# minute, for Tavrik's player, paplay and ffplay -nodisp, as ratios (ours / theirs).
# Tavrik is timed from Play in the running program ("tavrik") and, for reference, from its
# process start ("tavrik-cold"), as the other tools are.
# Usage: bench/playback.sh [SECONDS] [ROUNDS]   (build first: scripts/build.sh)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
rounds=${2:-3}
ours=${TAVRIK_PLAY_FILE:-$root/build/bench/play_file}
work=$(mktemp -d)
server="$work/pulse"
trap '"$root/tests/support/pulse-server.sh" stop "$server"; rm -rf "$work"' EXIT
"$root/tests/support/pulse-server.sh" start "$server"
export PULSE_SERVER="unix:$server/native" XDG_RUNTIME_DIR="$server/runtime"
export QT_QPA_PLATFORM=offscreen

file="$work/music.wav"
# Something like music: a chord that moves, with a little noise.
sox -n -r 44100 -c 2 -b 16 "$file" synth "$seconds" sine 220-440 sine 330-660 sine 1000 \
    pinknoise remix 1-4 2-4 gain -6

printf '%-6s %-10s %12s %14s\n' round player first-ms 'cpu-s/min'
declare -A lat cpu
for r in $(seq "$rounds"); do
    for who in tavrik tavrik-cold paplay ffplay; do
        case $who in
        tavrik) cmd=(--ready "$ours" --wait "$file") ;;
        tavrik-cold) cmd=("$ours" "$file") ;;
        paplay) cmd=(paplay "$file") ;;
        ffplay) cmd=(ffplay -nodisp -autoexit -loglevel quiet "$file") ;;
        esac
        read -r ms secs < <(python3 "$root/bench/first-sound.py" "${cmd[@]}")
        per_min=$(awk -v c="$secs" -v s="$seconds" 'BEGIN { printf "%.3f", c * 60 / s }')
        printf '%-6s %-10s %12s %14s\n' "$r" "$who" "$ms" "$per_min"
        lat[$who]="${lat[$who]:-} $ms"
        cpu[$who]="${cpu[$who]:-} $per_min"
    done
done
median() { tr ' ' '\n' | grep -v '^$' | sort -g | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'; }
for who in tavrik tavrik-cold paplay ffplay; do
    printf '%-8s median first sound %8s ms, CPU %8s s per played minute\n' "$who" \
        "$(echo "${lat[$who]}" | median)" "$(echo "${cpu[$who]}" | median)"
done
for them in paplay ffplay; do
    awk -v a="$(echo "${lat[tavrik]}" | median)" -v b="$(echo "${lat[$them]}" | median)" \
        -v c="$(echo "${cpu[tavrik]}" | median)" -v d="$(echo "${cpu[$them]}" | median)" -v t="$them" \
        'BEGIN { printf "ratio to %s: first sound %.2f, CPU %.2f\n", t, a / b, c / d }'
done
