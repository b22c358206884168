#!/usr/bin/env bash
# Installs what Tavrik needs, builds it with warnings as errors and runs every test (the include
# layers and the formatting, the .deb's checks among them), then the sound tests again against
# PipeWire's PulseAudio server, then the core tests again under the address and
# undefined-behaviour sanitizers. Every sound test has a server of its own, and most of them wait on
# the clock, so three run at a time on two cores.
# The servers are private and stopped again, pass or fail.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TAVRIK_BUILD_DIR:-$root/build}
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" -DTAVRIK_WERROR=ON
asan=${TAVRIK_ASAN_BUILD_DIR:-$root/build-asan}
# The core tests once more under AddressSanitizer and UndefinedBehaviorSanitizer; only they are
# built there, at idle priority while the main suite runs, which mostly waits on the clock.
core=(settings naming formats recordings projects codec codec_formats audio_dsp filters recorder
      id3v1 id3v2 tagbatch mp3info decoding tageditor)
asanBuild=
if [ $# -eq 0 ]; then
    cmake -S "$root" -B "$asan" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTAVRIK_SANITIZE=ON -DTAVRIK_WERROR=ON >/dev/null
    setsid chrt --idle 0 cmake --build "$asan" -j"$(nproc)" --target "${core[@]/#/test_}" >"$asan/build.log" 2>&1 &
    asanBuild=$!
fi
# A test killed at its timeout leaves its server behind.
trap '[ -z "$asanBuild" ] || kill -- "-$asanBuild" 2>/dev/null
      for s in "$build"/sound/* "$asan"/sound/*; do [ -d "$s" ] && "$root/tests/support/pulse-server.sh" stop "$s" >/dev/null 2>&1; done; true' EXIT
cd "$build"
ctest --output-on-failure -j3 "$@"
[ $# -eq 0 ] || exit 0

# Recording, devices, mixer, playback and whole-program recordings (on X, from the .deb's menu
# entry, and in a Wayland session) on PipeWire (pipewire, pipewire-pulse and WirePlumber,
# started privately by tests/support/pulse-server.sh).
sound='test_(recorder|mixer|player|playback)$|e2e_(exit_ctrl_x|menu|wayland)$'
# One at a time, and after the sanitizer build: PipeWire's graph on busy cores drops quanta
# that the recorder and player tests hear as gaps.
if ! wait "$asanBuild"; then
    asanBuild=
    tail -n 100 "$asan/build.log"
    exit 1
fi
asanBuild=
TAVRIK_SOUND_SERVER=pipewire ctest --output-on-failure -j1 -R "$sound"

cd "$asan"
ASAN_OPTIONS=detect_leaks=0:halt_on_error=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
    ctest --output-on-failure -j3 -R "^test_($(IFS='|'; echo "${core[*]}"))\$"
