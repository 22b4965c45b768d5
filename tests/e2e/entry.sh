#!/usr/bin/env bash
# The entry form in a real window: Tab reveals the fields, a valid class
# lets Alt+T open the exam sheet and the entry form goes; an invalid class
# leaves Alt+T without effect.
source "$(dirname "$0")/lib.sh"
start_x
make_bank

open_entry
xdotool type --delay 60 b3   # the 3 is refused: "b"
keys alt+t
sleep 0.5
no_window 'Thi ly thuyet' || fail "an invalid class opened the exam sheet"

xdotool type --delay 60 2
keys alt+t
wait_window '^Thi ly thuyet lai xe hang B2$' >/dev/null
sleep 0.3
no_window '^thilaixe$' || fail "the entry form is still there"
echo "1 passed, 0 failed"
