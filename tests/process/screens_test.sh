#!/usr/bin/env bash
# The real program on a desktop of two monitors (an X display of its own, Xvfb, split into
# two RandR monitors): its window stands in the middle of the main monitor, whether that
# monitor is on the right of the other or below it, and goes to the middle of the other in one
# move when the main one is unplugged.
set -u
program="$1"
tool="$2"
. "$(dirname "$0")/common.sh"

# A display of that size with two 1280 x 1024 monitors at the two corners given; the second
# is the main one. The server keeps the monitors when the client that set them leaves.
start_monitors() {  # size first-corner main-corner, e.g. 2560x1024 +0+0 +1280+0
    start_xvfb "$1" -noreset
    { xrandr --setmonitor other "1280/338x1024/270$2" screen &&
        xrandr --setmonitor '*main' "1280/338x1024/270$3" none; } >/dev/null ||
        { echo "xrandr could not set the monitors"; exit 1; }
}

# The window is 511 x 306; the middle of a 1280 x 1024 monitor is 384 359 from its corner.
while read -r name size other main x y; do
    middle="$x $y"
    start_monitors "$size" "$other" "$main"
    if start_with_window "$name"; then
        at=$(wait_for_position "$window" $middle)
        if [ "$at" = "$middle" ]; then
            echo "ok   $name: the window stands in its middle"
        else
            fail "$name: the window stands at $at, not in the middle of the main monitor ($middle)"
        fi
        kill -TERM "$pid"
        finish "$name: SIGTERM" "$pid" 0
    fi
    stop_xvfb
done <<'EOF'
main-monitor-on-the-right 2560x1024 +0+0 +1280+0 1664 359
main-monitor-below 1280x2048 +0+0 +0+1024 384 1383
EOF

# The main monitor unplugged while the program runs: the window goes to the middle of the
# smaller monitor left in one move, though both its Left and its Top change (the middle of a
# 1024 x 768 monitor is 256 231 from its corner).
name="the main monitor unplugged"
start_xvfb 2560x2048 -noreset
{ xrandr --setmonitor '*main' "1280/338x1024/270+0+0" none &&
    xrandr --setmonitor other "1024/270x768/203+1280+1024" screen; } >/dev/null ||
    { echo "xrandr could not set the monitors"; exit 1; }
if start_with_window "$name"; then
    at=$(wait_for_position "$window" 384 359)
    [ "$at" = "384 359" ] || fail "$name: before, the window stands at $at, not in the middle of the main monitor"
    middle="1536 1255"
    watch_moves "$window" $middle
    xrandr --delmonitor main >/dev/null
    moves=$(moves_seen)
    at=$(wait_for_position "$window" $middle)
    if [ "$at" != "$middle" ]; then
        fail "$name: the window stands at $at, not in the middle of the monitor left ($middle)"
    elif [ "$moves" != "$middle" ]; then
        fail "$name: the window went to the middle of the monitor left in more than one move: $(echo "$moves" | paste -sd, -)"
    else
        echo "ok   $name: the window goes to the middle of the monitor left in one move"
    fi
    kill -TERM "$pid"
    finish "$name: SIGTERM" "$pid" 0
fi
stop_xvfb

report
