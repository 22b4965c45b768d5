#!/usr/bin/env bash
# The Debian package as a new user meets it: build it with cpack, check its
# menu entry and AppStream data, extract it into a throwaway root, start the
# program by the menu entry's command with an empty HOME, sit a short exam,
# and find the history in the per-user folder. lintian runs when present.
#   package.sh BUILD_DIR
build="$1"
source "$(dirname "$0")/lib.sh" unused unused

pkg="$WORK/pkg"
(cd "$build" && cpack -G DEB -B "$pkg" >/dev/null) || fail "cpack failed"
deb=$(ls "$pkg"/thilaixe_*.deb)
root="$WORK/root"
dpkg-deb -x "$deb" "$root"
desktop="$root/usr/share/applications/vn.thilaixe.ThiLaiXe.desktop"
desktop-file-validate "$desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$root/usr/share/metainfo/vn.thilaixe.ThiLaiXe.metainfo.xml" >/dev/null \
  || fail "appstreamcli validate"
for s in 48 64 128 256; do
  [ -s "$root/usr/share/icons/hicolor/${s}x${s}/apps/vn.thilaixe.ThiLaiXe.png" ] || fail "no ${s}px icon"
done
[ "$(ls "$root/usr/share/thilaixe/bank" | wc -l)" -eq 300 ] || fail "the sample bank is not whole"
[ -f "$root/usr/share/thilaixe/bank-2025/bank.json" ] || fail "no 600-question sample bank"
"$root/usr/bin/thilaixe" --check-bank "$root/usr/share/thilaixe/bank-2025/bank.json" >/dev/null \
  || fail "the installed 600-question sample bank does not check"
if command -v lintian >/dev/null; then
  out=$(lintian --tag-display-limit 0 "$deb" 2>&1 | grep -v 'root privileges' || true)
  [ -z "$out" ] || fail "lintian: $out"
fi

# The menu entry's command, with the package's bin first on PATH, in an
# empty home and from a folder that holds no bank.
exec_line=$(sed -n 's/^Exec=//p' "$desktop" | head -n1)
action_line=$(sed -n '/^\[Desktop Action bank-2025\]/,$ s/^Exec=//p' "$desktop")
home="$WORK/home"
mkdir -p "$home"
start_x
( cd "$WORK" && exec env -u QT_QPA_PLATFORM -u XDG_DATA_HOME -u THILAIXE_DATA HOME="$home" \
    PATH="$root/usr/bin:$PATH" $exec_line >"$WORK/.app.log" 2>&1 ) &
APP_PID=$!
w=$(wait_window '^thilaixe$')
focus "$w"
keys Tab
xdotool type --delay 60 d
open_sheet D
sit 2 2 2

data="$home/.local/share/thilaixe"
[ "$(ls "$data"/*.jpg | wc -l)" -eq 300 ] || fail "the per-user folder has no whole bank"
f="$data/DuLieu.txt"
[ "$(grep -c '^Ng: ' "$f")" -eq 1 ] || fail "no record in $f"
grep -q '^TL: 2, 2, 2, 0, ' "$f" || fail "bad TL line: $(sed -n 3p "$f")"

# The menu entry's action: the 600-question bank's home, from the package.
( cd "$WORK" && exec env -u QT_QPA_PLATFORM -u XDG_DATA_HOME -u THILAIXE_DATA HOME="$home" \
    PATH="$root/usr/bin:$PATH" $action_line >"$WORK/.app.log" 2>&1 ) &
APP_PID=$!
w=$(wait_window '^Ngân hàng MẪU 600 câu')
focus "$w"
keys Escape
wait_exit
echo "1 passed, 0 failed"
