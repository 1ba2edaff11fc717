#!/usr/bin/env bash
# Builds zandrel-atlas-bench natively and prints its table: occupancy and
# time of packing icons of adwaita-icon-theme and generated sprites.
# Usage: scripts/atlas-bench.sh [RUNS]   (default 5)
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/common.sh
ensure_packages g++ cmake make pkg-config libspng-dev zlib1g-dev libgtest-dev libstb-dev adwaita-icon-theme

build=build/native
cmake -S . -B "$build" >/dev/null
cmake --build "$build" -j2 --target zandrel-atlas-bench >/dev/null
"$build/bin/zandrel-atlas-bench" /usr/share/icons/Adwaita "${1:-5}"
