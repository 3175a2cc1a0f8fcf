#!/usr/bin/env bash
# Times the import engine on a generated all-payments file against a plain
# cat of the file (the floor) and the naive Python alternative.
# Usage: bench/engine_bench.sh [BUILD_DIR] [ROWS]
# Needs worvanta-gen and worvanta-engine-bench built in BUILD_DIR (Release).
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
BUILD="${1:-$ROOT/build-engine}"
ROWS="${2:-1000000}"
OUT="$ROOT/bench/out"
FILE="$OUT/all-payments-$ROWS.csv"
mkdir -p "$OUT"
[ -f "$FILE" ] || "$BUILD/src/tools/worvanta-gen" all-payments "$ROWS" "$FILE" 1
BYTES=$(stat -c %s "$FILE")
cat "$FILE" > /dev/null  # page cache warm for every contender

# One process each, as a user runs it: wall seconds and peak resident memory.
measure() {
  /usr/bin/time -f '%e %M' -o "$OUT/time.txt" "$@" > /dev/null
  cat "$OUT/time.txt"
}
best_of() {  # best wall time of N runs
  local n=$1; shift
  local best=""
  for _ in $(seq "$n"); do
    local t; t=$(measure "$@" | cut -d' ' -f1)
    if [ -z "$best" ] || awk "BEGIN{exit !($t < $best)}"; then best=$t; fi
  done
  echo "$best"
}

read -r ENGINE_S ENGINE_KB < <(measure "$BUILD/bench/worvanta-engine-bench" "$FILE" all-payments 0)
ENGINE_BEST=$(best_of 3 "$BUILD/bench/worvanta-engine-bench" "$FILE" all-payments 0)
CAT_S=$(best_of 3 cat "$FILE")
read -r PY_S PY_KB < <(measure python3 "$ROOT/bench/naive_import.py" "$FILE")

echo "== in-memory engine path (bytes in memory to payload text), 5 runs"
"$BUILD/bench/worvanta-engine-bench" "$FILE" all-payments 5 2>/dev/null
echo "== whole process, file in page cache to payload (best of 3)"
awk -v b="$BYTES" -v rows="$ROWS" -v e="$ENGINE_BEST" -v ekb="$ENGINE_KB" -v c="$CAT_S" -v p="$PY_S" -v pkb="$PY_KB" 'BEGIN {
  mb = b / 1e6
  printf "file: %d rows, %.1f MB\n", rows, mb
  printf "engine: %.2f s, %.0f MB/s, peak %.0f MB (%.2fx the file)\n", e, mb / e, ekb / 1024, ekb * 1024 / b
  printf "cat:    %.2f s, %.0f MB/s\n", c, mb / c
  printf "python: %.2f s, %.1f MB/s, peak %.0f MB (%.2fx the file)\n", p, mb / p, pkb / 1024, pkb * 1024 / b
  printf "engine / cat time: %.1fx   python / engine time: %.1fx\n", e / c, p / e
}'
