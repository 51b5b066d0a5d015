#!/usr/bin/env bash
# A large font collection for the start-up benchmark, without installing it: Debian's Noto
# packages are downloaded and unpacked into DIR, and DIR/fonts.conf adds them to the system's
# fonts (use it as FONTCONFIG_FILE). Its font cache is built once, here. About 100 MB to
# download; a second run reuses what is there.
set -euo pipefail
dir="$(realpath -m "${1:?usage: bench/fetch-fonts.sh DIR}")"
packages=(fonts-noto-core fonts-noto-extra fonts-noto-ui-core fonts-noto-ui-extra)

if [ ! -f "$dir/fonts.conf" ]; then
    mkdir -p "$dir/debs" "$dir/root" "$dir/cache"
    if ! (cd "$dir/debs" && apt-get download "${packages[@]}" >/dev/null 2>&1); then
        sudo=""
        [ "$(id -u)" -eq 0 ] || sudo="sudo"
        $sudo apt-get update -qq
        (cd "$dir/debs" && apt-get download "${packages[@]}" >/dev/null)
    fi
    for deb in "$dir"/debs/*.deb; do
        dpkg-deb -x "$deb" "$dir/root"
    done
    cat >"$dir/fonts.conf.new" <<CONF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<!-- The system's fonts and the unpacked Noto collection; the cache written here comes first. -->
<fontconfig>
  <cachedir>$dir/cache</cachedir>
  <include ignore_missing="yes">/etc/fonts/fonts.conf</include>
  <dir>$dir/root/usr/share/fonts</dir>
</fontconfig>
CONF
    mv "$dir/fonts.conf.new" "$dir/fonts.conf"
fi
FONTCONFIG_FILE="$dir/fonts.conf" fc-cache "$dir/root/usr/share/fonts" >/dev/null
