#!/usr/bin/env bash
# DIR COMMAND...: runs COMMAND with a private sound server of its own in DIR (pulse-server.sh),
# stopped again whatever COMMAND does, so that tests run side by side never share one. A
# timeout's SIGTERM ends COMMAND and the server too.
set -u
dir=${1:?server folder}
shift
server="$(dirname "$0")/pulse-server.sh"
stop() { "$server" stop "$dir"; }
# Descriptors a caller may hold (a lock) are not handed to the server.
for n in 3 4 5 6 7 8 9; do
    eval "exec $n>&-"
done
"$server" start "$dir" || exit 1
"$@" &
test=$!
trap 'kill -TERM "$test" 2>/dev/null; wait "$test"; stop; exit 143' TERM INT
wait "$test"
status=$?
stop
exit "$status"
