#!/usr/bin/env bash
# DIR COMMAND...: runs COMMAND with a private sound server of its own in DIR (pulse-server.sh),
# stopped again whatever COMMAND does, so that tests run side by side never share one.
set -u
dir=${1:?server folder}
shift
server="$(dirname "$0")/pulse-server.sh"
"$server" start "$dir" || exit 1
"$@"
status=$?
"$server" stop "$dir"
exit "$status"
