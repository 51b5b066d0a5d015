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
env "$@"
