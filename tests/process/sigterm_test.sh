#!/usr/bin/env bash
# Ends the real program with SIGTERM as a desktop may: as soon as it takes the signal, while
# Qt is still starting, after a few short delays, and as a burst. Each time it must quit by
# itself with exit code 0 and, in a sanitizer build, with no leak or error report. Its
# sockets are closed on exec, so that a browser it starts holds none of them.
set -u
program="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen
failures=0
. "$(dirname "$0")/common.sh"

catches_sigterm() {  # pid
    local mask
    mask=$(awk '/^SigCgt:/ {print $2}' "/proc/$1/status" 2>/dev/null)
    [ -n "$mask" ] && (( (0x$mask >> 14) & 1 ))
}

# Waits, without sleeping, until the program has its SIGTERM handler (at most 20 s).
wait_until_catching() {  # pid
    local deadline=$((SECONDS + 20))
    while [ $SECONDS -lt $deadline ]; do
        catches_sigterm "$1" && return 0
        kill -0 "$1" 2>/dev/null || return 1
    done
    return 1
}

# The sockets that a program the process starts (the browser) would inherit.
inheritable_sockets() {  # pid
    local fd flags
    for fd in /proc/"$1"/fd/*; do
        [[ $(readlink "$fd") == socket:* ]] || continue
        flags=$(awk '/^flags:/ {print $2}' "/proc/$1/fdinfo/${fd##*/}")
        (( 0$flags & 02000000 )) || echo -n "${fd##*/} "
    done
}

start() {
    "$program" 2>"$work/log" &
    pid=$!
}

for delay in 0 0.05 0.2 0.5; do
    start
    if ! wait_until_catching "$pid"; then
        kill -KILL "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
        fail "SIGTERM after ${delay} s: the program never took SIGTERM"
        continue
    fi
    [ "$delay" = 0 ] || sleep "$delay"
    if [ "$delay" = 0.5 ]; then
        leaked=$(inheritable_sockets "$pid")
        [ -z "$leaked" ] || fail "sockets $leaked are not closed on exec: a browser started from the About page inherits them"
    fi
    kill -TERM "$pid"
    finish "SIGTERM ${delay} s after the program takes it" "$pid" 0 && echo "ok   SIGTERM ${delay} s after the program takes it"
done

# While Qt starts: the signal arrives as Qt creates its event dispatcher, the first eventfd
# of the process, before any window exists. The leak check cannot run under strace; the
# other cases make it.
if strace -qq -o /dev/null true 2>/dev/null; then
    ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" strace -f -qq -o "$work/trace" -e trace=eventfd2 -e inject=eventfd2:signal=TERM:when=1 \
        "$program" 2>"$work/log" &
    finish "SIGTERM while Qt starts" $! 0 && echo "ok   SIGTERM while Qt starts"
    grep -q "SIGTERM" "$work/trace" || fail "SIGTERM while Qt starts: no signal was sent (no eventfd)"
else
    echo "skip SIGTERM while Qt starts: strace cannot trace here"
fi

# A burst: signals sent back to back until the program has gone (at most 20000).
start
if wait_until_catching "$pid"; then
    sent=0
    while [ $sent -lt 20000 ] && kill -TERM "$pid" 2>/dev/null; do
        sent=$((sent + 1))
    done
    finish "a burst of SIGTERM ($sent sent before the program ended)" "$pid" 0 && echo "ok   a burst of SIGTERM ($sent sent before the program ended)"
else
    kill -KILL "$pid" 2>/dev/null
    fail "burst: the program never took SIGTERM"
fi

[ "$failures" -eq 0 ] || { echo "$failures case(s) failed"; exit 1; }
echo "every case quit with exit code 0, nothing reported"
