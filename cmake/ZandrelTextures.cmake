# zandrel_add_textures: turn images into GE textures at build time and compile
# them into a target.
#
#   zandrel_add_textures(TARGET tgt FORMAT 5650|5551|4444|8888|t8|t4|dxt1|dxt3|dxt5
#                        [SWIZZLE] [POW2] [DITHER] [NO_PREFIX] [NO_CONST]
#                        [CLUT fmt] [ALPHA_THRESHOLD n] [KEY RRGGBB]
#                        [TRANSPARENT_INDEX n] [COLORS n] [SHARED_CLUT name] [MIPMAPS n|max]
#                        [NAME name] [SUFFIX s] [BINARY var] [OUTPUT_DIR dir]
#                        FILES a.bmp b.png ...)
#
# Each file gives <stem>.c and .h (<stem>: NAME, else <prefix><file name>;
# then SUFFIX), remade when the file or the tool changes; with BINARY also
# <stem>.bin (and <stem>_clut.bin for t8/t4), listed in the caller's
# variable var. All calls for one target write into one folder, OUTPUT_DIR or
# zandrel_textures/<target> in the target's build folder, which goes on the
# target's include path, so `#include "image_a.h"` works. One image may be
# converted by several calls for a target, under different SUFFIXes.
# SHARED_CLUT (t8/t4): every file of the call is looked up in one colour
# table, written once as name.c and name.h (and name.bin with BINARY), by one
# run of the tool over all the files; the textures then have no _clut.bin.
#
# Values and combinations are checked here, by the rules zandrel-cli applies,
# so that a mistake stops the configure step with one message instead of
# failing the build with the tool's whole usage text.
#
# The tool: ZANDREL_CLI when set; else the zandrel-cli target of this build;
# else a zandrel-cli found on the path.
include_guard(GLOBAL)

# The keyword tables, set in the calling function's scope (variables of an
# include_guard'ed module would be missing in folders that did not include it
# first).
macro(_zandrel_keyword_tables)
# Flags, each passed on as --<flag> in lower case with '-' for '_'.
set(_ZANDREL_FLAGS SWIZZLE POW2 DITHER NO_PREFIX NO_CONST)
# Keywords with a value passed on as --<keyword> value, then the others.
set(_ZANDREL_VALUED CLUT ALPHA_THRESHOLD KEY TRANSPARENT_INDEX COLORS SHARED_CLUT MIPMAPS NAME SUFFIX)
set(_ZANDREL_SINGLE TARGET FORMAT BINARY OUTPUT_DIR ${_ZANDREL_VALUED})

# What each value must look like: keyword, regular expression, the values in words.
set(_ZANDREL_VALUE_RULES
  FORMAT "^(5650|5551|4444|8888|t8|t4|dxt1|dxt3|dxt5)$" "5650, 5551, 4444, 8888, t8, t4, dxt1, dxt3 or dxt5"
  CLUT "^(5650|5551|4444|8888)$" "5650, 5551, 4444 or 8888"
  ALPHA_THRESHOLD "^0*([0-9]|[1-9][0-9]|1[0-9][0-9]|2[0-4][0-9]|25[0-5])$" "0 to 255"
  TRANSPARENT_INDEX "^0*([0-9]|[1-9][0-9]|1[0-9][0-9]|2[0-4][0-9]|25[0-5])$" "0 to 255"
  KEY "^[0-9A-Fa-f][0-9A-Fa-f][0-9A-Fa-f][0-9A-Fa-f][0-9A-Fa-f][0-9A-Fa-f]$" "six hex digits RRGGBB"
  COLORS "^0*([2-9]|[1-9][0-9]|1[0-9][0-9]|2[0-4][0-9]|25[0-6])$" "2 to 256"
  SHARED_CLUT "^[A-Za-z_][A-Za-z0-9_]*$" "a C identifier"
  MIPMAPS "^(0*[1-7]|max)$" "1 to 7, or max"
  NAME "^[A-Za-z_][A-Za-z0-9_]*$" "a C identifier"
  SUFFIX "^[A-Za-z0-9_]+$" "letters, digits and _"
  BINARY "." "a variable name")

# Options that would change nothing: keyword, what "<FORMAT> <CLUT>" must
# match for it to have an effect, the rule in words.
set(_ZANDREL_COMBINATION_RULES
  CLUT "^t[48] " "needs FORMAT t8 or t4"
  DITHER "^(5650|5551|4444|t8|t4) " "needs FORMAT 5650, 5551, 4444, t8 or t4 (8888 is not dithered)"
  COLORS "^t[48] " "needs FORMAT t8 or t4"
  SHARED_CLUT "^t[48] " "needs FORMAT t8 or t4"
  SWIZZLE "^(5650|5551|4444|8888|t8|t4) " "cannot be used with FORMAT dxt1, dxt3 or dxt5 (DXT blocks are never swizzled)"
  ALPHA_THRESHOLD "^5551 |^dxt1 |^t[48] 5551$" "needs FORMAT 5551 or dxt1, or CLUT 5551"
  KEY "^(5551|4444|8888|t8|t4|dxt1|dxt3|dxt5) " "cannot be used with FORMAT 5650 (it has no alpha)"
  TRANSPARENT_INDEX "^(5551|4444|8888|t8|t4|dxt1|dxt3|dxt5) " "cannot be used with FORMAT 5650 (it has no alpha)")
endmacro()

function(_zandrel_fail)
  string(JOIN "" text ${ARGN})
  if(NOT _ZANDREL_FUNCTION)
    set(_ZANDREL_FUNCTION zandrel_add_textures)
  endif()
  message(FATAL_ERROR "${_ZANDREL_FUNCTION}: ${text}")
endfunction()

# The checks of one call's keywords, before anything is added.
function(_zandrel_check_call)
  if(ZT_UNPARSED_ARGUMENTS)
    _zandrel_fail("unknown arguments: ${ZT_UNPARSED_ARGUMENTS}")
  endif()
  foreach(keyword IN LISTS ZT_KEYWORDS_MISSING_VALUES)
    _zandrel_fail("${keyword} needs a value")
  endforeach()
  if(NOT ZT_TARGET OR NOT ZT_FORMAT OR NOT ZT_FILES)
    _zandrel_fail("TARGET, FORMAT and FILES are required")
  endif()
  if(_ZANDREL_FUNCTION STREQUAL "zandrel_add_atlas" AND NOT ZT_NAME)
    _zandrel_fail("NAME is required (the atlas's file stem and array name)")
  endif()
  if(NOT TARGET "${ZT_TARGET}")
    _zandrel_fail("TARGET ${ZT_TARGET} is not a target (add it before its textures)")
  endif()
  set(rules ${_ZANDREL_VALUE_RULES})
  while(rules)
    list(POP_FRONT rules keyword pattern words)
    if(DEFINED ZT_${keyword} AND NOT ZT_${keyword} MATCHES "${pattern}")
      _zandrel_fail("invalid ${keyword} ${ZT_${keyword}} (${words})")
    endif()
  endwhile()
  set(rules ${_ZANDREL_COMBINATION_RULES})
  set(formats "${ZT_FORMAT} ${ZT_CLUT}")
  while(rules)
    list(POP_FRONT rules keyword pattern words)
    if(keyword IN_LIST _ZANDREL_FLAGS)
      set(given "${ZT_${keyword}}")
    elseif(DEFINED ZT_${keyword})
      set(given TRUE)
    else()
      set(given FALSE)
    endif()
    if(given AND NOT formats MATCHES "${pattern}")
      _zandrel_fail("${keyword} ${words}")
    endif()
  endwhile()
  list(LENGTH ZT_FILES count)
  if(DEFINED ZT_NAME AND count GREATER 1 AND NOT _ZANDREL_FUNCTION STREQUAL "zandrel_add_atlas")
    _zandrel_fail("NAME takes one file; FILES has ${count}")
  endif()
  if(ZT_FORMAT STREQUAL "t4" AND DEFINED ZT_COLORS AND ZT_COLORS GREATER 16)
    _zandrel_fail("COLORS with FORMAT t4 takes 2 to 16")
  endif()
endfunction()

# The target's one output folder: the first call's, or refused when a later
# call asks for another.
function(_zandrel_output_folder var)
  get_target_property(folder ${ZT_TARGET} ZANDREL_TEXTURE_FOLDER)
  set(asked "${ZT_OUTPUT_DIR}")
  if(asked)
    get_filename_component(asked "${asked}" ABSOLUTE BASE_DIR "${CMAKE_CURRENT_BINARY_DIR}")
  endif()
  if(NOT folder)
    if(NOT asked)
      get_target_property(binary_dir ${ZT_TARGET} BINARY_DIR)
      set(asked "${binary_dir}/zandrel_textures/${ZT_TARGET}")
    endif()
    set_property(TARGET ${ZT_TARGET} PROPERTY ZANDREL_TEXTURE_FOLDER "${asked}")
    target_include_directories(${ZT_TARGET} PRIVATE "${asked}")
    set(folder "${asked}")
  elseif(asked AND NOT asked STREQUAL folder)
    _zandrel_fail("OUTPUT_DIR ${asked} differs from ${folder}, where target ${ZT_TARGET} "
      "already has textures (one include folder a target, so that each header name is unambiguous)")
  endif()
  set(${var} "${folder}" PARENT_SCOPE)
endfunction()

# Claims the names of stem for the target; refused when an earlier file of
# the target has them. The key is the array name in upper case, which also
# covers the macros and headers that differ only in case.
function(_zandrel_claim_names stem file)
  string(MAKE_C_IDENTIFIER "${stem}" array)
  string(TOUPPER "${array}" key)
  get_property(claimed TARGET ${ZT_TARGET} PROPERTY ZANDREL_TEXTURE_${key} SET)
  if(claimed)
    get_property(earlier TARGET ${ZT_TARGET} PROPERTY ZANDREL_TEXTURE_${key})
    _zandrel_fail("${file} and ${earlier} both give the texture ${array} (${stem}.h) in target "
      "${ZT_TARGET}: give one of them a SUFFIX or a NAME")
  endif()
  set_property(TARGET ${ZT_TARGET} PROPERTY ZANDREL_TEXTURE_${key} "${file}")
endfunction()

# The input FILE as an absolute path (relative ones from the calling
# folder), refused at configure time when it is missing or a folder.
function(_zandrel_input file out)
  get_filename_component(input "${file}" ABSOLUTE BASE_DIR "${CMAKE_CURRENT_SOURCE_DIR}")
  if(NOT EXISTS "${input}")
    _zandrel_fail("${file}: no such file")
  elseif(IS_DIRECTORY "${input}")
    _zandrel_fail("${file}: is a folder")
  endif()
  set(${out} "${input}" PARENT_SCOPE)
endfunction()

# The tool to run: ZANDREL_CLI when set, else the zandrel-cli target of this
# build, else zandrel-cli on the path; and what the commands depend on.
function(_zandrel_tool out_tool out_dependency)
  if(ZANDREL_CLI)
    set(${out_tool} "${ZANDREL_CLI}" PARENT_SCOPE)
    set(${out_dependency} "${ZANDREL_CLI}" PARENT_SCOPE)
  elseif(TARGET zandrel-cli)
    set(${out_tool} "$<TARGET_FILE:zandrel-cli>" PARENT_SCOPE)
    set(${out_dependency} zandrel-cli PARENT_SCOPE)
  else()
    find_program(ZANDREL_CLI_PROGRAM zandrel-cli REQUIRED)
    set(${out_tool} "${ZANDREL_CLI_PROGRAM}" PARENT_SCOPE)
    set(${out_dependency} "${ZANDREL_CLI_PROGRAM}" PARENT_SCOPE)
  endif()
endfunction()

# Appends to the caller's list `out` the tool's options for the ZT_ keywords
# given: FLAG as --flag, VALUED v as --valued v.
macro(_zandrel_keyword_options out)
  foreach(flag IN LISTS _ZANDREL_FLAGS)
    if(ZT_${flag})
      string(TOLOWER "--${flag}" option)
      string(REPLACE "_" "-" option "${option}")
      list(APPEND ${out} ${option})
    endif()
  endforeach()
  foreach(valued IN LISTS _ZANDREL_VALUED)
    if(DEFINED ZT_${valued})
      string(TOLOWER "--${valued}" option)
      string(REPLACE "_" "-" option "${option}")
      list(APPEND ${out} ${option} ${ZT_${valued}})
    endif()
  endforeach()
endmacro()

function(zandrel_add_textures)
  _zandrel_keyword_tables()
  cmake_parse_arguments(PARSE_ARGV 0 ZT "${_ZANDREL_FLAGS}" "${_ZANDREL_SINGLE}" "FILES")
  _zandrel_check_call()

  _zandrel_tool(tool tool_dependency)

  _zandrel_output_folder(out)
  set(options --format ${ZT_FORMAT})
  _zandrel_keyword_options(options)
  set(endings .c .h)
  if(DEFINED ZT_BINARY)
    list(APPEND options --binary)
    list(APPEND endings .bin)
    if(ZT_FORMAT MATCHES "^t[48]$" AND NOT DEFINED ZT_SHARED_CLUT)
      list(APPEND endings _clut.bin)
    endif()
  endif()
  set(prefix image_)
  if(ZT_NO_PREFIX)
    set(prefix "")
  endif()

  set(binaries "")
  set(shared_outputs "")
  set(shared_inputs "")
  if(DEFINED ZT_SHARED_CLUT)
    _zandrel_claim_names("${ZT_SHARED_CLUT}" "SHARED_CLUT ${ZT_SHARED_CLUT}")
    set(clut_endings .c .h)
    if(DEFINED ZT_BINARY)
      list(APPEND clut_endings .bin)
    endif()
    list(TRANSFORM clut_endings PREPEND "${out}/${ZT_SHARED_CLUT}" OUTPUT_VARIABLE shared_outputs)
    target_sources(${ZT_TARGET} PRIVATE "${out}/${ZT_SHARED_CLUT}.c" "${out}/${ZT_SHARED_CLUT}.h")
    list(FILTER clut_endings INCLUDE REGEX "\\.bin$")
    list(TRANSFORM clut_endings PREPEND "${out}/${ZT_SHARED_CLUT}" OUTPUT_VARIABLE binaries)
  endif()
  foreach(file IN LISTS ZT_FILES)
    _zandrel_input("${file}" input)
    if(DEFINED ZT_NAME)
      set(stem "${ZT_NAME}${ZT_SUFFIX}")
    else()
      get_filename_component(base "${input}" NAME_WLE)
      set(stem "${prefix}${base}${ZT_SUFFIX}")
    endif()
    _zandrel_claim_names("${stem}" "${file}")
    list(TRANSFORM endings PREPEND "${out}/${stem}" OUTPUT_VARIABLE outputs)
    if(DEFINED ZT_SHARED_CLUT)
      # One run over every file: the colour table is made from them all.
      list(APPEND shared_outputs ${outputs})
      list(APPEND shared_inputs "${input}")
    else()
      add_custom_command(
        OUTPUT ${outputs}
        COMMAND "${tool}" ${options} --outdir "${out}" -- "${input}"
        DEPENDS "${input}" ${tool_dependency}
        COMMENT "Texture ${stem} (${ZT_FORMAT})"
        VERBATIM)
    endif()
    target_sources(${ZT_TARGET} PRIVATE "${out}/${stem}.c" "${out}/${stem}.h")
    list(FILTER outputs INCLUDE REGEX "\\.bin$")
    list(APPEND binaries ${outputs})
  endforeach()
  if(DEFINED ZT_SHARED_CLUT)
    add_custom_command(
      OUTPUT ${shared_outputs}
      COMMAND "${tool}" ${options} --outdir "${out}" -- ${shared_inputs}
      DEPENDS ${shared_inputs} ${tool_dependency}
      COMMENT "Textures sharing ${ZT_SHARED_CLUT} (${ZT_FORMAT})"
      VERBATIM)
  endif()
  if(DEFINED ZT_BINARY)
    set(${ZT_BINARY} "${binaries}" PARENT_SCOPE)
  endif()
endfunction()

# zandrel_add_atlas: pack images into the pages of one texture atlas at build
# time and compile it into a target.
#
#   zandrel_add_atlas(TARGET tgt NAME name FORMAT 5650|5551|4444|8888|t8|t4|dxt1|dxt3|dxt5
#                     [SWIZZLE] [DITHER] [NO_CONST] [TRIM] [KEEP_EMPTY]
#                     [CLUT fmt] [ALPHA_THRESHOLD n] [KEY RRGGBB]
#                     [TRANSPARENT_INDEX n] [PAGE_SIZE WxH] [PADDING n]
#                     [EXTRUDE n] [TILES WxH] [JSON var] [OUTPUT_DIR dir]
#                     FILES a.png b.png ...)
#
# Writes <name>.c and <name>.h into the target's texture folder (as
# zandrel_add_textures does), remade when a file or the tool changes; with
# JSON also <name>.json, its path in the caller's variable var. The keywords
# are checked as zandrel_add_textures checks its own; sprite names clashing
# between FILES are refused here, those of TILES by the tool. The .bin files
# are not offered: how many pages there are is known only once packed.
function(zandrel_add_atlas)
  set(_ZANDREL_FUNCTION zandrel_add_atlas)
  _zandrel_keyword_tables()
  set(_ZANDREL_FLAGS SWIZZLE DITHER NO_CONST TRIM KEEP_EMPTY)
  set(_ZANDREL_VALUED CLUT ALPHA_THRESHOLD KEY TRANSPARENT_INDEX PAGE_SIZE PADDING EXTRUDE TILES)
  set(_ZANDREL_SINGLE TARGET NAME FORMAT JSON OUTPUT_DIR ${_ZANDREL_VALUED})
  set(side "(1|2|4|8|16|32|64|128|256|512)")
  set(margin "^0*([0-9]|[1-9][0-9]|[1-4][0-9][0-9]|50[0-9]|51[0-2])$")
  list(APPEND _ZANDREL_VALUE_RULES
    PAGE_SIZE "^${side}x${side}$" "powers of two up to 512, as WxH"
    PADDING "${margin}" "0 to 512"
    EXTRUDE "${margin}" "0 to 512"
    TILES "^0*[1-9][0-9]*x0*[1-9][0-9]*$" "at least 1 each, as WxH"
    JSON "." "a variable name")
  cmake_parse_arguments(PARSE_ARGV 0 ZT "${_ZANDREL_FLAGS}" "${_ZANDREL_SINGLE}" "FILES")
  _zandrel_check_call()
  if(ZT_KEEP_EMPTY AND NOT DEFINED ZT_TILES)
    _zandrel_fail("KEEP_EMPTY needs TILES")
  endif()

  _zandrel_tool(tool tool_dependency)

  _zandrel_output_folder(out)
  set(options --atlas ${ZT_NAME} --format ${ZT_FORMAT})
  _zandrel_keyword_options(options)
  set(outputs "${out}/${ZT_NAME}.c" "${out}/${ZT_NAME}.h")
  if(DEFINED ZT_JSON)
    list(APPEND options --atlas-json "${out}/${ZT_NAME}.json")
    list(APPEND outputs "${out}/${ZT_NAME}.json")
    set(${ZT_JSON} "${out}/${ZT_NAME}.json" PARENT_SCOPE)
  endif()
  _zandrel_claim_names("${ZT_NAME}" "atlas ${ZT_NAME}")

  set(inputs "")
  set(sprites "")
  foreach(file IN LISTS ZT_FILES)
    _zandrel_input("${file}" input)
    get_filename_component(base "${input}" NAME_WLE)
    string(MAKE_C_IDENTIFIER "${base}" sprite)
    list(FIND sprites "${sprite}" earlier)
    if(earlier GREATER -1)
      list(GET ZT_FILES ${earlier} earlier_file)
      _zandrel_fail("${earlier_file} and ${file} both give the sprite ${ZT_NAME}_${sprite}")
    endif()
    list(APPEND sprites "${sprite}")
    list(APPEND inputs "${input}")
  endforeach()
  add_custom_command(
    OUTPUT ${outputs}
    COMMAND "${tool}" ${options} --outdir "${out}" -- ${inputs}
    DEPENDS ${inputs} ${tool_dependency}
    COMMENT "Atlas ${ZT_NAME} (${ZT_FORMAT})"
    VERBATIM)
  target_sources(${ZT_TARGET} PRIVATE "${out}/${ZT_NAME}.c" "${out}/${ZT_NAME}.h")
endfunction()
