#!/usr/bin/env bash
# Resident memory growth of a long recording, in WAV and in MP3: Tavrik records the
# private PulseAudio server's tone for SECONDS each, minimised, and the growth between the
# first minute and the end is reported per hour (goal: under 1 MB/h).
# Usage: bench/record-memory.sh [SECONDS]   (build first: scripts/build.sh; default 600)
set -euo pipefail
seconds=${1:-600}
source "$(dirname "$0")/private-server.sh"
tavrik=${TAVRIK_BINARY:-$root/build/tavrik}
export TAVRIK_UNATTENDED=1
pactl set-default-source tonesink.monitor

rss_kib() { awk '/^VmRSS:/ { print $2 }' "/proc/$1/status"; }

# Buffers, codecs and the first blocks settle within the first minute; growth counts after.
settle=60
printf '%-5s %12s %12s %14s\n' format "RSS at 1 min" "RSS at end" "growth MB/h"
for format in 0 1; do
    name=$([ "$format" = 0 ] && echo WAV || echo MP3)
    app="$work/app-$name"
    mkdir -p "$app"
    printf '[set]\nfilename=bench\ndatetime=0\nexistedfile=1\noutputformat=%s\n' "$format" > "$app/settings.dat"
    "$tavrik" --app-dir "$app" --record --minimized >/dev/null 2>&1 &
    pid=$!
    sleep "$settle"
    first=$(rss_kib "$pid")
    sleep $((seconds - settle))
    last=$(rss_kib "$pid")
    kill -TERM "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    awk -v n="$name" -v a="$first" -v b="$last" -v s="$((seconds - settle))" \
        'BEGIN { printf "%-5s %9d KiB %9d KiB %14.2f\n", n, a, b, (b - a) / 1024 * 3600 / s }'
done
