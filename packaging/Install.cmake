# The installed layout: programs in bin/, the sound player, the program's private helper, in
# ORVANEL_OYNATICI_KLASORU (libexec/orvanel/), data.db and the sounds in share/orvanel/ (the
# programs look there when their own folder has no data.db), manual pages, the menu entry,
# icons and AppStream metadata where desktops look for them. The build folder itself stays the portable
# layout, everything side by side.
set(veri ${CMAKE_INSTALL_DATADIR}/orvanel)
set(belge ${CMAKE_INSTALL_DATADIR}/doc/orvanel)

install(TARGETS orvanel orvanel-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS orvanel-ses RUNTIME DESTINATION ${ORVANEL_OYNATICI_KLASORU})
# A stripped install also drops the compilers' .comment notes, as Debian's own packages do.
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    foreach(f ${CMAKE_INSTALL_BINDIR}/$<TARGET_FILE_NAME:orvanel>
              ${CMAKE_INSTALL_BINDIR}/$<TARGET_FILE_NAME:orvanel-cli>
              ${ORVANEL_OYNATICI_KLASORU}/$<TARGET_FILE_NAME:orvanel-ses>)
      execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment
                              \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/\${f}\" COMMAND_ERROR_IS_FATAL ANY)
    endforeach()
  endif()")
install(FILES assets/data.db assets/uyari.wma assets/eksimge.ico DESTINATION ${veri})
install(DIRECTORY assets/Ezan DESTINATION ${veri})
foreach(size 16 24 32 48)
  install(FILES assets/icons/orvanel_${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME orvanel.png)
endforeach()
# The menu entry and the AppStream file are named by the application id.
set(masaustu ${CMAKE_BINARY_DIR}/packaging/${ORVANEL_KIMLIK}.desktop)
set(metainfo ${CMAKE_BINARY_DIR}/packaging/${ORVANEL_KIMLIK}.metainfo.xml)
configure_file(packaging/orvanel.desktop.in ${masaustu} COPYONLY)
configure_file(packaging/orvanel.metainfo.xml.in ${metainfo} @ONLY)
install(FILES ${masaustu} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${metainfo} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Debian wants the copyright and a compressed changelog without a time stamp in its header.
set(gunluk ${CMAKE_BINARY_DIR}/changelog.gz)
add_custom_command(OUTPUT ${gunluk}
                   COMMAND gzip -9nc ${CMAKE_SOURCE_DIR}/packaging/changelog > ${gunluk}
                   DEPENDS packaging/changelog VERBATIM)
add_custom_target(orvanel_changelog ALL DEPENDS ${gunluk})
install(FILES packaging/copyright ${gunluk} DESTINATION ${belge})

# Manual pages, compressed alike: the program's written by hand, orvanel-cli's made from the
# commands' own help (cmake/CliManPage.cmake), so it never lags behind them.
set(kilavuz ${CMAKE_BINARY_DIR}/man)
configure_file(packaging/orvanel.1.in ${kilavuz}/orvanel.1 @ONLY)
add_custom_command(OUTPUT ${kilavuz}/orvanel.1.gz ${kilavuz}/orvanel-cli.1.gz
                   COMMAND ${CMAKE_COMMAND} -DCLI=$<TARGET_FILE:orvanel-cli>
                           -DVERSION=${PROJECT_VERSION} -DOUT=${kilavuz}/orvanel-cli.1
                           -P ${CMAKE_SOURCE_DIR}/cmake/CliManPage.cmake
                   COMMAND gzip -9nc ${kilavuz}/orvanel-cli.1 > ${kilavuz}/orvanel-cli.1.gz
                   COMMAND gzip -9nc ${kilavuz}/orvanel.1 > ${kilavuz}/orvanel.1.gz
                   DEPENDS orvanel-cli cmake/CliManPage.cmake ${kilavuz}/orvanel.1 VERBATIM)
add_custom_target(orvanel_man ALL DEPENDS ${kilavuz}/orvanel.1.gz ${kilavuz}/orvanel-cli.1.gz)
install(FILES ${kilavuz}/orvanel.1.gz ${kilavuz}/orvanel-cli.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# Lintian reads the pages as English: its spelling check is overridden for the Turkish help.
install(FILES packaging/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME orvanel)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orvanel)
set(CPACK_PACKAGE_VENDOR "The Orvanel developers")
set(CPACK_PACKAGE_CONTACT "The Orvanel developers <orvanel@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "prayer times with a warning before each time")
set(CPACK_PACKAGE_DESCRIPTION
    "Orvanel computes the six daily prayer times for a chosen place, shows them
with the Gregorian and Hijri date, counts down to the next time and warns some
minutes before each time. When a time begins it plays the user's own ezan
recordings from its Ezan folder (/usr/share/orvanel/Ezan); the package ships a
neutral chime in their place. It lives in the notification area and speaks
Turkish. orvanel-cli prints the times, exports them as an iCalendar file and
writes the month's timetable (imsakiye) as a PDF page.")
set(CPACK_PACKAGE_HOMEPAGE_URL ${ORVANEL_URUN_ADRESI})
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The sounds are played through GStreamer, which QtMultimedia loads at run time.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, gstreamer1.0-plugins-ugly, gstreamer1.0-libav")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGE_FILE_NAME orvanel)
include(CPack)
