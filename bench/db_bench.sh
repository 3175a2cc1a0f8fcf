#!/usr/bin/env bash
# Company-database benchmark: one run with a 1,000,000-row all-payments file.
#
#   bench/db_bench.sh [BUILD_DIR] [ROWS]      (defaults: build, 1000000)
#
# Starts a throwaway local server (scripts/pg-cluster.sh, port
# $WORVANTA_BENCH_PG_PORT or 56100, folder $WORVANTA_BENCH_PG_DIR or
# /tmp/worvanta-db-bench, the test servers' settings) with one
# company database, and measures on it, each on an empty table:
#   (a) the import through the all-payments screen's own code
#       (worvanta-screen-bench, offscreen, logged in as varnok over TCP): the
#       click on "Preluare fisier csv" from the click to the painted grid, in
#       phases (file into the spreadsheet, payload and function call, view
#       refresh), the process's peak memory, then a second "Cauta" alone;
#   the same path in parts: worvanta-csv reads the file and builds the payload
#       (the engine the screens use; its time and peak memory), and reading the
#       view with the screen's own statement after (b) (time to its first row
#       and to all rows);
#   (b) the function alone: one call of o_ins_ccp_all_payments on an emptied
#       table with the payload bound as its parameter;
#   (c) PostgreSQL's parse-only floor: count(*) over json_to_recordset of the
#       same payload, bound the same way;
#   (d) psql's \copy of the CSV file into the same table.
# It reports wall and backend CPU seconds, the backend's peak memory (VmHWM)
# and the engine's peak memory. Files go to bench/out/ (not committed).
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
BUILD_DIR="${1:-$ROOT/build}"
ROWS="${2:-1000000}"
PORT="${WORVANTA_BENCH_PG_PORT:-56100}"
CLUSTER="${WORVANTA_BENCH_PG_DIR:-/tmp/worvanta-db-bench}"
OUT="$ROOT/bench/out"
DB=bench_db
mkdir -p "$OUT"

for tool in src/tools/worvanta-gen src/tools/worvanta-csv bench/worvanta-screen-bench; do
  [ -x "$BUILD_DIR/$tool" ] || cmake --build "$BUILD_DIR" -j2 --target "$(basename "$tool")" >/dev/null
done
c++ -O2 -std=c++20 "$ROOT/bench/db/pg_call.cpp" -I"$(pg_config --includedir)" -lpq -o "$OUT/pg_call"

"$ROOT/scripts/pg-cluster.sh" start "$CLUSTER" "$PORT" --no-ssl --fresh --company "$DB" >/dev/null
trap '"$ROOT/scripts/pg-cluster.sh" stop "$CLUSTER" --remove' EXIT
# The test servers' 16 MB of shared buffers would make a million-row table
# and its indexes spill on every row; give it what a company server has.
psql -X -q -h "$CLUSTER" -p "$PORT" -U postgres -d postgres -c "ALTER SYSTEM SET shared_buffers = '1GB'"
"$ROOT/scripts/pg-cluster.sh" stop "$CLUSTER" >/dev/null
"$ROOT/scripts/pg-cluster.sh" start "$CLUSTER" "$PORT" --no-ssl --company "$DB" >/dev/null
CONN="host=$CLUSTER port=$PORT user=postgres dbname=$DB"
psql_db() { psql -X -q -v ON_ERROR_STOP=1 -h "$CLUSTER" -p "$PORT" -U postgres -d "$DB" "$@"; }
empty_table() { psql_db -c "TRUNCATE ccp_all_payments" -c "CHECKPOINT"; }
value() { sed -n "s/.*\b$1=\([^ ]*\).*/\1/p" <<<"$2"; }

CSV="$OUT/all-payments-$ROWS.csv"
PAYLOAD="$OUT/all-payments-$ROWS.json"
[ -f "$CSV" ] || "$BUILD_DIR/src/tools/worvanta-gen" all-payments "$ROWS" "$CSV" 1

COLUMNS='"id" text, "settleDate" text, "uetr" text, "paymentReference" text, "paymentId" text,
  "initiator" text, "direction" text, "creditBic" text, "debitBic" text, "ttc" text, "rmti" text,
  "amount" text, "currency" text, "settlementStatus" text, "creditorIban" text, "text" text,
  "processingStatus" text, "updateType" text, "time" text, "market" text, "defaultFund" text,
  "memberId" text, "bank" text, "externalCollateralAccount" text, "type" text'
FLOOR_SQL="select count(*) from json_to_recordset(\$1::json) as x($COLUMNS)"
# The screen's view statement, as the program sends it.
VIEW_SQL=$'select * \nfrom view_ccp_all_payments\norder by id,\n         settle_date\n;'

echo "== $ROWS rows; CSV $(du -m "$CSV" | cut -f1) MiB; $(nproc) cores; load $(cut -d' ' -f1-3 /proc/loadavg)"

# (a) the screen's code path, end to end
empty_table
A_SCREEN=$(QT_QPA_PLATFORM=offscreen "$BUILD_DIR/bench/worvanta-screen-bench" "$PORT" "$DB" varnok-demo "$CSV" \
  2> >(grep -v XDG_RUNTIME_DIR >&2)) || { echo "$A_SCREEN"; echo "(a) the screen's import failed" >&2; exit 1; }
echo "(a) screen import:   $(sed -n 1p <<<"$A_SCREEN")"
echo "    memory:          $(sed -n 2p <<<"$A_SCREEN")"
sed -n '/^message: /s/^/    /p' <<<"$A_SCREEN"
echo "    second Cauta:    $(grep '^cauta_again' <<<"$A_SCREEN")"

# the engine alone, as worvanta-csv runs it
ENGINE_OUT=$( { /usr/bin/time -f 'engine_seconds=%e engine_peak_kib=%M' \
  "$BUILD_DIR/src/tools/worvanta-csv" all-payments "$CSV" >"$PAYLOAD"; } 2>&1 )
echo "    engine alone:    $ENGINE_OUT payload_mib=$(du -m "$PAYLOAD" | cut -f1)"

# (b) the function alone, on the same rows as (a)
empty_table
B_CALL=$("$OUT/pg_call" call "$CONN" 'SELECT * FROM o_ins_ccp_all_payments($1)' "$PAYLOAD")
echo "(b) function alone:  $B_CALL"
A_VIEW=$("$OUT/pg_call" view "$CONN" "$VIEW_SQL")
echo "    view read alone: $A_VIEW"
B_AGAIN=$("$OUT/pg_call" call "$CONN" 'SELECT * FROM o_ins_ccp_all_payments($1)' "$PAYLOAD")
echo "    same payload again (every row skipped as already stored): $B_AGAIN"

# (c) parse-only floor
C_CALL=$("$OUT/pg_call" call "$CONN" "$FLOOR_SQL" "$PAYLOAD")
echo "(c) parse-only floor: $C_CALL"

# (d) \copy of the CSV file
empty_table
D_START=$(date +%s.%N)
psql_db -c "\\copy ccp_all_payments (file_id, settle_date, uetr, payment_reference, payment_id, initiator, direction, credit_bic, debit_bic, ttc, rmti, amount, currency, settlement_status, creditor_iban, py_text, processing_status, update_type, py_time, market, default_fund_id, member_id, bank, external_collateral_account, transaction_type) from '$CSV' with (format csv, header true)"
D_SECONDS=$(echo "$(date +%s.%N) - $D_START" | bc)
printf '(d) psql \\copy:       seconds=%.3f\n' "$D_SECONDS"

A_LINE=$(sed -n 1p <<<"$A_SCREEN")
A_MEM=$(sed -n 2p <<<"$A_SCREEN")
ENGINE_S=$(value engine_seconds "$ENGINE_OUT")
A_VIEW_S=$(value all_rows_seconds "$A_VIEW")
B_S=$(value seconds "$B_CALL")
B_CPU=$(value backend_cpu_seconds "$B_CALL")
C_S=$(value seconds "$C_CALL")
C_CPU=$(value backend_cpu_seconds "$C_CALL")
ENGINE_MIB=$(( $(value engine_peak_kib "$ENGINE_OUT") / 1024 ))
CSV_MIB=$(du -m "$CSV" | cut -f1)
echo "== summary"
printf 'screen import (a): %.1f s = file into the spreadsheet %.1f + payload and call %.1f + refresh %.1f (+ painting); %s rows shown\n' \
  "$(value import_seconds "$A_LINE")" "$(value load_seconds "$A_LINE")" "$(value send_seconds "$A_LINE")" \
  "$(value refresh_seconds "$A_LINE")" "$(value rows "$A_LINE")"
printf 'screen import peak %.0f MiB = %.1f x the file (%.1f x over the %.0f MiB before the import)\n' \
  "$(value peak_mib "$A_MEM")" "$(value peak_x_file "$A_MEM")" "$(value growth_x_file "$A_MEM")" \
  "$(value before_import_peak_mib "$A_MEM")"
printf 'in parts: %.1f s = engine %.1f + call %.1f + view %.1f\n' \
  "$(echo "$ENGINE_S + $B_S + $A_VIEW_S" | bc)" "$ENGINE_S" "$B_S" "$A_VIEW_S"
printf 'function / parse floor: wall %.2f (%.1f s / %.1f s), backend CPU %.2f (%.1f s / %.1f s); aim <= 1.3\n' \
  "$(echo "$B_S / $C_S" | bc -l)" "$B_S" "$C_S" "$(echo "$B_CPU / $C_CPU" | bc -l)" "$B_CPU" "$C_CPU"
printf 'engine peak %d MiB = %.1f x the file (%d MiB); aim < 5\n' \
  "$ENGINE_MIB" "$(echo "$ENGINE_MIB / $CSV_MIB" | bc -l)" "$CSV_MIB"
