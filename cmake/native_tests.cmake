# Host build: the core's tests run directly.
find_package(GTest REQUIRED)
include(GoogleTest)
file(GLOB HORALO_CORE_TESTS CONFIGURE_DEPENDS tests/core/*.cpp)
add_executable(horalo_core_tests ${HORALO_CORE_TESTS} tests/support/platform_file_layer.cpp)
target_link_libraries(horalo_core_tests PRIVATE horalo_core horalo_posix GTest::gtest GTest::gtest_main)
target_include_directories(horalo_core_tests PRIVATE tests/support)
# The log keeps times in seconds and the program shows them in local time:
# the tests pin the zone to one with daylight saving, whatever the machine's.
gtest_discover_tests(horalo_core_tests DISCOVERY_TIMEOUT 30
  PROPERTIES ENVIRONMENT "TZ=Europe/Berlin")

# horalo-cli's commands, run in-process on prepared program folders.
file(GLOB HORALO_CLI_TESTS CONFIGURE_DEPENDS tests/cli/*.cpp)
add_executable(horalo_cli_tests ${HORALO_CLI_TESTS} tests/support/platform_file_layer.cpp)
target_include_directories(horalo_cli_tests PRIVATE tests/core tests/support)
target_link_libraries(horalo_cli_tests PRIVATE horalo_cli horalo_posix GTest::gtest GTest::gtest_main)
target_compile_definitions(horalo_cli_tests PRIVATE
  HORALO_RC_FILE="${CMAKE_SOURCE_DIR}/res/horalo_rdll.rc"
  HORALO_RESOURCE_IDS_FILE="${CMAKE_SOURCE_DIR}/res/resource_ids.h"
  HORALO_TEXT_IDS_FILE="${CMAKE_SOURCE_DIR}/src/core/text/text_ids.h")
gtest_discover_tests(horalo_cli_tests DISCOVERY_TIMEOUT 30
  PROPERTIES ENVIRONMENT "TZ=Europe/Berlin")

# The program's own output on the sample folder; the Windows build holds
# horalo-cli.exe under Wine to the same expected files.
add_test(NAME CliSameOutput.Native
  COMMAND ${CMAKE_SOURCE_DIR}/tests/cli/same_output.sh $<TARGET_FILE:horalo-cli>)

# The help file, compiled as the Windows build compiles it, read back.
include(cmake/help.cmake)
add_executable(horalo_help_tests tests/help/help_file_test.cpp)
target_include_directories(horalo_help_tests PRIVATE src)
target_link_libraries(horalo_help_tests PRIVATE GTest::gtest GTest::gtest_main)
target_compile_definitions(horalo_help_tests PRIVATE
  HORALO_HELP_FILE="${HORALO_HELP_FILE}" HORALO_HELP_SOURCE="${CMAKE_SOURCE_DIR}/help")
add_dependencies(horalo_help_tests help_file)
gtest_discover_tests(horalo_help_tests DISCOVERY_TIMEOUT 30)
