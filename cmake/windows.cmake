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
  res/*.h res/*.ico res/*.cur res/*.bmp res/*.emf res/*.manifest)
set_source_files_properties(res/horalo_rdll.rc res/horalo.rc PROPERTIES OBJECT_DEPENDS "${HORALO_RESOURCE_INPUTS}")

# The language library: resources only, no code.
add_library(HoraloRDLL SHARED res/horalo_rdll.rc)
set_target_properties(HoraloRDLL PROPERTIES PREFIX "" LINKER_LANGUAGE C)
target_include_directories(HoraloRDLL PRIVATE res)
if(MINGW)
  target_link_options(HoraloRDLL PRIVATE -nostdlib -Wl,-e,0 -s)
else()
  target_link_options(HoraloRDLL PRIVATE /NOENTRY)
endif()

file(GLOB_RECURSE HORALO_WIN_SOURCES CONFIGURE_DEPENDS src/win/*.cpp)
add_library(horalo_win STATIC ${HORALO_WIN_SOURCES})
target_include_directories(horalo_win PUBLIC src res)
target_link_libraries(horalo_win PUBLIC horalo_core comctl32 gdi32 user32 advapi32 shell32)

file(GLOB_RECURSE HORALO_APP_SOURCES CONFIGURE_DEPENDS src/app/*.cpp src/ui/*.cpp src/print/*.cpp)
list(FILTER HORALO_APP_SOURCES EXCLUDE REGEX "src/app/win_main\\.cpp$")
add_library(horalo_app STATIC ${HORALO_APP_SOURCES})
target_link_libraries(horalo_app PUBLIC horalo_win version)

add_executable(horalo WIN32 src/app/win_main.cpp res/horalo.rc)
target_link_libraries(horalo PRIVATE horalo_app)
target_include_directories(horalo PRIVATE res)

# The program folder that the run command starts from.
set(HORALO_PROGRAM_DIR ${CMAKE_BINARY_DIR}/program)
add_custom_target(program_folder ALL
  COMMAND ${CMAKE_COMMAND} -E make_directory ${HORALO_PROGRAM_DIR}
  COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:horalo> $<TARGET_FILE:HoraloRDLL> ${HORALO_PROGRAM_DIR}
  DEPENDS horalo HoraloRDLL
  COMMENT "Laying out the program folder")
include(cmake/calendar_days.cmake)

if(HORALO_TESTS)
  include(cmake/windows_tests.cmake)
endif()

# Used by the run command to end Horalo with its private quit request.
add_executable(horalo_quit tools/horalo_quit.cpp)
