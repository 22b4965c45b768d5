#!/usr/bin/env bash
# A whole exam in a real window: declare B2, start, answer all 30 slots with
# the key 1, Esc, then check DuLieu.txt byte by byte and the answer review's
# title against the key.
source "$(dirname "$0")/lib.sh"
KEY=221213311214442121213244111444121242314332143423133323134134321144224344334342434132212431334212433212231441132112112321123224112314222242323213222243313143413422121233212123213131414312322212241312132111313332121231332122221212123123321223223133242321431212211211221312113224312121241232123331323131
start_x
make_bank

open_entry
xdotool type --delay 60 b2
keys Tab 1 2 Tab 4 5 6
open_sheet B2
sit $(printf '1 %.0s' $(seq 30))
[ "$(xdotool getwindowname "$RESULT")" = "Họ tên: Thí sinh dự thi   SBD: 456" ] || fail "result title: $(xdotool getwindowname "$RESULT")"
result=$RESULT

# The history file: one record and one empty line, CR LF everywhere.
f="$WORK/DuLieu.txt"
n=$(grep -c $'\r$' "$f")
[ "$n" -eq 4 ] || fail "expected 4 CR LF lines, found $n"
[ "$(tail -c 4 "$f" | od -An -tx1 | tr -d ' \n')" = "0d0a0d0a" ] || fail "the file does not end with one empty line"
ng=$(sed -n 1p "$f")
LC_ALL=C grep -qaP '^Ng: [^\r]+ - [0-9][^\r]* \(H\xB9ng B2\)\r$' <<<"$ng" || fail "bad Ng line: $(cat -A <<<"$ng")"
ch=$(sed -n 2p "$f" | tr -d '\r')
tl=$(sed -n 3p "$f" | tr -d '\r')
expected_tl="TL: 1$(printf ', 1%.0s' $(seq 29))"
[ "$tl" = "$expected_tl" ] || fail "bad TL line: $tl"
[[ "$ch" =~ ^CH:\ [0-9]{1,3}(,\ [0-9]{1,3}){28},\ [0-9]{3}$ ]] || fail "bad CH line: $ch"
IFS=', ' read -r -a qs <<<"${ch#CH: }"
[ "${#qs[@]}" -eq 30 ] || fail "expected 30 questions, found ${#qs[@]}"
right=0
for i in $(seq 0 29); do
  q=${qs[$i]}
  if [ "$i" -lt 13 ]; then lo=1; hi=150; elif [ "$i" -lt 23 ]; then lo=151; hi=250; else lo=251; hi=300; fi
  [ "$q" -ge $lo ] && [ "$q" -le $hi ] || fail "slot $((i + 1)) holds question $q"
  [ "${KEY:$((q - 1)):1}" = 1 ] && right=$((right + 1))
done
[ "$(printf '%s\n' "${qs[@]}" | sort -u | wc -l)" -eq 30 ] || fail "a question appears twice"

focus "$result"
keys alt+x
wait_window "^Ban da tra loi $right cau dung\$" >/dev/null
no_window '^Họ tên:' || fail "the result form is still shown"
review=$(wait_window '^Ban da tra loi')
focus "$review"
keys alt+o
wait_exit
echo "1 passed, 0 failed"
