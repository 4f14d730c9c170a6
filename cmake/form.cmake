# The installed horalo.frm, the time-sheet form, drawn by a tool that runs on
# the build machine (cmake/host_tool.cmake) with libuemf.
set(HORALO_FORM_FILE ${CMAKE_BINARY_DIR}/horalo.frm)
set(HORALO_FORM_SOURCE ${CMAKE_SOURCE_DIR}/tools/make_form.cpp)

# The host compiler finds the library where the system keeps it.
set(HORALO_UEMF uemf)
if(NOT CMAKE_CROSSCOMPILING)
  find_path(HORALO_UEMF_INCLUDE_DIR uemf.h)
  find_library(HORALO_UEMF_LIBRARY uemf)
  if(NOT HORALO_UEMF_INCLUDE_DIR OR NOT HORALO_UEMF_LIBRARY)
    message(FATAL_ERROR "libuemf draws horalo.frm; install it (Debian: libuemf-dev) or point CMAKE_PREFIX_PATH at it")
  endif()
  set(HORALO_UEMF ${HORALO_UEMF_LIBRARY})
endif()
horalo_host_tool(make_form SOURCES ${HORALO_FORM_SOURCE} INCLUDES ${HORALO_UEMF_INCLUDE_DIR} LIBRARIES ${HORALO_UEMF})
set(HORALO_FORM_TOOL ${make_form_TOOL})

add_custom_command(
  OUTPUT ${HORALO_FORM_FILE}
  COMMAND ${HORALO_FORM_TOOL} ${HORALO_FORM_FILE}
  DEPENDS ${HORALO_FORM_TOOL}
  COMMENT "Drawing horalo.frm"
  VERBATIM)

# The German form, with the same values in the same places.
set(HORALO_FORM_FILE_DE ${CMAKE_BINARY_DIR}/languages/de/horalo.frm)
add_custom_command(
  OUTPUT ${HORALO_FORM_FILE_DE}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/languages/de
  COMMAND ${HORALO_FORM_TOOL} ${HORALO_FORM_FILE_DE} de
  DEPENDS ${HORALO_FORM_TOOL}
  COMMENT "Drawing the German horalo.frm"
  VERBATIM)

# The program folder's copies come from the build's list of that folder.
add_custom_target(time_sheet_form ALL DEPENDS ${HORALO_FORM_FILE} ${HORALO_FORM_FILE_DE})
if(TARGET horalo_core_tests)
  add_dependencies(horalo_core_tests time_sheet_form)
  target_compile_definitions(horalo_core_tests PRIVATE HORALO_FORM_FILE="${HORALO_FORM_FILE}")
endif()
