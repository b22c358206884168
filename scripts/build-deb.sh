#!/usr/bin/env bash
# Builds Tavrik into build/ (or $TAVRIK_BUILD_DIR) and packs it as a Debian package, its
# dependencies found by dpkg-shlibdeps, into OUTDIR (default: the build folder's packages/).
# Prints the package's path. Install it with: sudo apt install ./tavrik_*.deb
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TAVRIK_BUILD_DIR:-$root/build}
out=$(mkdir -p "${1:-$build/packages}" && cd "${1:-$build/packages}" && pwd)
"$root/scripts/build.sh" >&2
rm -f "$out"/tavrik_*.deb
(cd "$build" && cpack -G DEB -B "$out" >"$out/cpack.log" 2>&1) || { cat "$out/cpack.log" >&2; exit 1; }
ls "$out"/tavrik_*.deb
