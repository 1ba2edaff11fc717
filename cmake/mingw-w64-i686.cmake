# 32-bit Windows with MinGW-w64: the release build of the desktop tool
# (cmake --preset win32).
set(CMAKE_SYSTEM_PROCESSOR x86)
set(ZANDREL_MINGW_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)

# 32-bit code needs a 32-bit Wine, which this project's test machines lack;
# the i686 build is built, not run.
