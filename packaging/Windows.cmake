# Windows: the Qt and mingw run-time files beside the programs, so that the build folder runs
# in place (under Wine too) and is the portable program folder; an NSIS installer into
# Program Files with a Start-menu entry and an uninstaller; and the same folder as a .zip.
get_target_property(qt_core Qt6::Core IMPORTED_LOCATION_RELEASE)
get_filename_component(qt_bin ${qt_core} DIRECTORY)
get_filename_component(qt_plugins ${qt_bin}/../plugins ABSOLUTE)
set(mingw_gcc /usr/lib/gcc/x86_64-w64-mingw32/12-posix)

set(ORVANEL_WINDOWS_DLLS
    ${qt_bin}/Qt6Core.dll ${qt_bin}/Qt6Gui.dll ${qt_bin}/Qt6Widgets.dll ${qt_bin}/Qt6Network.dll
    ${qt_bin}/Qt6Multimedia.dll ${mingw_gcc}/libstdc++-6.dll ${mingw_gcc}/libgcc_s_seh-1.dll
    /usr/x86_64-w64-mingw32/lib/libwinpthread-1.dll)
# Plugins the program loads: the platform, the icon reader (eksimge.ico), the native style and
# the Media Foundation sound backend.
set(ORVANEL_WINDOWS_PLUGINS platforms/qwindows.dll imageformats/qico.dll
    styles/qwindowsvistastyle.dll multimedia/windowsmediaplugin.dll)
# And what only the tests use.
set(test_dlls ${qt_bin}/Qt6Test.dll)
set(test_plugins platforms/qoffscreen.dll)

# Copied without their symbols (mingw's C++ library alone carries 20 MB of them).
set(kopyala)
foreach(dll ${ORVANEL_WINDOWS_DLLS} ${test_dlls})
  get_filename_component(ad ${dll} NAME)
  list(APPEND kopyala COMMAND ${CMAKE_COMMAND} -E copy_if_different ${dll} ${CMAKE_BINARY_DIR}
       COMMAND ${CMAKE_STRIP} --strip-unneeded ${CMAKE_BINARY_DIR}/${ad})
endforeach()
foreach(eklenti ${ORVANEL_WINDOWS_PLUGINS} ${test_plugins})
  get_filename_component(klasor ${eklenti} DIRECTORY)
  list(APPEND kopyala
       COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/${klasor}
       COMMAND ${CMAKE_COMMAND} -E copy_if_different ${qt_plugins}/${eklenti}
               ${CMAKE_BINARY_DIR}/${klasor})
endforeach()
add_custom_target(orvanel_windows_dlls ${kopyala} VERBATIM)

# What scripts/windows.sh builds: the programs, the sound player and every test program.
add_custom_target(orvanel_windows)
add_dependencies(orvanel_windows orvanel orvanel-cli orvanel-ses orvanel_windows_dlls)
get_property(testler GLOBAL PROPERTY ORVANEL_TEST_PROGRAMS)
if(testler)
  add_dependencies(orvanel_windows ${testler})
endif()
if(TARGET konum_yazici_araci)
  add_dependencies(orvanel_windows konum_yazici_araci)
endif()
# The list tests/support/wine_testleri.sh runs.
list(JOIN testler "\n" satirlar)
file(GENERATE OUTPUT ${CMAKE_BINARY_DIR}/orvanel_test_programs.txt CONTENT "${satirlar}\n")

install(TARGETS orvanel orvanel-cli orvanel-ses RUNTIME DESTINATION .)
foreach(dll ${ORVANEL_WINDOWS_DLLS})
  get_filename_component(ad ${dll} NAME)
  install(FILES ${CMAKE_BINARY_DIR}/${ad} DESTINATION .)
endforeach()
foreach(eklenti ${ORVANEL_WINDOWS_PLUGINS})
  get_filename_component(klasor ${eklenti} DIRECTORY)
  install(FILES ${qt_plugins}/${eklenti} DESTINATION ${klasor})
endforeach()
install(FILES assets/data.db assets/uyari.wma assets/eksimge.ico DESTINATION .)
install(DIRECTORY assets/Ezan DESTINATION .)
install(FILES packaging/copyright DESTINATION . RENAME copyright.txt)

set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_PACKAGE_NAME Orvanel)
set(CPACK_PACKAGE_VENDOR "The Orvanel developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Namaz vakitleri")
set(CPACK_PACKAGE_FILE_NAME Orvanel-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Orvanel)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Orvanel)
set(CPACK_PACKAGE_HOMEPAGE_URL ${ORVANEL_URUN_ADRESI})
set(CPACK_STRIP_FILES ON)
# Per machine, into Program Files; a Start-menu entry; listed with its uninstaller in "Apps".
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
# A 64-bit installer (NSIS's amd64 stub): it needs no 32-bit layer and sees the 64-bit
# registry and Program Files as the program does.
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
set(CPACK_NSIS_PACKAGE_NAME Orvanel)
set(CPACK_NSIS_DISPLAY_NAME Orvanel)
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_PACKAGE_EXECUTABLES orvanel Orvanel)
set(CPACK_NSIS_INSTALLED_ICON_NAME orvanel.exe)
set(CPACK_NSIS_MUI_ICON ${CMAKE_SOURCE_DIR}/assets/orvanel.ico)
set(CPACK_NSIS_MUI_UNIICON ${CMAKE_SOURCE_DIR}/assets/orvanel.ico)
set(CPACK_NSIS_URL_INFO_ABOUT ${ORVANEL_URUN_ADRESI})
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
set(CPACK_NSIS_MUI_FINISHPAGE_RUN orvanel.exe)
# The program's running copy is ended first, so that no file stays behind; the user's own
# logon entry for this copy goes with it. The user's settings and added places stay.
set(run "Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Run")
set(CPACK_NSIS_EXTRA_UNINSTALL_COMMANDS "nsExec::Exec 'taskkill /F /IM orvanel.exe'
  ReadRegStr $0 HKCU '${run}' 'orvanel'
  StrCmp $0 '\\\"$INSTDIR\\\\orvanel.exe\\\" -startup' 0 +2
  DeleteRegValue HKCU '${run}' 'orvanel'")
# The portable .zip holds the program folder itself.
set(CPACK_ARCHIVE_COMPONENT_INSTALL OFF)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
include(CPack)
