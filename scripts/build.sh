#!/usr/bin/env bash
# Configures and builds Tavrik into build/ (or $TAVRIK_BUILD_DIR). Extra args go to cmake.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TAVRIK_BUILD_DIR:-$root/build}
cmake -S "$root" -B "$build" -G Ninja "$@" >/dev/null
cmake --build "$build" -j"$(nproc)"
