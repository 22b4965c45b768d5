#!/usr/bin/env bash
# Keeps src/ to its layers. Usage: tools/check_layers.sh [SOURCE_DIR]
#  - nothing under src/rules includes a Qt Widgets header or anything of
#    src/screens, and tools/ and the fuzz targets include no screen;
#  - the system is called in one file (rules/common/NenTangPosix.cpp): no
#    other file of src/ includes a POSIX header;
#  - nothing reads the clock or draws a random number but through the
#    seams (screens/common/Seams.cpp), bar the files named below;
#  - a folder includes only itself and the folders below it:
#      rules/common < rules/bank < rules/{exam,history,decor} < rules/databank
#      < rules/practice < rules/school < rules/store < rules/session < screens/common
#      < screens/{entry,exam,study,history,databank} < screens/app
set -euo pipefail
root="${1:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}"
cd "$root"

rank() {
  case "$1" in
    rules/common) echo 0 ;;
    rules/bank) echo 1 ;;
    rules/exam | rules/history | rules/decor) echo 2 ;;
    rules/databank) echo 3 ;;
    rules/practice) echo 4 ;;
    rules/school) echo 5 ;;
    rules/store) echo 6 ;;
    rules/session) echo 7 ;;
    screens/common) echo 8 ;;
    screens/entry | screens/exam | screens/study | screens/history | screens/databank) echo 9 ;;
    screens/app) echo 10 ;;
    *) echo "" ;;
  esac
}

widgets_dir=$(find /usr/include -maxdepth 3 -type d -name QtWidgets -path '*qt6*' | head -n1)
bad=0
say() { echo "layers: $*" >&2; bad=1; }

while IFS= read -r f; do
  dir=$(dirname "${f#src/}")
  r=$(rank "$dir")
  [ -n "$r" ] || { say "$f: folder $dir has no layer"; continue; }
  while IFS= read -r inc; do
    idir=$(dirname "$inc")
    [ "$idir" = "$dir" ] && continue
    ir=$(rank "$idir")
    if [ -z "$ir" ]; then
      say "$f includes $inc, which is in no layer"
    elif [ "$ir" -ge "$r" ]; then
      say "$f ($dir) includes $inc ($idir): a folder includes only those below it"
    fi
  done < <(sed -n 's/^#include "\([^"]*\)".*/\1/p' "$f")
  if [[ "$dir" == rules/* ]]; then
    while IFS= read -r inc; do
      name=${inc#QtWidgets/}
      if [[ "$inc" == QtWidgets/* ]] || { [ -n "$widgets_dir" ] && [ -e "$widgets_dir/$name" ]; }; then
        say "$f includes <$inc>, a widget header, in the rules layer"
      fi
    done < <(sed -n 's/^#include <\([^>]*\)>.*/\1/p' "$f")
  fi
done < <(find src -name '*.h' -o -name '*.cpp' | sort)

while IFS= read -r f; do
  grep -q '#include "screens/' "$f" && say "$f includes a screen; tools and fuzz targets use the rules only"
done < <(find tools tests/fuzz -name '*.cpp' | sort)

# The clock and the random source are read behind the seams only. Beside
# them: the source the seams draw from, and the platform file, whose stamps
# name the files moved aside or saved (a file's date, not a rule).
while IFS= read -r f; do
  say "$f reads the clock or draws a random number itself: that goes through the seams"
done < <(grep -rlE 'current(Date|Time|DateTime|MSecsSinceEpoch|SecsSinceEpoch)|QRandomGenerator|std::rand|random_device|_clock::now' src |
  grep -vE '^src/(screens/common/Seams|rules/bank/NgauNhien|rules/common/NenTangPosix)\.cpp$' | sort)

while IFS= read -r f; do
  say "$f calls the system itself: that goes in rules/common/NenTang.h and its implementation"
done < <(grep -rlE '^#include <(unistd|fcntl|dirent|pwd|grp)\.h>|^#include <sys/' src |
  grep -v '^src/rules/common/NenTangPosix.cpp$' | sort)

exit $bad
