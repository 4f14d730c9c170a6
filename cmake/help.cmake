# HORALO.CHM, the help file, compiled from help/ with chmcmd (Debian:
# fp-utils). chmcmd writes beside its project, so it runs on a copy.
find_program(HORALO_CHMCMD chmcmd)
if(NOT HORALO_CHMCMD)
  message(FATAL_ERROR "chmcmd compiles the help file HORALO.CHM; install it (Debian: fp-utils)")
endif()
file(GLOB HORALO_HELP_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/help/*)
set(HORALO_HELP_DIR ${CMAKE_BINARY_DIR}/help)
set(HORALO_HELP_FILE ${HORALO_HELP_DIR}/HORALO.CHM)
add_custom_command(
  OUTPUT ${HORALO_HELP_FILE}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${HORALO_HELP_DIR}
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_SOURCE_DIR}/help ${HORALO_HELP_DIR}
  COMMAND ${CMAKE_COMMAND} -E chdir ${HORALO_HELP_DIR} ${HORALO_CHMCMD} --verbosity 0 horalo.hhp
  DEPENDS ${HORALO_HELP_SOURCES}
  COMMENT "Compiling the help file HORALO.CHM"
  VERBATIM)
add_custom_target(help_file ALL DEPENDS ${HORALO_HELP_FILE})
