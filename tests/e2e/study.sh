#!/usr/bin/env bash
# The study form and the past-exam review in real windows: with three kept
# exams, Tab then Alt+H opens the study form; page with the keyboard, open
# the review, come back, leave. With no DuLieu.txt, the missing-file message
# appears and the program ends once it is closed.
source "$(dirname "$0")/lib.sh"
start_x
make_bank

tl="2, 2, 3, 1, 1, 2, 4, 1, 1, 1, 1, 3, 1, 3, 2, 1, 4, 1, 2, 1, 2, 3, 2, 2, 1, 1, 1, 1, 2, 3"
{ record 01/02/2026 B1 "$tl"; record 02/02/2026 B1 "$tl"; record 03/02/2026 B1 "$tl"; printf '\r\n\r\n\r\n'; } >"$WORK/DuLieu.txt"
cp "$WORK/DuLieu.txt" "$WORK/.before"

open_entry
keys alt+h
study=$(wait_window '^Hoc ly thuyet 300 cau hoi Luat xe co gioi$')
no_window '^thilaixe$' || fail "the entry form is still there"
focus "$study"
keys alt+t alt+t alt+v alt+x
keys alt+c
review=$(wait_window '^Nhung lan da thi thu$')
no_window '^Hoc ly thuyet' || fail "the study form is still shown"
focus "$review"
keys alt+t alt+t
keys alt+n
study=$(wait_window '^Hoc ly thuyet 300 cau hoi Luat xe co gioi$')
no_window '^Nhung lan da thi thu$' || fail "the review is still shown"
focus "$study"
keys alt+o
wait_exit
cmp -s "$WORK/DuLieu.txt" "$WORK/.before" || fail "studying changed the history"

rm "$WORK/DuLieu.txt"
open_entry
keys alt+h
box=$(wait_window '^Loi khi doc tep$')
kill -0 "$APP_PID" || fail "the program ended before the message was closed"
focus "$box"
keys Return
wait_exit
echo "1 passed, 0 failed"
