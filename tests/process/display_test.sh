#!/usr/bin/env bash
# The real program and its X display: without one it says so and exits with code 1; on a
# virtual X display (Xvfb) the window carries the program's icon, a window moved by another
# client comes back to the middle at the next paint in one move, a screen smaller than the
# window keeps its top left corner on the screen, and a window destroyed from outside ends the
# program as a close does. A display that goes away under it, or a force-quit that closes its
# connection, ends it with exit code 1 and a line that says so, also under the GTK theme.
set -u
program="$1"
tool="$2"
. "$(dirname "$0")/common.sh"
use_own_session_bus
. "$(dirname "$0")/desktop.sh"

# Without a display, or with one that cannot be reached: an X display, or a Wayland one that
# Qt tries before X.
unused=$((500 + RANDOM % 400))
while [ -e "/tmp/.X11-unix/X$unused" ] || [ -e "/tmp/.X$unused-lock" ] ||
    xdpyinfo -display ":$unused" >/dev/null 2>&1; do unused=$((unused + 1)); done
for setting in "-u DISPLAY" "DISPLAY=:$unused" "-u DISPLAY WAYLAND_DISPLAY=no-compositor"; do
    name="started with env $setting"
    # shellcheck disable=SC2086  # the setting is env's words
    env $setting "$program" >"$work/log" 2>&1 &
    finish "$name" $! 1 || continue
    if ! grep -q "needs a display" "$work/log" || ! grep -q "set DISPLAY" "$work/log" ||
        ! grep -qF "xvfb-run $program" "$work/log"; then
        fail "$name: no word of the display, of DISPLAY and of xvfb-run"
    elif grep -qE "Reinstalling|make run" "$work/log"; then
        fail "$name: Qt's advice to reinstall, or the source tree's make run"
    else
        echo "ok   $name: exit code 1 and the advice"
    fi
done

# A platform plugin that is not installed is named, and the display is not blamed.
name="started with QT_QPA_PLATFORM=nonexistent"
QT_QPA_PLATFORM=nonexistent "$program" >"$work/log" 2>&1 &
if finish "$name" $! 1; then
    if ! grep -q 'plugin "nonexistent" is not installed' "$work/log"; then
        fail "$name: the missing plugin is not named"
    elif grep -qE "needs a display|cannot be reached" "$work/log"; then
        fail "$name: blames the display"
    else
        echo "ok   $name: exit code 1 and the plugin named"
    fi
fi

# A platform asked for by name whose display cannot be reached: the message names the
# setting, and does not advise xvfb-run, which would run into the same setting.
name="started with QT_QPA_PLATFORM=wayland and no compositor"
env -u WAYLAND_DISPLAY QT_QPA_PLATFORM=wayland DISPLAY=":$unused" "$program" >"$work/log" 2>&1 &
if finish "$name" $! 1; then
    if ! grep -qF "QT_QPA_PLATFORM=wayland" "$work/log"; then
        fail "$name: the setting is not named: $(cat "$work/log")"
    elif grep -q "xvfb-run" "$work/log"; then
        fail "$name: advises xvfb-run, which keeps the setting"
    else
        echo "ok   $name: exit code 1 and the setting named"
    fi
fi

# A screen larger than the window.
start_xvfb 1024x768
if start_with_window "a screen larger than the window"; then
    middle="$(( (1024 - 511) / 2 )) $(( (768 - 306) / 2 ))"
    at=$(wait_for_position "$window" $middle)
    [ "$at" = "$middle" ] || fail "the first paint left the window at $at, not in the middle ($middle)"
    "$tool" move "$window" 10 20
    wait_for_position "$window" 10 20 >/dev/null
    watch_moves "$window" $middle
    act key "$window"  # a key repaints the window
    moves=$(moves_seen)
    at=$(wait_for_position "$window" $middle)
    if [ "$at" != "$middle" ]; then
        fail "moved to 10 20, the window stays at $at after a paint, not in the middle ($middle)"
    elif [ "$moves" != "$middle" ]; then
        fail "moved to 10 20, the window went back to the middle in more than one move: $(echo "$moves" | paste -sd, -)"
    else
        echo "ok   a window moved by the user is back in the middle after a paint, in one move"
    fi

    # The icon's images, and two pixels of the largest: the blue frame of the program's
    # picture and the white card inside its tallest bar.
    icon=$("$tool" icon "$window" 3 64)
    centre=$("$tool" icon "$window" 64 64 | tail -n 1)
    if [ "$(echo "$icon" | tail -n 1) $centre" = "#1521cc #fefeff" ]; then
        echo "ok   the window carries the program's icon ($(echo "$icon" | head -n 1))"
    else
        fail "the window's icon (_NET_WM_ICON) is not the program's: '$(echo $icon)', centre '$centre'"
    fi

    "$tool" destroy "$window"
    finish "the window destroyed from outside" "$pid" 0 && echo "ok   the window destroyed from outside ends the program"
fi
stop_xvfb

# A screen smaller than the window.
start_xvfb 400x300
if start_with_window "a screen smaller than the window"; then
    at=$(wait_for_position "$window" 0 0)
    if [ "$at" = "0 0" ]; then
        echo "ok   on a 400 x 300 screen the window stands at its top left corner"
    else
        fail "on a 400 x 300 screen the window stands at $at, not 0 0"
    fi
    kill -TERM "$pid"
    finish "SIGTERM on the small screen" "$pid" 0
fi
stop_xvfb

# The display lost under the running program: its X server ends, or a force-quit (xkill)
# closes the connection of the window's client; under the GTK theme, on a desktop with a window
# manager, GTK's own connection may notice the loss first; with the accessibility bridge on and
# a screen reader reading the tree, the program's windows are still exposed on the bus when the
# display goes. Each ends with exit code 1 and the program's one line, and nothing else: no
# signal, no abort, no other program's text. In a sanitizer build the leak check unwinds
# fontconfig's allocations fully, so that the one suppression of what Qt still holds names the
# fontconfig call (desktop.sh sees to it).
reader_words="with a screen reader reading the tree"
for loss in "the X server ends" "xkill closes its connection" "the X server ends under the GTK theme" \
    "the X server ends $reader_words" "xkill closes its connection $reader_words"; do
    settings=()
    reader=""
    case "$loss" in
    *"under the GTK theme")
        start_desktop 1024x768
        settings=(XDG_CURRENT_DESKTOP=GNOME) ;;
    *"$reader_words")
        start_xvfb 1024x768
        settings=(QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1)
        "$(dirname "$0")/accessibility_reader.py" >"$work/reader" 2>/dev/null &
        reader=$! ;;
    *)
        start_xvfb 1024x768 ;;
    esac
    if ! start_with_window "$loss" "${settings[@]}"; then
        stop_xvfb
        [ -n "$reader" ] && kill "$reader" 2>/dev/null
        continue
    fi
    if [ -n "$reader" ]; then  # the reader has read the window once
        for _ in $(seq 100); do grep -q "read the program" "$work/reader" && break; sleep 0.05; done
    fi
    case "$loss" in
    "xkill closes its connection"*) "$tool" kill "$window" ;;
    *) stop_xvfb ;;
    esac
    if finish "$loss" "$pid" 1; then
        if [ "$(grep -c "lost its connection to the display" "$work/log")" != 1 ]; then
            fail "$loss: not one line that the display was lost: $(cat "$work/log")"
        elif [ "$(grep -cv '^$' "$work/log")" != 1 ]; then
            fail "$loss: more than the program's line: $(cat "$work/log")"
        else
            echo "ok   $loss: exit code 1 and the program's one line"
        fi
    fi
    [ -n "$reader" ] && { kill "$reader" 2>/dev/null; wait "$reader" 2>/dev/null; }
    [ -n "$xvfb" ] && stop_xvfb
    [ -n "$desktop_wm" ] && { kill "$desktop_wm" 2>/dev/null; wait "$desktop_wm" 2>/dev/null; desktop_wm=""; }
done

report
