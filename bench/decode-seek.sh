#!/usr/bin/env bash
# What opening, seeking and decoding cost on hour-long files: MP3 (with and without its
# length header, which seeks and the length both have to read through), Ogg Vorbis, WMA,
# WAV and VOX. Usage: bench/decode-seek.sh [build dir]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
bench=$build/bench/decode_bench
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
q="-v error -y"
# One minute encoded, then copied sixty times: an hour without an hour of encoding.
ffmpeg $q -f lavfi -i sine=frequency=1000:sample_rate=44100:duration=60 -ac 2 "$work/min.wav"
ffmpeg $q -i "$work/min.wav" -c:a libmp3lame -b:a 128k -write_xing 0 "$work/min.mp3"
ffmpeg $q -i "$work/min.wav" -c:a libvorbis "$work/min.ogg"
ffmpeg $q -i "$work/min.wav" -c:a wmav2 -b:a 128k "$work/min.wma"
for ext in wav mp3 ogg wma; do
  for i in $(seq 60); do echo "file '$work/min.$ext'"; done > "$work/list.txt"
  ffmpeg $q -f concat -safe 0 -i "$work/list.txt" -c copy "$work/hour.$ext"
done
mv "$work/hour.mp3" "$work/hour-xing.mp3"
ffmpeg $q -i "$work/hour-xing.mp3" -c copy -write_xing 0 "$work/hour.mp3"
sox "$work/hour.wav" -r 8000 -c 1 -t vox "$work/hour.vox"
for f in hour-xing.mp3 hour.mp3 hour.ogg hour.wma hour.wav; do "$bench" "$work/$f"; done
"$bench" "$work/hour.vox" 8000
