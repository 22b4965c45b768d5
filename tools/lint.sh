#!/usr/bin/env bash
# The format check and clang-tidy over the project's own sources.
#   tools/lint.sh          both (clang-tidy needs build/compile_commands.json:
#                          ./test.sh or tools/setup.sh makes it)
#   tools/lint.sh format   the format check only
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$here"
THILAIXE_SET=test EXTRA_PACKAGES="clang-format clang-tidy" tools/setup.sh "$here/build" >/dev/null

mapfile -t sources < <(git ls-files '*.cpp' '*.h')
echo "clang-format: checking ${#sources[@]} files"
clang-format --dry-run -Werror "${sources[@]}"
[ "${1:-}" = "format" ] && exit 0

echo "clang-tidy: checking the .cpp files of src, tests and tools"
run-clang-tidy -p build -j2 -quiet "$here/(src|tests|tools)/.*\.cpp$" >/tmp/thilaixe-tidy.log 2>&1 || {
  sed 's/\x1b\[[0-9;]*m//g' /tmp/thilaixe-tidy.log | grep -E -A3 '(warning|error):' >&2
  echo "clang-tidy: findings above" >&2
  exit 1
}
echo "clang-tidy: clean"
