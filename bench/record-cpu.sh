#!/usr/bin/env bash
# CPU seconds per minute of 44.1 kHz stereo: Tavrik against parecord recording the same source
# of a private PulseAudio server to WAV, SECONDS each. MODE is what Tavrik does meanwhile:
#   record     records the tone to WAV;
#   listening  records nothing and keeps the last 30 s for Record;
#   armed      waits for sound, as sound activation does between events (the tone is muted);
#   mixed      records the tone and a second source together, against two parecord side by side.
# Usage: bench/record-cpu.sh [SECONDS] [ROUNDS] [MODE]   (build first: scripts/build.sh)
set -euo pipefail
seconds=${1:-30}
rounds=${2:-3}
mode=${3:-record}
source "$(dirname "$0")/private-server.sh"
tavrik=${TAVRIK_BINARY:-$root/build/tavrik}
export TAVRIK_UNATTENDED=1
app="$work/app"
mkdir -p "$app"
printf '[set]\nfilename=bench\ndatetime=0\nexistedfile=1\n' > "$app/settings.dat"
case "$mode" in
record) source_name=tonesink.monitor record=(--record) ;;
listening) source_name=tonesink.monitor record=()
    printf '[activation]\nprerecord=30\n' >> "$app/settings.dat" ;;
armed) source_name=tonesink.monitor record=(--record)
    printf '[activation]\nenabled=1\n' >> "$app/settings.dat"
    # Silence at the tone's pace: the sine that plays into "tonesink" is its only input.
    pactl set-sink-input-mute "$(pactl list short sink-inputs | awk 'NR == 1 { print $1 }')" 1 ;;
mixed) source_name=tonesink.monitor record=(--record)
    printf '[mix]\nsources=tonesink.monitor|out.monitor\n' >> "$app/settings.dat"
    # The second source paced as a desktop's is, by a listener outside the measurement.
    parec -d out.monitor --latency-msec=20 >/dev/null 2>&1 & ;;
*) echo "MODE must be record, listening, armed or mixed, not '$mode'" >&2; exit 2 ;;
esac
parecord_cmd=(parecord --device="$source_name" --rate=44100 --channels=2 --file-format=wav "$work/parecord.wav")
if [ "$mode" = mixed ]; then
    parecord_cmd=(sh -c 'for s in tonesink.monitor out.monitor; do
        parecord --device=$s --rate=44100 --channels=2 --file-format=wav "$0/$s.wav" & done; wait' "$work")
fi

# CPU seconds a running process's threads have used, to the nanosecond (the scheduler's own
# count; /proc/PID/stat counts in clock ticks, too coarse for a recorder's fraction of a second).
# A command's children count too (two parecord run under one shell).
cpu_of() {
    local pids=("$1") child
    for child in $(pgrep -P "$1"); do pids+=("$child"); done
    for p in "${pids[@]}"; do cat /proc/"$p"/task/*/schedstat 2>/dev/null; done |
        awk '{ ns += $1 } END { printf "%.4f", ns / 1e9 }'
}

# Start-up is a one-off cost, not a per-minute one: counting starts after a warm-up.
warmup=3

measure() { # measure NAME COMMAND...: prints the CPU seconds per recorded minute
    "${@:2}" >/dev/null 2>&1 &
    local pid=$!
    sleep "$warmup"
    local before cpu
    before=$(cpu_of "$pid")
    sleep "$seconds"
    cpu=$(awk -v a="$(cpu_of "$pid")" -v b="$before" 'BEGIN { print a - b }')
    pkill -TERM -P "$pid" 2>/dev/null || true
    kill -TERM "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    awk -v c="$cpu" -v s="$seconds" 'BEGIN { printf "%.4f", c * 60 / s }'
}

# Tavrik records the default source; make it the one parecord uses.
pactl set-default-source "$source_name"

# Minimised, Tavrik does what parecord does; shown, it also draws its displays: both, the level
# meter alone and the spectrum alone (TAVRIK_DISPLAYS), so that a regression names its display.
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", (b > 0 ? a / b : 0) }'; }
printf '%-6s %9s %10s %6s %10s %6s %10s %6s %10s %6s\n' round parecord minimised ratio shown ratio \
    level ratio spectrum ratio
ratios=()
for r in $(seq "$rounds"); do
    theirs=$(measure parecord "${parecord_cmd[@]}")
    minimised=$(measure tavrik "$tavrik" --app-dir "$app" "${record[@]}" --minimized)
    shown=$(measure tavrik "$tavrik" --app-dir "$app" "${record[@]}")
    level=$(measure tavrik env TAVRIK_DISPLAYS=level "$tavrik" --app-dir "$app" "${record[@]}")
    spectrum=$(measure tavrik env TAVRIK_DISPLAYS=spectrum "$tavrik" --app-dir "$app" "${record[@]}")
    row=("$(ratio "$minimised" "$theirs")" "$(ratio "$shown" "$theirs")" "$(ratio "$level" "$theirs")"
        "$(ratio "$spectrum" "$theirs")")
    printf '%-6s %9s %10s %6s %10s %6s %10s %6s %10s %6s\n' "$r" "$theirs" "$minimised" "${row[0]}" \
        "$shown" "${row[1]}" "$level" "${row[2]}" "$spectrum" "${row[3]}"
    ratios+=("${row[*]}")
done
# Medians over the rounds: one busy moment of the machine moves a mean, not a median.
printf '%s\n' "${ratios[@]}" | awk -v m="$mode" '
    { for (c = 1; c <= 4; ++c) v[c, NR] = $c }
    END {
        split("minimised shown level spectrum", name, " ")
        printf "%s: CPU s per minute; median ratio to parecord:", m
        for (c = 1; c <= 4; ++c) {
            n = 0
            for (i = 1; i <= NR; ++i) a[++n] = v[c, i]
            for (i = 1; i <= n; ++i) for (j = i + 1; j <= n; ++j) if (a[j] < a[i]) { t = a[i]; a[i] = a[j]; a[j] = t }
            printf " %s %.2f%s", name[c], (n % 2 ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2), (c < 4 ? "," : "\n")
        }
    }'
