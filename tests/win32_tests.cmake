# Tests of the desktop tool with its real resources, run under the
# cross-compiling emulator with the Japanese ANSI code page 932 (LANG under
# Wine).
add_executable(zandrel_shell_tests shell/shell_test.cpp $<TARGET_OBJECTS:zandrel_resources>)
target_link_libraries(zandrel_shell_tests PRIVATE zandrel_shell ${ZANDREL_GTEST})
target_link_options(zandrel_shell_tests PRIVATE -static)
add_test(NAME zandrel_shell_tests COMMAND zandrel_shell_tests)
set_tests_properties(zandrel_shell_tests PROPERTIES TIMEOUT 300 ENVIRONMENT "LANG=ja_JP.UTF-8;LC_ALL=ja_JP.UTF-8")

# The end-to-end test's hands inside Wine (tests/e2e/run_e2e.py drives it).
add_executable(zandrel_e2e_helper e2e/gui_helper.cpp)
target_link_options(zandrel_e2e_helper PRIVATE -static)
