#!/usr/bin/env bash
# A school's lab on a real PostgreSQL (the suite's private cluster): the
# roster goes in from the command line (the PINs on their slips); the
# teacher's window opens a course-end test (the bank published to the
# server then, every paper drawn); two lab computers with no bank of their
# own (two processes) take the server's, sign in as two learners and hand
# in, the second while the server is stopped for a moment (its paper waits
# in the outbox and is sent once the server is back); the server scores
# both; the teacher sees both, and the results sheet printed from the
# window reads back with both lines.
source "$(dirname "$0")/lib.sh"
record="${THILAIXE_TEST_PG_RECORD:?the suite starts the test cluster}"
pgdir="$(cat "$record")"
export PGPASSFILE="$pgdir/pgpass"
bank="$(dirname "$APP")/sample-bank-2025/bank.json"
db="lab$$"
admin="host=$pgdir dbname=$db user=thilaixe_admin"
sql() { psql -X -q -v ON_ERROR_STOP=1 -At "$admin" -c "$1"; }
start_x

psql -X -q "host=$pgdir dbname=postgres user=thilaixe_admin" -c "CREATE DATABASE $db" || fail "no database"
"$APP" --setup-server "$admin" >"$WORK/setup.txt" || fail "setup: $(cat "$WORK/setup.txt")"
grep -q "Xong" "$WORK/setup.txt" || fail "setup said: $(cat "$WORK/setup.txt")"
sql "DO \$\$ BEGIN IF NOT EXISTS (SELECT 1 FROM pg_roles WHERE rolname = 'e2e_teacher') THEN
       CREATE ROLE e2e_teacher LOGIN PASSWORD 'teach-e2e' IN ROLE thilaixe_teacher; END IF; END \$\$"
# The roster from a spreadsheet, as a school's IT would bring it in.
cp "$PGPASSFILE" "$WORK/pgpass" && chmod 600 "$WORK/pgpass"
printf '%s:*:*:e2e_teacher:teach-e2e\n' "$pgdir" >>"$WORK/pgpass"
printf 'Số báo danh;Họ và tên\r\n01;Nguyễn Văn An\r\n02;Trần Thị Bình\r\n' >"$WORK/roster.csv"
PGPASSFILE="$WORK/pgpass" "$APP" --server "host=$pgdir dbname=$db user=e2e_teacher" --roster "$WORK/roster.csv" \
  --course K9 --class B --pins "$WORK/pins.pdf" >"$WORK/roster.txt" 2>&1 || fail "roster: $(cat "$WORK/roster.txt")"
mapfile -t pins < <(pdftotext "$WORK/pins.pdf" - | sed -n 's/^Mã PIN: //p')
[ "${#pins[@]}" -eq 2 ] || fail "PIN slips: $(pdftotext "$WORK/pins.pdf" -)"

# $1: a working folder of its own; the rest: --server's connection string.
# The program's pid in LAB_PID: each program's windows are found by it (the
# homes of two programs have one title).
# A lab computer has no bank of its own: it takes the server's.
start_lab() {
  mkdir -p "$WORK/$1"
  local own=()
  [ "$1" = teacher ] && own=(--bank "$bank" --class B)
  ( cd "$WORK/$1" && exec env -u QT_QPA_PLATFORM "$APP" --data "$WORK/$1" --server "$2" "${own[@]}" \
      >"$WORK/$1.log" 2>&1 ) &
  LAB_PID=$!
}

# Like wait_window, among the windows of process $1.
wait_own() {
  local id
  id=$(timeout 10 xdotool search --all --sync --onlyvisible --pid "$1" --name "$2" 2>/dev/null | head -n1) || true
  [ -n "$id" ] || fail "no window titled '$2' of process $1"
  echo "$id"
}

# The teacher: a password (none in the pass file), the home, the window.
start_lab teacher "host=$pgdir dbname=$db user=e2e_teacher"
w=$(wait_window '^Đăng nhập')
focus "$w"
xdotool type --delay 30 'teach-e2e'
xdotool key Return
home=$(wait_window '^Ngân hàng MẪU 600 câu')
focus "$home"
xdotool key alt+q
gv=$(wait_window '^Quản lý khoá học')
focus "$gv"
xdotool key alt+r alt+m
sleep 1
xdotool key Return
for _ in $(seq 50); do
  [ "$(sql 'SELECT count(*) FROM exam_session')" = 1 ] && break
  sleep 0.2
done
[ "$(sql 'SELECT count(*) FROM exam_session WHERE closed IS NULL')" = 1 ] || { cat "$WORK/teacher.log" >&2; fail "no session opened"; }

# $1 folder, $2 candidate number, $3 PIN: signed in, on the test's paper.
sit_test() {
  start_lab "$1" "host=$pgdir dbname=$db"
  local w home
  w=$(wait_own "$LAB_PID" '^Đăng nhập')
  focus "$w"
  xdotool type --delay 30 'K9'
  xdotool key Tab
  xdotool type --delay 30 "$2"
  xdotool key Tab
  xdotool type --delay 30 "$3"
  xdotool key Return
  home=$(wait_own "$LAB_PID" '^Ngân hàng MẪU 600 câu')
  focus "$home"
  xdotool key alt+v
  PAPER=$(wait_own "$LAB_PID" '^Kiểm tra kết thúc môn')
  focus "$PAPER"
  xdotool key --delay 80 1 Right 2 Right 3
}

sit_test lab1 01 "${pins[0]}"
xdotool key --delay 300 alt+n alt+n
for _ in $(seq 50); do
  [ "$(sql "SELECT count(*) FROM session_paper WHERE status = 'handed_in'")" = 1 ] && break
  sleep 0.2
done
[ "$(sql "SELECT count(*) FROM session_paper WHERE status = 'handed_in'")" = 1 ] \
  || { sql "SELECT session, profile, status FROM session_paper" >&2; cat "$WORK/lab1.log" >&2; fail "the first paper was not kept"; }

sit_test lab2 02 "${pins[1]}"
"$(dirname "$0")/../../tools/pg_cluster.sh" pause "$record"
xdotool key --delay 300 alt+n alt+n
sleep 2
[ -s "$WORK/lab2/thilaixe-outbox.sqlite" ] || fail "no outbox on the second lab computer"
"$(dirname "$0")/../../tools/pg_cluster.sh" resume "$record"
for _ in $(seq 100); do
  [ "$(sql "SELECT count(*) FROM session_paper WHERE status = 'handed_in'")" = 2 ] && break
  sleep 0.2
done
[ "$(sql "SELECT count(*) FROM session_paper WHERE status = 'handed_in'")" = 2 ] || fail "the held paper was not sent"
[ "$(sql 'SELECT count(*) FROM attempt')" = 2 ] || fail "an attempt kept twice: $(sql 'SELECT count(*) FROM attempt')"
# Scored by the server from its own key: the three answers typed, against it.
[ "$(sql "SELECT count(*) FROM attempt WHERE right_count = (SELECT count(*) FROM attempt_slot s WHERE s.attempt = attempt.id AND s.answer <> 0 AND s.answer = s.key) AND NOT passed")" = 2 ] \
  || fail "scores: $(sql 'SELECT id, right_count, passed FROM attempt')"
ls "$WORK"/lab1/thilaixe-banks/*/bank.json >/dev/null || fail "the lab computer kept no copy of the server's bank"

# The teacher's view and the results sheet, printed from the window.
focus "$gv"
sleep 3
xdotool key alt+q
dlg=$(wait_window '^In bảng kết quả')
focus "$dlg"
xdotool type --delay 20 "$WORK/ket-qua.pdf"
xdotool key Return
text=
for _ in $(seq 50); do
  text=$(pdftotext -layout "$WORK/ket-qua.pdf" - 2>/dev/null | tr -s ' ') && [ -n "$text" ] && break
  sleep 0.2
done
grep -q "01 Nguyễn Văn An" <<<"$text" || fail "results sheet: $text"
grep -q "02 Trần Thị Bình" <<<"$text" || fail "results sheet: $text"
grep -q "Tổng số: 2 học viên" <<<"$text" || fail "results sheet: $text"
[ -n "${E2E_SHOT:-}" ] && import -window root "$E2E_SHOT"
# A session opened from the command line, for tomorrow: its id, every
# paper drawn, and none begun.
id=$(PGPASSFILE="$WORK/pgpass" "$APP" --server "host=$pgdir dbname=$db user=e2e_teacher" --open-test K9 \
       --minutes 25 --opens "$(date -d tomorrow +%Y-%m-%dT08:00)" --data "$WORK/teacher" 2>"$WORK/open.txt") \
  || fail "open-test: $(cat "$WORK/open.txt")"
[ "$(sql "SELECT count(*) FROM session_paper WHERE session = $id AND started IS NULL AND cardinality(questions) = 30")" = 2 ] \
  || fail "the session's papers: $(sql "SELECT * FROM session_paper WHERE session = $id")"
psql -X -q "host=$pgdir dbname=postgres user=thilaixe_admin" -c "DROP DATABASE $db WITH (FORCE)" >/dev/null 2>&1 || true
echo "ok"
