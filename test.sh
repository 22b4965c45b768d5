#!/usr/bin/env bash
# Builds everything and runs every test with ctest.
#   ./test.sh             the normal build (build/)
#   ./test.sh --sanitize  the same suite built with AddressSanitizer and
#                         UndefinedBehaviorSanitizer (build-sanitize/)
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"

if [ "${1:-}" = "--sanitize" ]; then
  build="$here/build-sanitize"
  THILAIXE_SET=test "$here/tools/setup.sh" "$build" -DTHILAIXE_SANITIZE=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo
  export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=1"
  export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
  export LSAN_OPTIONS="suppressions=$here/tools/lsan.supp:print_suppressions=0"
else
  build="$here/build"
  THILAIXE_SET=test "$here/tools/setup.sh" "$build"
fi
cd "$build"
ctest --output-on-failure -j2
