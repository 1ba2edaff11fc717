#!/usr/bin/env bash
# The colour quantiser against libimagequant (the pngquant program, used here
# only): installs pngquant and the icon theme the real art comes from, builds
# zandrel-quant-bench natively and prints its table per image class.
# Usage: scripts/quant-bench.sh [RUNS] [--verbose]   (default: best of 3 runs)
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/common.sh
ensure_packages pngquant adwaita-icon-theme cmake make g++ pkg-config libspng-dev zlib1g-dev

build=build/native
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j2 --target zandrel-quant-bench >/dev/null
scratch=build/quant-bench
mkdir -p "$scratch"
icons=/usr/share/icons/Adwaita
"$build/bin/zandrel-quant-bench" "$scratch" --runs "${1:-3}" ${2:-} \
  icons512="$icons/512x512" icons48="$icons/48x48:40"
