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

# One program for the tests of every layer over Win32, each folder after
# the layer it tests (win, ui, print, app), with their shared fixtures in
# tests/support.
file(GLOB HORALO_WIN_TESTS CONFIGURE_DEPENDS
  tests/win/*.cpp tests/ui/*.cpp tests/print/*.cpp tests/app/*.cpp tests/support/*.cpp)
add_executable(horalo_win_tests ${HORALO_WIN_TESTS} tests/support/test_templates.rc)
target_include_directories(horalo_win_tests PRIVATE tests/support res)
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

# horalo-cli.exe prints what the native build prints for the same folder:
# both are held to the expected files of tests/cli.
if(CMAKE_CROSSCOMPILING AND NOT CMAKE_CROSSCOMPILING_EMULATOR)
  add_test(NAME CliSameOutput.Wine
    COMMAND ${CMAKE_SOURCE_DIR}/tests/cli/same_output.sh ${CMAKE_SOURCE_DIR}/scripts/wine-exec.sh ${HORALO_WINE_DIR}
            $<TARGET_FILE:horalo-cli>)
  set_tests_properties(CliSameOutput.Wine PROPERTIES FIXTURES_REQUIRED wine TIMEOUT 120)
endif()

# The printed page, end to end: PrintE2ETest prints through Wine onto the
# CUPS queue of cups-pdf (scripts/print-server.sh), and the script reads the
# PDF back. Left out where CUPS, cups-pdf's tools or poppler are missing;
# skipped (77) when no print server runs.
find_program(HORALO_CUPSD cupsd PATHS /usr/sbin /sbin)
find_program(HORALO_LPADMIN lpadmin PATHS /usr/sbin /sbin)
find_program(HORALO_PDFTOTEXT pdftotext)
if(CMAKE_CROSSCOMPILING AND HORALO_CUPSD AND HORALO_LPADMIN AND HORALO_PDFTOTEXT)
  foreach(page IN ITEMS "PdfPage;PrintsTheMonthWithItsValuesOnTheDefaultPrinter;print-e2e"
                        "YearPage;PrintsTheYearsAccountOnOnePage;print-e2e-year")
    list(GET page 0 name)
    list(GET page 1 test)
    list(GET page 2 out)
    add_test(NAME PrintE2E.${name}
      COMMAND ${CMAKE_SOURCE_DIR}/tests/print/print_e2e.sh ${HORALO_WINE_DIR} $<TARGET_FILE:horalo_win_tests>
              ${CMAKE_BINARY_DIR}/${out} ${test}
      WORKING_DIRECTORY ${HORALO_BIN})
    # One queue: a PDF is told from another only by its time.
    set_tests_properties(PrintE2E.${name} PROPERTIES RESOURCE_LOCK pdf-queue
      FIXTURES_REQUIRED wine ENVIRONMENT "TZ=Europe/Berlin" SKIP_RETURN_CODE 77 TIMEOUT 180)
  endforeach()
else()
  message(STATUS "Printing tests PrintE2E.* left out: it needs cupsd, lpadmin and pdftotext (scripts/deps.sh test)")
endif()

# The packages as a new user meets them: the silent installer in a fresh
# Wine prefix of its own, Horalo started from where it installed, an update
# while it runs, the silent uninstaller, and the unpacked portable zip.
if(CMAKE_CROSSCOMPILING AND HORALO_SETUP_FILE)
  add_test(NAME Packages.InstallRunUpdateUninstall
    COMMAND ${CMAKE_SOURCE_DIR}/tests/package/install_test.sh ${HORALO_SETUP_FILE}
            ${HORALO_PACKAGE_DIR}/Horalo-${PROJECT_VERSION}-portable-de.zip ${CMAKE_BINARY_DIR}/wine-install
            $<TARGET_FILE:horalo_quit>)
  set_tests_properties(Packages.InstallRunUpdateUninstall PROPERTIES TIMEOUT 400)
endif()
