#!/usr/bin/env bash
# Installs the Debian packages that the build, the tests and the main job need.
# Idempotent: a package that is already installed is skipped, and apt is not
# touched at all when nothing is missing.
set -euo pipefail

packages=(
  cmake ninja-build make
  g++ googletest libgtest-dev          # native build and tests
  g++-mingw-w64-x86-64 mingw-w64-x86-64-dev   # Windows x64 cross build
  wine wine64                          # runs the Windows tests and the stand-in
  xvfb xauth                           # headless display (xvfb-run needs xauth)
  fonts-wine fonts-liberation2         # Tahoma / MS Shell Dlg, Arial and Times metrics
  python3                              # pictures: the SVG sources are generated
  imagemagick librsvg2-bin             # pictures: SVG sources to bitmaps
  fp-utils gcab                        # help: chmcmd compiles the CHM, gcab packs the cabinet
  clang libclang-rt-14-dev             # fuzz targets: clang with libFuzzer and the sanitizers
  clang-format                         # make format
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "bootstrap: all packages present"
  exit 0
fi

echo "bootstrap: installing ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
echo "bootstrap: done"
