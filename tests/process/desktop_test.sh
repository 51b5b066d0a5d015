#!/usr/bin/env bash
# The real program on a desktop as users have it: under a window manager (openbox) and the
# GTK platform theme. A window the user moved stays where it was put while the pointer rests
# on a button and while a menu is open; choosing a category, which paints the window, puts it
# back in the middle, in one move.
set -u
program="$1"
tool="$2"
. "$(dirname "$0")/common.sh"
. "$(dirname "$0")/desktop.sh"
export XDG_CURRENT_DESKTOP=GNOME

# The content area's size, and "Pass" in it (the lower right, left of "Okay").
content_height=306
pass_x=398
pass_y=283

moved="100 120"

# Where the window stands once the window manager has framed it and the program has painted
# it: the middle of the screen, as the window manager's frame offsets it.
settled_position() {  # window
    "$tool" handled "$1" && "$tool" position "$1"
}

# Opens the first menu, "Statistical Data", by a click on its title in the menu bar, and waits
# until it is shown.
open_menu() {  # window
    local width height
    read -r width height < <("$tool" size "$1")
    act click "$1" 40 $(( (height - content_height) / 2 ))
    [ -n "$(wait_for_menu "")" ] || fail "the menu did not open"
}

choose_first_category() {  # window
    open_menu "$1"
    act keys Down Return
}

start_desktop 1280x1024
start_with_window "on the desktop" || report
middle=$(settled_position "$window")
read -r width height < <("$tool" size "$window")
pass_top=$((height - content_height + pass_y))

choose_first_category "$window"
wait_for_no_menu
# The user drags the window away once the program has painted the category's question (the
# tool's keys return once the program has taken them, and painted what they brought).
"$tool" move "$window" $moved
wait_for_position "$window" $moved >/dev/null
act handled "$window"  # the program has taken the move
at=$("$tool" position "$window")
if [ "$at" != "$moved" ]; then
    fail "the window did not stay at $moved, where the user moved it: it stands at $at"
else
    # The pointer returns once the program has taken its arrival, painted the hover, and the
    # window manager has done what the paint asked.
    act pointer "$window" "$pass_x" "$pass_top"
    at=$("$tool" position "$window")
    if [ "$at" = "$moved" ]; then
        echo "ok   the pointer resting on Pass leaves the window where the user put it"
    else
        fail "with the pointer on Pass, the window moved from $moved to $at"
    fi

    act pointer "$window" 250 "$((height / 2))"
    open_menu "$window"
    act handled "$window"
    at=$("$tool" position "$window")
    if [ "$at" = "$moved" ]; then
        echo "ok   an open menu leaves the window where the user put it"
    else
        fail "with a menu open, the window moved from $moved to $at"
    fi
    act keys Escape
    wait_for_no_menu

    watch_moves "$window" $middle
    choose_first_category "$window"
    moves=$(moves_seen)
    at=$(wait_for_position "$window" $middle)
    if [ "$at" != "$middle" ]; then
        fail "after choosing a category the window stands at $at, not in the middle ($middle)"
    elif [ "$moves" != "$middle" ]; then
        fail "choosing a category put the window back in the middle in more than one move: $(echo "$moves" | paste -sd, -)"
    else
        echo "ok   choosing a category puts the window back in the middle, in one move"
    fi
fi

kill -TERM "$pid"
finish "SIGTERM on the desktop" "$pid" 0

report
