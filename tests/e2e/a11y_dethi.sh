#!/usr/bin/env bash
# A paper of the 600-question bank as a screen reader receives it: the real
# program under Xvfb with AT-SPI on, a class B paper, one slot answered from
# the keyboard, then the accessibility tree read over D-Bus: every slot, the
# question, its options, the countdown and the hand-in are named, and no
# control is left without a name.
source "$(dirname "$0")/lib.sh"
start_x
make_bank
start_atspi
start_bank B
keys alt+t
paper=$(wait_window '^Thi thử hạng B – ')
focus "$paper"
xdotool key --delay 80 2 Right
tree=$(/usr/bin/python3 "$(dirname "$0")/a11y_tree.py" thilaixe 'Câu 1: đã trả lời' 2>/dev/null || true)
echo "$tree"
# The slots and the options are toggles: a screen reader says checked.
for want in '[check box] "Câu 1: đã trả lời"' '[check box] "Câu 2: chưa trả lời" {checked' \
            '[check box] "Câu 30: chưa trả lời"' '[label] "Câu 2/30 – câu hỏi số ' '[check box] "1. ' \
            '[push button] "Nộp bài"' '[label] "Thời gian còn lại: '; do
  grep -qF -- "$want" <<<"$tree" || fail "not in the tree: $want"
done
! grep -qE '\[(image|push button|radio button|text|check box|combo box)\] ""' <<<"$tree" || fail "a control without a name"
echo "1 passed, 0 failed"
