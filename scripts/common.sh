# Sourced by every script: the Debian packages each part needs, installing
# what is missing, and building with the presets of CMakePresets.json.

# Packages by what they build or run.
ZANDREL_NATIVE_PACKAGES=(cmake make g++ pkg-config libspng-dev zlib1g-dev libstb-dev)
ZANDREL_GTEST_PACKAGES=(libgtest-dev googletest)
ZANDREL_MINGW_I686_PACKAGES=(g++-mingw-w64-i686-posix binutils-mingw-w64-i686 libz-mingw-w64-dev)
ZANDREL_MINGW_X86_64_PACKAGES=(g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 libz-mingw-w64-dev)
ZANDREL_WINE_PACKAGES=(wine wine64 fonts-ipafont-gothic locales)

# ensure_packages PACKAGE...: installs those that are missing. apt-get update
# runs at most once per invocation, and only when needed.
ensure_packages() {
  local missing=()
  local pkg
  for pkg in "$@"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  if [ -z "${ZANDREL_APT_UPDATED:-}" ]; then
    $sudo apt-get update -qq
    export ZANDREL_APT_UPDATED=1
  fi
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
}

# step TITLE...: the heading of one part of a script's output.
step() { printf '\n== %s ==\n' "$*"; }

# build_preset PRESET [ARG...]: configures (quietly) and builds the preset's
# tree under build/; ARGs go to `cmake --build`. Run from the source folder.
build_preset() {
  local preset=$1
  shift
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j"$(nproc)" "$@"
}

# test_preset PRESET [ARG...]: runs the preset's tests; ARGs go to ctest.
test_preset() {
  local preset=$1
  shift
  ctest --preset "$preset" -j"$(nproc)" "$@"
}
