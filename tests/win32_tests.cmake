# Tests of the framework layer and the desktop tool: Windows programs with the
# tool's real resources, run under the cross-compiling emulator. They show
# windows, so they need a display (scripts/test-windows.sh starts Xvfb) and
# the Japanese ANSI code page 932 (LANG=ja_JP.UTF-8 under Wine).
function(zandrel_add_gui_test_dir dir target)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*_test.cpp)
  add_executable(${target} ${sources} ${ARGN} $<TARGET_OBJECTS:zandrel_resources>)
  target_include_directories(${target} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR} ${PROJECT_SOURCE_DIR})
  target_link_libraries(${target} PRIVATE zandrel_shell ${ZANDREL_GTEST} version)
  # Expected texts are written as the program stores them: code page 932.
  set_source_files_properties(${sources} PROPERTIES COMPILE_OPTIONS "-finput-charset=UTF-8;-fexec-charset=CP932")
  target_link_options(${target} PRIVATE -static)
  add_test(NAME ${target} COMMAND ${target})
  set_tests_properties(${target} PROPERTIES
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
    TIMEOUT 300
    # One at a time on the display: a window of another test could take the
    # activation (and with it the keyboard focus) from the dialog under test.
    RESOURCE_LOCK zandrel_display
    ENVIRONMENT "LANG=ja_JP.UTF-8;LC_ALL=ja_JP.UTF-8")
endfunction()

zandrel_add_gui_test_dir(framework/win32 zandrel_framework_win32_tests)
zandrel_add_gui_test_dir(shell zandrel_shell_tests support/bitmap_builder.cpp support/temp_dir.cpp)

# The end-to-end test's hands inside Wine (tests/e2e/run_e2e.py drives it).
add_executable(zandrel_e2e_helper ${CMAKE_CURRENT_SOURCE_DIR}/e2e/gui_helper.cpp)
target_include_directories(zandrel_e2e_helper PRIVATE ${PROJECT_SOURCE_DIR})
target_compile_options(zandrel_e2e_helper PRIVATE -finput-charset=UTF-8 -fexec-charset=CP932)
target_link_options(zandrel_e2e_helper PRIVATE -static)
