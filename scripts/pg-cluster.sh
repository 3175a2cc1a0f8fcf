#!/usr/bin/env bash
# Throwaway PostgreSQL 15 clusters for the demo and the tests.
#
#   pg-cluster.sh start DIR PORT [--no-ssl] [--fresh] [--directory] [--company DB]...
#                                [--var NAME=VALUE]...
#   pg-cluster.sh stop DIR [--remove]
#   pg-cluster.sh status DIR
#
# start  creates the cluster in DIR/data when needed and starts it on
#        127.0.0.1:PORT (and a unix socket in DIR, for the superuser only),
#        with SSL on and a self-signed certificate made at start (--no-ssl:
#        without SSL). The role `varnok` (password 'varnok-demo') logs in with
#        scram-sha-256, over SSL only on an SSL server.
#        On a new cluster it loads the reference SQL:
#          --directory     database varnok_mob from sql/directory.sql;
#          --company DB    database DB from every sql/company_*.sql in name
#                          order, then its own rows from sql/rows/DB.sql;
#          neither given   the demo: the directory and every company in sql/rows.
#        psql variables main_port, second_port and nossl_port (the ports that
#        the directory rows point at) default to PORT; --var overrides them.
#        A cluster that is already running is left as it is; a stopped one is
#        started again with its data, unless the SQL files changed since it
#        was made or --fresh is given: then it is made anew.
# stop   stops the cluster (--remove: and deletes DIR).
#
# Run as root, the server runs as the `postgres` system user, which then owns
# DIR: keep DIR under /tmp or /var/tmp.
set -euo pipefail

ROOT="$(cd "$(dirname "$0")/.." && pwd)"
SQL_DIR="$ROOT/sql"
PG_BIN="${WORVANTA_PG_BIN:-/usr/lib/postgresql/15/bin}"
ROLE_PASSWORD="varnok-demo"
TEMPLATE_DB="worvanta_company_template"

# The client tools must not take settings from the caller's environment.
while IFS= read -r var; do unset "$var"; done < <(compgen -e | grep '^PG' || true)

die() { echo "pg-cluster: $*" >&2; exit 1; }

as_server_user() {
  if [ "$(id -u)" -eq 0 ]; then
    runuser -u postgres -- "$@"
  else
    "$@"
  fi
}

is_running() {
  [ -f "$1/data/PG_VERSION" ] && as_server_user "$PG_BIN/pg_ctl" status -D "$1/data" >/dev/null 2>&1
}

sql_fingerprint() {
  (cd "$SQL_DIR" && find . -name '*.sql' -type f -print0 | sort -z | xargs -0 sha256sum) | sha256sum | cut -d' ' -f1
}

psql_super() {
  local dir="$1" port="$2" db="$3"
  shift 3
  "$PG_BIN/psql" -X -q -v ON_ERROR_STOP=1 -h "$dir" -p "$port" -U postgres -d "$db" "$@"
}

write_config() {
  local dir="$1" port="$2" ssl="$3"
  {
    echo "listen_addresses = '127.0.0.1'"
    echo "port = $port"
    echo "unix_socket_directories = '$dir'"
    echo "unix_socket_permissions = 0700"
    echo "fsync = off"
    echo "synchronous_commit = off"
    echo "full_page_writes = off"
    echo "shared_buffers = 16MB"
    echo "max_connections = 40"
    echo "password_encryption = 'scram-sha-256'"
    echo "ssl = $ssl"
    echo "ssl_cert_file = 'server.crt'"
    echo "ssl_key_file = 'server.key'"
  } >"$dir/data/worvanta.conf"
  {
    echo "# TYPE     DATABASE USER     ADDRESS        METHOD"
    echo "local      all      postgres                trust"
    if [ "$ssl" = on ]; then
      echo "hostssl    all      varnok   127.0.0.1/32   scram-sha-256"
    else
      echo "host       all      varnok   127.0.0.1/32   scram-sha-256"
    fi
  } >"$dir/data/pg_hba.conf"
  if [ "$ssl" = on ]; then
    openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj /CN=localhost \
      -keyout "$dir/data/server.key" -out "$dir/data/server.crt" >/dev/null 2>&1 \
      || die "cannot make the server certificate"
    chmod 600 "$dir/data/server.key"
  fi
  if [ "$(id -u)" -eq 0 ]; then chown -R postgres:postgres "$dir"; fi
}

create_cluster() {
  local dir="$1"
  mkdir -p "$dir"
  chmod 700 "$dir"
  if [ "$(id -u)" -eq 0 ]; then chown postgres:postgres "$dir"; fi
  as_server_user "$PG_BIN/initdb" -D "$dir/data" -U postgres -A trust -E UTF8 --locale=C.UTF-8 --no-sync \
    >"$dir/initdb.log" 2>&1 || { cat "$dir/initdb.log" >&2; die "initdb failed"; }
  echo "include 'worvanta.conf'" >>"$dir/data/postgresql.conf"
}

load_reference_sql() {
  local dir="$1" port="$2" load_directory="$3"
  shift 3
  local companies=("$@")
  local vars=()
  for name in main_port second_port nossl_port; do vars+=(-v "$name=${VARS[$name]}"); done

  psql_super "$dir" "$port" postgres \
    -c "CREATE ROLE varnok LOGIN NOSUPERUSER NOCREATEDB NOCREATEROLE PASSWORD '$ROLE_PASSWORD'"

  if [ "$load_directory" = yes ]; then
    psql_super "$dir" "$port" postgres -c "CREATE DATABASE varnok_mob"
    psql_super "$dir" "$port" varnok_mob "${vars[@]}" -f "$SQL_DIR/directory.sql"
  fi
  if [ ${#companies[@]} -gt 0 ]; then
    # Every company database is a copy of one template holding the shared objects.
    psql_super "$dir" "$port" postgres -c "CREATE DATABASE $TEMPLATE_DB"
    local file
    for file in $(cd "$SQL_DIR" && ls company_*.sql 2>/dev/null | LC_ALL=C sort); do
      psql_super "$dir" "$port" "$TEMPLATE_DB" "${vars[@]}" -f "$SQL_DIR/$file"
    done
    local db
    for db in "${companies[@]}"; do
      psql_super "$dir" "$port" postgres -c "CREATE DATABASE \"$db\" TEMPLATE $TEMPLATE_DB"
      if [ -f "$SQL_DIR/rows/$db.sql" ]; then
        psql_super "$dir" "$port" "$db" "${vars[@]}" -f "$SQL_DIR/rows/$db.sql"
      fi
    done
    psql_super "$dir" "$port" postgres -c "DROP DATABASE $TEMPLATE_DB"
  fi
}

start() {
  [ $# -ge 2 ] || die "usage: pg-cluster.sh start DIR PORT [options]"
  local dir="$1" port="$2"
  shift 2
  [[ "$port" =~ ^[0-9]+$ ]] || die "bad port: $port"
  local ssl=on fresh=no load_directory=no companies=() explicit=no
  declare -gA VARS=([main_port]="$port" [second_port]="$port" [nossl_port]="$port")
  while [ $# -gt 0 ]; do
    case "$1" in
      --no-ssl) ssl=off ;;
      --fresh) fresh=yes ;;
      --directory) load_directory=yes; explicit=yes ;;
      --company) [ $# -ge 2 ] || die "--company needs a name"; companies+=("$2"); explicit=yes; shift ;;
      --var) [ $# -ge 2 ] || die "--var needs NAME=VALUE"; VARS[${2%%=*}]="${2#*=}"; shift ;;
      *) die "unknown option: $1" ;;
    esac
    shift
  done
  if [ "$explicit" = no ]; then
    load_directory=yes
    local f
    for f in "$SQL_DIR"/rows/*.sql; do companies+=("$(basename "$f" .sql)"); done
  fi
  case "$dir" in /*) ;; *) dir="$PWD/$dir" ;; esac

  local fingerprint
  fingerprint="$(sql_fingerprint) $ssl $load_directory ${companies[*]} ${VARS[*]}"
  if [ "$fresh" = no ] && [ -f "$dir/data/PG_VERSION" ] && [ "$(cat "$dir/sql.fingerprint" 2>/dev/null)" = "$fingerprint" ]; then
    if is_running "$dir"; then
      echo "PostgreSQL already running on 127.0.0.1:$port ($dir)"
      return 0
    fi
    write_config "$dir" "$port" "$ssl"
    as_server_user "$PG_BIN/pg_ctl" start -w -t 60 -D "$dir/data" -l "$dir/server.log" >/dev/null \
      || { tail -20 "$dir/server.log" >&2; die "the server did not start"; }
    echo "PostgreSQL started on 127.0.0.1:$port ($dir)"
    return 0
  fi

  stop "$dir" --remove
  create_cluster "$dir"
  write_config "$dir" "$port" "$ssl"
  as_server_user "$PG_BIN/pg_ctl" start -w -t 60 -D "$dir/data" -l "$dir/server.log" >/dev/null \
    || { tail -20 "$dir/server.log" >&2; die "the server did not start"; }
  load_reference_sql "$dir" "$port" "$load_directory" "${companies[@]}"
  echo "$fingerprint" >"$dir/sql.fingerprint"
  echo "PostgreSQL started on 127.0.0.1:$port ($dir), reference databases loaded"
}

stop() {
  [ $# -ge 1 ] || die "usage: pg-cluster.sh stop DIR [--remove]"
  local dir="$1"
  if is_running "$dir"; then
    as_server_user "$PG_BIN/pg_ctl" stop -w -t 60 -m fast -D "$dir/data" >/dev/null
  fi
  if [ "${2:-}" = --remove ] && [ -d "$dir" ]; then
    # Only ever delete what looks like one of our clusters.
    if [ -f "$dir/data/PG_VERSION" ] || [ -z "$(ls -A "$dir")" ] || [ -f "$dir/initdb.log" ]; then
      rm -rf "$dir"
    else
      die "$dir does not hold a cluster; not removed"
    fi
  fi
}

case "${1:-}" in
  start) shift; start "$@" ;;
  stop) shift; stop "$@" ;;
  status) shift; is_running "$1" && echo running || { echo stopped; exit 3; } ;;
  *) die "usage: pg-cluster.sh start DIR PORT [options] | stop DIR [--remove] | status DIR" ;;
esac
