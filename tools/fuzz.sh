#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time
# on a copy of its seed corpus.
#   tools/fuzz.sh [SECONDS_PER_TARGET]   (default 60)
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
seconds="${1:-60}"
build="$here/build-fuzz"

EXTRA_PACKAGES="clang-14 libclang-rt-14-dev" CC=clang-14 CXX=clang++-14 "$here/tools/setup.sh" "$build" -DTHILAIXE_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo

export ASAN_OPTIONS="detect_leaks=0:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
status=0
for target in history picture practice bank sheet; do
  work="$(mktemp -d)"
  cp "$here/tests/fuzz/corpus/$target/"* "$work/"
  echo "== fuzz_$target for ${seconds}s"
  # The fuzzer's own exit status decides (non-zero on a crash, a leak, a
  # timeout or running out of memory); the log is kept for the summary.
  rc=0
  (cd "$work" && "$build/tests/fuzz/fuzz_$target" -max_total_time="$seconds" -rss_limit_mb=2048 \
     -timeout=10 -print_final_stats=1 "$work" >"$work.log" 2>&1) || rc=$?
  grep -E "stat::|ERROR|SUMMARY|Done|crash-|BINGO" "$work.log" || true
  if [ "$rc" -ne 0 ] || ls "$work"/crash-* "$work"/leak-* "$work"/timeout-* "$work"/oom-* >/dev/null 2>&1; then
    echo "fuzz_$target found a fault (exit $rc)" >&2
    tail -n 40 "$work.log" >&2
    status=1
  fi
  rm -f "$work.log"
  rm -rf "$work"
done
exit $status
