#!/usr/bin/env bash
# Installs the program into a temporary prefix as a packager does, and checks what a desktop,
# a software centre and man read there: the desktop entry and the AppStream metainfo validate
# and agree with each other and with the installed files, the icon's images stand at each of
# their sizes, the man page formats without a warning, and the licence goes with the program.
#   install_test.sh CMAKE BUILD CONFIG SOURCE VERSION "ICON SIZES"
set -u
cmake="$1" build="$2" config="$3" source="$4" version="$5" icon_sizes="$6"
id=org.example.merrowby
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix="$work/usr"
failures=0

fail() {
    echo "FAIL $1"
    failures=$((failures + 1))
}

# Installed as the README says, stripped: the program without its debug information.
if ! "$cmake" --install "$build" --config "$config" --prefix "$prefix" --strip >"$work/log" 2>&1; then
    cat "$work/log"
    fail "cmake --install"
    exit 1
fi

if command -v readelf >/dev/null && readelf -S "$prefix/bin/merrowby" 2>/dev/null | grep -q '\.debug_info'; then
    fail "the installed program keeps its debug information"
fi

desktop="$prefix/share/applications/$id.desktop"
metainfo="$prefix/share/metainfo/$id.metainfo.xml"
manpage="$prefix/share/man/man1/merrowby.1"
for file in bin/merrowby share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
            share/icons/hicolor/scalable/apps/merrowby.svg share/doc/merrowby/LICENSE share/man/man1/merrowby.1; do
    [ -f "$prefix/$file" ] || fail "$file is not installed"
done
[ "$failures" -eq 0 ] || exit 1
cmp -s "$prefix/share/doc/merrowby/LICENSE" "$source/LICENSE" || fail "the installed licence is not LICENSE"

# The validators fail the test on errors and warnings; the hints and pedantic notes that newer
# releases add are only shown.
# The desktop entry: valid, starting the installed program with the installed icon.
output=$(desktop-file-validate "$desktop" 2>&1) && ! grep -q -i 'error:\|warning:' <<<"$output" ||
    fail "desktop-file-validate: $output"
[ -z "$output" ] || echo "desktop-file-validate: $output"
exec=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
[ -x "$prefix/bin/$exec" ] || fail "the desktop entry starts $exec, which is not installed"
icon=$(sed -n 's/^Icon=//p' "$desktop")
[ -f "$prefix/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "the desktop entry's icon $icon is not installed"
# Next to the picture, its images at each size, which desktops and software centres look for.
for size in $icon_sizes; do
    image="share/icons/hicolor/${size}x${size}/apps/$icon.png"
    cmp -s "$prefix/$image" "$source/data/icons/merrowby-$size.png" || fail "$image is not the icon's image of $size pixels"
done

# The metainfo: valid, launching the installed desktop entry, with the entry's categories and
# screenshots that docs/screenshots holds.
# The release is this version, with its date.
output=$(appstreamcli validate --no-net --pedantic "$metainfo" 2>&1); grep -q '^[EW]: ' <<<"$output" &&
    fail "appstreamcli validate: $output"
grep -q '^[IP]: ' <<<"$output" && echo "appstreamcli validate: $output"
grep -q "<release version=\"$version\" date=\"[0-9]\{4\}-[0-9]\{2\}-[0-9]\{2\}\"" "$metainfo" ||
    fail "the metainfo's release is not version $version with its date"
launchable=$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "$metainfo")
[ "$launchable" = "$id.desktop" ] || fail "the metainfo launches '$launchable', not $id.desktop"
grep -q "<id>$id</id>" "$metainfo" || fail "the metainfo's id is not $id"
categories=";$(sed -n 's/^Categories=//p' "$desktop")"
for category in $(sed -n 's:.*<category>\(.*\)</category>.*:\1:p' "$metainfo"); do
    [[ "$categories" == *";$category;"* ]] || fail "the category $category is not in the desktop entry"
done
screenshots=$(sed -n 's:.*<image>.*/docs/screenshots/\(.*\)</image>.*:\1:p' "$metainfo")
[ -n "$screenshots" ] || fail "the metainfo shows no screenshot of docs/screenshots"
for screenshot in $screenshots; do
    [ -f "$source/docs/screenshots/$screenshot" ] || fail "docs/screenshots has no $screenshot"
done
[ "$(grep -c '<image>' "$metainfo")" -eq "$(wc -w <<<"$screenshots")" ] ||
    fail "a screenshot of the metainfo is not one of docs/screenshots"

# The man page: formats without an error, names the program, and has every value filled in.
output=$(groff -man -Tutf8 -ww -z "$manpage" 2>&1) && ! grep -q -i 'error' <<<"$output" || fail "groff: $output"
[ -z "$output" ] || echo "groff: $output"
groff -man -Tascii "$manpage" 2>/dev/null | grep -q "merrowby - " || fail "the man page does not name the program"
! grep -n "@" "$manpage" || fail "the man page has a value left unfilled"

[ "$failures" -eq 0 ]
