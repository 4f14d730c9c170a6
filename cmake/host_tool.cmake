# Build tools that run on the build machine while the build goes on (the
# default special days, the time-sheet form). In a cross build they are
# compiled with the host's compiler by a custom command; natively they are
# plain executables.
#
#   horalo_host_tool(<name> SOURCES files... [HEADERS files...]
#                    [INCLUDES dirs...] [LIBRARIES names...])
#
# sets <name>_TOOL in the caller's scope: the command that runs the tool.
set(HORALO_HOST_CXX c++ CACHE STRING "C++ compiler of the build machine, for the build tools")

function(horalo_host_tool name)
  cmake_parse_arguments(TOOL "" "" "SOURCES;HEADERS;INCLUDES;LIBRARIES" ${ARGN})
  if(CMAKE_CROSSCOMPILING)
    set(tool ${CMAKE_BINARY_DIR}/tools/${name})
    list(TRANSFORM TOOL_INCLUDES PREPEND -I OUTPUT_VARIABLE include_flags)
    list(TRANSFORM TOOL_LIBRARIES PREPEND -l OUTPUT_VARIABLE library_flags)
    add_custom_command(
      OUTPUT ${tool}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/tools
      COMMAND ${HORALO_HOST_CXX} -std=c++20 -O1 -Wall -Wextra ${include_flags}
              ${TOOL_SOURCES} ${library_flags} -o ${tool}
      DEPENDS ${TOOL_SOURCES} ${TOOL_HEADERS}
      COMMENT "Building ${name} with the host compiler"
      VERBATIM)
  else()
    add_executable(${name} ${TOOL_SOURCES})
    target_include_directories(${name} PRIVATE ${TOOL_INCLUDES})
    target_link_libraries(${name} PRIVATE ${TOOL_LIBRARIES})
    set(tool ${name})
  endif()
  set(${name}_TOOL ${tool} PARENT_SCOPE)
endfunction()
