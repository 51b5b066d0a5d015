#!/usr/bin/env bash
# What a blind student hears: Orca itself, started before the program as the student starts it,
# on a desktop (openbox on a virtual X display, and GNOME's name for it, with which Qt loads
# the GTK theme) with the accessibility bus of this test's own session bus (run under
# dbus-run-session). Speech goes through speech-dispatcher to a null
# sound device: without a sound device of any kind speech-dispatcher stalls Orca.
#
# screen_reader_test.sh PROGRAM X_WINDOW_TOOL
set -u
. "$(dirname "$0")/common.sh"
. "$(dirname "$0")/desktop.sh"
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config"
mkdir -p "$XDG_CONFIG_HOME"
cp -r /etc/speech-dispatcher "$XDG_CONFIG_HOME/"
echo 'AudioOutputMethod "alsa"' >>"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf"
echo 'pcm.!default { type null }' >"$HOME/.asoundrc"
start_desktop 1280x1024
export XDG_CURRENT_DESKTOP=GNOME
use_own_session_bus
/usr/bin/python3 "$(dirname "$0")/screen_reader_walk.py" "$1" "$2" "$work" 2>"$work/walk.log" || {
    echo "--- the program's output"; cat "$work/log"
    echo "--- what Orca said"; grep -o "SPEECH OUTPUT: .*" "$work/orca.log" | tail -60
    echo "--- Orca's own output"; tail -30 "$work/orca.out"
    [ -n "${MERROWBY_KEEP_SCREEN_READER_LOG:-}" ] && cp "$work/orca.log" "$MERROWBY_KEEP_SCREEN_READER_LOG"
    exit 1
}
