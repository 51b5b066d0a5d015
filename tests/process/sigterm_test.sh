#!/usr/bin/env bash
# Starts the real program, lets it paint, ends it with SIGTERM: it must quit by itself with
# exit code 0 and, in a sanitizer build, with no leak or error report.
set -u
program="$1"
log=$(mktemp)
trap 'rm -f "$log"' EXIT

QT_QPA_PLATFORM=offscreen "$program" 2>"$log" &
pid=$!
sleep 2
if ! kill -0 "$pid" 2>/dev/null; then
    echo "the program ended before it was asked to"; cat "$log"; exit 1
fi
kill -TERM "$pid"
for _ in $(seq 1 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
    echo "the program did not quit on SIGTERM"; kill -KILL "$pid"; exit 1
fi
wait "$pid"
code=$?
if [ "$code" -ne 0 ]; then
    echo "exit code $code"; cat "$log"; exit 1
fi
if grep -E "LeakSanitizer|AddressSanitizer|runtime error:|unhandled" "$log"; then
    cat "$log"; exit 1
fi
echo "quit with exit code 0, nothing reported"
