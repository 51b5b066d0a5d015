#!/usr/bin/env bash
# Renders the screenshots in docs/screenshots from the real program (offscreen).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build >/dev/null
cmake --build build -j "$(nproc)" --target merrowby_screenshots
mkdir -p docs/screenshots
build/tools/merrowby_screenshots docs/screenshots
