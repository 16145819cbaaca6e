# Installing Flenmark the way a Linux desktop program is installed, and packing it as a .deb.
#   bin/                          the programs
#   share/flenmark/               the KML templates, the manual and the document icons
#   share/applications/           the desktop entry
#   share/icons/hicolor/          the application icon (scalable and sizes)
#   share/metainfo/               the AppStream description
#   share/man/man1/               a page for every program, made from its --help
#   share/bash-completion/        completion for flenmark-cli
# The programs find their files in ../share/flenmark/ next to their own folder.
include(GNUInstallDirs)

set(FLENMARK_PROGRAMS flenmark-cli flenmark-simhost)
if(NOT WIN32)
  list(APPEND FLENMARK_PROGRAMS flenmark-fgbridge flenmark-xpbridge)
endif()
if(FLENMARK_BUILD_GUI)
  list(APPEND FLENMARK_PROGRAMS flenmark flenmark-updater flenmark-screenshots)
endif()
install(TARGETS ${FLENMARK_PROGRAMS} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

set(FLENMARK_SHARE ${CMAKE_INSTALL_DATADIR}/flenmark)
install(FILES resources/KMLSettings.txt resources/Manual.pdf DESTINATION ${FLENMARK_SHARE})
install(FILES ${FLENMARK_ICONS} DESTINATION ${FLENMARK_SHARE}/icons)

if(FLENMARK_BUILD_GUI AND NOT WIN32)
  install(FILES resources/app/org.flenmark.Flenmark.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES resources/app/org.flenmark.Flenmark.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES resources/app/flenmark.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  foreach(size 32 48 64 128 256)
    install(FILES resources/app/flenmark-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME flenmark.png)
  endforeach()
endif()
if(NOT WIN32)
  install(FILES resources/completion/flenmark-cli
          DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)
endif()
install(FILES README.md DESTINATION ${CMAKE_INSTALL_DOCDIR})

# Manual pages from each program's --help and --version (help2man).
if(NOT CMAKE_CROSSCOMPILING)
  find_program(HELP2MAN help2man)
endif()
if(HELP2MAN)
  set(summary_flenmark "flight recorder for home flight simulators")
  set(summary_flenmark-cli "the Flenmark flight recorder without windows, for scripts")
  set(summary_flenmark-simhost "stand-in for the simulator side of the FSUIPC link")
  set(summary_flenmark-fgbridge "serves the FSUIPC link from a running FlightGear")
  set(summary_flenmark-xpbridge "serves the FSUIPC link from a running X-Plane")
  set(summary_flenmark-updater "installs a newer Flenmark")
  set(summary_flenmark-screenshots "saves pictures of the Flenmark windows")
  set(pages)
  foreach(program ${FLENMARK_PROGRAMS})
    set(page ${CMAKE_BINARY_DIR}/man/${program}.1)
    add_custom_command(OUTPUT ${page}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
      COMMAND ${HELP2MAN} --no-info --no-discard-stderr --section 1
              --name "${summary_${program}}" --output ${page} $<TARGET_FILE:${program}>
      DEPENDS ${program}
      COMMENT "Manual page of ${program}")
    list(APPEND pages ${page})
  endforeach()
  add_custom_target(flenmark_man ALL DEPENDS ${pages})
  install(FILES ${pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
elseif(NOT CMAKE_CROSSCOMPILING)
  message(WARNING "help2man not found: the manual pages are not made (scripts/setup installs it)")
endif()

# cpack -G DEB (scripts/package): the dependencies come from dpkg-shlibdeps.
if(WIN32)
  return()
endif()
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME flenmark)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Flenmark developers")
set(CPACK_PACKAGE_CONTACT "The Flenmark developers <developers@flenmark.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Flight recorder for home flight simulators")
set(CPACK_PACKAGE_DESCRIPTION
    "Flenmark records flights from a home flight simulator through the FSUIPC protocol, \
recognises their events (take-off, touchdown with its sink rate, gear, flaps, spoilers, stall, \
marker beacons, localizer and glideslope) and turns them into Google Earth documents with a \
coloured track and an animated replay with the traffic around you.")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.flenmark.org/flenmark")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
include(CPack)
