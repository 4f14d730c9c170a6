# The installed horalo.frm, the time-sheet form, drawn by a tool that runs on
# the build machine with libuemf, so in a cross build it is compiled with the
# host's compiler.
set(HORALO_FORM_FILE ${CMAKE_BINARY_DIR}/horalo.frm)
set(HORALO_FORM_SOURCE ${CMAKE_SOURCE_DIR}/tools/make_form.cpp)

if(CMAKE_CROSSCOMPILING)
  set(HORALO_HOST_CXX c++ CACHE STRING "C++ compiler of the build machine, for the build tools")
  set(HORALO_FORM_TOOL ${CMAKE_BINARY_DIR}/tools/make_form)
  add_custom_command(
    OUTPUT ${HORALO_FORM_TOOL}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/tools
    COMMAND ${HORALO_HOST_CXX} -std=c++20 -O1 -Wall -Wextra
            ${HORALO_FORM_SOURCE} -luemf -o ${HORALO_FORM_TOOL}
    DEPENDS ${HORALO_FORM_SOURCE}
    COMMENT "Building the form tool with the host compiler"
    VERBATIM)
else()
  find_path(HORALO_UEMF_INCLUDE_DIR uemf.h)
  find_library(HORALO_UEMF_LIBRARY uemf)
  if(NOT HORALO_UEMF_INCLUDE_DIR OR NOT HORALO_UEMF_LIBRARY)
    message(FATAL_ERROR "libuemf draws horalo.frm; install it (Debian: libuemf-dev) or point CMAKE_PREFIX_PATH at it")
  endif()
  add_executable(make_form ${HORALO_FORM_SOURCE})
  target_include_directories(make_form PRIVATE ${HORALO_UEMF_INCLUDE_DIR})
  target_link_libraries(make_form PRIVATE ${HORALO_UEMF_LIBRARY})
  set(HORALO_FORM_TOOL make_form)
endif()

add_custom_command(
  OUTPUT ${HORALO_FORM_FILE}
  COMMAND ${HORALO_FORM_TOOL} ${HORALO_FORM_FILE}
  DEPENDS ${HORALO_FORM_TOOL}
  COMMENT "Drawing horalo.frm"
  VERBATIM)

# The program folder's copy comes from the build's list of that folder.
add_custom_target(time_sheet_form ALL DEPENDS ${HORALO_FORM_FILE})
if(TARGET horalo_core_tests)
  add_dependencies(horalo_core_tests time_sheet_form)
  target_compile_definitions(horalo_core_tests PRIVATE HORALO_FORM_FILE="${HORALO_FORM_FILE}")
endif()
