# horalo-cli: reports and exports from the core alone, built natively and
# for Windows. Everything but main() is a library, so the tests drive the
# commands in-process.
file(GLOB HORALO_CLI_SOURCES CONFIGURE_DEPENDS src/cli/*.cpp)
list(FILTER HORALO_CLI_SOURCES EXCLUDE REGEX "src/cli/cli_main\\.cpp$")
add_library(horalo_cli STATIC ${HORALO_CLI_SOURCES})
target_link_libraries(horalo_cli PUBLIC horalo_core)
horalo_check_layer(horalo_cli cli ALLOWED core/ cli/ resource_ids.h)

add_executable(horalo-cli src/cli/cli_main.cpp)
target_link_libraries(horalo-cli PRIVATE horalo_cli)
