#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Merrowby need, when any
# is missing. Uses sudo when not run as root.
set -euo pipefail

# libxcb1-dev, libx11-dev and pkg-config: the program reads the X11 connections under Qt and its
# GTK theme (a window destroyed by another client, a display lost), and the build finds them
# through pkg-config;
# qt6-wayland: Qt's platform plugin for Wayland desktops, which get a window of their own;
# fonts-dejavu-core: the faces that stand in where Liberation is missing (a test hides it);
# strace: the process tests act on the program's signals, and on its X window through Xlib;
# locales: the tests build a comma-decimal locale with localedef;
# openbox, x11-utils, libxtst-dev and qt6-gtk-platformtheme: the desktop tests run the program
# under a window manager and the GTK theme, and move the pointer and press keys as a user does;
# x11-xserver-utils: xrandr splits a test's X display into two monitors;
# fluxbox: a second window manager, under which a test checks where the window first stands;
# libqt6svg6: Qt's SVG icon engine, which draws the icon's images from its picture
# (scripts/render-icons.sh) and checks them (a test);
# at-spi2-core, dbus-daemon and dbus-bin: the accessibility bus and a session bus of its own
# (dbus-send starts the first as a desktop session does), on which a
# test hears what a screen reader hears; python3-pyatspi: a screen reader's client of that bus,
# which reads the window's tree while a test takes the display away; dbus-x11: dbus-launch, as
# desktop systems have it, with which D-Bus starts a session bus of its own where none is given
# (the tests give one, or none); orca: the screen reader whose speech a test listens to;
# desktop-file-utils, appstream and groff-base: the install test validates the desktop entry and
# the metainfo and formats the man page.
packages=(cmake make g++ qt6-base-dev libxcb1-dev pkg-config qt6-wayland
          libgtest-dev libgmock-dev libboost-dev fonts-liberation2 fonts-dejavu-core
          xvfb xauth libx11-dev strace locales openbox x11-utils libxtst-dev qt6-gtk-platformtheme
          x11-xserver-utils fluxbox libqt6svg6 at-spi2-core dbus-daemon dbus-bin python3-pyatspi dbus-x11 orca
          desktop-file-utils appstream groff-base)
# --with-bench: what `make bench` needs; --with-clang: the second compiler (`make test-clang`, CI).
for option in "$@"; do
    case "$option" in
        --with-bench) packages+=(libbenchmark-dev fontconfig) ;;  # fc-cache: the large font collection
        --with-clang) packages+=(clang) ;;
        *) echo "install-deps.sh: unknown option $option (--with-bench, --with-clang)" >&2; exit 2 ;;
    esac
done

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update -qq
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
