# libsquish as a static library built from Debian's source package, fetched
# into the build tree at configure time (scripts/fetch-squish-source.sh).
# Every build, native or MinGW, compiles it the same way: scalar floating
# point in SSE registers, no SIMD paths (their reciprocal estimates differ
# between processors), no OpenMP, no fused multiply-adds, so the Linux and
# Windows programs choose the same DXT endpoints.
set(ZANDREL_SQUISH_DIR ${CMAKE_BINARY_DIR}/_deps/libsquish)
if(NOT EXISTS ${ZANDREL_SQUISH_DIR}/squish.h)
  message(STATUS "Fetching Debian's libsquish source into ${ZANDREL_SQUISH_DIR}")
  execute_process(COMMAND bash ${PROJECT_SOURCE_DIR}/scripts/fetch-squish-source.sh ${ZANDREL_SQUISH_DIR}
    RESULT_VARIABLE squish_fetch)
  if(NOT squish_fetch EQUAL 0)
    message(FATAL_ERROR "apt-get source libsquish failed; see the messages above")
  endif()
endif()

add_library(zandrel_squish STATIC)
foreach(name alpha clusterfit colourblock colourfit colourset maths rangefit singlecolourfit squish)
  target_sources(zandrel_squish PRIVATE ${ZANDREL_SQUISH_DIR}/${name}.cpp)
endforeach()
target_include_directories(zandrel_squish SYSTEM PUBLIC ${ZANDREL_SQUISH_DIR})
target_compile_definitions(zandrel_squish PRIVATE SQUISH_USE_SSE=0 SQUISH_USE_ALTIVEC=0)
# After the build type's flags, so these win; warnings are the library's own.
target_compile_options(zandrel_squish PRIVATE -O2 -msse2 -mfpmath=sse -ffp-contract=off -w)
