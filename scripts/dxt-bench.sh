#!/usr/bin/env bash
# The DXT benchmark: PSNR and time of ours against stb_dxt on 512 x 512 images
# (zandrel-dxt-bench). With --windows it also builds the encoder for 64-bit
# and 32-bit Windows and shows that the 64-bit build, under Wine, gives the
# same bytes as Linux for every image and mip chain (the 32-bit build is
# built only: this kernel runs no 32-bit code).
# Usage: scripts/dxt-bench.sh [--windows]
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/common.sh
ensure_packages g++ cmake make pkg-config libgtest-dev libspng-dev zlib1g-dev libstb-dev fonts-dejavu-core \
  adwaita-icon-theme

cmake -S . -B build/native >/dev/null
cmake --build build/native -j2 --target zandrel-dxt-bench zandrel-dxt-hashes >/dev/null
status=0
build/native/bin/zandrel-dxt-bench || status=$?
[ "${1:-}" = --windows ] || exit "$status"

ensure_packages g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix libz-mingw-w64-dev wine wine64
set=build/dxt-bench/images
rm -rf "$set" && mkdir -p "$set"
build/native/bin/zandrel-dxt-bench --save "$set"
for arch in x86_64 i686; do
  dir=build/dxt-bench/$arch
  cmake -S . -B "$dir" -DCMAKE_TOOLCHAIN_FILE="cmake/mingw-w64-$arch.cmake" -DZANDREL_BUILD_TESTS=OFF >/dev/null
  cmake --build "$dir" -j2 --target zandrel_convert >/dev/null
  # The bench folder is native-only in CMake; the fingerprint tool needs only the engine.
  "$arch-w64-mingw32-g++-posix" -O2 -std=c++20 -Isrc bench/dxt_hashes.cpp "$dir/src/convert/libzandrel_convert.a" \
    "$dir/src/convert/libzandrel_squish.a" "$dir/src/framework/libzandrel_framework.a" -static \
    -o "$dir/zandrel-dxt-hashes.exe"
done
(cd "$set" && ../../native/bin/zandrel-dxt-hashes *.raw) >build/dxt-bench/linux.txt
(cd "$set" && WINEDEBUG=-all WINEPREFIX="$PWD/../wineprefix" /usr/lib/wine/wine64 ../x86_64/zandrel-dxt-hashes.exe *.raw) \
  | tr -d '\r' >build/dxt-bench/win64.txt
if cmp -s build/dxt-bench/linux.txt build/dxt-bench/win64.txt; then
  echo "Linux x86_64 and Windows x86_64 (Wine): the same DXT1/DXT3/DXT5 bytes, level 0 and mip chains," \
    "for all $(wc -l <build/dxt-bench/linux.txt) images"
else
  echo "Linux and Windows DXT bytes differ:"
  diff build/dxt-bench/linux.txt build/dxt-bench/win64.txt || true
  status=1
fi
exit "$status"
