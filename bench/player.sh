#!/usr/bin/env bash
# The audio player against the tools people use, on the same MP3 of SECONDS (128 kbit/s,
# 44.1 kHz stereo): milliseconds from start to the first sound at the private server's sink,
# and CPU seconds per played minute, for Tavrik's media control, mpg123 and ffplay -nodisp,
# with ratios (ours / theirs). Tavrik is timed from Play in the open player ("tavrik") and
# from its process start ("tavrik-cold"), as the other tools are.
# Usage: bench/player.sh [SECONDS] [ROUNDS]   (build first: scripts/build.sh)
set -euo pipefail
seconds=${1:-60}
rounds=${2:-3}
source "$(dirname "$0")/first-sound-race.sh"
ours=${TAVRIK_PLAY_MEDIA:-$root/build/bench/play_media}
music "$seconds"
lame --quiet -b 128 "$work/music.wav" "$work/music.mp3"
file="$work/music.mp3"

player_command() {
    case $1 in
    tavrik) cmd=(--ready "$ours" --wait "$file") ;;
    tavrik-cold) cmd=("$ours" "$file") ;;
    mpg123) cmd=(mpg123 -q -o pulse "$file") ;;
    ffplay) cmd=(ffplay -nodisp -autoexit -loglevel quiet "$file") ;;
    esac
}
race "$seconds" "$rounds" "tavrik tavrik-cold" "mpg123 ffplay"
