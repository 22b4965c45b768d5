#!/usr/bin/env bash
# Shared by run.sh, test.sh and bench.sh: install what is missing, configure,
# build.
#   tools/setup.sh BUILD_DIR [extra cmake arguments]
# THILAIXE_SET says what the build is for, and so which packages it needs:
#   build  (default) the program: compiler, CMake, Qt 6 and fonts;
#   test   the build set and what the tests use: an X server and xdotool,
#          OCR, ImageMagick, the packaging checks;
#   bench  the test set and Google Benchmark with the X headers.
# EXTRA_PACKAGES adds to the set (clang for the fuzzers, clang-tidy).
# As root, missing packages are installed with apt; anyone else is told the
# one apt line to run, and builds as soon as the build set is there.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$here/build}"
shift || true
set_name="${THILAIXE_SET:-build}"

run_set=(libqt6widgets6 libqt6sql6-sqlite libqt6sql6-psql libminizip1 libxlsxwriter4 qt6-qpa-plugins fonts-dejavu-core fonts-liberation)
build_set=("${run_set[@]}" cmake make g++ pkg-config qt6-base-dev libgl-dev libminizip-dev libxlsxwriter-dev)
test_set=("${build_set[@]}" xvfb xauth xdotool x11-utils imagemagick desktop-file-utils appstream dpkg-dev
          lintian tesseract-ocr tesseract-ocr-vie at-spi2-core python3-pyatspi dbus-x11 faketime
          postgresql postgresql-client poppler-utils python3-openpyxl python3-odf python3-pil)
bench_set=("${test_set[@]}" libbenchmark-dev libxcb1-dev libsqlite3-dev)
case "$set_name" in
  build) packages=("${build_set[@]}") ;;
  test) packages=("${test_set[@]}") ;;
  bench) packages=("${bench_set[@]}") ;;
  *) echo "THILAIXE_SET must be build, test or bench, not '$set_name'" >&2; exit 2 ;;
esac
# shellcheck disable=SC2206
packages+=(${EXTRA_PACKAGES:-})

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" -eq 0 ]; then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
  else
    echo "Missing packages for the $set_name set. Run as root:" >&2
    echo "  apt-get install -y ${missing[*]}" >&2
    exit 1
  fi
fi

cmake_args=()
case "$set_name" in
  # A new build folder builds no test; one the tests use keeps them.
  build) [ -f "$build/CMakeCache.txt" ] || cmake_args+=(-DBUILD_TESTING=OFF) ;;
  test) cmake_args+=(-DBUILD_TESTING=ON) ;;
  bench) cmake_args+=(-DBUILD_TESTING=ON -DTHILAIXE_BENCHMARKS=ON) ;;
esac
# Configure messages stay quiet; warnings and errors are shown.
cmake -S "$here" -B "$build" --log-level=WARNING "${cmake_args[@]}" "$@"
cmake --build "$build" -j2
