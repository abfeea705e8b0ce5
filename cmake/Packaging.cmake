# The two packages a Windows user gets: an installer (NSIS) and a portable zip.
# What they hold is what the install rules of the program and its help say.
set(CPACK_PACKAGE_NAME "Sixpointe")
set(CPACK_PACKAGE_VENDOR "Sixpointe")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "L'alphabet Braille pour les voyants")
set(CPACK_PACKAGE_INSTALL_DIRECTORY "Sixpointe")
set(CPACK_PACKAGE_DIRECTORY "${CMAKE_BINARY_DIR}/packages")
set(CPACK_GENERATOR "NSIS;ZIP")
set(CPACK_STRIP_FILES OFF) # the program is linked stripped already

# The NSIS script is the project's own (cmake/packaging/NSIS.template.in and
# the .nsh files beside it): French, 64-bit, for the current user or for all
# users, and an uninstaller that removes exactly what the installer added.
set(CPACK_NSIS_MUI_ICON "${PROJECT_SOURCE_DIR}/res/Sixpointe.ico")
set(CPACK_NSIS_MUI_UNIICON "${PROJECT_SOURCE_DIR}/res/Sixpointe.ico")
set(CPACK_NSIS_COMPRESSOR "/SOLID lzma")
set(CPACK_SIXPOINTE_NSIS_DIR "${CMAKE_CURRENT_LIST_DIR}/packaging")

# The picture of the first and last pages, drawn from the program's icon when
# CMake runs, so that any cpack run finds it.
set(six_wizard_script "${CMAKE_CURRENT_LIST_DIR}/packaging/wizard_picture.py")
set(CPACK_SIXPOINTE_WIZARD_BITMAP "${CMAKE_BINARY_DIR}/packaging/Wizard.bmp")
file(MAKE_DIRECTORY "${CMAKE_BINARY_DIR}/packaging")
execute_process(
  COMMAND python3 "${six_wizard_script}" "${CPACK_NSIS_MUI_ICON}" "${CPACK_SIXPOINTE_WIZARD_BITMAP}"
  COMMAND_ERROR_IS_FATAL ANY)
set_property(DIRECTORY "${PROJECT_SOURCE_DIR}" APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
  "${six_wizard_script}" "${CPACK_NSIS_MUI_ICON}")

# One file name per generator: set when CPack runs each of them.
set(CPACK_PROJECT_CONFIG_FILE "${CMAKE_BINARY_DIR}/CPackPerGenerator.cmake")
file(WRITE "${CPACK_PROJECT_CONFIG_FILE}" "
if(CPACK_GENERATOR STREQUAL \"NSIS\")
  set(CPACK_PACKAGE_FILE_NAME \"Sixpointe-${PROJECT_VERSION}-setup\")
elseif(CPACK_GENERATOR STREQUAL \"ZIP\")
  set(CPACK_PACKAGE_FILE_NAME \"Sixpointe-${PROJECT_VERSION}-portable\")
  set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
endif()
")

list(PREPEND CMAKE_MODULE_PATH "${CMAKE_CURRENT_LIST_DIR}/packaging")
include(CPack)
