#!/usr/bin/env bash
# What listening for Record's reach-back costs in memory: the resident memory of Tavrik idle and
# minimised with the last SECONDS kept, against the same with nothing kept, next to the ring's
# own size (SECONDS x 44100 Hz x 2 channels x 2 bytes, the default WAV format).
# Usage: bench/listen-memory.sh [SECONDS]   (build first: scripts/build.sh; default 60, at most 300)
set -euo pipefail
seconds=${1:-60}
source "$(dirname "$0")/private-server.sh"
tavrik=${TAVRIK_BINARY:-$root/build/tavrik}
export TAVRIK_UNATTENDED=1
pactl set-default-source tonesink.monitor

rss_kib() { awk '/^VmRSS:/ { print $2 }' "/proc/$1/status"; }

# RSS in KiB once the ring has filled and wrapped.
idle_rss() { # idle_rss KEPT_SECONDS
    local app="$work/app-$1" pid rss
    mkdir -p "$app"
    printf '[activation]\nprerecord=%s\n' "$1" > "$app/settings.dat"
    "$tavrik" --app-dir "$app" --minimized >/dev/null 2>&1 &
    pid=$!
    sleep $((seconds + 10))
    rss=$(rss_kib "$pid")
    kill -TERM "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    echo "$rss"
}

off=$(idle_rss 0)
on=$(idle_rss "$seconds")
awk -v s="$seconds" -v a="$off" -v b="$on" 'BEGIN {
    ring = s * 44100 * 2 * 2 / 1024
    printf "nothing kept %d KiB, %d s kept %d KiB: %d KiB more; the ring is %d KiB (%+.1f %%)\n",
           a, s, b, b - a, ring, (b - a - ring) * 100 / ring }'
