#!/usr/bin/env bash
# Renders the screenshots in docs/screenshots from the real program (offscreen), built in the
# given build directory (build/ by default).
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
scripts/install-deps.sh
cmake -S . -B "$build" >/dev/null
cmake --build "$build" -j "$(nproc)" --target merrowby_screenshots
mkdir -p docs/screenshots
"$build/tools/merrowby_screenshots" docs/screenshots
