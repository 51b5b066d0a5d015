#!/usr/bin/env bash
# Ends the real program with SIGTERM, as a desktop does when the session ends, and with
# SIGINT, as Ctrl-C does: one already waiting when the program starts, as soon as it takes
# the signal, while Qt is still starting, after a few short delays, and as a burst. Each time
# it must quit by itself with no error report: after SIGTERM with exit code 0 (in a sanitizer
# build also with no leak report), after SIGINT by SIGINT once shut down (as shells expect, so that a loop
# that started it stops); a signal after it has shut down ends it as the signal does by default. Its sockets
# are closed on exec, so that a browser it starts holds none of them.
set -u
program="$1"
launcher="$2"  # pending_signal_launcher
executable=$(readlink -f "$program")
. "$(dirname "$0")/common.sh"
export QT_QPA_PLATFORM=offscreen

# Whether the process has a handler of the signal (SigCgt in its status), read by the shell
# itself: a check forks nothing, so that on a busy machine it comes round again soon.
catches() {  # pid signal-number, e.g. 15
    local key value mask=""
    while read -r key value; do
        [ "$key" = SigCgt: ] && { mask=$value; break; }
    done 2>/dev/null <"/proc/$1/status"
    [ -n "$mask" ] && (( (0x$mask >> ($2 - 1)) & 1 ))
}

# Waits until the process runs the program, not the shell forked to start it (which catches
# signals of its own), and has its handler of the signal (at most 20 s), looking every 5 ms:
# the cases "0 s after" send the signal at most that long after the handler is in place. The
# kernel tells no one of a new handler, and a tracer (strace) would keep the leak check from
# running: the wait looks, pausing in the shell itself (read's time-out on a pipe no one
# writes to), opened after the program has started, so that it inherits none of it.
wait_until_catching() {  # pid signal
    local deadline=$((SECONDS + 20)) number pause found=1
    number=$(kill -l "$2")
    exec {pause}<> <(:)
    while [ $SECONDS -lt $deadline ]; do
        [ "/proc/$1/exe" -ef "$executable" ] && catches "$1" "$number" && { found=0; break; }
        kill -0 "$1" 2>/dev/null || break
        read -r -t 0.005 -u "$pause"
    done
    exec {pause}<&-
    return $found
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

for signal in TERM INT; do
    quit_code=0
    [ "$signal" = INT ] && quit_code=130
    # Sent before the program's first instruction: it waits, blocked, until the program can
    # take it.
    name="SIG$signal pending from the start"
    "$launcher" "$signal" "$program" 2>"$work/log" &
    finish "$name" $! "$quit_code" && echo "ok   $name"

    for delay in 0 0.05 0.2 0.5; do
        name="SIG$signal ${delay} s after the program takes it"
        start
        if ! wait_until_catching "$pid" "$signal"; then
            kill -KILL "$pid" 2>/dev/null
            wait "$pid" 2>/dev/null
            fail "$name: the program never took SIG$signal"
            continue
        fi
        [ "$delay" = 0 ] || sleep "$delay"
        if [ "$signal" = TERM ] && [ "$delay" = 0.5 ]; then
            leaked=$(inheritable_sockets "$pid")
            [ -z "$leaked" ] || fail "sockets $leaked are not closed on exec: a browser started from the About page inherits them"
        fi
        kill "-$signal" "$pid"
        finish "$name" "$pid" "$quit_code" && echo "ok   $name"
    done

    # While Qt starts: the signal arrives as Qt creates its event dispatcher, the first
    # eventfd of the process, before any window exists. The leak check cannot run under
    # strace; the other cases make it.
    if strace -qq -o /dev/null true 2>/dev/null; then
        ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" strace -f -qq -o "$work/trace" -e trace=eventfd2 \
            -e inject=eventfd2:signal="$signal":when=1 "$program" 2>"$work/log" &
        finish "SIG$signal while Qt starts" $! "$quit_code" && echo "ok   SIG$signal while Qt starts"
        grep -q "SIG$signal" "$work/trace" || fail "SIG$signal while Qt starts: no signal was sent (no eventfd)"
    else
        echo "skip SIG$signal while Qt starts: strace cannot trace here"
    fi

    # A burst: signals sent back to back until the program has gone (at most 20000). Once
    # it has shut down, a signal ends it as by default: the last of the burst may.
    start
    if wait_until_catching "$pid" "$signal"; then
        sent=0
        while [ $sent -lt 20000 ] && kill "-$signal" "$pid" 2>/dev/null; do
            sent=$((sent + 1))
        done
        name="a burst of SIG$signal ($sent sent before the program ended)"
        finish "$name" "$pid" "$quit_code|$((128 + $(kill -l "$signal")))" && echo "ok   $name"
    else
        kill -KILL "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
        fail "burst: the program never took SIG$signal"
    fi
done

report "every case quit as asked, nothing reported"
