#!/usr/bin/env bash
# Unpacks Debian's libsquish source package into DIR (the build tree's copy;
# never committed). Adds deb-src entries beside the configured deb ones when
# apt has none, so `apt-get source` can find the package.
# Usage: scripts/fetch-squish-source.sh DIR
set -euo pipefail
dest=$1
here=$(cd "$(dirname "$0")" && pwd)
. "$here/common.sh"
ensure_packages dpkg-dev

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
if ! apt-get source --print-uris libsquish >/dev/null 2>&1; then
  echo "adding deb-src entries for the configured Debian archives"
  list=/etc/apt/sources.list.d/zandrel-deb-src.sources
  tmp=$(mktemp)
  for f in /etc/apt/sources.list.d/*.sources; do
    if [ -f "$f" ] && [ "$f" != "$list" ]; then
      sed -E 's/^Types:[[:space:]]*deb[[:space:]]*$/Types: deb-src/' "$f" >>"$tmp"
      echo >>"$tmp"
    fi
  done
  legacy=$(sed -nE 's/^deb[[:space:]]+/deb-src /p' /etc/apt/sources.list 2>/dev/null || true)
  [ -z "$legacy" ] || echo "$legacy" | $sudo tee "${list%.sources}.list" >/dev/null
  $sudo mv "$tmp" "$list"
  $sudo chmod 644 "$list"
  $sudo apt-get update -qq
fi

mkdir -p "$(dirname "$dest")"
work=$(mktemp -d "${dest%/}.XXXXXX")
trap 'rm -rf "$work"' EXIT
(cd "$work" && apt-get source libsquish >"$work/log" 2>&1) || { cat "$work/log" >&2; exit 1; }
src=$(find "$work" -mindepth 1 -maxdepth 1 -type d -name 'libsquish-*' | head -n 1)
[ -n "$src" ] && [ -f "$src/squish.h" ] || { echo "apt-get source libsquish gave no squish.h" >&2; exit 1; }
rm -rf "$dest"
mv "$src" "$dest"
