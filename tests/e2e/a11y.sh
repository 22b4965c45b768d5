#!/usr/bin/env bash
# The exam sheet as a screen reader receives it: the real program under
# Xvfb with AT-SPI on, an exam started and three slots answered from the
# keyboard, then the accessibility tree read over D-Bus.
source "$(dirname "$0")/lib.sh"
start_x
make_bank
start_atspi
listen_atspi
open_entry
# The entry form has nothing focused before the declaration: it says its
# title and what to press; the boxes are named as Tab reaches them.
said $'notification\tTRUNG TÂM ĐÀO TẠO LÁI XE X. Bấm Tab, Esc hoặc Enter để khai báo.'
xdotool type --delay 60 b2
keys Tab
said $'focus\ttext\tKhoá'
open_sheet B2
xdotool key --delay 80 alt+b 2 1 1  # 1 and 2: options every question has
said $'notification\tBắt đầu làm bài: 30 câu, còn '
said $'focus\tradio button\tCâu 1, chưa trả lời' 
tree=$(/usr/bin/python3 "$(dirname "$0")/a11y_tree.py" thilaixe 'Câu 3, đã chọn 1' 2>/dev/null || true)
echo "$tree"
for want in '[radio button] "Câu 1, đã chọn 2"' '[radio button] "Câu 2, đã chọn 1"' \
            '[radio button] "Câu 4, chưa trả lời" {checked,enabled' '[image] "Ảnh câu hỏi số ' \
            '[panel] "Các câu hỏi:"' '[push button] "Kết thúc"' '[text] "Phương án đã chọn ở câu 30"'; do
  grep -qF -- "$want" <<<"$tree" || fail "not in the tree: $want"
done
! grep -qE '\[(image|push button|radio button|text)\] ""' <<<"$tree" || fail "a control without a name"
# The result says its counts and verdict once it is in front.
xdotool key Escape
RESULT=$(wait_window '^Họ tên:')
focus "$RESULT"
said $'notification\tKết quả: Không đạt. Số câu trả lời đúng: '
echo "1 passed, 0 failed"
