#!/usr/bin/env bash
# Encoding cost of Tavrik's file codec against the tools people use, on the same
# 5-minute music-like input: CPU seconds (user + system, hyperfine mean) and the ratio
# ours/theirs, for each format the codec can write. Goal: ratio <= 1.05.
# Usage: bench/encode-throughput.sh [RUNS] [SECONDS]
# Builds bench/encode_file as Release into build-release/ unless ENCODE_FILE names one.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-5}
seconds=${2:-300}
encode=${ENCODE_FILE:-$root/build-release/bench/encode_file}
if [ -z "${ENCODE_FILE:-}" ]; then
    cmake -S "$root" -B "$root/build-release" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build "$root/build-release" --target encode_file >/dev/null
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Sweeping chords with a tremolo over pink noise, so that no encoder finds it trivial.
sox -n -r 44100 -c 2 -b 16 "$work/tones.wav" synth "$seconds" sine 196:784 sine 262:1046 tremolo 3 60
sox -n -r 44100 -c 2 -b 16 "$work/noise.wav" synth "$seconds" pinknoise vol 0.3
sox -m "$work/tones.wav" "$work/noise.wav" "$work/in.wav" gain -n -3
sox "$work/in.wav" -t raw "$work/in.raw"
# Telephone formats are recorded at 8000 Hz mono.
sox "$work/in.wav" -r 8000 -c 1 "$work/in8k.wav"
sox "$work/in8k.wav" -t raw "$work/in8k.raw"
rm -f "$work/tones.wav" "$work/noise.wav"

# cpu_of NAME: mean user + system seconds of the named command in hyperfine's JSON.
cpu_of() {
    python3 -c 'import json,sys
r = {x["command"]: x for x in json.load(open(sys.argv[1]))["results"]}[sys.argv[2]]
print("%.3f" % (r["user"] + r["system"]))' "$work/result.json" "$1"
}

printf '%-8s %-34s %10s %10s %7s\n' format theirs "ours CPU s" "theirs" ratio
bench() { # bench KIND RATE CHANNELS INPUT EXT THEIRS_NAME THEIRS_COMMAND
    local kind=$1 rate=$2 channels=$3 input=$4 ext=$5 name=$6 theirs=$7
    local ours="$encode $kind $rate $channels $work/$input.raw $work/ours.$ext"
    if ! $ours 2>/dev/null; then
        printf '%-8s %-34s %10s\n' "$kind" "$name" "skipped: this codec cannot write it yet"
        return
    fi
    hyperfine --style none --warmup 1 --runs "$runs" --export-json "$work/result.json" \
        -n ours "$ours" -n theirs "$theirs" >/dev/null
    local a b
    a=$(cpu_of ours)
    b=$(cpu_of theirs)
    printf '%-8s %-34s %10s %10s %7s\n' "$kind" "$name" "$a" "$b" \
        "$(awk -v a="$a" -v b="$b" 'BEGIN { printf "%.2f", a / b }')"
}

in=$work/in.wav
in8k=$work/in8k.wav
bench mp3 44100 2 in mp3 "lame -b 128" "lame --quiet -b 128 $in $work/theirs.mp3"
# A nominal rate without limits is an average target, as oggenc -b makes it.
bench ogg 44100 2 in ogg "oggenc -b 128" "oggenc -Q -b 128 -o $work/theirs.ogg $in"
bench oggq 44100 2 in ogg "oggenc -q 3" "oggenc -Q -q 3 -o $work/theirs.ogg $in"
bench wma 44100 2 in wma "ffmpeg -c:a wmav2 -b:a 128k" \
    "ffmpeg -v error -y -i $in -c:a wmav2 -b:a 128k $work/theirs.wma"
bench adpcm 44100 2 in wav "sox -e ima-adpcm" "sox $in -e ima-adpcm $work/theirs.wav"
bench g726 8000 1 in8k g726 "ffmpeg -c:a g726le (4 bits)" \
    "ffmpeg -v error -y -i $in8k -c:a g726le -code_size 4 -f g726le $work/theirs.g726"
bench alaw 44100 2 in raw "sox -t al" "sox $in -t al $work/theirs.raw"
# VOX is mono: both mix the stereo input down. At 8 kHz the work is too small to time.
bench vox 44100 2 in vox "sox -c 1 -t vox" "sox $in -c 1 -t vox $work/theirs.vox"
