#!/usr/bin/env bash
# Builds the libFuzzer targets and runs each of them for a bounded time.
# Usage: scripts/fuzz.sh [SECONDS_PER_TARGET] [TARGET...]   (default 20 s, every target)
# Findings are written to build/fuzz/findings/; new corpus entries stay in
# build/fuzz/corpus/ (the checked-in seeds in fuzz/corpus/ are not touched).
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/packages.sh
ensure_packages clang-14 libfuzzer-14-dev libclang-rt-14-dev cmake make pkg-config libspng-dev zlib1g-dev libstb-dev

seconds=${1:-20}
shift || true
build=build/fuzz
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang-14 \
  -DCMAKE_CXX_COMPILER=clang++-14 -DZANDREL_BUILD_TESTS=OFF -DZANDREL_FUZZ=ON >/dev/null
cmake --build "$build" -j"$(nproc)" >/dev/null

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for src in fuzz/fuzz_*.cpp; do targets+=("$(basename "$src" .cpp)"); done
fi

mkdir -p "$build/findings"
for target in "${targets[@]}"; do
  corpus="$build/corpus/$target"
  mkdir -p "$corpus"
  seeds=()
  [ -d "fuzz/corpus/$target" ] && seeds=("fuzz/corpus/$target")
  dict=()
  [ -f "fuzz/$target.dict" ] && dict=("-dict=fuzz/$target.dict")
  echo "== $target: ${seconds}s =="
  "$build/bin/$target" "${dict[@]}" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -malloc_limit_mb=64 -print_final_stats=1 -artifact_prefix="$build/findings/$target-" \
    "$corpus" "${seeds[@]}" 2>&1 | grep -E '^(#[0-9]+.*(DONE|pulse)|stat::number_of_executed_units|stat::peak_rss|==[0-9]+==|SUMMARY|Done)' | tail -n 6
  status=${PIPESTATUS[0]}
  if [ "$status" -ne 0 ]; then
    echo "$target found a failure (see $build/findings/)"
    exit 1
  fi
done
