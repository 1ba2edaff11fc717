#!/usr/bin/env bash
# The Windows part of ./test: builds the desktop tool for 32-bit Windows (the
# release) and 64-bit Windows (run here under Wine: this kernel runs no
# 32-bit code), runs the 64-bit tests under Wine on a virtual display, then
# the end-to-end test of zandrel.exe with real drag and drop.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/common.sh
. scripts/wine-env.sh
ensure_packages "${ZANDREL_NATIVE_PACKAGES[@]}" "${ZANDREL_GTEST_PACKAGES[@]}" "${ZANDREL_MINGW_I686_PACKAGES[@]}" \
  "${ZANDREL_MINGW_X86_64_PACKAGES[@]}" "${ZANDREL_WINE_PACKAGES[@]}" xvfb xauth python3-xlib imagemagick
zandrel_ensure_locale

step "Windows i686 build (the release)"
build_preset win32

step "Windows x86_64 build"
build_preset win64

# The end-to-end test compares with the native command-line tool.
# (./test has built it already; this is quick then.)
build_preset native --target zandrel-cli

cleanup() {
  zandrel_wine_stop
  zandrel_stop_xvfb
}
trap cleanup EXIT

zandrel_start_xvfb
zandrel_wine_prefix "$PWD/build/win64/wineprefix" N
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8

step "x86_64 tests under Wine ($DISPLAY)"
test_preset win64

step "end-to-end: zandrel.exe with drag and drop"
rm -rf build/win64/artifacts
timeout 600 /usr/bin/python3 tests/e2e/run_e2e.py --exe build/win64/bin/zandrel.exe \
  --helper build/win64/bin/zandrel_e2e_helper.exe --cli build/native/bin/zandrel-cli \
  --artifacts build/win64/artifacts
echo "screenshots: build/win64/artifacts/"
