# What the process tests share, sourced first: a work folder ($work, where the program writes
# its stderr to $work/log) removed at the end with any X server or window manager the test
# started, reporting a failed case with the program's stderr, waiting for the program to end
# by itself, and the closing count.

work=$(mktemp -d)
# The environment CTest gives every test, also when a script is run by hand.
unset QT_QPA_PLATFORM QT_QPA_PLATFORMTHEME QT_STYLE_OVERRIDE QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS \
      QT_AUTO_SCREEN_SCALE_FACTOR QT_ENABLE_HIGHDPI_SCALING QT_SCALE_FACTOR_ROUNDING_POLICY QT_DEVICE_PIXEL_RATIO \
      QT_FONT_DPI QT_ACCESSIBILITY QT_LINUX_ACCESSIBILITY_ALWAYS_ON QT_IM_MODULE XMODIFIERS QT_FATAL_WARNINGS \
      QT_LOGGING_RULES GTK_THEME GTK_IM_MODULE XDG_CURRENT_DESKTOP DESKTOP_SESSION \
      BROWSER DEFAULT_BROWSER MERROWBY_SEED MERROWBY_STEPS MERROWBY_TEST_QT_PLATFORM LANGUAGE WAYLAND_DISPLAY
export LC_ALL=C.UTF-8 XDG_RUNTIME_DIR="$work/runtime" && mkdir -m 700 "$XDG_RUNTIME_DIR"
# Without a session bus of the caller's (or of dbus-run-session's), none at all: D-Bus would
# start one tied to the test's X display, which dies with it.
export DBUS_SESSION_BUS_ADDRESS="${DBUS_SESSION_BUS_ADDRESS:-unix:path=$XDG_RUNTIME_DIR/no-session-bus}"
# On a session bus of the test's own (dbus-run-session), the services it starts (the
# accessibility bus, dconf) keep their sockets in this test's runtime folder: in the one CTest
# gives every test, two tests' accessibility buses would take each other's socket. Never on a
# desktop's own bus.
use_own_session_bus() {
    case "${DBUS_SESSION_BUS_ADDRESS:-}" in
    "" | *no-session-bus | "unix:path=/run/user/$(id -u)/bus"*) return 0 ;;
    esac
    dbus-update-activation-environment XDG_RUNTIME_DIR="$XDG_RUNTIME_DIR" HOME="$HOME" \
        ${XDG_CONFIG_HOME:+XDG_CONFIG_HOME="$XDG_CONFIG_HOME"} ${DISPLAY:+DISPLAY="$DISPLAY"}
}
xvfb=""
desktop_wm=""
failures=0
end_test() {
    [ -n "$desktop_wm" ] && kill "$desktop_wm" 2>/dev/null
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    rm -rf "$work"
}
trap end_test EXIT

fail() {
    echo "FAIL $1"
    [ -s "$work/log" ] && sed 's/^/    /' "$work/log"
    failures=$((failures + 1))
}

# Waits at most 20 s for the program to end by itself, then checks its exit code (one of
# those given, as 0 or 0|143) and that it reported nothing (no sanitizer report, no unhandled
# exception). 1 after a failure.
finish() {  # case pid expected-code
    local name="$1" pid="$2" expected="$3" code
    for _ in $(seq 1 200); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$pid" 2>/dev/null; then
        kill -KILL "$pid"
        wait "$pid" 2>/dev/null
        fail "$name: the program did not end"
        return 1
    fi
    wait "$pid"
    code=$?
    [[ "|$expected|" == *"|$code|"* ]] || { fail "$name: exit code $code, not $expected"; return 1; }
    if grep -qE "LeakSanitizer|AddressSanitizer|runtime error:|unhandled" "$work/log"; then
        fail "$name: a report on stderr"
        return 1
    fi
    return 0
}

# Starts an X server of the test's own (Xvfb) with one screen of that size and points DISPLAY
# at it; further options go to Xvfb.
start_xvfb() {  # size, e.g. 1024x768; Xvfb's options
    local size="$1"
    shift
    : >"$work/display"
    Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp "$@" 3>"$work/display" 2>"$work/xvfb.log" &
    xvfb=$!
    for _ in $(seq 1 100); do
        grep -q '^[0-9][0-9]*$' "$work/display" 2>/dev/null && break
        sleep 0.1
    done
    grep -q '^[0-9][0-9]*$' "$work/display" || { echo "Xvfb did not start"; cat "$work/xvfb.log"; exit 1; }
    export DISPLAY=":$(head -n 1 "$work/display")"
}

stop_xvfb() {
    kill "$xvfb" 2>/dev/null
    wait "$xvfb" 2>/dev/null
    xvfb=""
    unset DISPLAY
}

# The caller sets $tool (x_window_tool).
# An action of the tool that returns once the program has handled it (handled, pointer,
# click, key, keys): where the program or the window manager did not answer in time, the case
# fails.
act() {  # tool command and its arguments
    "$tool" "$@" || fail "x_window_tool $*: no answer in time"
}

# Waits at most 5 s until the window stands at x y; prints where it stands.
wait_for_position() {  # window x y
    local at=""
    for _ in $(seq 1 50); do
        at=$("$tool" position "$1")
        [ "$at" = "$2 $3" ] && break
        sleep 0.1
    done
    echo "$at"
}

# Starts watching the places the X server moves the window to, until it stands at x y (at
# most 10 s); moves_seen then prints them, a line a move.
watch_moves() {  # window x y
    "$tool" moves "$1" "$2" "$3" >"$work/moves" &
    moves_watcher=$!
    for _ in $(seq 1 100); do
        grep -q '^watching$' "$work/moves" && break
        sleep 0.05
    done
}

moves_seen() {
    wait "$moves_watcher"
    grep -v '^watching$' "$work/moves"
}

# Waits at most 10 s for a shown menu of the program other than the one given; prints
# "ID x y width height".
wait_for_menu() {  # the menu shown before, or ""
    local menu=""
    for _ in $(seq 1 100); do
        menu=$("$tool" popups "$pid" | grep -v "^$1 " | head -n 1)
        [ -n "$menu" ] && break
        sleep 0.1
    done
    echo "$menu"
}

# Waits at most 10 s until the program shows no menu.
wait_for_no_menu() {
    for _ in $(seq 1 100); do
        [ -z "$("$tool" popups "$pid")" ] && return
        sleep 0.1
    done
}

# Starts the program, with these variables set (as env takes them), and waits for its window:
# sets $pid and $window. Without a window the case fails, the program is killed, and 1.
start_with_window() {  # case [NAME=VALUE...]
    local name="$1"
    shift
    env "$@" "$program" 2>"$work/log" &
    pid=$!
    window=$("$tool" find "$pid")
    [ -n "$window" ] && return 0
    fail "$name: no window of the program on the screen"
    kill -KILL "$pid"
    wait "$pid" 2>/dev/null
    return 1
}

# The closing line: every case as expected (or the given words), else the count of failures.
report() {  # [words for success]
    [ "$failures" -eq 0 ] || { echo "$failures case(s) failed"; exit 1; }
    echo "${1:-every case as expected}"
}
