#!/usr/bin/env bash
# Practising one's mistakes in real windows: sit a B2 exam answering 1 in
# every slot, then from the study form open "Ôn câu sai", answer each missed
# question right (the question is named in the window's title) until the
# list is empty, and check that it took exactly two right answers per
# question, that the store lists none (read back with --export), and that
# the history was not touched. Then the progress window opens and closes.
source "$(dirname "$0")/lib.sh"
# The classic bank's practice boxes as the store has them: "question in_list
# streak right wrong" per line.
boxes() {
  "$APP" --export --data "$WORK" | /usr/bin/python3 -c '
import json, sys
for b in json.load(sys.stdin)["practice"]:
    if b["bank"] == "thilaixe-300":
        print(b["question"], int(b["in_list"]), b["streak"], b["right"], b["wrong"])'
}
PROBE="$(dirname "$BANK")/probe_input"
start_x
make_bank
declare -A key
while read -r q k; do key[$q]=$k; done < <("$PROBE" key 2>/dev/null)
[ "${#key[@]}" -eq 300 ] || fail "no key from $PROBE"

: >"$WORK/DuLieu.txt"
open_entry
xdotool type --delay 60 b2
open_sheet B2
sit $(printf '1 %.0s' $(seq 30))
kill "$APP_PID"; wait "$APP_PID" 2>/dev/null || true; APP_PID=""
cp "$WORK/DuLieu.txt" "$WORK/.after_exam"

ch=$(sed -n 2p "$WORK/DuLieu.txt" | tr -d '\r')
IFS=', ' read -r -a qs <<<"${ch#CH: }"
[ "${#qs[@]}" -eq 30 ] || fail "bad CH line: $ch"
missed=0
for q in "${qs[@]}"; do [ "${key[$q]}" != 1 ] && missed=$((missed + 1)); done
[ "$missed" -gt 0 ] || fail "the exam missed nothing"

open_entry
keys alt+h
study=$(wait_window '^Hoc ly thuyet 300 cau hoi Luat xe co gioi$')
focus "$study"
keys alt+s
practice=$(wait_window '^Ôn câu sai')
focus "$practice"
# The same practice window as the 600-question bank's, on this bank; its
# title names the question shown, or the bank alone once the list is empty.
empty="Ôn câu sai – 300 câu hỏi (đề 30 câu)"
answers=0
for _ in $(seq $((4 * missed + 4))); do
  title=$(xdotool getwindowname "$practice")
  [ "$title" = "$empty" ] && break
  q=${title##* }
  right=$(boxes | awk -v q="$q" '$1 == q {print $4}')
  xdotool key "${key[$q]}"
  answers=$((answers + 1))
  # The answer is in the store before the program goes on.
  for _ in $(seq 100); do
    [ "$(boxes | awk -v q="$q" '$1 == q {print $4}')" = "$((${right:-0} + 1))" ] && break
    sleep 0.05
  done
  listed=$(boxes | awk '$2 == 1 {print $1}')
  xdotool key Return
  # The title names the next question, or none once the list is empty; the
  # same question again only when the list holds it alone.
  if [ "$listed" = "$q" ]; then
    sleep 0.3
  else
    for _ in $(seq 100); do
      [ "$(xdotool getwindowname "$practice")" != "$title" ] && break
      sleep 0.05
    done
  fi
done
[ "$(xdotool getwindowname "$practice")" = "$empty" ] || fail "the list is not empty after $answers answers"
[ "$answers" -eq $((2 * missed)) ] || fail "$missed missed questions took $answers answers, not $((2 * missed))"
[ -f "$WORK/thilaixe.sqlite" ] || fail "no store"
! boxes | grep -q '^[0-9]* 1 ' || fail "the store still lists: $(boxes)"
[ "$(boxes | wc -l)" -eq "$missed" ] || fail "the store: $(boxes)"
cmp -s "$WORK/DuLieu.txt" "$WORK/.after_exam" || fail "practice changed the history"

keys Escape
wait_gone '^Ôn câu sai'
focus "$study"
keys alt+b
progress=$(wait_window '^Tiến bộ – hạng B')
focus "$progress"
keys Escape
wait_gone '^Tiến bộ'

focus "$study"
keys alt+o
wait_exit
echo "1 passed, 0 failed"
