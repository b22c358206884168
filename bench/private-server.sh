# Sourced by the benchmarks that play or record: sets root and a work folder, and starts a
# private sound server (tests/support/pulse-server.sh) in it for the run; both go at the end.
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
work=$(mktemp -d)
server="$work/pulse"
trap '"$root/tests/support/pulse-server.sh" stop "$server"; rm -rf "$work"' EXIT
"$root/tests/support/pulse-server.sh" start "$server"
export PULSE_SERVER="unix:$server/native" XDG_RUNTIME_DIR="$server/runtime" QT_QPA_PLATFORM=offscreen
