#!/usr/bin/env bash
# Installs what Tavrik needs, checks the include layers and the formatting, builds it with
# warnings as errors and runs every test.
# The tests start their own private PulseAudio server and stop it again, pass or fail.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TAVRIK_BUILD_DIR:-$root/build}
"$root/scripts/install-deps.sh"
python3 "$root/scripts/check-layers.py"
"$root/scripts/check-format.sh"
"$root/scripts/build.sh" -DTAVRIK_WERROR=ON
trap '"$root/tests/support/pulse-server.sh" stop "$build/pulse-test" >/dev/null 2>&1 || true' EXIT
cd "$build"
ctest --output-on-failure "$@"
