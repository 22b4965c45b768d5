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
# A held paper whose file claims every answer right and a pass mark of 0,
# the same file saved again compact and with a line added, one edited
# after it was saved, one for a profile the store lacks, one of a bank not
# at hand, and one too large to be a held file.
/usr/bin/python3 - "$WORK" "$sample/bank.json" <<'PY'
import hashlib, json, sys
w, bank = sys.argv[1], json.load(open(sys.argv[2]))
key = {q["number"]: q["answer"] for q in bank["questions"]}
qs = list(range(1, 31))
answers = [key[q] if i < 25 else (2 if key[q] == 1 else 1) for i, q in enumerate(qs)]
a = {"profile": 1, "bank": bank["id"], "bank_version": "forged", "rules": "tt12-2025", "class": "B",
     "start": "2026-12-01T09:00:00.000Z", "end": "2026-12-01T09:17:00.000Z",
     "questions": qs, "answers": answers, "keys": answers, "critical": [], "pass": 0, "prediction": None}
v1 = {"format": "thilaixe-held/1", "changes": [{"kind": "attempt", "attempt": a},
      {"kind": "practice", "profile": 1, "bank": bank["id"], "question": 30, "right": True}]}
json.dump(v1, open(w + "/held.json", "w"), indent=2)
open(w + "/held-compact.json", "w").write(json.dumps(v1, separators=(",", ":")) + "\n\n")
def v2(changes):
    c = json.dumps(changes, separators=(",", ":"), ensure_ascii=False, sort_keys=True)
    return {"format": "thilaixe-held/2", "changes": changes,
            "checksum": "sha256:" + hashlib.sha256(c.encode()).hexdigest()}
ok = v2([{"kind": "practice", "profile": 1, "bank": bank["id"], "question": 7, "right": False, "uid": "u-7"}])
json.dump(ok, open(w + "/held-v2.json", "w"))
ok["changes"][0]["right"] = True
json.dump(ok, open(w + "/held-edited.json", "w"))
json.dump(v2([{"kind": "setting", "profile": 9, "key": "sound", "value": "0", "uid": "u-9"}]),
          open(w + "/held-profile.json", "w"))
json.dump(v2([{"kind": "practice", "profile": 1, "bank": "gplx-600-2025", "question": 3, "right": True,
               "uid": "u-3"}]), open(w + "/held-bank.json", "w"))
with open(w + "/held-huge.json", "w") as f:
    f.write('{"format": "thilaixe-held/2", "changes": [], "pad": "' + "x" * (65 * 1024 * 1024) + '"}')
PY
chown -R 65534:65534 "$WORK/s" "$WORK"/held*.json
urun --import "$WORK/held-bank.json" --data "$WORK/s"; expect 1 err 'bank "gplx-600-2025", which is not at hand'
urun --import "$WORK/held.json" --data "$WORK/s"; expect 1 err 'of bank "mau-600-2025", which is not at hand'
urun --import "$WORK/held.json" --bank "$sample/bank.json" --data "$WORK/s"
expect 0 out '2 changes written; 1 attempts scored again'
urun --import "$WORK/held.json" --bank "$sample/bank.json" --data "$WORK/s"; expect 1 err 'đã được ghi'
urun --import "$WORK/held-compact.json" --bank "$sample/bank.json" --data "$WORK/s"; expect 1 err 'đã được ghi'
urun --import "$WORK/held-v2.json" --bank "$sample/bank.json" --data "$WORK/s"; expect 0 out '1 changes written'
urun --import "$WORK/held-edited.json" --bank "$sample/bank.json" --data "$WORK/s"; expect 1 err 'đã bị sửa'
urun --import "$WORK/held-profile.json" --data "$WORK/s"; expect 1 err 'profile 9, which this store does not have'
grep -q 'FOREIGN KEY' "$WORK/err" && fail "the raw SQLite message: $(cat "$WORK/err")"
urun --import "$WORK/held-huge.json" --data "$WORK/s"; expect 1 err 'larger than 64 MB'
urun --export --data "$WORK/s"
# Scored from the bank's key and the rule set's pass mark, not the file's.
/usr/bin/python3 -c '
import json, sys
d = json.load(open(sys.argv[1]))
a = d["attempts"]
assert len(a) == 1 and a[0]["right"] == 25 and a[0]["pass"] == 27 and not a[0]["passed"], a
assert a[0]["bank_version"] != "forged", a
p = {x["question"]: x for x in d["practice"]}
assert p[30]["right"] == 1 and p[7]["wrong"] == 1, d["practice"]
' "$WORK/out" || fail "export after import: $(cat "$WORK/out")"

chmod 444 "$WORK/s/thilaixe.sqlite"
urun --import "$WORK/held-v2.json" --bank "$sample/bank.json" --data "$WORK/s"; expect 1 err 'thilaixe.sqlite chỉ cho đọc'
grep -q 'thư mục chỉ cho đọc' "$WORK/err" && fail "a read-only file said as a read-only folder"

chmod 644 "$WORK/s/thilaixe.sqlite"; chmod 555 "$WORK/s"
urun --export --data "$WORK/s"; expect 0 out '"right": 25'
chmod 000 "$WORK/s"
urun --export --data "$WORK/s"; expect 1 err 'không có quyền'
chmod 755 "$WORK/s"
echo "1 passed, 0 failed"
