# The Windows side of the suite, run under wine: the recording fake as
# TREVANIX.dll in a folder of its own with a copy of plovask.exe beside it
# and a launcher that reports the full 32-bit exit code; then the import
# table, the end-to-end table (the native build's suite drives the Windows
# plovask.exe), the stand-in library's own tests and the example applied with
# the stand-in TREVANIX.dll.
set(FAKE_FOLDER ${CMAKE_BINARY_DIR}/fake)
set(PLOVASK_NATIVE_BUILD_DIR ${PROJECT_SOURCE_DIR}/build/release CACHE PATH
    "The native build whose end-to-end suite drives the Windows plovask.exe")

plovask_trevanix_dll(fake_trevanix)
set_target_properties(fake_trevanix PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${FAKE_FOLDER})

add_executable(exit_code windows/exit_code.cpp)
set_target_properties(exit_code PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${FAKE_FOLDER})
plovask_warnings(exit_code)

add_custom_target(plovask_beside_fake ALL
  COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:plovask> ${FAKE_FOLDER}/plovask.exe
  DEPENDS plovask fake_trevanix
  COMMENT "plovask.exe beside the fake TREVANIX.dll")

set(WINE_RUN ${CMAKE_CURRENT_SOURCE_DIR}/windows/wine-run)
set(LAUNCHER ${FAKE_FOLDER}/exit_code.exe)

add_test(NAME windows_imports_by_ordinal
  COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/windows/check-imports ${CMAKE_OBJDUMP} $<TARGET_FILE:plovask> ${TREVANIX_DEF_FILE})
add_test(NAME windows_e2e_under_wine COMMAND ${PLOVASK_NATIVE_BUILD_DIR}/tests/e2e_tests --gtest_brief=1)
set_tests_properties(windows_e2e_under_wine PROPERTIES ENVIRONMENT PLOVASK_E2E_WINDOWS=${FAKE_FOLDER})
add_test(NAME windows_library_under_wine COMMAND ${WINE_RUN} ${LAUNCHER} $<TARGET_FILE:trevanix_tests> --gtest_brief=1)
add_test(NAME windows_example_under_wine
  COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/windows/example-check ${LAUNCHER} ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}
          ${PROJECT_SOURCE_DIR}/examples/branch-office.cfg ${CMAKE_BINARY_DIR}/example-store)
set_tests_properties(windows_imports_by_ordinal PROPERTIES LABELS windows)
set_tests_properties(windows_e2e_under_wine PROPERTIES LABELS "windows;e2e;slow")
set_tests_properties(windows_library_under_wine PROPERTIES LABELS "windows;library")
set_tests_properties(windows_example_under_wine PROPERTIES LABELS "windows;store")
