# A desktop for the process tests: a virtual X display (Xvfb) with a reparenting window
# manager (openbox), as users have it rather than a bare X server. Sourced after common.sh.

# GTK's libraries keep no frame pointers: in a sanitizer build the leak check then records
# their allocations with the slow unwinder, so that a suppression can name the library call.
[ -n "${ASAN_OPTIONS:-}" ] && export ASAN_OPTIONS="$ASAN_OPTIONS:fast_unwind_on_malloc=0"

start_desktop() {  # screen size, e.g. 1280x1024
    start_xvfb "$1" -noreset
    start_window_manager openbox --sm-disable
}

# Starts a window manager on the display that DISPLAY names.
start_window_manager() {  # command and its options, e.g. openbox --sm-disable
    # The window manager is up once it has claimed the screen; on a loaded machine it may
    # need another try.
    for _ in 1 2 3; do
        "$@" >"$work/wm.log" 2>&1 &
        desktop_wm=$!
        for _ in $(seq 1 100); do
            xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
            kill -0 "$desktop_wm" 2>/dev/null || break
            sleep 0.1
        done
        kill "$desktop_wm" 2>/dev/null
        wait "$desktop_wm" 2>/dev/null
    done
    echo "$1 did not start on $DISPLAY"
    cat "$work/wm.log" "$work/xvfb.log"
    exit 1
}

stop_window_manager() {
    kill "$desktop_wm" 2>/dev/null
    wait "$desktop_wm" 2>/dev/null
    desktop_wm=""
}
