# The arrows between the layers point one way: app -> ui/print -> win ->
# Win32, and everything -> core. horalo_check_layer(target layer ALLOWED
# prefixes... [EXCEPT files...]) makes building `target` check the #include
# lines of the layer's sources and headers first.
function(horalo_check_layer target layer)
  cmake_parse_arguments(CHECK "" "" "ALLOWED;EXCEPT" ${ARGN})
  file(GLOB_RECURSE files CONFIGURE_DEPENDS
    ${CMAKE_SOURCE_DIR}/src/${layer}/*.cpp ${CMAKE_SOURCE_DIR}/src/${layer}/*.h)
  string(REPLACE ";" "|" sources "${files}")
  string(REPLACE ";" "|" allowed "${CHECK_ALLOWED}")
  string(REPLACE ";" "|" excepted "${CHECK_EXCEPT}")
  set(stamp ${CMAKE_BINARY_DIR}/layers/${layer}.checked)
  add_custom_command(OUTPUT ${stamp}
    COMMAND ${CMAKE_COMMAND} -DLAYER=${layer} "-DSOURCES=${sources}" "-DALLOWED=${allowed}"
            "-DEXCEPT=${excepted}" -DSTAMP=${stamp} -P ${CMAKE_SOURCE_DIR}/cmake/check_layer.cmake
    DEPENDS ${files} ${CMAKE_SOURCE_DIR}/cmake/check_layer.cmake
    COMMENT "Checking the includes of src/${layer}"
    VERBATIM)
  add_custom_target(${target}_layer DEPENDS ${stamp})
  add_dependencies(${target} ${target}_layer)
endfunction()
