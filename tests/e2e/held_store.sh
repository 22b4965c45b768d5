#!/usr/bin/env bash
# A paper handed in while another copy of the program holds the store: the
# result shows at once (the window does not wait for the store), the
# learner is told nothing is lost, and closing the program asks what to do
# with the held paper; saved to a file, it is written back by --import.
source "$(dirname "$0")/lib.sh"
start_x
export HOME="$WORK"
start_bank A1
# Another copy's long write, from a plain SQLite client.
/usr/bin/python3 - "$WORK" <<'PY' &
import sqlite3, sys, time, pathlib
c = sqlite3.connect(sys.argv[1] + "/thilaixe.sqlite", isolation_level=None)
c.execute("BEGIN IMMEDIATE")
pathlib.Path(sys.argv[1], "held").touch()
time.sleep(60)
c.execute("ROLLBACK")
pathlib.Path(sys.argv[1], "released").touch()
PY
holder=$!
for _ in $(seq 100); do [ -e "$WORK/held" ] && break; sleep 0.05; done
[ -e "$WORK/held" ] || fail "no holder"
keys alt+t
exam=$(wait_window '^Thi thử hạng A1 – ')
focus "$exam"
keys 1
keys alt+n
# Blanks are left: the question's default is to go on; Nộp bài by its key.
keys alt+n
for _ in $(seq 200); do [[ "$(xdotool getwindowname "$exam")" == *"✗ KHÔNG ĐẠT" ]] && break; sleep 0.05; done
[[ "$(xdotool getwindowname "$exam")" == *"✗ KHÔNG ĐẠT" ]] || fail "result: $(xdotool getwindowname "$exam")"
[ ! -e "$WORK/released" ] || fail "the result waited for the other copy"
box=$(wait_window '^Dữ liệu học tập$')
focus "$box"
keys Return
focus "$BANK_HOME"
keys Escape
ask=$(wait_window '^Còn dữ liệu chưa ghi$')
focus "$ask"
keys alt+l
save=$(wait_window '^Lưu các thay đổi chưa ghi$')
focus "$save"
keys Return
done_box=$(wait_window '^Còn dữ liệu chưa ghi$')
focus "$done_box"
keys Return
wait_exit
kill "$holder" 2>/dev/null || true
wait "$holder" 2>/dev/null || true
saved=$(ls "$WORK"/thilaixe-chua-ghi-*.json) || fail "nothing saved: $(ls "$WORK")"
[ "$("$APP" --export --data "$WORK" | grep -c '"class"')" -eq 0 ] || fail "the held paper was written after all"
"$APP" --import "$saved" --data "$WORK" >/dev/null || fail "import"
/usr/bin/python3 -c '
import json, sys
a = json.load(sys.stdin)["attempts"]
assert len(a) == 1 and a[0]["class"] == "A1" and a[0]["answers"][0] != 0 and a[0]["prediction"] is None, a
' < <("$APP" --export --data "$WORK") || fail "export after import"
echo "1 passed, 0 failed"
