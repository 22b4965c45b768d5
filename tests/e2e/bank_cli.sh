#!/usr/bin/env bash
# The command line for schools and scripts, without a display: the sample
# 600-question bank checks clean, a broken copy lists its faults by number
# and exits 1, a paper is drawn as JSON by the rule set in force today (and
# one that ends soon is said), --export reads the store without changing
# it, bad arguments exit 2.
source "$(dirname "$0")/lib.sh"
unset DISPLAY
sample="$(dirname "$APP")/sample-bank-2025"
[ -f "$sample/bank.json" ] || fail "no sample bank at $sample"

# A day of 2025's rule set, whatever the day the test runs.
day=(--exam-date 2026-12-10)
out=$("$APP" --check-bank "$sample/bank.json" "${day[@]}") || fail "the sample bank was refused: $out"
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

# Every fault at once: a picture path that leaves the folder beside a link
# that does; a rule set whose quotas the bank cannot fill is a fault too.
cp "$sample/bank.json" "$WORK/bad/bank.json"
cp "$sample/images/301.png" "$WORK/bad/images/301.png"
sed -i '0,/"image": "images\/\([0-9]*\).png"/s//"image": "..\/outside.png"/' "$WORK/bad/bank.json"
second=$(grep -o '"image": "images/[0-9]*.png"' "$WORK/bad/bank.json" | sed -n 2p | cut -d'"' -f4)
cp "$WORK/bad/$second" "$WORK/outside-pic.png"
rm "$WORK/bad/$second"
ln -s "$WORK/outside-pic.png" "$WORK/bad/$second"
rc=0; out=$("$APP" --check-bank "$WORK/bad/bank.json" "${day[@]}") || rc=$?
[ "$rc" -eq 1 ] || fail "leaving the folder ended with $rc: $out"
grep -q 'phải nằm trong thư mục của tệp ngân hàng' <<<"$out" || fail "the .. path: $out"
grep -q 'phải nằm trong thư mục của tệp ngân hàng' <<<"$out" || fail "the .. path: $out"
cp "$sample/bank.json" "$WORK/bad/bank.json"
rm "$WORK/bad/$second"; cp "$WORK/outside-pic.png" "$WORK/bad/$second"
mkdir -p "$WORK/bad/rules"
/usr/bin/python3 - "$(dirname "$0")/../../src/rules/databank/tt12-2025.json" "$WORK/bad/rules/big.json" <<'PY'
import json, sys
r = json.load(open(sys.argv[1]))
r["id"] = "too-many-critical"
r["valid_until"] = "2099-12-31"
for c in r["classes"]:
    if c["class"] == "B":
        c["critical"] = 61  # the bank has 60
        c["questions"] += 60
        c["pass"] += 60
json.dump(r, open(sys.argv[2], "w"))
PY
rc=0; out=$("$APP" --check-bank "$WORK/bad/bank.json" "${day[@]}") || rc=$?
[ "$rc" -eq 1 ] && grep -q 'Không rút được đề hạng B' <<<"$out" || fail "unfillable quotas ended with $rc: $out"
rm -r "$WORK/bad/rules"

paper=$("$APP" --draw-paper --bank "$sample/bank.json" --class B --seed 42 "${day[@]}")
/usr/bin/python3 - "$paper" <<'PY' || fail "paper: $paper"
import json, sys
p = json.loads(sys.argv[1])
assert p["class"] == "B" and p["rules"] == "tt12-2025" and p["minutes"] == 20 and p["pass"] == 27, p
assert len(p["questions"]) == 30 and len(set(p["questions"])) == 30 and p["questions"] == sorted(p["questions"]), p
assert len(p["critical"]) == 1 and p["critical"][0] in p["questions"], p
PY
[ "$("$APP" --draw-paper --bank "$sample/bank.json" --class B --seed 42 "${day[@]}")" = "$paper" ] \
  || fail "a seed draws the same paper"
# An exam in March 2027: class B's provisional paper says so and why; class
# C, which that set lacks, keeps 2025's.
paper=$("$APP" --draw-paper --bank "$sample/bank.json" --class B --seed 42 --exam-date 2027-03-01)
/usr/bin/python3 - "$paper" <<'PY' || fail "March paper: $paper"
import json, sys
p = json.loads(sys.argv[1])
assert p["rules"] == "tt108-2027" and p["provisional"] is True and p["note"], p
assert len(p["questions"]) == 50 and p["minutes"] == 33 and p["pass"] == 45, p
PY
paper=$("$APP" --draw-paper --bank "$sample/bank.json" --class C --seed 42 --exam-date 2027-03-01 2>"$WORK/c.err")
grep -q '"rules":"tt12-2025"' <<<"$paper" && ! grep -q provisional <<<"$paper" || fail "class C in March: $paper"
# ... and says so on standard error, naming the set it drew by; class B
# does not.
grep -q 'class C has nothing announced in rule set tt108-2027: drawn by tt12-2025' "$WORK/c.err" \
  || fail "class C's borrowed set not said: $(cat "$WORK/c.err")"
"$APP" --draw-paper --bank "$sample/bank.json" --class B --seed 42 --exam-date 2027-03-01 2>&1 >/dev/null \
  | grep -q 'nothing announced' && fail "class B said as borrowed"
rc=0; "$APP" --draw-paper --bank "$sample/bank.json" --class B --exam-date 2027-02-30 2>/dev/null || rc=$?
[ "$rc" -eq 2 ] || fail "a date that is not one ended with $rc"
# A rule set beside the bank that began yesterday and ends in 30 days is the
# one in force today, and its end is told.
mkdir -p "$WORK/ruled/rules"
cp -r "$sample/." "$WORK/ruled/"
/usr/bin/python3 - "$(dirname "$0")/../../src/rules/databank/tt12-2025.json" "$WORK/ruled/rules/soon.json" <<'PY'
import datetime, json, sys
r = json.load(open(sys.argv[1]))
today = datetime.date.today()
r["id"] = "ends-soon"
r["valid_from"] = str(today - datetime.timedelta(days=1))
r["valid_until"] = str(today + datetime.timedelta(days=30))
json.dump(r, open(sys.argv[2], "w"))
PY
paper=$("$APP" --draw-paper --bank "$WORK/ruled/bank.json" --class B --seed 1 2>"$WORK/err") || fail "ruled bank"
grep -q '"rules":"ends-soon"' <<<"$paper" || fail "not the set in force: $paper"
grep -q 'ends-soon hết hiệu lực sau ngày .* (còn 30 ngày)' "$WORK/err" || fail "end not told: $(cat "$WORK/err")"

# --export: an empty folder gives empty lists; a file that is not a store
# is reported (exit 1) and left exactly as it was.
mkdir "$WORK/store"
out=$("$APP" --export --data "$WORK/store") || fail "export of an empty folder"
/usr/bin/python3 -c 'import json,sys; d=json.load(sys.stdin); assert d["attempts"] == [] and d["practice"] == [], d' \
  <<<"$out" || fail "export: $out"
[ ! -e "$WORK/store/thilaixe.sqlite" ] || fail "export made a store"
head -c 3000 /dev/urandom >"$WORK/store/thilaixe.sqlite"
cp "$WORK/store/thilaixe.sqlite" "$WORK/store.before"
rc=0; "$APP" --export --data "$WORK/store" >/dev/null 2>"$WORK/err" || rc=$?
[ "$rc" -eq 1 ] && grep -q 'thilaixe.sqlite' "$WORK/err" || fail "a damaged store: $rc $(cat "$WORK/err")"
cmp -s "$WORK/store/thilaixe.sqlite" "$WORK/store.before" || fail "export changed the damaged store"

# A bank and a spreadsheet, from the command line: written back as .ods and
# brought in again, the same bank.json and the check's summary (exit 0); a
# sheet with a fault names its row and column (exit 1) and writes nothing;
# the template alone is no bank any class can draw from (exit 1).
"$APP" --export-bank "$sample/bank.json" --to "$WORK/bank.ods" >/dev/null || fail "export-bank"
out=$("$APP" --import-bank "$WORK/bank.ods" --out "$WORK/from-sheet" 2>"$WORK/err") || fail "import-bank: $(cat "$WORK/err")"
cmp -s "$WORK/from-sheet/bank.json" "$sample/bank.json" || fail "import-bank: not the same bank.json"
grep -q '^Rút được đề các hạng: A1, A, B1, B' <<<"$out" || fail "import-bank: no check summary: $out"
"$APP" --bank-template "$WORK/mau.csv" >/dev/null || fail "bank-template"
sed 's/^2,1,x,/2,1,y,/' "$WORK/mau.csv" >"$WORK/loi.csv"
rc=0; "$APP" --import-bank "$WORK/loi.csv" --out "$WORK/loi" 2>"$WORK/err" || rc=$?
[ "$rc" -eq 1 ] && grep -q '^LỖI dòng 14, cột C (Điểm liệt)' "$WORK/err" && [ ! -e "$WORK/loi" ] \
  || fail "a faulty sheet: $rc $(cat "$WORK/err")"
rc=0; "$APP" --import-bank "$WORK/mau.csv" --out "$WORK/mau" 2>"$WORK/err" || rc=$?
[ "$rc" -eq 1 ] && grep -q 'hạng B không rút được đề' "$WORK/err" || fail "the template: $rc $(cat "$WORK/err")"

for bad in "--draw-paper --bank $sample/bank.json" "--draw-paper --bank $sample/bank.json --class Z" \
           "--check-bank" "--draw-paper --bank $WORK/none.json --class B" \
           "--import-bank $WORK/bank.ods" "--export-bank $sample/bank.json" \
           "--export-bank $sample/bank.json --to $WORK/bank.txt" "--out $WORK/x"; do
  rc=0; $APP $bad >/dev/null 2>&1 || rc=$?
  [ "$rc" -eq 2 ] || fail "'$bad' ended with $rc, not 2"
done
echo "1 passed, 0 failed"
