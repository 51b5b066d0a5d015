#!/usr/bin/env bash
# Runs a command on a desktop as users have it: a virtual X display with a window manager
# (openbox), and XDG_CURRENT_DESKTOP=GNOME, which makes Qt load the GTK platform theme of
# GNOME, Xfce, MATE and Cinnamon. The in-process tests then put their window there. The command
# is given as env takes it, so that a test can set its own variables (GTK_THEME=Adwaita:dark).
set -u
. "$(dirname "$0")/common.sh"
. "$(dirname "$0")/desktop.sh"
start_desktop 1280x1024
export XDG_CURRENT_DESKTOP=GNOME MERROWBY_TEST_QT_PLATFORM=xcb
# On a session bus of the test's own (dbus-run-session), the accessibility bus is started as a
# desktop session starts it, before any program.
if [ -n "${DBUS_SESSION_BUS_ADDRESS:-}" ] && [[ "$DBUS_SESSION_BUS_ADDRESS" != *no-session-bus ]]; then
    use_own_session_bus
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null ||
        { echo "the accessibility bus did not start"; exit 1; }
fi
env "$@"
