#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Merrowby need, when any
# is missing. Uses sudo when not run as root.
set -euo pipefail

# fonts-dejavu-core: the faces that stand in where Liberation is missing (a test hides it);
# libx11-dev and strace: the process tests act on the program's X window and signals;
# locales: the tests build a comma-decimal locale with localedef.
packages=(cmake make g++ qt6-base-dev libgtest-dev libgmock-dev libboost-dev fonts-liberation2 fonts-dejavu-core
          xvfb xauth libx11-dev strace locales)
# fontconfig: fc-cache builds the cache of the benchmark's large font collection.
[ "${1:-}" = "--with-bench" ] && packages+=(libbenchmark-dev fontconfig)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
