# Windows build: the program, its language library and the tests that run
# under Wine (or natively on Windows).
enable_language(RC)
set(HORALO_BIN ${CMAKE_BINARY_DIR}/bin)
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${HORALO_BIN})
set(CMAKE_LIBRARY_OUTPUT_DIRECTORY ${HORALO_BIN})
add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0A00 WINVER=0x0A00)

if(MINGW)
  # Self-contained binaries: no runtime DLLs beside the program.
  add_link_options(-static -static-libgcc -static-libstdc++)
endif()

# windres writes no dependency file: name what the resource scripts include.
file(GLOB HORALO_RESOURCE_INPUTS CONFIGURE_DEPENDS
  res/*.h res/*.ico res/*.cur res/*.bmp res/*.emf res/*.manifest res/rdll_shared.rc src/core/text/text_ids.h)
set_source_files_properties(res/horalo_rdll.rc res/horalo_rdll_de.rc res/horalo.rc
  PROPERTIES OBJECT_DEPENDS "${HORALO_RESOURCE_INPUTS}")

# The language libraries: resources only, no code. Each is HoraloRDLL.dll,
# the name the program loads; English is built into bin/. The program folder
# holds every language (English too) in languages/<code>/, its library and
# its time-sheet form, from where the packages and the run command take the
# one the user chose.
set(HORALO_LANGUAGES en de)
function(horalo_language_library target script output_dir)
  add_library(${target} SHARED ${script})
  set_target_properties(${target} PROPERTIES PREFIX "" OUTPUT_NAME HoraloRDLL LINKER_LANGUAGE C
    RUNTIME_OUTPUT_DIRECTORY ${output_dir} ARCHIVE_OUTPUT_DIRECTORY ${output_dir})
  # resource_ids.h takes the texts the core names from src/core/text.
  target_include_directories(${target} PRIVATE res src)
  if(MINGW)
    target_link_options(${target} PRIVATE -nostdlib -Wl,-e,0 -s)
  else()
    target_link_options(${target} PRIVATE /NOENTRY)
  endif()
endfunction()
horalo_language_library(HoraloRDLL res/horalo_rdll.rc ${HORALO_BIN})
horalo_language_library(HoraloRDLL_de res/horalo_rdll_de.rc ${HORALO_BIN}/languages/de)

# The layers, each a target of its own whose includes the build checks.
file(GLOB_RECURSE HORALO_WIN_SOURCES CONFIGURE_DEPENDS src/win/*.cpp)
add_library(horalo_win STATIC ${HORALO_WIN_SOURCES})
target_link_libraries(horalo_win PUBLIC horalo_core comctl32 comdlg32 gdi32 user32 advapi32 shell32)
horalo_check_layer(horalo_win win ALLOWED core/ win/ resource_ids.h)

file(GLOB_RECURSE HORALO_UI_SOURCES CONFIGURE_DEPENDS src/ui/*.cpp)
add_library(horalo_ui STATIC ${HORALO_UI_SOURCES})
target_link_libraries(horalo_ui PUBLIC horalo_win version wtsapi32)
horalo_check_layer(horalo_ui ui ALLOWED core/ win/ ui/ resource_ids.h)

# The time sheet: form playback, preview and printing. Beside the windows
# of ui, it sees of the application only the services a window gets.
file(GLOB_RECURSE HORALO_PRINT_SOURCES CONFIGURE_DEPENDS src/print/*.cpp)
add_library(horalo_print STATIC ${HORALO_PRINT_SOURCES})
target_link_libraries(horalo_print PUBLIC horalo_win comdlg32 winspool)
horalo_check_layer(horalo_print print ALLOWED core/ win/ print/ ui/app_services.h resource_ids.h)

# Only the application object sees the windows.
file(GLOB_RECURSE HORALO_APP_SOURCES CONFIGURE_DEPENDS src/app/*.cpp)
list(FILTER HORALO_APP_SOURCES EXCLUDE REGEX "src/app/win_main\\.cpp$")
add_library(horalo_app STATIC ${HORALO_APP_SOURCES})
target_link_libraries(horalo_app PUBLIC horalo_ui horalo_print)
horalo_check_layer(horalo_app app ALLOWED core/ win/ app/ resource_ids.h
  EXCEPT recorder_app.h recorder_app.cpp)

add_executable(horalo WIN32 src/app/win_main.cpp res/horalo.rc)
target_link_libraries(horalo PRIVATE horalo_app)
target_include_directories(horalo PRIVATE res)

include(cmake/cli.cmake)

# The program folder, listed once: the run command starts from it, the
# Windows tests copy the program from it, and the packages are made of it.
set(HORALO_PROGRAM_DIR ${CMAKE_BINARY_DIR}/program)
install(FILES $<TARGET_FILE:horalo> $<TARGET_FILE:HoraloRDLL> $<TARGET_FILE:horalo-cli> DESTINATION .)
install(FILES $<TARGET_FILE:HoraloRDLL> DESTINATION languages/en)
install(FILES $<TARGET_FILE:HoraloRDLL_de> DESTINATION languages/de)
include(cmake/calendar_days.cmake)
install(FILES ${HORALO_SPECIAL_DAYS_FILE} DESTINATION .)
include(cmake/form.cmake)
install(FILES ${HORALO_FORM_FILE} DESTINATION .)
install(FILES ${HORALO_FORM_FILE} DESTINATION languages/en)
install(FILES ${HORALO_FORM_FILE_DE} DESTINATION languages/de)
include(cmake/help.cmake)
install(FILES ${HORALO_HELP_FILE} DESTINATION .)
add_custom_target(program_folder ALL
  COMMAND ${CMAKE_COMMAND} --install ${CMAKE_BINARY_DIR} --prefix ${HORALO_PROGRAM_DIR}
  COMMENT "Laying out the program folder"
  VERBATIM)
add_dependencies(program_folder horalo HoraloRDLL HoraloRDLL_de horalo-cli special_days time_sheet_form help_file)
include(cmake/packages.cmake)

if(HORALO_TESTS)
  include(cmake/windows_tests.cmake)
endif()

# Used by the run command to end Horalo with its private quit request.
add_executable(horalo_quit tools/horalo_quit.cpp)
target_include_directories(horalo_quit PRIVATE res src)
include(cmake/wine_benchmarks.cmake)
