#!/usr/bin/env bash
# Screenshots of every window of the real program, driven under Xvfb as a
# learner would: the entry form (before and after declaring), the exam sheet
# (before Start and during the exam), the result form, the answer review,
# the study form, the past-exam review, the information window, practising
# mistakes and progress; and the windows of the 600-question bank: its
# home (light and dark), a paper, the hand-in question, the result, the
# review, study by chapter, search, critical practice and progress.
#   tools/gallery.sh [OUT_DIR]     (default docs/; needs a build: ./test.sh)
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="${1:-$here/docs}"
mkdir -p "$out"
build="${THILAIXE_BUILD:-$here/build}"
source "$here/tests/e2e/lib.sh" "$build/thilaixe" "$build/make_sample_bank"
start_x
make_bank
# Two older exams, so that the progress window has a course to show.
{
  record 02/12/2026 B2 "2, 2, 3, 1, 1, 2, 4, 1, 1, 1, 1, 3, 1, 3, 2, 1, 4, 1, 2, 1, 2, 3, 2, 2, 1, 1, 1, 1, 2, 3"
  record 01/12/2026 B2 "2, 1, 3, 1, 2, 2, 4, 1, 1, 2, 1, 3, 1, 3, 2, 1, 1, 1, 2, 1, 2, 1, 2, 2, 1, 1, 1, 1, 2, 3"
  printf '\r\n'
} >"$WORK/DuLieu.txt"

shot() {  # window id, file name
  sleep 0.4
  import -window "$1" "$out/$2.png"
  echo "$out/$2.png"
}

# An exam: the entry form, the sheet, some answers, the result and review.
start_app
w=$(wait_window '^thilaixe$')
focus "$w"
shot "$w" entry-form
keys Tab
xdotool type --delay 60 b2
keys Tab 1 2 Tab 4 5 6
shot "$w" entry-declared
open_sheet B2
sheet=$SHEET
shot "$sheet" exam-sheet-before-start
keys alt+b
sleep 0.5
for k in 1 2 1 3 2 1 1; do xdotool key "$k"; sleep 0.1; done
shot "$sheet" exam-sheet
keys Escape
result=$(wait_window '^Họ tên:')
focus "$result"
shot "$result" result
keys alt+x
review=$(wait_window '^Ban da tra loi')
focus "$review"
keys alt+t alt+t
shot "$review" answer-review
keys alt+o
wait_exit

# Studying, with the exam just kept: the study form, the past-exam review
# and the information window over the study form.
open_entry
keys alt+h
study=$(wait_window '^Hoc ly thuyet 300 cau hoi Luat xe co gioi$')
focus "$study"
keys alt+t alt+x
shot "$study" study-form
keys alt+c
past=$(wait_window '^Nhung lan da thi thu$')
focus "$past"
keys alt+t
shot "$past" past-exam-review
keys alt+n
study=$(wait_window '^Hoc ly thuyet 300 cau hoi Luat xe co gioi$')
focus "$study"
strip=$(xdotool getwindowgeometry "$study" | sed -n 's/.*Position: \([0-9]*\),\([0-9]*\).*/\1 \2/p')
read -r sx sy <<<"$strip"
# The author strip sits at (70, 384) in the study form.
xdotool mousemove $((sx + 150)) $((sy + 410)) click 1
about=$(wait_window '^Thong tin them$')
shot "$about" information
focus "$about"
keys alt+n
wait_gone '^Thong tin them$'
focus "$study"
keys alt+s
practice=$(wait_window '^Ôn câu sai')
focus "$practice"
keys 1
shot "$practice" practice
keys Escape
wait_gone '^Ôn câu sai'
focus "$study"
keys alt+b
progress=$(wait_window '^Tiến bộ – hạng B')
focus "$progress"
shot "$progress" progress
keys Escape
wait_gone '^Tiến bộ'

focus "$study"
keys alt+o
wait_exit

# A window of the home opened by its key. On a busy machine the home may not
# take keys yet when it comes back to the front: the key is pressed again
# (each opens one window at most) until the window shows.
open_from_home() {
  local id=""
  for _ in 1 2 3; do
    focus "$home"
    keys "$1"
    id=$(timeout 4 xdotool search --sync --onlyvisible --name "$2" 2>/dev/null | head -n1) || true
    [ -n "$id" ] && break
  done
  [ -n "$id" ] || fail "no window titled '$2'"
  echo "$id"
}

# On from the paper's slot to the next whose question has a picture (the
# title names the question; the sample's pictures are named by number).
to_picture_slot() {
  local t q
  for _ in $(seq 30); do
    t=$(xdotool getwindowname "$1")
    if [[ "$t" =~ câu\ hỏi\ số\ ([0-9]+)$ ]]; then
      q=${BASH_REMATCH[1]}
      [ -e "$build/sample-bank-2025/images/$(printf '%03d' "$q").png" ] && { sleep 0.3; return; }
    fi
    xdotool key Right
    for _ in $(seq 40); do [ "$(xdotool getwindowname "$1")" != "$t" ] && break; sleep 0.05; done
  done
}

# The 600-question sample bank, class B.
start_bank B
home=$BANK_HOME
shot "$home" bank-home
keys alt+t
paper=$(wait_window '^Thi thử hạng B – ')
focus "$paper"
for k in 2 1 1 3 2; do xdotool key --delay 60 "$k" Right; done
to_picture_slot "$paper"
shot "$paper" bank-paper
keys alt+n
shot "$paper" bank-hand-in
keys alt+n
sleep 0.3
shot "$paper" bank-result
keys alt+x
shot "$paper" bank-review
keys alt+k alt+v
wait_gone '^Xem lại|^Thi thử hạng B'
study=$(open_from_home alt+c '^Học theo chương')
focus "$study"
keys space
shot "$study" bank-study
keys Escape
wait_gone '^Học theo chương'
search=$(open_from_home alt+m '^Tìm câu hỏi')
focus "$search"
xdotool type --delay 40 "bien bao"
shot "$search" bank-search
keys Escape
wait_gone '^Tìm câu hỏi'
critical=$(open_from_home alt+l '^Câu điểm liệt')
focus "$critical"
keys 1
shot "$critical" bank-critical
keys Escape
wait_gone '^Câu điểm liệt'
progress=$(open_from_home alt+b '^Tiến bộ – hạng B$')
focus "$progress"
shot "$progress" bank-progress
keys Escape
wait_gone '^Tiến bộ – hạng B$'
past=$(open_from_home alt+x '^Các bài đã làm')
focus "$past"
shot "$past" bank-past-papers
keys Escape
wait_gone '^Các bài đã làm'
# Bringing a bank from a school's spreadsheet (Ctrl+I): a sheet made by
# openpyxl with one key past its question's options, its fault listed by
# row and column, with that row's question under the list.
/usr/bin/python3 "$here/tests/support/sheets.py" faulty key-past-options "$WORK/truong.xlsx"
imp=$(open_from_home ctrl+i '^Nhập bộ câu hỏi từ bảng tính$')
focus "$imp"
xdotool type --delay 5 "$WORK/truong.xlsx"
keys Return
sleep 2
shot "$imp" bank-import
keys Escape
wait_gone '^Nhập bộ câu hỏi'
# A short test of a chapter (from the menu), handed in.
focus "$home"
keys alt+r
sleep 0.5
keys Down Return
short=$(wait_window '^Bài ngắn – hạng B')
focus "$short"
for k in 2 1 1; do xdotool key --delay 60 "$k" Right; done
keys alt+n alt+n
sleep 0.3
shot "$short" bank-short-test-result
keys alt+v
wait_gone '^Bài ngắn'
focus "$home"
keys alt+g Down Down
shot "$home" bank-home-dark
keys Up Up Escape
wait_exit

# A first start on a folder without pictures: the message over the entry form.
empty="$WORK/empty"
mkdir -p "$empty"
: >"$empty/DuLieu.txt"
( exec env -u QT_QPA_PLATFORM "$APP" --data "$empty" >"$WORK/.app.log" 2>&1 ) &
APP_PID=$!
box=$(wait_window '^Thiếu ảnh câu hỏi$')
wait_window '^thilaixe$' >/dev/null
sleep 0.4
import -window root -crop 1024x600+0+0 "$out/first-start-no-bank.png"
echo "$out/first-start-no-bank.png"

# A paper and its review in the dark theme on a 1280x720 screen, with texts
# as long as a real bank's longest (the sample's, lengthened: a question of
# 400 letters, four options of some 160, an explanation, a tip and a law):
# the window takes the screen's free room and everything shows whole.
kill "$APP_PID" 2>/dev/null || true
wait "$APP_PID" 2>/dev/null || true
kill "$XVFB_PID" 2>/dev/null || true
THILAIXE_SCREEN=1280x720 start_x
long="$WORK/long"
mkdir -p "$WORK/long-data"
/usr/bin/python3 "$here/tools/long_bank.py" "$build/sample-bank-2025/bank.json" "$long"
( cd "$WORK" && exec env -u QT_QPA_PLATFORM "$APP" --data "$WORK/long-data" --bank "$long/bank.json" \
    --class B >"$WORK/.app.log" 2>&1 ) &
APP_PID=$!
home=$(wait_window '^Ngân hàng MẪU 600 câu')
focus "$home"
keys alt+g Down Down
paper=$(open_from_home alt+t '^Thi thử hạng B – ')
focus "$paper"
for k in 2 1 3; do xdotool key --delay 60 "$k" Right; done
to_picture_slot "$paper"
sleep 0.4
import -window root "$out/bank-paper-dark-1280x720.png"
echo "$out/bank-paper-dark-1280x720.png"
keys alt+n alt+n
sleep 0.3
keys alt+x
sleep 0.4
import -window root "$out/bank-review-dark-1280x720.png"
echo "$out/bank-review-dark-1280x720.png"

# A school's lab, on a private PostgreSQL cluster of its own.
"$here/tools/gallery_school.sh" "$out" >/dev/null
