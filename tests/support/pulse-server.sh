#!/usr/bin/env bash
# start DIR | stop DIR: a private sound server speaking the PulseAudio protocol on DIR/native,
# with its own runtime folder under DIR: a 1000 Hz sine source "tone" and a null sink "out"
# whose monitor can be recorded.
# The sine source hands out sound in 2 s lumps ahead of the clock, so tests that time a
# recording by the clock record "what you hear" of a null sink "tonesink" that a sine plays into.
# TAVRIK_SOUND_SERVER=pipewire starts PipeWire with its PulseAudio server and WirePlumber
# instead of PulseAudio, offering the same names. Nothing touches the developer's own server.
set -u
cmd=${1:?start or stop}
dir=${2:?runtime folder}
server=${TAVRIK_SOUND_SERVER:-pulseaudio}
export PULSE_SERVER="unix:$dir/native"

# True while `pid` runs; a zombie (its parent, the shell that started it, may be gone) counts
# as ended.
running() {
    local state
    state=$(ps -o stat= -p "$1" 2>/dev/null) && [ "${state#Z}" = "$state" ]
}

# Ends the process whose pid is in $dir/NAME.pid, with SIGNAL (default TERM), then SIGKILL.
end() {
    local file="$dir/$1.pid" pid
    [ -f "$file" ] || return 0
    pid=$(cat "$file")
    kill "-${2:-TERM}" "$pid" 2>/dev/null
    for _ in $(seq 50); do
        running "$pid" || break
        sleep 0.1
    done
    kill -9 "$pid" 2>/dev/null
    rm -f "$file"
}

# Whichever server was started: its feeders first (a sox blocked on a full fifo does not act
# on SIGTERM; they keep no state), the session bus last.
stop() {
    for name in listener sinefeed tonefeed; do
        end "$name" KILL
    done
    for name in pulse pipewire-pulse wireplumber pipewire bus; do
        end "$name"
    done
    return 0
}

fail() {
    echo "private $server server did not start: $1; its logs:" >&2
    tail -n 30 "$dir"/*.log >&2 2>/dev/null
    stop
    exit 1
}

# Waits up to 10 s for a command to succeed.
await() {
    for _ in $(seq 100); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    return 1
}

sinkRunsSmoothly() {
    pactl list sinks | awk '/Name: tonesink/ { t = 1 } t && /^\tLatency:/ { exit !($2 < 100000) }'
}

sinkRuns() {
    pactl list short sinks | awk '$2 == "tonesink" && $NF == "RUNNING" { found = 1 } END { exit !found }'
}

# A never-ending 1000 Hz sine at half scale in $1 channels, like PulseAudio's sine modules.
sine() {
    exec sox -q -n -r 48000 -c "$1" -b 16 -e signed -t raw - synth sine 1000 vol 0.5
}

startPulseAudio() {
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
    await pactl info || fail "no answer on $dir/native"
    # A null sink renders in lumps as long as nobody asks for low latency; a listener at
    # 20 ms keeps "tonesink" smooth from the start, as on a desktop.
    parec -d tonesink.monitor --latency-msec=20 </dev/null >/dev/null 2>&1 &
    echo $! > "$dir/listener.pid"
    await sinkRunsSmoothly
    return 0
}

startPipeWire() {
    local env
    mkdir -p "$dir/config/pipewire"
    # Our own socket, and no stand-in sink: the tests count what is there.
    sed -e "s|\"unix:native\"|\"unix:$dir/native\"|" \
        -e 's|^\(\s*{ cmd = "load-module" args = "module-always-sink".*\)$|#\1|' \
        /usr/share/pipewire/pipewire-pulse.conf > "$dir/config/pipewire/pipewire-pulse.conf"
    grep -q "unix:$dir/native" "$dir/config/pipewire/pipewire-pulse.conf" ||
        fail "pipewire-pulse.conf has no server.address to change"
    # WirePlumber wants a session bus; a private one, so nothing reaches the developer's.
    dbus-daemon --session --fork --print-address=3 --print-pid=4 \
        3>"$dir/bus.address" 4>"$dir/bus.pid" </dev/null >/dev/null 2>&1 || fail "no session bus"
    env=(env -u PIPEWIRE_REMOTE -u PIPEWIRE_RUNTIME_DIR -u PIPEWIRE_CONFIG_DIR
         XDG_RUNTIME_DIR="$dir/runtime" HOME="$dir/home" XDG_CONFIG_HOME="$dir/config"
         XDG_STATE_HOME="$dir/home/state" XDG_DATA_HOME="$dir/home/data"
         DBUS_SESSION_BUS_ADDRESS="$(cat "$dir/bus.address")" DISPLAY=)
    "${env[@]}" pipewire </dev/null >"$dir/pipewire.log" 2>&1 &
    echo $! > "$dir/pipewire.pid"
    await test -S "$dir/runtime/pipewire-0" || fail "no pipewire-0 socket"
    "${env[@]}" wireplumber </dev/null >"$dir/wireplumber.log" 2>&1 &
    echo $! > "$dir/wireplumber.pid"
    "${env[@]}" pipewire-pulse </dev/null >"$dir/pipewire-pulse.log" 2>&1 &
    echo $! > "$dir/pipewire-pulse.pid"
    await pactl info || fail "no answer on $dir/native"

    # PipeWire's PulseAudio server has no sine modules: a pipe source fed a sine stands in for
    # the sine source, and a sine played into "tonesink" for the sine sink input.
    mkfifo "$dir/tone.fifo"
    pactl load-module module-null-sink sink_name=out >/dev/null || fail "no null sink"
    pactl load-module module-pipe-source source_name=tone file="$dir/tone.fifo" \
        format=s16le rate=48000 channels=1 >/dev/null || fail "no pipe source"
    pactl load-module module-null-sink sink_name=tonesink \
        sink_properties=device.description=Tone >/dev/null || fail "no tone sink"
    (sine 1 >"$dir/tone.fifo" 2>/dev/null) </dev/null &
    echo $! > "$dir/tonefeed.pid"
    # $! is pacat's pid; the sine ends with it, on its next write.
    (sine 2 2>/dev/null) </dev/null | pacat -d tonesink --raw --rate=48000 --channels=2 \
        --format=s16le --latency-msec=20 >/dev/null 2>&1 &
    echo $! > "$dir/sinefeed.pid"
    pactl set-default-source tone && pactl set-default-sink out || fail "defaults not set"
    await sinkRuns || fail "no sine playing into tonesink"
    await sh -c 'pactl info | grep -q "^Default Source: tone$"' || fail "tone is not the default"
    return 0
}

case "$cmd" in
start)
    stop
    rm -rf "$dir" && mkdir -p "$dir/runtime" "$dir/home" && chmod 700 "$dir/runtime"
    case "$server" in
    pulseaudio) startPulseAudio ;;
    pipewire) startPipeWire ;;
    *) echo "TAVRIK_SOUND_SERVER must be pulseaudio or pipewire, not '$server'" >&2; exit 2 ;;
    esac
    ;;
stop) stop ;;
*) echo "usage: $0 start|stop DIR" >&2; exit 2 ;;
esac
