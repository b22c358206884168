#!/usr/bin/env bash
# The audio player against the tools people use, on the same MP3 of SECONDS (128 kbit/s,
# 44.1 kHz stereo): milliseconds from start to the first sound at the private server's sink,
# and CPU seconds per played minute, for Tavrik's media control, mpg123 and ffplay -nodisp,
# with ratios (ours / theirs). Tavrik is timed from Play in the open player ("tavrik") and
# from its process start ("tavrik-cold"), as the other tools are.
# Usage: bench/player.sh [SECONDS] [ROUNDS]   (build first: scripts/build.sh)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
rounds=${2:-3}
ours=${TAVRIK_PLAY_MEDIA:-$root/build/bench/play_media}
work=$(mktemp -d)
server="$work/pulse"
trap '"$root/tests/support/pulse-server.sh" stop "$server"; rm -rf "$work"' EXIT
"$root/tests/support/pulse-server.sh" start "$server"
export PULSE_SERVER="unix:$server/native" XDG_RUNTIME_DIR="$server/runtime"
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=pulseaudio

# Something like music: a chord that moves, with a little noise.
sox -n -r 44100 -c 2 -b 16 "$work/music.wav" synth "$seconds" sine 220-440 sine 330-660 sine 1000 \
    pinknoise remix 1-4 2-4 gain -6
lame --quiet -b 128 "$work/music.wav" "$work/music.mp3"
file="$work/music.mp3"

players=(tavrik tavrik-cold mpg123 ffplay)
printf '%-6s %-12s %12s %14s\n' round player first-ms 'cpu-s/min'
declare -A lat cpu
for r in $(seq "$rounds"); do
    for who in "${players[@]}"; do
        case $who in
        tavrik) cmd=(--ready "$ours" --wait "$file") ;;
        tavrik-cold) cmd=("$ours" "$file") ;;
        mpg123) cmd=(mpg123 -q -o pulse "$file") ;;
        ffplay) cmd=(ffplay -nodisp -autoexit -loglevel quiet "$file") ;;
        esac
        read -r ms secs < <(python3 "$root/bench/first-sound.py" "${cmd[@]}")
        per_min=$(awk -v c="$secs" -v s="$seconds" 'BEGIN { printf "%.3f", c * 60 / s }')
        printf '%-6s %-12s %12s %14s\n' "$r" "$who" "$ms" "$per_min"
        lat[$who]="${lat[$who]:-} $ms"
        cpu[$who]="${cpu[$who]:-} $per_min"
    done
done
median() { tr ' ' '\n' | grep -v '^$' | sort -g | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'; }
for who in "${players[@]}"; do
    printf '%-12s median first sound %8s ms, CPU %8s s per played minute\n' "$who" \
        "$(echo "${lat[$who]}" | median)" "$(echo "${cpu[$who]}" | median)"
done
for ours_as in tavrik tavrik-cold; do
    for them in mpg123 ffplay; do
        awk -v a="$(echo "${lat[$ours_as]}" | median)" -v b="$(echo "${lat[$them]}" | median)" \
            -v c="$(echo "${cpu[$ours_as]}" | median)" -v d="$(echo "${cpu[$them]}" | median)" \
            -v o="$ours_as" -v t="$them" \
            'BEGIN { printf "%s to %s: first sound %.2f, CPU %.2f\n", o, t, a / b, c / d }'
    done
done
