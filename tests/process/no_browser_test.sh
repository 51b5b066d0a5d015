#!/usr/bin/env bash
# The real program where no browser can be started (an empty PATH: no xdg-open to find), on
# an X display of its own (Xvfb): the user opens the About page from the Help menu and clicks
# its link; a message window of the program appears over the About page, and goes when the
# user presses Escape, leaving the About page as it was.
set -u
program="$1"
tool="$2"
. "$(dirname "$0")/common.sh"

# The program's shown top-level windows (menus aside), one a line: "ID title".
windows() { "$tool" windows "$pid"; }

# Waits at most 10 s until the program shows these windows, or that many of them (a number).
wait_for_windows() {  # expected
    for _ in $(seq 1 100); do
        if [[ "$1" =~ ^[0-9]+$ ]]; then
            [ "$(windows | wc -l)" -eq "$1" ] && return
        else
            [ "$(windows)" = "$1" ] && return
        fi
        sleep 0.1
    done
}

start_xvfb 1024x768
if start_with_window "no browser" PATH=; then
    # The Help menu, the last on the bar: open the first menu, then go left to the last.
    read -r _ height < <("$tool" size "$window")
    menu_bar=$((height - 306))
    act click "$window" 20 $((menu_bar / 2))
    read -r first _ < <(wait_for_menu "")
    act keys Left
    read -r menu _ _ _ menu_height < <(wait_for_menu "$first")
    # About is its last item.
    [ -n "$menu" ] && act click "$menu" 20 $((menu_height - 10))
    about="$window About Merrowby"
    wait_for_windows "$about"
    if [ "$(windows)" != "$about" ]; then
        fail "the About page is not shown: the program's windows are: $(windows)"
    else
        # The link stands in the middle of the page, 105 pixels below the menu bar.
        act click "$window" 255 $((menu_bar + 105))
        wait_for_windows 2
        if [ "$(windows | wc -l)" -eq 2 ]; then
            echo "ok   the link without a browser shows a message window"
        else
            fail "the link without a browser shows no message: the program's windows are: $(windows)"
        fi
        # A click on the page under the message leaves the keyboard on the message (the click
        # returns once the program has handled it, and the keyboard has gone where it sent it).
        act click "$window" 20 $((menu_bar + 250))
        act keys Escape
        wait_for_windows "$about"
        if [ "$(windows)" = "$about" ]; then
            echo "ok   Escape closes the message and leaves the About page"
        else
            fail "after Escape the program's windows are: $(windows)"
        fi
    fi
    kill -TERM "$pid"
    finish "SIGTERM" "$pid" 0
fi
stop_xvfb

report
