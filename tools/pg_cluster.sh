#!/usr/bin/env bash
# A private PostgreSQL cluster for the tests: initdb in a temporary folder,
# listening only on a Unix socket in that folder, run as an unprivileged user
# (PostgreSQL refuses to run as root). Passwords are checked (scram-sha-256)
# for every connection, as on a school's server.
#   tools/pg_cluster.sh start RECORD   starts one; RECORD gets its folder
#   tools/pg_cluster.sh stop RECORD    stops it and removes the folder
#   tools/pg_cluster.sh pause RECORD   stops the server only (as a power cut
#                                      would: immediate); resume starts it
# The folder holds pgpass (the administrator's password, for libpq) and
# conninfo (how to reach the cluster as its administrator).
set -euo pipefail
what="${1:?start or stop}"
record="${2:?the file that records where the cluster is}"
bin="$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -1)"
[ -x "$bin/initdb" ] || { echo "PostgreSQL's server is not installed (package postgresql)" >&2; exit 1; }

as_owner() {
  if [ "$(id -u)" -eq 0 ]; then
    runuser -u "${THILAIXE_PG_USER:-postgres}" -- "$@"
  else
    "$@"
  fi
}

stop_cluster() {
  local dir="$1"
  [ -d "$dir/data" ] && as_owner "$bin/pg_ctl" -D "$dir/data" -m immediate -w stop >/dev/null 2>&1 || true
  case "$dir" in /tmp/thilaixe-pg.*) rm -rf "$dir" ;; esac
}

case "$what" in
  start)
    [ -f "$record" ] && stop_cluster "$(cat "$record")"
    dir="$(mktemp -d /tmp/thilaixe-pg.XXXXXX)"
    chmod 755 "$dir"
    password="$(head -c 18 /dev/urandom | base64 | tr -d '/+=')"
    printf '%s\n' "$password" >"$dir/password"
    mkdir "$dir/data"
    if [ "$(id -u)" -eq 0 ]; then chown "${THILAIXE_PG_USER:-postgres}" "$dir/data" "$dir/password" "$dir"; fi
    as_owner "$bin/initdb" -D "$dir/data" -U thilaixe_admin --pwfile="$dir/password" \
      --auth-local=scram-sha-256 --auth-host=reject -E UTF8 --locale=C.UTF-8 >"$dir/initdb.log" 2>&1 \
      || { cat "$dir/initdb.log" >&2; exit 1; }
    # Lab computers connect as thilaixe_lab without a password, as a school
    # lets its lab's addresses do (a learner signs in through the server
    # with a PIN); everyone else gives theirs.
    { printf 'local all thilaixe_lab trust\n'; cat "$dir/data/pg_hba.conf"; } >"$dir/pg_hba.new"
    if [ "$(id -u)" -eq 0 ]; then chown "${THILAIXE_PG_USER:-postgres}" "$dir/pg_hba.new"; fi
    as_owner mv "$dir/pg_hba.new" "$dir/data/pg_hba.conf"
    # Written into its configuration, so that a later start listens the same.
    printf "listen_addresses = ''\nunix_socket_directories = '%s'\nmax_connections = 150\nfsync = off\n" "$dir" \
      | as_owner tee -a "$dir/data/postgresql.conf" >/dev/null
    as_owner "$bin/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w -t 60 start >/dev/null \
      || { cat "$dir/server.log" >&2; exit 1; }
    printf '%s:*:*:thilaixe_admin:%s\n' "$dir" "$password" >"$dir/pgpass.tmp"
    rm -f "$dir/password"
    chmod 600 "$dir/pgpass.tmp"
    [ "$(id -u)" -eq 0 ] && chown root "$dir/pgpass.tmp"
    mv "$dir/pgpass.tmp" "$dir/pgpass"
    printf 'host=%s dbname=postgres user=thilaixe_admin\n' "$dir" >"$dir/conninfo"
    printf '%s\n' "$dir" >"$record"
    echo "PostgreSQL test cluster in $dir"
    ;;
  stop)
    [ -f "$record" ] || exit 0
    stop_cluster "$(cat "$record")"
    rm -f "$record"
    ;;
  pause)
    as_owner "$bin/pg_ctl" -D "$(cat "$record")/data" -m immediate -w stop >/dev/null
    ;;
  resume)
    dir="$(cat "$record")"
    as_owner "$bin/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w -t 60 start >/dev/null
    ;;
  *) echo "start, stop, pause or resume, not '$what'" >&2; exit 2 ;;
esac
