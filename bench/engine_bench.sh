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
  /usr/bin/time -f '%e %M %U %S' -o "$OUT/time.txt" "$@" > /dev/null
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

read -r ENGINE_S ENGINE_KB ENGINE_USER ENGINE_SYS < <(measure "$BUILD/bench/worvanta-engine-bench" "$FILE" all-payments 0)
ENGINE_BEST=$(best_of 3 "$BUILD/bench/worvanta-engine-bench" "$FILE" all-payments 0)
CAT_S=$(best_of 3 cat "$FILE")
read -r PY_S PY_KB PY_USER PY_SYS < <(measure python3 "$ROOT/bench/naive_import.py" "$FILE")

echo "== in-memory engine path (bytes in memory to payload text), 5 runs"
"$BUILD/bench/worvanta-engine-bench" "$FILE" all-payments 5 2>/dev/null
echo "== whole process, file in page cache to payload (best of 3)"
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) cores (wall times suffer when it is high)"
awk -v b="$BYTES" -v rows="$ROWS" -v e="$ENGINE_BEST" -v ekb="$ENGINE_KB" -v c="$CAT_S" -v p="$PY_S" -v pkb="$PY_KB" \
    -v eu="$ENGINE_USER" -v es="$ENGINE_SYS" -v pu="$PY_USER" -v ps="$PY_SYS" 'BEGIN {
  mb = b / 1e6
  printf "file: %d rows, %.1f MB\n", rows, mb
  printf "engine: %.2f s, %.0f MB/s, peak %.0f MB (%.2fx the file)\n", e, mb / e, ekb / 1024, ekb * 1024 / b
  printf "cat:    %.2f s, %.0f MB/s\n", c, mb / c
  printf "python: %.2f s, %.1f MB/s, peak %.0f MB (%.2fx the file)\n", p, mb / p, pkb / 1024, pkb * 1024 / b
  printf "engine / cat time: %.1fx   python / engine time: %.1fx\n", e / c, p / e
  printf "cpu seconds (user+sys): engine %.2f (%.0f MB/s), python %.2f\n", eu + es, mb / (eu + es), pu + ps
}'
