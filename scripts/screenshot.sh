#!/usr/bin/env bash
# Builds the screenshot tool and saves an offscreen picture of the main
# window, as the program shows it at start, to docs/main-window.png.
# Usage: scripts/screenshot.sh [BUILD_DIR]
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
BUILD_DIR="${1:-$ROOT/build}"
if [ ! -f "$BUILD_DIR/CMakeCache.txt" ]; then
  GEN=()
  command -v ninja >/dev/null && GEN=(-G Ninja)
  cmake -S "$ROOT" -B "$BUILD_DIR" "${GEN[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$BUILD_DIR" -j2 --target worvanta-screenshot
mkdir -p "$ROOT/docs"
QT_QPA_PLATFORM=offscreen "$BUILD_DIR/src/app/worvanta-screenshot" "$ROOT/docs/main-window.png"
echo "Wrote $ROOT/docs/main-window.png"
