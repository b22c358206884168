#!/usr/bin/env bash
# start DIR | stop DIR: a private PulseAudio server with its own runtime folder DIR,
# a 1000 Hz sine source "tone" and a null sink "out" whose monitor can be recorded.
# The sine source hands out sound in 2 s lumps ahead of the clock, so tests that time a
# recording by the clock record "what you hear" of a null sink "tonesink" that a sine plays into.
# Nothing touches the developer's own server.
set -u
cmd=${1:?start or stop}
dir=${2:?runtime folder}

stop() {
    if [ -f "$dir/pulse.pid" ]; then
        kill "$(cat "$dir/pulse.pid")" 2>/dev/null
        for _ in $(seq 50); do
            kill -0 "$(cat "$dir/pulse.pid")" 2>/dev/null || break
            sleep 0.1
        done
        kill -9 "$(cat "$dir/pulse.pid")" 2>/dev/null
        rm -f "$dir/pulse.pid"
    fi
    return 0
}

case "$cmd" in
start)
    stop
    rm -rf "$dir" && mkdir -p "$dir/runtime" "$dir/home" && chmod 700 "$dir/runtime"
    cat > "$dir/default.pa" <<PA
load-module module-native-protocol-unix auth-anonymous=1 socket=$dir/native
load-module module-null-sink sink_name=out
load-module module-sine-source source_name=tone frequency=1000 rate=48000
load-module module-null-sink sink_name=tonesink sink_properties=device.description=Tone
load-module module-sine sink=tonesink frequency=1000
set-default-source tone
set-default-sink out
PA
    XDG_RUNTIME_DIR="$dir/runtime" HOME="$dir/home" PULSE_STATE_PATH="$dir/home" \
        pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit --use-pid-file=no \
        --system=no --log-target=file:"$dir/pulse.log" -F "$dir/default.pa" \
        </dev/null >/dev/null 2>&1 &
    echo $! > "$dir/pulse.pid"
    for _ in $(seq 100); do
        if PULSE_SERVER="unix:$dir/native" pactl info >/dev/null 2>&1; then
            # A null sink renders in lumps as long as nobody asks for low latency; a
            # listener at 20 ms keeps "tonesink" smooth from the start, as on a desktop.
            PULSE_SERVER="unix:$dir/native" parec -d tonesink.monitor --latency-msec=20 \
                </dev/null >/dev/null 2>&1 &
            for _ in $(seq 50); do
                PULSE_SERVER="unix:$dir/native" pactl list sinks | awk '
                    /Name: tonesink/ { t = 1 } t && /^\tLatency:/ { exit !($2 < 100000) }' && exit 0
                sleep 0.1
            done
            exit 0
        fi
        sleep 0.1
    done
    echo "private PulseAudio server did not start; its log:" >&2
    cat "$dir/pulse.log" >&2
    stop
    exit 1
    ;;
stop) stop ;;
*) echo "usage: $0 start|stop DIR" >&2; exit 2 ;;
esac
