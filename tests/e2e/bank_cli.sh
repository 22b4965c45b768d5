#!/usr/bin/env bash
# The command line for schools and scripts, without a display: the sample
# 600-question bank checks clean, a broken copy lists its faults by number
# and exits 1, a paper is drawn as JSON, bad arguments exit 2.
source "$(dirname "$0")/lib.sh"
unset DISPLAY
sample="$(dirname "$APP")/sample-bank-2025"
[ -f "$sample/bank.json" ] || fail "no sample bank at $sample"

out=$("$APP" --check-bank "$sample/bank.json") || fail "the sample bank was refused: $out"
grep -q '^600 câu, 60 câu điểm liệt, 316 ảnh$' <<<"$out" || fail "summary: $out"
grep -q '^Rút được đề các hạng: A1, A, B1, B, C1, C, D1, D2, D, BE, C1E, CE, D1E, D2E, DE$' <<<"$out" \
  || fail "classes: $out"

# A copy with a gap in the numbers, an answer past its options and a
# picture that does not decode.
cp -r "$sample" "$WORK/bad"
sed -i '0,/"number": 7,/s//"number": 8,/' "$WORK/bad/bank.json"
: >"$WORK/bad/images/301.png"
rc=0; out=$("$APP" --check-bank "$WORK/bad/bank.json") || rc=$?
[ "$rc" -eq 1 ] || fail "a broken bank ended with $rc"
grep -q '^LỖI câu 7 (questions\[6\].number)' <<<"$out" || fail "no fault for question 7: $out"
cp "$sample/bank.json" "$WORK/bad/bank.json"
rc=0; out=$("$APP" --check-bank "$WORK/bad/bank.json") || rc=$?
[ "$rc" -eq 1 ] && grep -q '^LỖI câu 301 (images/301.png): tệp ảnh hỏng' <<<"$out" || fail "damaged picture: $out"

paper=$("$APP" --draw-paper --bank "$sample/bank.json" --class B --seed 42)
/usr/bin/python3 - "$paper" <<'PY' || fail "paper: $paper"
import json, sys
p = json.loads(sys.argv[1])
assert p["class"] == "B" and p["rules"] == "tt12-2025" and p["minutes"] == 20 and p["pass"] == 27, p
assert len(p["questions"]) == 30 and len(set(p["questions"])) == 30 and p["questions"] == sorted(p["questions"]), p
assert len(p["critical"]) == 1 and p["critical"][0] in p["questions"], p
PY
[ "$("$APP" --draw-paper --bank "$sample/bank.json" --class B --seed 42)" = "$paper" ] || fail "a seed draws the same paper"
for bad in "--draw-paper --bank $sample/bank.json" "--draw-paper --bank $sample/bank.json --class Z" \
           "--check-bank" "--draw-paper --bank $WORK/none.json --class B"; do
  rc=0; $APP $bad >/dev/null 2>&1 || rc=$?
  [ "$rc" -eq 2 ] || fail "'$bad' ended with $rc, not 2"
done
echo "1 passed, 0 failed"
