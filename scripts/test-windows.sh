#!/usr/bin/env bash
# The Windows part of ./test: builds the desktop tool for 32-bit Windows (the
# release) and 64-bit Windows (run here under Wine: this kernel runs no
# 32-bit code), runs the 64-bit tests under Wine on a virtual display, then
# the end-to-end test of zandrel.exe with real drag and drop.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)

. scripts/packages.sh
. scripts/wine-env.sh
ensure_packages cmake make g++ googletest libgtest-dev pkg-config libspng-dev zlib1g-dev libstb-dev libz-mingw-w64-dev \
  g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix binutils-mingw-w64-i686 binutils-mingw-w64-x86-64 \
  wine wine64 xvfb xauth fonts-ipafont-gothic locales python3-xlib imagemagick
zandrel_ensure_locale

step() { printf '\n== %s ==\n' "$*"; }

step "Windows i686 build (the release)"
cmake -S . -B build/win32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-i686.cmake -DCMAKE_BUILD_TYPE=Release \
  -DZANDREL_WERROR=ON >/dev/null
cmake --build build/win32 -j"$jobs"

step "Windows x86_64 build"
cmake -S . -B build/win64 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=Release \
  -DZANDREL_WERROR=ON >/dev/null
cmake --build build/win64 -j"$jobs"

# The end-to-end test compares with the native command-line tool.
# (./test has built it already; this is quick then.)
if [ ! -f build/native/CMakeCache.txt ]; then
  cmake -S . -B build/native -DCMAKE_BUILD_TYPE=Release -DZANDREL_WERROR=ON >/dev/null
fi
cmake --build build/native -j"$jobs" --target zandrel-cli

cleanup() {
  zandrel_wine_stop
  zandrel_stop_xvfb
}
trap cleanup EXIT

zandrel_start_xvfb
zandrel_wine_prefix "$PWD/build/win64/wineprefix" N
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8

step "x86_64 tests under Wine ($DISPLAY)"
ctest --test-dir build/win64 --output-on-failure -j"$jobs" --timeout 600

step "end-to-end: zandrel.exe with drag and drop"
rm -rf build/win64/artifacts
timeout 600 /usr/bin/python3 tests/e2e/run_e2e.py --exe build/win64/bin/zandrel.exe \
  --helper build/win64/bin/zandrel_e2e_helper.exe --cli build/native/bin/zandrel-cli \
  --artifacts build/win64/artifacts
echo "screenshots: build/win64/artifacts/"
