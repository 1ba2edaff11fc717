# 64-bit Windows with MinGW-w64, run under Wine (cmake --preset win64): this
# is what the tests use, as a 64-bit-only kernel cannot run the 32-bit release.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(ZANDREL_MINGW_TRIPLE x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)

# The `wine` wrapper picks the 32-bit loader first; call the 64-bit one.
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine64)
