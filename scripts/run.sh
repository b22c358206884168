#!/usr/bin/env bash
# Installs what Tavrik needs, builds it and starts the recorder.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
exec "${TAVRIK_BUILD_DIR:-$root/build}/tavrik" "$@"
