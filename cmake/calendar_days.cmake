# The default horalo.spc, made from res/calendar_days.txt by a tool that runs
# on the build machine (cmake/host_tool.cmake), built from the few core
# sources it needs.
set(HORALO_SPECIAL_DAYS_LIST ${CMAKE_SOURCE_DIR}/res/calendar_days.txt)
set(HORALO_SPECIAL_DAYS_FILE ${CMAKE_BINARY_DIR}/horalo.spc)
file(GLOB HORALO_SPECIAL_DAYS_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/src/core/io/*.cpp
  ${CMAKE_SOURCE_DIR}/src/core/clock.cpp
  ${CMAKE_SOURCE_DIR}/src/core/calendar/local_time.cpp
  ${CMAKE_SOURCE_DIR}/src/core/calendar_days/calendar_entry.cpp
  ${CMAKE_SOURCE_DIR}/src/core/calendar_days/calendar_entry_file.cpp)
list(PREPEND HORALO_SPECIAL_DAYS_SOURCES ${CMAKE_SOURCE_DIR}/tools/make_calendar_days.cpp)

file(GLOB HORALO_SPECIAL_DAYS_HEADERS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/core/*.h ${CMAKE_SOURCE_DIR}/src/core/*/*.h)
horalo_host_tool(make_calendar_days
  SOURCES ${HORALO_SPECIAL_DAYS_SOURCES}
  HEADERS ${HORALO_SPECIAL_DAYS_HEADERS}
  INCLUDES ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/res)
set(HORALO_SPECIAL_DAYS_TOOL ${make_calendar_days_TOOL})

add_custom_command(
  OUTPUT ${HORALO_SPECIAL_DAYS_FILE}
  COMMAND ${CMAKE_COMMAND} -E remove -f ${HORALO_SPECIAL_DAYS_FILE}
  COMMAND ${HORALO_SPECIAL_DAYS_TOOL} ${HORALO_SPECIAL_DAYS_LIST} ${HORALO_SPECIAL_DAYS_FILE}
  DEPENDS ${HORALO_SPECIAL_DAYS_LIST} ${HORALO_SPECIAL_DAYS_TOOL}
  COMMENT "Making the default horalo.spc"
  VERBATIM)

# The program folder's copy comes from the build's list of that folder.
add_custom_target(special_days ALL DEPENDS ${HORALO_SPECIAL_DAYS_FILE})
if(TARGET horalo_core_tests)
  add_dependencies(horalo_core_tests special_days)
  target_compile_definitions(horalo_core_tests PRIVATE HORALO_SPECIAL_DAYS_FILE="${HORALO_SPECIAL_DAYS_FILE}")
endif()
