# zandrel_add_textures: turn images into GE textures at build time and compile
# them into a target.
#
#   zandrel_add_textures(TARGET tgt FORMAT 5650|5551|4444|8888|t8|t4
#                        [SWIZZLE] [POW2] [DITHER] [NO_PREFIX] [NO_CONST]
#                        [CLUT fmt] [ALPHA_THRESHOLD n] [KEY RRGGBB]
#                        [TRANSPARENT_INDEX n] [OUTPUT_DIR dir]
#                        FILES a.bmp b.png ...)
#
# Each file gives <prefix><name>.c and .h in OUTPUT_DIR (default: a folder of
# the target in the current build folder), remade when the file or the tool
# changes. The .c files are added to the target and OUTPUT_DIR to its include
# path, so `#include "image_a.h"` works.
#
# The tool: ZANDREL_CLI when set; else the zandrel-cli target of this build;
# else a zandrel-cli found on the path.
include_guard(GLOBAL)

function(zandrel_add_textures)
  cmake_parse_arguments(PARSE_ARGV 0 ZT "SWIZZLE;POW2;DITHER;NO_PREFIX;NO_CONST"
    "TARGET;FORMAT;CLUT;ALPHA_THRESHOLD;KEY;TRANSPARENT_INDEX;OUTPUT_DIR" "FILES")
  if(NOT ZT_TARGET OR NOT ZT_FORMAT OR NOT ZT_FILES)
    message(FATAL_ERROR "zandrel_add_textures: TARGET, FORMAT and FILES are required")
  endif()
  if(ZT_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "zandrel_add_textures: unknown arguments: ${ZT_UNPARSED_ARGUMENTS}")
  endif()

  if(ZANDREL_CLI)
    set(tool "${ZANDREL_CLI}")
    set(tool_dependency "${ZANDREL_CLI}")
  elseif(TARGET zandrel-cli)
    set(tool "$<TARGET_FILE:zandrel-cli>")
    set(tool_dependency zandrel-cli)
  else()
    find_program(ZANDREL_CLI_PROGRAM zandrel-cli REQUIRED)
    set(tool "${ZANDREL_CLI_PROGRAM}")
    set(tool_dependency "${ZANDREL_CLI_PROGRAM}")
  endif()

  set(out "${ZT_OUTPUT_DIR}")
  if(NOT out)
    set(out "${CMAKE_CURRENT_BINARY_DIR}/zandrel_textures/${ZT_TARGET}")
  endif()
  set(options --format ${ZT_FORMAT})
  foreach(flag SWIZZLE POW2 DITHER NO_PREFIX NO_CONST)
    if(ZT_${flag})
      string(TOLOWER "--${flag}" option)
      string(REPLACE "_" "-" option "${option}")
      list(APPEND options ${option})
    endif()
  endforeach()
  foreach(valued CLUT ALPHA_THRESHOLD KEY TRANSPARENT_INDEX)
    if(DEFINED ZT_${valued})
      string(TOLOWER "--${valued}" option)
      string(REPLACE "_" "-" option "${option}")
      list(APPEND options ${option} ${ZT_${valued}})
    endif()
  endforeach()
  set(prefix image_)
  if(ZT_NO_PREFIX)
    set(prefix "")
  endif()

  foreach(file IN LISTS ZT_FILES)
    get_filename_component(input "${file}" ABSOLUTE BASE_DIR "${CMAKE_CURRENT_SOURCE_DIR}")
    get_filename_component(base "${input}" NAME_WLE)
    set(stem "${out}/${prefix}${base}")
    add_custom_command(
      OUTPUT "${stem}.c" "${stem}.h"
      COMMAND "${tool}" ${options} --outdir "${out}" -- "${input}"
      DEPENDS "${input}" ${tool_dependency}
      COMMENT "Texture ${prefix}${base} (${ZT_FORMAT})"
      VERBATIM)
    target_sources(${ZT_TARGET} PRIVATE "${stem}.c" "${stem}.h")
  endforeach()
  target_include_directories(${ZT_TARGET} PRIVATE "${out}")
endfunction()
