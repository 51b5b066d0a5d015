#!/usr/bin/env bash
# Starts the program built in the given build directory (build/ by default); without a
# display it runs in a virtual X display and says so.
set -euo pipefail
program="${1:-build}/app/merrowby"
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec "$program"
fi
echo "No display found: starting Merrowby in a virtual X display (Xvfb). Stop it with Ctrl-C."
exec xvfb-run -a -s "-screen 0 1280x800x24" "$program"
