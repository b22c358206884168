#!/usr/bin/env bash
# Playback against the tools people use, on the same 44.1 kHz stereo WAV of SECONDS:
# milliseconds from start to the first sound at the sink, and CPU seconds per played
# minute, for Tavrik's player, paplay and ffplay -nodisp, as ratios (ours / theirs).
# Tavrik is timed from Play in the running program ("tavrik") and, for reference, from its
# process start ("tavrik-cold"), as the other tools are.
# Usage: bench/playback.sh [SECONDS] [ROUNDS]   (build first: scripts/build.sh)
set -euo pipefail
seconds=${1:-60}
rounds=${2:-3}
source "$(dirname "$0")/first-sound-race.sh"
ours=${TAVRIK_PLAY_FILE:-$root/build/bench/play_file}
music "$seconds"
file="$work/music.wav"

player_command() {
    case $1 in
    tavrik) cmd=(--ready "$ours" --wait "$file") ;;
    tavrik-cold) cmd=("$ours" "$file") ;;
    paplay) cmd=(paplay "$file") ;;
    ffplay) cmd=(ffplay -nodisp -autoexit -loglevel quiet "$file") ;;
    esac
}
race "$seconds" "$rounds" "tavrik tavrik-cold" "paplay ffplay"
