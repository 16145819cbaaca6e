# SPDX-License-Identifier: GPL-3.0-or-later
# Installing Flenmark the way a Linux desktop program is installed, and packing it as a .deb.
#   bin/                          the programs
#   share/flenmark/               the KML templates, the manual, the document icons, the airports
#   share/applications/           the desktop entry
#   share/icons/hicolor/          the application icon (scalable and sizes)
#   share/metainfo/               the AppStream description
#   share/man/man1/               a page for every program, made from its --help, compressed
#   share/bash-completion/        completion for flenmark-cli
#   share/doc/flenmark/           the README, the copyright file and the changelog
# The programs find their files in ../share/flenmark/ next to their own folder. The developer
# tools (flenmark-screenshots) are built but not installed.
include(GNUInstallDirs)
# Debian's name for the documentation folder: the package's, in lower case.
set(FLENMARK_DOCDIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/flenmark)

set(FLENMARK_PROGRAMS flenmark-cli flenmark-simhost flenmark-fgbridge flenmark-xpbridge)
if(FLENMARK_BUILD_GUI)
  list(APPEND FLENMARK_PROGRAMS flenmark flenmark-updater)
endif()
install(TARGETS ${FLENMARK_PROGRAMS} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

set(FLENMARK_SHARE ${CMAKE_INSTALL_DATADIR}/flenmark)
install(FILES resources/KMLSettings.txt resources/Manual.pdf resources/Airports.txt
        DESTINATION ${FLENMARK_SHARE})
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
install(FILES README.md resources/package/copyright DESTINATION ${FLENMARK_DOCDIR})

# Manual pages from each program's --help and --version (help2man), compressed as Debian
# installs them; gzip -n leaves out the time, so the same build makes the same files.
if(NOT CMAKE_CROSSCOMPILING)
  find_program(HELP2MAN help2man)
  find_program(GZIP gzip)
endif()
if(GZIP)
  set(changelog ${CMAKE_BINARY_DIR}/changelog.gz)
  add_custom_command(OUTPUT ${changelog}
    COMMAND ${GZIP} -9 -n -c ${CMAKE_SOURCE_DIR}/resources/package/changelog > ${changelog}
    DEPENDS ${CMAKE_SOURCE_DIR}/resources/package/changelog
    COMMENT "Compressing the changelog")
  add_custom_target(flenmark_changelog ALL DEPENDS ${changelog})
  install(FILES ${changelog} DESTINATION ${FLENMARK_DOCDIR})
endif()
if(HELP2MAN AND GZIP)
  set(summary_flenmark "flight recorder for home flight simulators")
  set(summary_flenmark-cli "the Flenmark flight recorder without windows, for scripts")
  set(summary_flenmark-simhost "stand-in for the simulator side of the FSUIPC link")
  set(summary_flenmark-fgbridge "serves the FSUIPC link from a running FlightGear")
  set(summary_flenmark-xpbridge "serves the FSUIPC link from a running X-Plane")
  set(summary_flenmark-updater "installs a newer Flenmark")
  set(pages)
  foreach(program ${FLENMARK_PROGRAMS})
    set(page ${CMAKE_BINARY_DIR}/man/${program}.1.gz)
    add_custom_command(OUTPUT ${page}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
      COMMAND ${HELP2MAN} --no-info --no-discard-stderr --section 1
              --name "${summary_${program}}" --output ${CMAKE_BINARY_DIR}/man/${program}.1
              $<TARGET_FILE:${program}>
      COMMAND ${GZIP} -9 -n -f ${CMAKE_BINARY_DIR}/man/${program}.1
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
    "Flenmark records flights from a home flight simulator through the FSUIPC\n\
protocol, recognises their events (take-off, touchdown with its sink rate,\n\
gear, flaps, spoilers, stall, marker beacons, localizer and glideslope) and\n\
turns them into Google Earth documents with a coloured track and an animated\n\
replay with the traffic around you. It also exports GPX and CSV, draws the\n\
flight's profile, shows a traffic scope and bridges FlightGear and X-Plane.")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.flenmark.org/flenmark")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Documents, folders and web addresses are opened with xdg-open.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "xdg-utils")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
include(CPack)
