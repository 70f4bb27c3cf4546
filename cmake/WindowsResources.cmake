# The resources of the Windows programs (icon, version information, manifest) and the values
# the installer shares with them: one version, one publisher.
set(MEVRIK_PUBLISHER "Mevrik")
string(SUBSTRING "${MEVRIK_RELEASE_DATE}" 0 4 MEVRIK_RELEASE_YEAR)
set(MEVRIK_COPYRIGHT "© ${MEVRIK_RELEASE_YEAR} ${MEVRIK_PUBLISHER}")
set(MEVRIK_WINDOWS_PACKAGING ${PROJECT_SOURCE_DIR}/packaging/windows)
set(MEVRIK_ICON ${PROJECT_SOURCE_DIR}/app/icons/mevrik.ico)
# The installer puts its uninstaller beside the programs; the window takes it as the sign of an
# installed copy.
set(MEVRIK_WINDOWS_UNINSTALLER "uninstall.exe")

# mevrik_add_windows_resources(TARGET DESCRIPTION_ZH text DESCRIPTION_EN text)
function(mevrik_add_windows_resources target)
  if(NOT WIN32)
    return()
  endif()
  cmake_parse_arguments(R "" "DESCRIPTION_ZH;DESCRIPTION_EN" "" ${ARGN})
  set(MEVRIK_DESCRIPTION_ZH ${R_DESCRIPTION_ZH})
  set(MEVRIK_DESCRIPTION_EN ${R_DESCRIPTION_EN})
  set(MEVRIK_FILE_NAME ${target}.exe)
  set(MEVRIK_MANIFEST ${PROJECT_BINARY_DIR}/mevrik.manifest)
  configure_file(${MEVRIK_WINDOWS_PACKAGING}/mevrik.manifest ${MEVRIK_MANIFEST} @ONLY)
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc)
  configure_file(${MEVRIK_WINDOWS_PACKAGING}/program.rc.in ${rc} @ONLY)
  # windres sees the icon and the manifest only through the script.
  set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS "${MEVRIK_ICON};${MEVRIK_MANIFEST}")
  target_sources(${target} PRIVATE ${rc})
endfunction()

# The installer's script, build/installer.nsi, for the two programs of this build.
function(mevrik_windows_installer_script)
  if(NOT WIN32)
    return()
  endif()
  set(MEVRIK_WINDOW_EXE $<TARGET_FILE:mevrik>)
  set(MEVRIK_CLI_EXE $<TARGET_FILE:mevrik-cli>)
  configure_file(${MEVRIK_WINDOWS_PACKAGING}/installer.nsi.in ${PROJECT_BINARY_DIR}/installer.nsi.in @ONLY)
  file(GENERATE OUTPUT ${PROJECT_BINARY_DIR}/installer.nsi INPUT ${PROJECT_BINARY_DIR}/installer.nsi.in)
endfunction()
