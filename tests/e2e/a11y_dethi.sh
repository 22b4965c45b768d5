#!/usr/bin/env bash
# A paper of the 600-question bank as a screen reader receives it: the real
# program under Xvfb with AT-SPI on, a class B paper, one slot answered from
# the keyboard, then the accessibility tree read over D-Bus: every slot, the
# question, its options, the countdown and the hand-in are named, and no
# control is left without a name. Then, listening on the bus as a screen
# reader does: the verdict of the hand-in, of a practice answer and the
# count of a search are said without the focus moving to them.
source "$(dirname "$0")/lib.sh"
start_x
make_bank
start_atspi
listen_atspi
start_bank B
keys alt+t
paper=$(wait_window '^Thi thử hạng B – ')
focus "$paper"
xdotool key --delay 80 2 Right
tree=$(/usr/bin/python3 "$(dirname "$0")/a11y_tree.py" thilaixe 'Câu 1: đã trả lời' 2>/dev/null || true)
echo "$tree"
# The options are one choice of several; the slot on screen is said so, not
# as checked.
for want in '[push button] "Câu 1: đã trả lời"' '[push button] "Câu 2: chưa trả lời, đang xem"' \
            '[push button] "Câu 30: chưa trả lời"' '[label] "Câu 2/30 – câu hỏi số ' '[radio button] "1. ' \
            '[push button] "Nộp bài"' '[label] "Thời gian còn lại: '; do
  grep -qF -- "$want" <<<"$tree" || fail "not in the tree: $want"
done
! grep -qE '\[(image|push button|radio button|text|check box|combo box)\] ""' <<<"$tree" || fail "a control without a name"
! grep -qE '\[(check box|push button)\] "Câu [0-9]+:.*\{[^}]*checked' <<<"$tree" || fail "a slot said as checked"

said $'focus\tradio button\t1. '
keys alt+n alt+n
said $'notification\t✗ KHÔNG ĐẠT.'
said $'focus\tpush button\tXem lại bài'
# The review says its first slot as it opens: heading, text and key.
keys alt+x
for _ in $(seq 100); do grep -qE $'^notification\tCâu [0-9]+/30 – câu hỏi số .*Đáp án đúng là ' "$EVENTS" && break; sleep 0.1; done
grep -qE $'^notification\tCâu [0-9]+/30 – câu hỏi số .*Đáp án đúng là ' "$EVENTS" || fail "the review's first slot not said: $(cat "$EVENTS")"
keys Escape
keys alt+v
wait_gone '^Thi thử hạng B'
focus "$BANK_HOME"
keys alt+l
practice=$(wait_window '^Câu điểm liệt')
focus "$practice"
said $'focus\tradio button\t1. '
keys 1
for _ in $(seq 100); do grep -qE $'^notification\t.*(Đúng|Sai)\. (Bạn chọn [0-9]\. )?Đáp án đúng là ' "$EVENTS" && break; sleep 0.1; done
grep -qE $'^notification\t.*(Đúng|Sai)\. (Bạn chọn [0-9]\. )?Đáp án đúng là ' "$EVENTS" || fail "no verdict said: $(cat "$EVENTS")"
keys Escape
wait_gone '^Câu điểm liệt'
focus "$BANK_HOME"
# A list with nothing in it ends on "Đóng", which Enter presses.
keys alt+u
saved=$(wait_window '^Câu đã lưu')
focus "$saved"
said $'focus\tpush button\tĐóng'
keys Return
wait_gone '^Câu đã lưu'
focus "$BANK_HOME"
keys alt+m
search=$(wait_window '^Tìm câu hỏi')
focus "$search"
xdotool type --delay 40 "mau"
said $'notification\tTìm thấy '
tree=$(/usr/bin/python3 "$(dirname "$0")/a11y_tree.py" thilaixe 'Câu hỏi tìm thấy' 2>/dev/null || true)
grep -qF '[list] "Câu hỏi tìm thấy"' <<<"$tree" || fail "the results list has no name: $tree"
keys Escape
wait_gone '^Tìm câu hỏi'
# Bringing a bank from a spreadsheet: each field named on Tab, and a sheet
# with a fault says how many, the first fault by row and column and that
# row's question, wherever the focus is.
"$APP" --bank-template "$WORK/mau.csv" >/dev/null || fail "bank-template"
sed 's/^2,1,x,/2,1,y,/' "$WORK/mau.csv" >"$WORK/loi.csv"
focus "$BANK_HOME"
keys ctrl+i
imp=$(wait_window '^Nhập bộ câu hỏi từ bảng tính$')
focus "$imp"
said $'focus	text	Bảng tính'
xdotool type --delay 5 "$WORK/loi.csv"
keys Tab Tab
said $'focus	text	Thư mục ảnh'
keys shift+Tab shift+Tab Return
want=$'^notification\tCó 1 lỗi, không ghi gì\\. .*dòng 14, cột C \\(Điểm liệt\\).* Dòng 14: MẪU 2'
for _ in $(seq 100); do grep -qE "$want" "$EVENTS" && break; sleep 0.1; done
grep -qE "$want" "$EVENTS" || fail "the sheet's fault not said: $(tail -5 "$EVENTS")"
echo "1 passed, 0 failed"
