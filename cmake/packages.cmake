# The downloads, made of the program folder's one list (the install rules):
# the per-user installer (makensis, Debian: nsis) and a portable zip for
# each language. Each is laid out afresh from the build, never copied from
# build/windows/program, where a run leaves a time log behind.
set(HORALO_PACKAGE_DIR ${CMAKE_BINARY_DIR}/packages)
set(HORALO_STAGE_DIR ${HORALO_PACKAGE_DIR}/stage/Horalo)
set(HORALO_PACKAGE_INPUTS $<TARGET_FILE:horalo> $<TARGET_FILE:HoraloRDLL> $<TARGET_FILE:HoraloRDLL_de>
  $<TARGET_FILE:horalo-cli> ${HORALO_SPECIAL_DAYS_FILE} ${HORALO_FORM_FILE} ${HORALO_FORM_FILE_DE} ${HORALO_HELP_FILE})

add_custom_command(
  OUTPUT ${HORALO_STAGE_DIR}/horalo.exe
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${HORALO_STAGE_DIR}
  COMMAND ${CMAKE_COMMAND} --install ${CMAKE_BINARY_DIR} --prefix ${HORALO_STAGE_DIR}
  DEPENDS ${HORALO_PACKAGE_INPUTS}
  COMMENT "Laying out the program folder for the packages"
  VERBATIM)
set(HORALO_PACKAGES)

foreach(language ${HORALO_LANGUAGES})
  set(zip ${HORALO_PACKAGE_DIR}/Horalo-${PROJECT_VERSION}-portable-${language}.zip)
  set(zip_dir ${HORALO_PACKAGE_DIR}/stage-${language})
  add_custom_command(
    OUTPUT ${zip}
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${zip_dir} ${zip}
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${HORALO_STAGE_DIR} ${zip_dir}/Horalo
    COMMAND ${CMAKE_COMMAND} -E copy ${zip_dir}/Horalo/languages/${language}/HoraloRDLL.dll
            ${zip_dir}/Horalo/languages/${language}/horalo.frm ${zip_dir}/Horalo
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/package/portable.txt ${zip_dir}/Horalo/README.txt
    COMMAND ${CMAKE_COMMAND} -E chdir ${zip_dir} ${CMAKE_COMMAND} -E tar cf ${zip} --format=zip Horalo
    DEPENDS ${HORALO_STAGE_DIR}/horalo.exe ${CMAKE_SOURCE_DIR}/package/portable.txt
    COMMENT "Packing Horalo-${PROJECT_VERSION}-portable-${language}.zip"
    VERBATIM)
  list(APPEND HORALO_PACKAGES ${zip})
endforeach()

find_program(HORALO_MAKENSIS makensis)
if(HORALO_MAKENSIS)
  set(HORALO_SETUP_FILE ${HORALO_PACKAGE_DIR}/Horalo-${PROJECT_VERSION}-setup.exe)
  add_custom_command(
    OUTPUT ${HORALO_SETUP_FILE}
    COMMAND ${HORALO_MAKENSIS} -V2 -DPROGRAM_DIR=${HORALO_STAGE_DIR} -DSOURCE_DIR=${CMAKE_SOURCE_DIR}
            -DVERSION=${PROJECT_VERSION} -DOUTFILE=${HORALO_SETUP_FILE} ${CMAKE_SOURCE_DIR}/package/horalo.nsi
    DEPENDS ${HORALO_STAGE_DIR}/horalo.exe ${CMAKE_SOURCE_DIR}/package/horalo.nsi ${CMAKE_SOURCE_DIR}/res/horalo.ico
    COMMENT "Making the installer Horalo-${PROJECT_VERSION}-setup.exe"
    VERBATIM)
  list(APPEND HORALO_PACKAGES ${HORALO_SETUP_FILE})
else()
  message(STATUS "The installer is left out: it needs makensis (Debian: nsis)")
endif()
add_custom_target(packages ALL DEPENDS ${HORALO_PACKAGES})
