# Helpers for tests of the real program in a real X server (Xvfb), driven
# with xdotool. Source it; it expects APP and BANK (paths of the program and
# of the sample bank generator) and gives a scratch working folder in WORK.
set -euo pipefail

APP="$1"
BANK="$2"
WORK="$(mktemp -d)"
XVFB_PID=""
APP_PID=""

cleanup() {
  [ -n "$APP_PID" ] && kill "$APP_PID" 2>/dev/null || true
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
  rm -rf "$WORK"
}
trap cleanup EXIT

fail() { echo "FAIL: $*" >&2; for l in "$WORK"/*.log; do [ -f "$l" ] && { echo "== $l" >&2; tail -5 "$l" >&2; }; done; exit 1; }

start_x() {
  local fdfile="$WORK/.display"
  # -noreset: without it the server resets when its last client leaves, and
  # a client connecting at that moment fails.
  Xvfb -displayfd 3 -noreset -screen 0 "${THILAIXE_SCREEN:-1024x768}x24" -nolisten tcp 3>"$fdfile" >/dev/null 2>&1 &
  XVFB_PID=$!
  for _ in $(seq 100); do
    [ -s "$fdfile" ] && break
    sleep 0.05
  done
  [ -s "$fdfile" ] || fail "Xvfb did not start"
  export DISPLAY=":$(head -n1 "$fdfile")"
}

make_bank() { "$BANK" "$WORK" >/dev/null; }

start_app() {
  ( cd "$WORK" && exec env -u QT_QPA_PLATFORM "$APP" >"$WORK/.app.log" 2>&1 ) &
  APP_PID=$!
}

# Starts the program on the home of the 600-question sample bank, class $1,
# and focuses it (its window id in BANK_HOME). Further words go before the
# program, inside env: variables, or a wrapper such as faketime.
start_bank() {
  local class="$1"
  shift
  ( cd "$WORK" && exec env -u QT_QPA_PLATFORM "$@" "$APP" --data "$WORK" \
      --bank "$(dirname "$APP")/sample-bank-2025/bank.json" --class "$class" >"$WORK/.app.log" 2>&1 ) &
  APP_PID=$!
  BANK_HOME=$(wait_window '^Ngân hàng MẪU 600 câu')
  focus "$BANK_HOME"
}

# Starts the program and reveals the entry form's fields with Tab; the
# focus is then in the class field.
open_entry() {
  start_app
  local w
  w=$(wait_window '^thilaixe$')
  focus "$w"
  keys Tab
}

# Window id of a visible window whose title matches, waiting up to 10 s.
wait_window() {
  local id
  id=$(timeout 10 xdotool search --sync --onlyvisible --name "$1" 2>/dev/null | head -n1) || true
  [ -n "$id" ] || { cat "$WORK/.app.log" >&2; fail "no window titled '$1'"; }
  echo "$id"
}

# On the declared entry form: "Thi thử", then the sheet of class $1, in SHEET.
open_sheet() {
  keys alt+t
  SHEET=$(wait_window "^Thi ly thuyet lai xe hang $1\$")
  focus "$SHEET"
}

# On the sheet: Start, the given keys one per slot, Esc; the result form is
# then in RESULT. The program takes key events in the order they come, so
# each key acts on the sheet as the one before left it: xdotool paces them.
sit() {
  keys alt+b
  xdotool key --delay 80 "$@" Escape
  RESULT=$(wait_window '^Họ tên:')
}

# One history record as the program writes it: date, class and TL line, on a
# fixed paper.
record() {
  printf 'Ng: %s - 10:00:00 (H\xb9ng %s)\r\n' "$1" "$2"
  printf 'CH: 1, 13, 21, 31, 46, 62, 80, 88, 100, 107, 119, 132, 142, 151, 161, 171, 181, 191, 201, 211, 221, 231, 241, 251, 258, 265, 272, 279, 285, 292\r\n'
  printf 'TL: %s\r\n' "$3"
}

# The X focus is set when xdotool returns; Qt makes the window active a
# moment later, and nothing outside the program shows when: a short settle.
focus() { xdotool windowfocus --sync "$1"; sleep 0.2; }

# Keys, then a moment for the program to take them: what a key does is not
# always visible from outside (a field filled, a focus moved), and a key
# sent while the program is still busy with the last window change can be
# lost. Checks never rest on this pause: each step that shows something is
# waited for (wait_window, wait_title, wait_gone).
keys() { xdotool key --delay 60 "$@"; sleep 0.2; }

# Waits up to 10 s until the window's title is exactly $2.
wait_title() {
  for _ in $(seq 200); do
    [ "$(xdotool getwindowname "$1" 2>/dev/null)" = "$2" ] && return 0
    sleep 0.05
  done
  fail "window title '$(xdotool getwindowname "$1" 2>/dev/null)', not '$2'"
}

# Waits up to 10 s until no visible window matches the title.
wait_gone() {
  for _ in $(seq 200); do
    no_window "$1" && return 0
    sleep 0.05
  done
  fail "a window titled '$1' is still shown"
}

# True when no visible window matches the title.
no_window() { ! xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; }

# Asks a window to close as a window manager's close box does (the test's
# X server runs none): WM_DELETE_WINDOW sent to the window itself.
close_window() {
  /usr/bin/python3 - "$1" <<'PY'
import ctypes, sys
x = ctypes.CDLL("libX11.so.6")
x.XOpenDisplay.restype = ctypes.c_void_p
x.XInternAtom.restype = ctypes.c_ulong
x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
x.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long, ctypes.c_void_p]
x.XFlush.argtypes = x.XCloseDisplay.argtypes = [ctypes.c_void_p]
class ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                ("format", ctypes.c_int), ("data", ctypes.c_long * 5)]
class Event(ctypes.Union):
    _fields_ = [("xclient", ClientMessage), ("pad", ctypes.c_long * 24)]
d = x.XOpenDisplay(None)
w = int(sys.argv[1])
e = Event()
e.xclient.type = 33  # ClientMessage
e.xclient.window = w
e.xclient.message_type = x.XInternAtom(d, b"WM_PROTOCOLS", 0)
e.xclient.format = 32
e.xclient.data[0] = x.XInternAtom(d, b"WM_DELETE_WINDOW", 0)
x.XSendEvent(d, w, 0, 0, ctypes.byref(e))
x.XFlush(d)
x.XCloseDisplay(d)
PY
}

# Waits for the program to end, up to 10 s; fails if it does not, if it
# ended with an error, or if a sanitizer reported anything.
wait_exit() {
  for _ in $(seq 100); do
    if ! kill -0 "$APP_PID" 2>/dev/null; then
      local rc=0
      wait "$APP_PID" || rc=$?
      APP_PID=""
      if grep -qE "Sanitizer|runtime error" "$WORK/.app.log"; then
        cat "$WORK/.app.log" >&2
        fail "a sanitizer reported a fault"
      fi
      [ "$rc" -eq 0 ] || { cat "$WORK/.app.log" >&2; fail "the program ended with code $rc"; }
      return 0
    fi
    sleep 0.1
  done
  fail "the program did not end"
}

# A session bus and the accessibility bus, and the program told to speak to
# it (screen-reader tests); both end with the test.
start_atspi() {
  eval "$(dbus-launch --sh-syntax)"
  /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
  ATSPI_PID=$!
  trap 'kill "$ATSPI_PID" "$DBUS_SESSION_BUS_PID" 2>/dev/null; cleanup' EXIT
  # The program looks for the accessibility bus as it starts: wait for it.
  for _ in $(seq 100); do
    dbus-send --session --dest=org.a11y.Bus --print-reply /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null 2>&1 && break
    sleep 0.1
  done
  dbus-send --session --dest=org.a11y.Bus --print-reply /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null \
    || fail "no accessibility bus"
  export QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
}

# Writes what the program says on the accessibility bus to $EVENTS (see
# a11y_events.py), from before it starts; after start_atspi.
listen_atspi() {
  EVENTS="$WORK/events.txt"
  : >"$EVENTS"
  /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/a11y_events.py" thilaixe "$EVENTS" >"$WORK/.listen" 2>&1 &
  LISTEN_PID=$!
  trap 'kill "$LISTEN_PID" "$ATSPI_PID" "$DBUS_SESSION_BUS_PID" 2>/dev/null; cleanup' EXIT
  for _ in $(seq 100); do grep -q listening "$WORK/.listen" && return; sleep 0.1; done
  fail "the listener did not start: $(cat "$WORK/.listen")"
}

# Waits up to 10 s for a line of $EVENTS holding the fixed text $1.
said() {
  for _ in $(seq 100); do grep -qF -- "$1" "$EVENTS" && return; sleep 0.1; done
  fail "not said on the bus: $1
$(cat "$EVENTS")"
}

