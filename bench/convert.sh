#!/usr/bin/env bash
# Wall time of the converter against the tools people use, on the same 5-minute 44.1 kHz
# stereo WAV in the same run: each target alone, and all three targets at once against the
# three tools one after another. Ours is bench/convert_file, the window's own code path.
# Goal: ratio ours/theirs <= 1.0 in every row.
# Usage: bench/convert.sh [RUNS] [SECONDS]   (RUNS defaults to 7)
# Uses CONVERT_FILE when set, else builds the convert_file target in $TAVRIK_BUILD_DIR (build/).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-7}
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

# Ours and theirs run alternately, so that a load that comes and goes hits both alike; the
# ratio is of the medians.
cat > "$work/timed.py" <<'PY'
import statistics, subprocess, sys, time
runs, target, name, ours, theirs = int(sys.argv[1]), sys.argv[2], sys.argv[3], sys.argv[4], sys.argv[5]
times = {ours: [], theirs: []}
for i in range(runs + 1):
    for command in ((ours, theirs) if i % 2 else (theirs, ours)):
        start = time.perf_counter()
        subprocess.run(command, shell=True, check=True)
        if i:  # the first round warms the cache
            times[command].append(time.perf_counter() - start)
a, b = (statistics.median(times[c]) for c in (ours, theirs))
print("%-10s %-30s %7.2f (min %5.2f) %7.2f (min %5.2f) %6.2f"
      % (target, name, a, min(times[ours]), b, min(times[theirs]), a / b))
PY

printf '%-10s %-30s %20s %20s %6s\n' target theirs "ours median wall s" "theirs median wall s" ratio
bench() { # bench TARGET THEIRS_NAME OURS_ARGS THEIRS_COMMAND
    python3 "$work/timed.py" "$runs" "$1" "$2" "$convert $3 $in" "$4"
}

bench MP3 "lame -b 128" --mp3 "$lame"
bench Ogg "oggenc -b 128" --ogg "$oggenc"
bench WMA "ffmpeg -c:a wmav2 -b:a 128k" --wma "$ffmpeg"
bench all-three "the three, one after another" "--wma --mp3 --ogg" "$lame && $oggenc && $ffmpeg"
