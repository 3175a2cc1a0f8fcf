#!/usr/bin/env bash
# Installs what is needed, builds the project twice (plain and with the
# address and undefined-behaviour sanitizers) and runs every test in both.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
"$ROOT/scripts/install-deps.sh"

"$ROOT/scripts/build.sh" "$ROOT/build"
ctest --test-dir "$ROOT/build" --output-on-failure -j2

"$ROOT/scripts/build.sh" "$ROOT/build-asan" -DWORVANTA_SANITIZE=ON -DWORVANTA_BUILD_BENCH=OFF
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir "$ROOT/build-asan" --output-on-failure -j2
echo "All tests passed."
