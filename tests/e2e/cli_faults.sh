#!/usr/bin/env bash
# What a school's bad files and an unlucky disk do to the command line:
# nothing hangs on a FIFO, every file that is not a regular one is named by
# what it is, a paper's JSON is alone on standard output, bad options exit
# 2, a folder named in bytes that are not UTF-8 is used as it is, and the
# store's faults are said truly (read as an ordinary user: a read-only
# store file, a read-only folder, a folder that may not be read), with
# changes saved at the end written back by --import, once.
source "$(dirname "$0")/lib.sh"
unset DISPLAY
sample="$(dirname "$APP")/sample-bank-2025"
chmod 755 "$WORK"

# Runs the program with a time limit: a hang is a failure of its own.
run() {
  rc=0
  timeout 20 "$APP" "$@" >"$WORK/out" 2>"$WORK/err" || rc=$?
  [ "$rc" -ne 124 ] || fail "hung: $*"
}
expect() {  # CODE WHERE TEXT: the last run ended with CODE and said TEXT on WHERE (out/err)
  [ "$rc" -eq "$1" ] && grep -q -- "$3" "$WORK/$2" \
    || fail "wanted $1 and '$3' on $2, got $rc: $(cat "$WORK/out" "$WORK/err")"
}

mkfifo "$WORK/fifo.json"
mkdir "$WORK/folder.json"
run --check-bank "$WORK/fifo.json"; expect 1 out 'FIFO'
run --draw-paper --bank "$WORK/fifo.json" --class B; expect 2 err 'FIFO'
[ ! -s "$WORK/out" ] || fail "faults on standard output: $(cat "$WORK/out")"
run --bank "$WORK/fifo.json"; expect 2 err 'FIFO'
run --bank "$WORK/folder.json"; expect 2 err 'là một thư mục'
run --check-bank "$sample/bank.json" --rules "$WORK/fifo.json"; expect 2 err 'FIFO'

# Rule files beside a bank that are not files are named, and never block.
mkdir -p "$WORK/b/rules"
cp -r "$sample/." "$WORK/b/"
mkdir "$WORK/b/rules.json"
mkfifo "$WORK/b/rules/p.json"
run --check-bank "$WORK/b/bank.json"; expect 2 err 'rules.json: là một thư mục'
[ "$(grep -c 'rules.json:' "$WORK/err")" -eq 1 ] || fail "said more than once: $(cat "$WORK/err")"
grep -q 'p.json: là một ống dẫn (FIFO)' "$WORK/err" || fail "FIFO rule file: $(cat "$WORK/err")"

run -x; expect 2 err "unknown argument '-x'"
run --bank "$sample/bank.json" --class Z; expect 2 err 'class Z is not in rule set tt12-2025'
run --draw-paper --bank "$sample/bank.json" --class B --seed x; expect 2 err 'số nguyên.*whole number'
run --export --class B --data "$WORK"; expect 2 err 'takes no --class'
run --export --bank no-such-bank --data "$WORK"; expect 1 err 'nothing kept for that bank id'

# A folder whose name is not UTF-8.
odd="$WORK/$(printf 'tr\xeang')"
cp -r "$sample" "$odd"
run --check-bank "$odd/bank.json"; expect 0 out '^600 câu, 60 câu điểm liệt'

# The store, as an ordinary user. Changes saved at the end are written by
# --import once; a store file that may not be written is named as such.
cp "$APP" "$WORK/thilaixe"
# A sanitized build's suppressions, where the other user can read them.
if [[ "${LSAN_OPTIONS:-}" =~ suppressions=([^:]*) ]]; then
  cp "${BASH_REMATCH[1]}" "$WORK/lsan.supp"
  export LSAN_OPTIONS="${LSAN_OPTIONS/${BASH_REMATCH[1]}/$WORK/lsan.supp}"
fi
urun() { rc=0; timeout 20 setpriv --reuid=65534 --regid=65534 --clear-groups "$WORK/thilaixe" "$@" \
           >"$WORK/out" 2>"$WORK/err" || rc=$?; }
mkdir "$WORK/s"
/usr/bin/python3 - "$WORK/held.json" <<'PY'
import json, sys
a = {"profile": 1, "bank": "gplx-600-2025", "bank_version": "1", "rules": "tt12-2025", "class": "B",
     "start": "2026-12-01T09:00:00.000Z", "end": "2026-12-01T09:17:00.000Z",
     "questions": list(range(1, 31)), "answers": [1] * 30, "keys": [1] * 29 + [2],
     "critical": [5], "pass": 27, "prediction": None}
json.dump({"format": "thilaixe-held/1", "changes": [{"kind": "attempt", "attempt": a},
          {"kind": "practice", "profile": 1, "bank": "gplx-600-2025", "question": 30, "right": True}]},
          open(sys.argv[1], "w"))
PY
chown -R 65534:65534 "$WORK/s" "$WORK/held.json"
urun --import "$WORK/held.json" --data "$WORK/s"; expect 0 out '2 changes written'
urun --import "$WORK/held.json" --data "$WORK/s"; expect 1 err 'đã được ghi'
urun --export --data "$WORK/s"
/usr/bin/python3 -c '
import json, sys
d = json.load(open(sys.argv[1]))
a = d["attempts"]
assert len(a) == 1 and a[0]["right"] == 29 and a[0]["prediction"] is None, a
assert d["practice"][0]["question"] == 30 and d["practice"][0]["right"] == 1, d["practice"]
' "$WORK/out" || fail "export after import: $(cat "$WORK/out")"

chmod 444 "$WORK/s/thilaixe.sqlite"
cp "$WORK/held.json" "$WORK/held2.json"; echo ' ' >>"$WORK/held2.json"; chown 65534 "$WORK/held2.json"
urun --import "$WORK/held2.json" --data "$WORK/s"; expect 1 err 'thilaixe.sqlite chỉ cho đọc'
grep -q 'thư mục chỉ cho đọc' "$WORK/err" && fail "a read-only file said as a read-only folder"

chmod 644 "$WORK/s/thilaixe.sqlite"; chmod 555 "$WORK/s"
urun --export --data "$WORK/s"; expect 0 out '"right": 29'
chmod 000 "$WORK/s"
urun --export --data "$WORK/s"; expect 1 err 'không có quyền'
chmod 755 "$WORK/s"
echo "1 passed, 0 failed"
