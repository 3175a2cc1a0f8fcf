#!/usr/bin/env bash
# Configures and builds the project. Usage: scripts/build.sh [BUILD_DIR] [extra cmake args...]
# BUILD_TARGETS (space-separated) limits the build to those targets.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
BUILD_DIR="${1:-$ROOT/build}"
shift || true
GEN=()
command -v ninja >/dev/null && GEN=(-G Ninja)
if [ ! -f "$BUILD_DIR/CMakeCache.txt" ]; then
  cmake -S "$ROOT" -B "$BUILD_DIR" "${GEN[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
else
  cmake "$BUILD_DIR" "$@" >/dev/null
fi
targets=()
for t in ${BUILD_TARGETS:-}; do targets+=(--target "$t"); done
cmake --build "$BUILD_DIR" -j"$(nproc)" "${targets[@]}"
