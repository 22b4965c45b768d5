#!/usr/bin/env bash
# Shared by run.sh and test.sh: install what is missing, configure, build.
# Usage: tools/setup.sh BUILD_DIR [extra cmake arguments]
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$here/build}"
shift || true

packages=(cmake make g++ qt6-base-dev libgl-dev xvfb xauth xdotool x11-utils imagemagick
          fonts-dejavu-core fonts-liberation desktop-file-utils appstream dpkg-dev lintian tesseract-ocr tesseract-ocr-vie
          libbenchmark-dev libxcb1-dev
          ${EXTRA_PACKAGES:-})
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
    echo "Missing packages. Run as root:" >&2
    echo "  apt-get install -y ${missing[*]}" >&2
    exit 1
  fi
fi

cmake -S "$here" -B "$build" "$@" >/dev/null
cmake --build "$build" -j2
