#!/usr/bin/env bash
# Renders the icon's images in data/icons/ from data/merrowby.svg, or from a size's own picture
# beside them (data/icons/merrowby-SIZE.svg, drawn for its pixel grid), with Qt's SVG icon
# engine, using the build in the given build directory (build/ by default). Run it after
# changing a picture; a test checks that the images are the pictures.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
scripts/install-deps.sh
cmake -S . -B "$build" >/dev/null
cmake --build "$build" -j "$(nproc)" --target merrowby_render_icons
mkdir -p data/icons
"$build/tools/merrowby_render_icons" data/merrowby.svg data/icons
