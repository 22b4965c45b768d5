#!/usr/bin/env bash
# The current exam's bank as a new learner meets it, keyboard only: from the
# entry form's new button to the bank's home, a class B paper of the sample
# bank (each question read from the window's title, answered from the
# bank's key, two slots answered wrong on purpose), handed in with
# confirmation; the attempt read back with --export; its review opening on
# the first wrong slot; its two mistakes practised to an empty list (options
# in their own order, a setting of the home window); the progress window.
source "$(dirname "$0")/lib.sh"
start_x
make_bank
bank="$(dirname "$APP")/sample-bank-2025/bank.json"
declare -A key opts crit
while read -r q k n c; do key[$q]=$k; opts[$q]=$n; crit[$q]=$c; done < <(/usr/bin/python3 - "$bank" <<'PY'
import json, sys
for q in json.load(open(sys.argv[1]))["questions"]:
    n = len(q["options"]) if "options" in q else q["option_count"]
    print(q["number"], q["answer"], n, int(q.get("critical", False)))
PY
)
[ "${#key[@]}" -eq 600 ] || fail "no key from $bank"
title_q() { local t; t=$(xdotool getwindowname "$1"); echo "${t##* }"; }

open_entry
keys alt+m
home=$(wait_window '^Ngân hàng MẪU 600 câu.* – thilaixe$')
focus "$home"
keys alt+t
exam=$(wait_window '^Thi thử hạng B – ')
focus "$exam"
given=() wrong=()
for slot in $(seq 30); do
  t=$(xdotool getwindowname "$exam")
  [[ "$t" == *"Câu $slot/30 – câu hỏi số "* ]] || fail "slot $slot: title '$t'"
  q=${t##* }
  a=${key[$q]}
  # Two slots wrong from slot 3 on, never the critical one.
  if [ "$slot" -ge 3 ] && [ "${#wrong[@]}" -lt 2 ] && [ "${crit[$q]}" -eq 0 ]; then
    a=$((a % opts[$q] + 1)); wrong+=("$q")
  fi
  given+=("$a")
  xdotool key "$a"
  [ "$slot" -lt 30 ] || break
  xdotool key Right
  for _ in $(seq 100); do [[ "$(xdotool getwindowname "$exam")" == *"Câu $((slot + 1))/30 "* ]] && break; sleep 0.05; done
done
[ "${#wrong[@]}" -eq 2 ] || fail "expected two wrong answers, made ${#wrong[@]}"
keys alt+n
keys Return
for _ in $(seq 100); do [[ "$(xdotool getwindowname "$exam")" == *"✓ ĐẠT" ]] && break; sleep 0.05; done
[[ "$(xdotool getwindowname "$exam")" == *"✓ ĐẠT" ]] || fail "result: $(xdotool getwindowname "$exam")"

# The attempt as kept.
"$APP" --export --data "$WORK" --bank mau-600-2025 >"$WORK/export.json" || fail "export"
/usr/bin/python3 - "$WORK/export.json" "${given[*]}" "${wrong[*]}" <<'PY' || fail "export: $(cat "$WORK/export.json")"
import json, sys
d = json.load(open(sys.argv[1]))
a = d["attempts"]
assert len(a) == 1, a
a = a[0]
assert a["class"] == "B" and a["rules"] == "tt12-2025" and len(a["questions"]) == 30, a
assert a["answers"] == [int(x) for x in sys.argv[2].split()], a["answers"]
assert a["right"] == 28 and a["passed"] is True and a["critical_failed"] == [] and a["pass"] == 27, a
listed = sorted(p["question"] for p in d["practice"] if p["in_list"])
assert listed == sorted(int(x) for x in sys.argv[3].split()), (listed, sys.argv[3])
PY

# The review opens on the first wrong slot.
focus "$exam"
keys alt+x
first=${wrong[0]}
for _ in $(seq 100); do [[ "$(xdotool getwindowname "$exam")" == "Xem lại – hạng B – "*"số $first" ]] && break; sleep 0.05; done
[[ "$(xdotool getwindowname "$exam")" == "Xem lại – hạng B – "*"số $first" ]] || fail "review: $(xdotool getwindowname "$exam")"
keys alt+k
keys alt+v
wait_gone '^Xem lại|^Thi thử hạng B'

# The mistakes, options in their own order, to an empty list.
focus "$home"
keys alt+p
keys alt+s
practice=$(wait_window '^Ôn câu sai – ')
focus "$practice"
answers=0
for _ in $(seq 12); do
  t=$(xdotool getwindowname "$practice")
  [[ "$t" =~ –\ ([0-9]+)$ ]] || break
  q=${BASH_REMATCH[1]}
  # The answer, then on: the program takes the keys in order.
  xdotool key --delay 80 "${key[$q]}" Return
  answers=$((answers + 1))
  for _ in $(seq 100); do [ "$(xdotool getwindowname "$practice")" != "$t" ] && break; sleep 0.05; done
done
[ "$answers" -eq 4 ] || fail "two mistakes took $answers answers, not 4"
"$APP" --export --data "$WORK" | /usr/bin/python3 -c '
import json, sys
d = json.load(sys.stdin)
assert not [p for p in d["practice"] if p["in_list"]], d["practice"]' || fail "the list is not empty"
keys Escape
wait_gone '^Ôn câu sai'

# Progress for class B: one paper, its readiness and what it rests on.
focus "$home"
keys alt+b
progress=$(wait_window '^Tiến bộ – hạng B$')
import -window "$progress" "$WORK/progress.png"
tesseract "$WORK/progress.png" - -l vie 2>/dev/null | grep -q "Khả năng" || fail "progress: no readiness on screen"
keys Escape

# The kept paper, by keys alone: the list, Enter on it, its review; Esc
# to its result, then the list again.
focus "$home"
keys alt+x
past=$(wait_window '^Các bài đã làm')
keys Return
kept=$(wait_window '^Xem lại – hạng B')
focus "$kept"
keys Escape
for _ in $(seq 40); do [[ "$(xdotool getwindowname "$kept")" == *ĐẠT ]] && break; sleep 0.05; done
[[ "$(xdotool getwindowname "$kept")" == *ĐẠT ]] || fail "the kept paper's review did not go back to its result"
close_window "$kept"
focus "$past"
keys Escape
wait_gone '^Các bài đã làm'
focus "$home"
keys Escape
# Opened from the entry form, the home goes back to it; the program ends
# when that is closed.
entry=$(wait_window '^thilaixe$')
kill -0 "$APP_PID" || fail "the program ended with the home"
close_window "$entry"
wait_exit
echo "1 passed, 0 failed"
