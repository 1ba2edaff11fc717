#!/usr/bin/env bash
# Converts a 16384 x 16384 32-bit bitmap (1 GiB) with zandrel-cli --binary and
# reports its time and peak memory against the bound of 8 bytes a pixel plus
# 16 MiB. Needs about 5 GB of free disk in FOLDER; everything is removed after.
# Usage: scripts/big-image-check.sh [FOLDER] [CLI]
#   (defaults: a fresh folder under /tmp, build/native/bin/zandrel-cli)
set -euo pipefail
cd "$(dirname "$0")/.."
cli=${2:-build/native/bin/zandrel-cli}
[ -x "$cli" ] || { echo "no $cli: run ./test or build first" >&2; exit 2; }
own=""
if [ -n "${1:-}" ]; then folder=$1; mkdir -p "$folder"; else folder=$(mktemp -d /tmp/zandrel-big-XXXXXX); own=1; fi
trap 'rm -f "$folder/big.bmp" "$folder/image_big.c" "$folder/image_big.bin"; [ -z "$own" ] || rmdir "$folder"' EXIT

width=16384
height=16384
image=$((width * height * 4))
le32() { printf "\\x$(printf %02x $(($1 & 255)))\\x$(printf %02x $(($1 >> 8 & 255)))\\x$(printf %02x $(($1 >> 16 & 255)))\\x$(printf %02x $(($1 >> 24 & 255)))"; }
{
  printf 'BM'; le32 $((54 + image)); le32 0; le32 54
  le32 40; le32 $width; le32 $height; printf '\x01\x00\x20\x00'; le32 0; le32 $image
  le32 2835; le32 2835; le32 0; le32 0
  head -c "$image" /dev/urandom
} > "$folder/big.bmp"

stats=$( { /usr/bin/time -f '%M %e' "$cli" --binary "$folder/big.bmp" >/dev/null; } 2>&1 | tail -n 1)
peak_kib=${stats% *}
seconds=${stats#* }
limit_kib=$(( (8 * width * height + 16 * 1024 * 1024) / 1024 ))
text=$(stat -c %s "$folder/image_big.c")
binary=$(stat -c %s "$folder/image_big.bin")
echo "${width} x ${height} 32-bit: ${seconds} s, .c ${text} bytes, .bin ${binary} bytes"
echo "peak resident memory: $((peak_kib / 1024)) MiB (bound $((limit_kib / 1024)) MiB)"
[ "$binary" -eq $((3 * width * height)) ] || { echo "binary file has the wrong size" >&2; exit 1; }
[ "$peak_kib" -lt "$limit_kib" ] || { echo "peak memory above the bound" >&2; exit 1; }
echo "within the bound"
