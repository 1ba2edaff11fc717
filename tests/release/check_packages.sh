#!/usr/bin/env bash
# Builds the release packages with ./release twice, the second time from a
# fresh clone (another path, a later time), and requires the same bytes; then
# checks them as a user gets them: the .deb installed with dpkg (and removed
# again), the .tar.gz unpacked into a prefix, both found by
# find_package(Zandrel); the zip's 32-bit programs by their PE headers (this
# kernel runs no 32-bit code); in each, the documents, whole and without a
# dead link.
set -euo pipefail
cd "$(dirname "$0")/../.."
. scripts/common.sh
ensure_packages git cmake unzip dpkg binutils-mingw-w64-i686

version=$(sed -n 's/^project(Zandrel VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
scratch=$(mktemp -d)
installed=""
cleanup() {
  [ -z "$installed" ] || $sudo dpkg -r zandrel-cli >/dev/null
  rm -rf "$scratch"
}
trap cleanup EXIT
fail() { echo "check_packages: $*" >&2; exit 1; }

# ./release packages HEAD; a commit made meanwhile is not the one checked.
commit=$(git rev-parse HEAD)
./release >/dev/null

# Any time stamp or build path left in a package would differ in the second build.
git clone -q --no-checkout "$PWD" "$scratch/clone"
git -C "$scratch/clone" checkout -q --detach "$commit"
"$scratch/clone/release" >/dev/null
for package in dist/*; do
  cmp "$package" "$scratch/clone/$package" || fail "$package differs between two builds of one commit"
  echo "same bytes in both builds: $(sha256sum "$package")"
done
[ "$(ls dist)" = "$(ls "$scratch/clone/dist")" ] || fail "the two builds made different files"

# The documents every package holds, as the packaged commit has them.
committed=$scratch/clone
documents=$(git -C "$committed" ls-files README.md CONTRIBUTING.md LICENSE 'docs/*.md' 'docs/*.png' | LC_ALL=C sort)

# check_documents FOLDER: the documents are there as committed, and no relative link in them is dead.
check_documents() {
  local document
  for document in $documents; do
    cmp -s "$1/$document" "$committed/$document" || fail "$1/$document is missing or differs"
  done
  cmake -DDOC_ROOT="$1" -P "$committed/tests/docs/check_links.cmake" >/dev/null ||
    fail "dead links in $1"
}

# check_cli PREFIX: find_package(Zandrel) under PREFIX names PREFIX/bin/zandrel-cli, which answers.
check_cli() {
  local project=$scratch/uses-zandrel cli
  mkdir -p "$project"
  printf '%s\n' 'cmake_minimum_required(VERSION 3.25)' 'project(uses_zandrel NONE)' \
    "find_package(Zandrel $version EXACT REQUIRED)" 'message(STATUS "cli=${ZANDREL_CLI}")' >"$project/CMakeLists.txt"
  cli=$(cmake -S "$project" -B "$project/build" -DCMAKE_PREFIX_PATH="$1" | sed -n 's/^-- cli=//p')
  rm -rf "$project"
  [ "$cli" = "$1/bin/zandrel-cli" ] || fail "find_package(Zandrel) under $1 gave '$cli'"
  [ "$("$cli" --version)" = "Zandrel $version" ] || fail "$cli --version: $("$cli" --version)"
}

deb=dist/zandrel-cli_${version}_$(dpkg --print-architecture).deb
dpkg-deb -f "$deb" Depends | grep -q 'libc6 (>= ' || fail "$deb: no Depends generated"
if dpkg-query -W -f='${Status}' zandrel-cli 2>/dev/null | grep -q 'ok installed'; then
  fail "zandrel-cli is installed already; remove it (dpkg -r zandrel-cli) to test the package"
fi
$sudo dpkg -i "$deb" >/dev/null
installed=yes
check_cli /usr
# What the .deb ships (a system may be set to install no documents: path-exclude).
dpkg-deb -x "$deb" "$scratch/deb"
check_documents "$scratch/deb/usr/share/doc/zandrel-cli"

tgz=dist/zandrel-cli-$version-linux-$(uname -m).tar.gz
mkdir "$scratch/prefix"
tar -xzf "$tgz" -C "$scratch/prefix"
check_cli "$scratch/prefix"
check_documents "$scratch/prefix/share/doc/zandrel-cli"

zip=dist/zandrel-$version-win32.zip
unzip -q "$zip" -d "$scratch/zip"
dir=$scratch/zip/zandrel-$version-win32
files=$(cd "$dir" && find . -type f -printf '%P\n' | LC_ALL=C sort)
[ "$files" = "$(printf '%s\n' $documents zandrel-cli.exe zandrel.exe | LC_ALL=C sort)" ] ||
  fail "$zip holds: $(echo $files)"
check_documents "$dir"

# check_exe EXE SUBSYSTEM: 32-bit, stripped, needing no DLL that Windows lacks.
check_exe() {
  local exe=$dir/$1 headers dll
  headers=$(i686-w64-mingw32-objdump -p "$exe")
  grep -q 'file format pei-i386$' <<<"$headers" || fail "$1 is not i386"
  grep -qE "^Subsystem[[:space:]]+0000000$2[[:space:]]" <<<"$headers" || fail "$1: subsystem is not $2"
  grep -q 'symbols stripped' <<<"$headers" || fail "$1 has a symbol table"
  ! i686-w64-mingw32-objdump -h "$exe" | grep -q '\.debug' || fail "$1 has DWARF sections"
  for dll in $(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$headers"); do
    case ${dll,,} in
      kernel32.dll | user32.dll | gdi32.dll | shell32.dll | comctl32.dll | comdlg32.dll | msvcrt.dll | \
        advapi32.dll | ole32.dll | oleaut32.dll | shlwapi.dll | uxtheme.dll | windowscodecs.dll | version.dll) ;;
      *) fail "$1 imports $dll" ;;
    esac
  done
}
check_exe zandrel.exe 2
check_exe zandrel-cli.exe 3
echo "release packages: all checks passed"
