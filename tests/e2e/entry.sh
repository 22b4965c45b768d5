#!/usr/bin/env bash
# The entry form in a real window: Tab reveals the fields, a valid class
# lets Alt+T open the exam sheet and the entry form goes; an invalid class
# leaves Alt+T without effect.
source "$(dirname "$0")/lib.sh"
start_x
make_bank

# No display needed to ask for help or the version; bad arguments end with 2.
(unset DISPLAY WAYLAND_DISPLAY; export QT_QPA_PLATFORM=xcb
 # Read whole: grep -q leaving early would cut the program's output.
 "$APP" --help >"$WORK/.help" && grep -q -- '--data DIR' "$WORK/.help" || fail "--help without a display"
 for bad in "--server" "--setup-server" "--server dbname='open"; do
   rc=0; "$APP" $bad 2>/dev/null || rc=$?
   [ "$rc" -eq 2 ] || fail "'$bad' ended with $rc, not 2"
 done
 [ "$("$APP" --version)" = "thilaixe $(sed -n 's/^project(thilaixe VERSION \([0-9.]*\).*/\1/p' "$(dirname "$0")/../../CMakeLists.txt")" ] \
   || fail "--version without a display: $("$APP" --version 2>&1)"
 for bad in "--data=" "--bogus" "--data $WORK/none"; do
   rc=0; "$APP" $bad 2>/dev/null || rc=$?
   [ "$rc" -eq 2 ] || fail "'$bad' ended with $rc, not 2"
 done
 rc=0; "$APP" --data "" 2>"$WORK/.err" || rc=$?
 [ "$rc" -eq 2 ] && grep -q 'empty name' "$WORK/.err" || fail "--data '' ended with $rc: $(cat "$WORK/.err")")

open_entry
xdotool type --delay 60 b3   # the 3 is refused: "b"
keys alt+t
# Had Alt+T opened a sheet of class B, the 2 would not reach the class field
# and no sheet of class B2 would open.
xdotool type --delay 60 2
keys alt+t
wait_window '^Thi ly thuyet lai xe hang B2$' >/dev/null
no_window 'Thi ly thuyet lai xe hang B$' || fail "an invalid class opened the exam sheet"
wait_gone '^thilaixe$'
kill "$APP_PID"; wait "$APP_PID" 2>/dev/null || true; APP_PID=""

# A working folder whose name is not UTF-8 text is used by its bytes: the
# study form finds its pictures and history there.
odd="$WORK/"$'bank-\xff\xfe'
mkdir "$odd"
"$BANK" "$odd" >/dev/null
( cd / && exec env -u QT_QPA_PLATFORM "$APP" --data "$odd" >"$WORK/.app.log" 2>&1 ) &
APP_PID=$!
w=$(wait_window '^thilaixe$')
focus "$w"
keys Tab alt+h
wait_window '^Hoc ly thuyet 300 cau hoi Luat xe co gioi$' >/dev/null
no_window 'Thiếu ảnh câu hỏi' || fail "pictures of the odd folder were not found"
echo "1 passed, 0 failed"
