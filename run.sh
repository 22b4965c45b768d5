#!/usr/bin/env bash
# Builds the program, makes the sample question bank if there is none, and
# starts the program with build/data as its working folder.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
"$here/tools/setup.sh" "$here/build"
data="$here/build/data"
if [ ! -f "$data/300.jpg" ]; then
  echo "Making the sample question bank in $data"
  "$here/build/make_sample_bank" "$data"
fi
[ -f "$data/DuLieu.txt" ] || : > "$data/DuLieu.txt"
cd "$data"
exec "$here/build/thilaixe"
