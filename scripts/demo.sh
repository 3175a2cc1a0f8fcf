#!/usr/bin/env bash
# Installs what is needed, builds the program, starts a local demo
# PostgreSQL server (port 5432, SSL on) with the demo databases and starts
# wOrvanta against it. The server is stopped when the program ends.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
DEMO_DIR="${WORVANTA_DEMO_DIR:-/var/tmp/worvanta-demo}"
DEMO_PORT=5432

"$ROOT/scripts/install-deps.sh"
BUILD_TARGETS="wOrvanta worvanta-csv" "$ROOT/scripts/build.sh" "$ROOT/build"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  cat >&2 <<MSG
No display is available, so the program's window cannot be shown.
Run the demo under a virtual display:
    xvfb-run -a -s "-screen 0 1600x1000x24" $0
or from a desktop session (or with ssh -X).
MSG
  exit 3
fi

if ss -ltn 2>/dev/null | grep -q "127.0.0.1:$DEMO_PORT \|0.0.0.0:$DEMO_PORT \|\[::\]:$DEMO_PORT "; then
  if [ ! -f "$DEMO_DIR/data/postmaster.pid" ]; then
    echo "Port $DEMO_PORT is taken by another server; stop it first (e.g. pg_ctlcluster 15 main stop)." >&2
    exit 1
  fi
fi
"$ROOT/scripts/pg-cluster.sh" start "$DEMO_DIR" "$DEMO_PORT"
trap '"$ROOT/scripts/pg-cluster.sh" stop "$DEMO_DIR"' EXIT

cat <<MSG
Demo server on 127.0.0.1:$DEMO_PORT. Logins (company / user / password) are listed in README.md.
Sample files to import: $ROOT/samples/
MSG
"$ROOT/build/src/app/wOrvanta"
