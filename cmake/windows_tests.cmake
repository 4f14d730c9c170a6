# Windows tests. Cross-compiled, they run through Wine with a private prefix
# under the build folder, set up and torn down by a ctest fixture.
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
if(EXISTS /usr/src/googletest/CMakeLists.txt)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
else()
  find_package(GTest REQUIRED)
endif()
include(GoogleTest)

file(GLOB HORALO_WIN_TESTS CONFIGURE_DEPENDS tests/win/*.cpp)
add_executable(horalo_win_tests ${HORALO_WIN_TESTS} tests/win/test_templates.rc)
target_include_directories(horalo_win_tests PRIVATE tests/win res)
target_link_libraries(horalo_win_tests PRIVATE horalo_app GTest::gtest GTest::gtest_main)
add_dependencies(horalo_win_tests program_folder)

set(HORALO_WINE_DIR ${CMAKE_BINARY_DIR}/wine)
if(CMAKE_CROSSCOMPILING AND NOT CMAKE_CROSSCOMPILING_EMULATOR)
  set_target_properties(horalo_win_tests PROPERTIES
    CROSSCOMPILING_EMULATOR "${CMAKE_SOURCE_DIR}/scripts/wine-exec.sh;${HORALO_WINE_DIR}")
  add_test(NAME wine_prefix_start
    COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine-prefix.sh start ${HORALO_WINE_DIR})
  add_test(NAME wine_prefix_stop
    COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine-prefix.sh stop ${HORALO_WINE_DIR})
  set_tests_properties(wine_prefix_start PROPERTIES FIXTURES_SETUP wine)
  set_tests_properties(wine_prefix_stop PROPERTIES FIXTURES_CLEANUP wine)
endif()

gtest_add_tests(TARGET horalo_win_tests WORKING_DIRECTORY ${HORALO_BIN} TEST_LIST HORALO_WIN_TEST_LIST)
# Berlin, so the tests meet real daylight-saving changes; the program itself
# runs in the user's own zone.
set_tests_properties(${HORALO_WIN_TEST_LIST} PROPERTIES FIXTURES_REQUIRED wine ENVIRONMENT "TZ=Europe/Berlin")
