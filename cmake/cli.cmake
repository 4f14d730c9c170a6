# horalo-cli: reports and exports from the core alone, built natively and
# for Windows. Everything but main() is a library, so the tests drive the
# commands in-process.
file(GLOB HORALO_CLI_SOURCES CONFIGURE_DEPENDS src/cli/*.cpp)
list(FILTER HORALO_CLI_SOURCES EXCLUDE REGEX "src/cli/cli_main\\.cpp$")
add_library(horalo_cli STATIC ${HORALO_CLI_SOURCES})
target_link_libraries(horalo_cli PUBLIC horalo_core)
horalo_check_layer(horalo_cli cli ALLOWED core/ cli/ resource_ids.h
  win/win32_file_layer.h win/system_time_zone.h posix/posix_file_layer.h)

# main() installs the platform's file layer, the one header of another layer
# the tool includes (either one; the check reads the text, not the #ifdef).
add_executable(horalo-cli src/cli/cli_main.cpp)
if(WIN32)
  target_link_libraries(horalo-cli PRIVATE horalo_cli horalo_win)
else()
  target_link_libraries(horalo-cli PRIVATE horalo_cli horalo_posix)
endif()
