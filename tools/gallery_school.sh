#!/usr/bin/env bash
# The gallery's pictures of a school's lab: the PIN slips, the sign-in, a
# lab computer's home, the teacher's window (learners, a course-end test watched live) and
# the first page of the results sheet, on a private PostgreSQL cluster of
# its own, under Xvfb at 1280x720.
#   tools/gallery_school.sh OUT   (after ./test.sh has built the program;
#                                  tools/gallery.sh runs it too)
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
OUT="$(realpath -m "${1:?a folder for the pictures}")"
mkdir -p "$OUT"
build="${THILAIXE_BUILD:-$here/build}"
source "$here/tests/e2e/lib.sh" "$build/thilaixe" "$build/make_sample_bank"
export THILAIXE_SCREEN=1280x720
record="$WORK/.pg"
"$here/tools/pg_cluster.sh" start "$record" >/dev/null
trap '"$here/tools/pg_cluster.sh" stop "$record"; cleanup' EXIT
pgdir=$(cat "$record"); export PGPASSFILE=$pgdir/pgpass
bank="$(dirname "$APP")/sample-bank-2025/bank.json"
db="shots$$"; admin="host=$pgdir dbname=$db user=thilaixe_admin"
sql() { psql -X -q -v ON_ERROR_STOP=1 -At "$admin" -c "$1"; }
start_x
psql -X -q "host=$pgdir dbname=postgres user=thilaixe_admin" -c "CREATE DATABASE $db"
"$APP" --setup-server "$admin" >/dev/null
sql "DO \$\$ BEGIN IF NOT EXISTS (SELECT 1 FROM pg_roles WHERE rolname = 'e2e_teacher') THEN CREATE ROLE e2e_teacher LOGIN PASSWORD 'teach-e2e' IN ROLE thilaixe_teacher; END IF; END \$\$"
# The course's learners from a roster, their PINs on slips.
cp "$PGPASSFILE" "$WORK/pgpass"; chmod 600 "$WORK/pgpass"; printf '%s:*:*:e2e_teacher:teach-e2e\n' "$pgdir" >>"$WORK/pgpass"
printf 'Số báo danh,Họ và tên,Ngày sinh\n001,Nguyễn Văn An,12/03/2004\n002,Trần Thị Bình,05/11/2003\n003,Lê Minh Châu,\n004,Phạm Quốc Dũng,\n' >"$WORK/ds.csv"
PGPASSFILE="$WORK/pgpass" "$APP" --server "host=$pgdir dbname=$db user=e2e_teacher" --roster "$WORK/ds.csv" --course K12-2026 --class B --pins "$WORK/pins.pdf" >/dev/null
sql "UPDATE course SET name = 'Khoá 12 – tháng 12/2026'"
mapfile -t pins < <(pdftotext "$WORK/pins.pdf" - | sed -n 's/^Mã PIN: //p')
pdftoppm -r 70 -png -f 1 -l 1 "$WORK/pins.pdf" "$WORK/pins"
mv "$WORK"/pins-*1.png "$OUT/school-pin-slips.png"
# A lab computer has no bank of its own: it takes the server's.
start_lab() { mkdir -p "$WORK/$1"; local own=(); [ "$1" = teacher ] && own=(--bank "$bank" --class B); ( cd "$WORK/$1" && exec env -u QT_QPA_PLATFORM "$APP" --data "$WORK/$1" --server "$2" "${own[@]}" >"$WORK/$1.log" 2>&1 ) & LAB_PID=$!; }
wait_own() { timeout 10 xdotool search --all --sync --onlyvisible --pid "$1" --name "$2" 2>/dev/null | head -n1; }
start_lab teacher "host=$pgdir dbname=$db user=e2e_teacher"
T=$LAB_PID
w=$(wait_own $T '^Đăng nhập'); focus "$w"; xdotool type --delay 30 'teach-e2e'; xdotool key Return
home=$(wait_own $T '^Ngân hàng MẪU'); focus "$home"; xdotool key alt+q
gv=$(wait_own $T '^Quản lý khoá học'); focus "$gv"; xdotool key alt+r alt+m; sleep 1; xdotool key Return; sleep 1
xdotool windowunmap $gv; xdotool windowunmap $home
sit() {
  start_lab "$1" "host=$pgdir dbname=$db"; local P=$LAB_PID w h
  w=$(wait_own $P '^Đăng nhập'); focus "$w"
  xdotool type --delay 30 'K12-2026'; xdotool key Tab; xdotool type --delay 30 "$2"; xdotool key Tab; xdotool type --delay 30 "$3"
  [ "$1" = lab1 ] && import -window root $OUT/school-sign-in.png
  xdotool key Return
  h=$(wait_own $P '^Ngân hàng MẪU'); focus "$h"
  [ "$1" = lab1 ] && import -window root $OUT/school-lab-home.png
  xdotool key alt+v; PAPER=$(wait_own $P '^Kiểm tra kết thúc môn'); focus "$PAPER"
  xdotool key --delay 60 $4
  LASTPID=$P
}
sit lab1 001 "${pins[0]}" "1 Right 2 Right 1 Right 1 Right 2 Right 1"
xdotool key --delay 300 alt+n alt+n; sleep 1; xdotool windowunmap $PAPER; xdotool windowunmap $(wait_own $LASTPID '^Ngân hàng MẪU')
sit lab2 002 "${pins[1]}" "2 Right 2 Right 2 Right 1"
xdotool key --delay 300 alt+n alt+n; sleep 1; xdotool windowunmap $PAPER; xdotool windowunmap $(wait_own $LASTPID '^Ngân hàng MẪU')
sit lab3 003 "${pins[2]}" "1 Right 1 Right 1 Right 1 Right 1 Right 1 Right 1 Right"
sleep 6
xdotool windowunmap $PAPER; xdotool windowunmap $(wait_own $LASTPID '^Ngân hàng MẪU')
xdotool windowmap $gv; focus $gv; sleep 3
import -window root $OUT/school-live.png
xdotool key alt+v; sleep 1
import -window root $OUT/school-teacher.png
xdotool key alt+r; sleep 0.5; xdotool key alt+q; sleep 1.5; xdotool type --delay 20 "$OUT/ket-qua.pdf"; xdotool key Return; sleep 2
# A paper for a yard: its code, then where to save it.
focus $gv
xdotool key alt+g; sleep 1; import -window root "$WORK/g1.png"; xdotool key Return; sleep 1.5
import -window root "$WORK/g2.png"
xdotool key ctrl+a; xdotool type --delay 20 "$OUT/de.pdf"; xdotool key Return; sleep 3
for f in ket-qua de; do
  for _ in $(seq 50); do [ -s "$OUT/$f.pdf" ] && break; sleep 0.2; done
  [ -s "$OUT/$f.pdf" ] || { cp "$WORK"/g*.png /tmp/ 2>/dev/null; echo "no $f.pdf" >&2; exit 1; }
done
pdftoppm -r 70 -png -f 1 -l 1 "$OUT/ket-qua.pdf" "$OUT/school-results"
mv "$OUT"/school-results-*1.png "$OUT/school-results-pdf.png"
pdftoppm -r 70 -png -f 1 -l 1 "$OUT/de.pdf" "$OUT/school-paper"
mv "$OUT"/school-paper-*1.png "$OUT/school-paper-pdf.png"
rm -f "$OUT/ket-qua.pdf" "$OUT/de.pdf"
