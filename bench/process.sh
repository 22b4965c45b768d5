#!/usr/bin/env bash
# Whole-process figures against a bare Qt window of the same size, under
# Xvfb, medians of alternating runs:
#   start-up     start to the first window mapped (MapNotify, one X client),
#                without and with a session bus
#   memory       peak RSS (VmHWM) after a whole exam and its answer review,
#                against the bare window's; and after a 45-question paper of
#                the 600-question bank (class D, every slot shown, handed in,
#                reviewed to its end) against the classic exam's (goal:
#                within 3 MB: pictures are decoded only when shown)
#   waiting      CPU per second on the exam sheet before Start (the globe)
# Each against two floors: the bare window, and the bare window doing the
# least the figure's work needs (one caption in the title font: the font
# database and one face; one 281x250 picture repainted every 5 ms).
#   bench/process.sh [RUNS]      (default 15; needs a build)
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
runs="${1:-15}"
b="${THILAIXE_BUILD:-$here/build}"
source "$here/tests/e2e/lib.sh" "$b/thilaixe" "$b/make_sample_bank"
start_x
make_bank
median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }
hwm() { awk '/VmHWM/ {print $2 / 1024}' "/proc/$1/status" 2>/dev/null || echo 0; }
cpu() { awk '{print $14 + $15}' "/proc/$1/stat"; }

ours=() bare=() mem_bare=() caption=() mem_caption=() ours_bus=() bare_bus=()
# On a desktop a session bus runs: Qt's accessibility bridge connects to it
# at the first accessibility event. Without one (a bare X server, as here)
# the connection starts dbus-launch, about 10 ms, before the map in a program
# that sets a label's text before showing its window, after it in a bare one.
bus=$(dbus-daemon --session --fork --print-address=1 --print-pid=1 2>/dev/null || true)
bus_addr=$(sed -n 1p <<<"$bus") bus_pid=$(sed -n 2p <<<"$bus")
for _ in $(seq "$runs"); do
  read -r ms pid < <(cd "$WORK" && "$b/bench/map_wait" env -u QT_QPA_PLATFORM "$b/thilaixe")
  ours+=("$ms"); kill "$pid" 2>/dev/null || true
  read -r ms pid < <("$b/bench/map_wait" env -u QT_QPA_PLATFORM "$b/bench/bare_window")
  bare+=("$ms"); sleep 0.3; mem_bare+=("$(hwm "$pid")"); kill "$pid" 2>/dev/null || true
  read -r ms pid < <("$b/bench/map_wait" env -u QT_QPA_PLATFORM "$b/bench/bare_window" --caption)
  caption+=("$ms"); sleep 0.3; mem_caption+=("$(hwm "$pid")"); kill "$pid" 2>/dev/null || true
  if [ -n "$bus_addr" ]; then
    read -r ms pid < <(cd "$WORK" && "$b/bench/map_wait" env -u QT_QPA_PLATFORM DBUS_SESSION_BUS_ADDRESS="$bus_addr" "$b/thilaixe")
    ours_bus+=("$ms"); kill "$pid" 2>/dev/null || true
    read -r ms pid < <("$b/bench/map_wait" env -u QT_QPA_PLATFORM DBUS_SESSION_BUS_ADDRESS="$bus_addr" "$b/bench/bare_window")
    bare_bus+=("$ms"); kill "$pid" 2>/dev/null || true
  fi
done
[ -n "$bus_pid" ] && kill "$bus_pid" 2>/dev/null || true

# The ticker floor: CPU per second of a bare window repainting at 5 ms.
ticker=()
for _ in $(seq 3); do
  env -u QT_QPA_PLATFORM "$b/bench/bare_window" --ticker >/dev/null 2>&1 &
  pid=$!; sleep 1.5
  t0=$(cpu "$pid"); sleep 5; t1=$(cpu "$pid")
  ticker+=("$(awk -v a="$t0" -v b="$t1" -v hz="$(getconf CLK_TCK)" 'BEGIN {print (b - a) / hz / 5 * 100}')")
  kill "$pid"; wait "$pid" 2>/dev/null || true
done

# A whole exam: declare, Start, answer every slot, End, open the review.
mem=() idle=()
for _ in $(seq 3); do
  : >"$WORK/DuLieu.txt"
  open_entry
  xdotool type --delay 30 c
  open_sheet C
  t0=$(cpu "$APP_PID"); sleep 5; t1=$(cpu "$APP_PID")
  idle+=("$(awk -v a="$t0" -v b="$t1" -v hz="$(getconf CLK_TCK)" 'BEGIN {print (b - a) / hz / 5 * 100}')")
  sit $(printf '1 %.0s' $(seq 30))
  focus "$RESULT"
  keys alt+x
  wait_window '^Ban da tra loi' >/dev/null
  sleep 0.5
  mem+=("$(hwm "$APP_PID")")
  kill "$APP_PID"; wait "$APP_PID" 2>/dev/null || true; APP_PID=""
done

# A 45-question paper of the 600-question bank, every slot shown.
mem45=()
for _ in $(seq 3); do
  rm -f "$WORK/thilaixe.sqlite"*
  start_bank D
  keys alt+t
  paper=$(wait_window '^Thi thử hạng D – ')
  focus "$paper"
  for _ in $(seq 44); do xdotool key --delay 20 1 Right; done
  keys alt+n Return
  keys alt+x
  for _ in $(seq 44); do xdotool key --delay 20 Right; done
  sleep 0.5
  mem45+=("$(hwm "$APP_PID")")
  kill "$APP_PID"; wait "$APP_PID" 2>/dev/null || true; APP_PID=""
done

o=$(printf '%s\n' "${ours[@]}" | median); f=$(printf '%s\n' "${bare[@]}" | median)
fc=$(printf '%s\n' "${caption[@]}" | median)
m=$(printf '%s\n' "${mem[@]}" | median); mf=$(printf '%s\n' "${mem_bare[@]}" | median)
mc=$(printf '%s\n' "${mem_caption[@]}" | median)
c=$(printf '%s\n' "${idle[@]}" | median); ct=$(printf '%s\n' "${ticker[@]}" | median)
printf '%-34s %10s %10s %7s %12s %7s\n' "what" "ours" "bare" "ratio" "least floor" "ratio"
awk -v o="$o" -v f="$f" -v g="$fc" 'BEGIN {printf "%-34s %7.1f ms %7.1f ms %7.2f %9.1f ms %7.2f\n", "start-up to the window mapped", o, f, o / f, g, o / g}'
if [ "${#ours_bus[@]}" -gt 0 ]; then
  ob=$(printf '%s\n' "${ours_bus[@]}" | median); fb=$(printf '%s\n' "${bare_bus[@]}" | median)
  awk -v o="$ob" -v f="$fb" 'BEGIN {printf "%-34s %7.1f ms %7.1f ms %7.2f\n", "  the same with a session bus", o, f, o / f}'
fi
awk -v o="$m" -v f="$mf" -v g="$mc" 'BEGIN {printf "%-34s %7.1f MB %7.1f MB %7.2f %9.1f MB %7.2f\n", "peak memory after exam and review", o, f, o / f, g, o / g}'
m45=$(printf '%s\n' "${mem45[@]}" | median)
awk -v o="$m45" -v f="$m" 'BEGIN {printf "%-34s %7.1f MB %7.1f MB %7s %9s    %+.1f MB\n", "peak memory, 45-question paper", o, f, "-", "classic", o - f}'
awk -v c="$c" -v g="$ct" 'BEGIN {printf "%-34s %7.1f %%  %10s %7s %9.1f %%  %7.2f\n", "CPU on the waiting sheet", c, "-", "-", g, c / g}'
