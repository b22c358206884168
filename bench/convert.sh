#!/usr/bin/env bash
# Wall time of the converter against the tools people use, on the same 5-minute 44.1 kHz
# stereo WAV in the same run: each target alone, and all three targets at once against the
# three tools one after another. Ours is bench/convert_file, the window's own code path.
# Goal: ratio ours/theirs <= 1.0 in every row.
# Usage: bench/convert.sh [RUNS] [SECONDS]
# Uses CONVERT_FILE when set, else builds the convert_file target in $TAVRIK_BUILD_DIR (build/).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-5}
seconds=${2:-300}
build=${TAVRIK_BUILD_DIR:-$root/build}
convert=${CONVERT_FILE:-$build/bench/convert_file}
[ -n "${CONVERT_FILE:-}" ] || cmake --build "$build" --target convert_file >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Sweeping chords with a tremolo over pink noise, so that no encoder finds it trivial.
sox -n -r 44100 -c 2 -b 16 "$work/tones.wav" synth "$seconds" sine 196:784 sine 262:1046 tremolo 3 60
sox -n -r 44100 -c 2 -b 16 "$work/noise.wav" synth "$seconds" pinknoise vol 0.3
sox -m "$work/tones.wav" "$work/noise.wav" "$work/in.wav" gain -n -3
rm -f "$work/tones.wav" "$work/noise.wav"
in=$work/in.wav

lame="lame --quiet -b 128 $in $work/theirs.mp3"
oggenc="oggenc -Q -b 128 -o $work/theirs.ogg $in"
ffmpeg="ffmpeg -v error -y -i $in -c:a wmav2 -b:a 128k $work/theirs.wma"

# stat_of NAME FIELD: a field of the named command in hyperfine's JSON.
stat_of() {
    python3 -c 'import json,sys
r = {x["command"]: x for x in json.load(open(sys.argv[1]))["results"]}[sys.argv[2]]
print("%.2f" % r[sys.argv[3]])' "$work/result.json" "$1" "$2"
}

printf '%-10s %-28s %14s %14s %7s\n' target theirs "ours wall s" "theirs wall s" ratio
bench() { # bench TARGET THEIRS_NAME OURS_ARGS THEIRS_COMMAND
    local target=$1 name=$2 args=$3 theirs=$4
    hyperfine --style none --warmup 1 --runs "$runs" --export-json "$work/result.json" \
        -n ours "$convert $args $in" -n theirs "$theirs" >/dev/null
    local a b
    a=$(stat_of ours mean)
    b=$(stat_of theirs mean)
    printf '%-10s %-28s %8s ±%5s %8s ±%5s %7s\n' "$target" "$name" "$a" "$(stat_of ours stddev)" "$b" \
        "$(stat_of theirs stddev)" "$(awk -v a="$a" -v b="$b" 'BEGIN { printf "%.2f", a / b }')"
}

bench MP3 "lame -b 128" --mp3 "$lame"
bench Ogg "oggenc -b 128" --ogg "$oggenc"
bench WMA "ffmpeg -c:a wmav2 -b:a 128k" --wma "$ffmpeg"
bench all-three "the three, one after another" "--wma --mp3 --ogg" "$lame && $oggenc && $ffmpeg"
