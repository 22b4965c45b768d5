#!/usr/bin/env bash
# Builds everything and runs every test with ctest.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
"$here/tools/setup.sh" "$here/build"
cd "$here/build"
ctest --output-on-failure -j2
