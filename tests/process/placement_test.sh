#!/usr/bin/env bash
# The real program under two window managers, on a desktop of two monitors: from the moment
# its window is shown it stands in the middle of the main monitor, where its first paint puts
# it, and never anywhere else; resized by another X client (fluxbox lets one do it, whatever
# the window's size hints say), it takes its own size back.
set -u
program="$1"
tool="$2"
. "$(dirname "$0")/common.sh"
. "$(dirname "$0")/desktop.sh"
export HOME="$work"  # where fluxbox writes its settings

# The window is 511 x 306 under its menu bar; the middle of the main 1280 x 1024 monitor, on
# the right of the other, is 1664 359 from the desktop's corner: the window's corner stands
# there, inside the frame the window manager draws.
middle="1664 359"
while read -r manager; do
    start_xvfb 2560x1024 -noreset
    { xrandr --setmonitor other "1280/338x1024/270+0+0" screen &&
        xrandr --setmonitor '*main' "1280/338x1024/270+1280+0" none; } >/dev/null ||
        { echo "xrandr could not set the monitors"; exit 1; }
    start_window_manager $manager
    name="${manager%% *}"
    "$program" 2>"$work/log" &
    pid=$!
    # Watched until the program has painted the window, and the window manager has done what
    # the paint asked of it.
    "$tool" placements "$pid" >"$work/placements"
    read -r x y _ < <(tail -n 1 "$work/placements")
    at="$x $y"
    if [ ! -s "$work/placements" ]; then
        fail "$name: no window of the program on the screen"
    elif [ "$(sort -u "$work/placements" | wc -l)" -ne 1 ]; then
        fail "$name: the window stood at (window, frame): $(paste -s -d ';' "$work/placements")"
    elif [ "$at" != "$middle" ]; then
        fail "$name: the window stands at $at, not in the middle of the main monitor ($middle)"
    else
        echo "ok   $name: the window stands in the middle from the moment it is shown"
    fi
    if [ -s "$work/placements" ]; then
        window=$("$tool" find "$pid")
        size=$("$tool" size "$window")
        # Where the window manager lets the resize through, the window has that size for a
        # moment, then its own again; where it refuses, the window never changes (openbox).
        "$tool" resize "$window" 400 600
        act handled "$window"
        at=$("$tool" size "$window")
        if [ "$at" = "$size" ]; then
            echo "ok   $name: resized to 400 x 600 by another client, the window takes its $size back"
        else
            fail "$name: resized to 400 x 600 by another client, the window stays at $at, not $size"
        fi
    fi
    kill -TERM "$pid"
    finish "$name: SIGTERM" "$pid" 0
    stop_window_manager
    stop_xvfb
done <<'EOF_MANAGERS'
openbox --sm-disable
fluxbox
EOF_MANAGERS

report
