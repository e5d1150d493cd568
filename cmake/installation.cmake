# Installing and packaging. Tarvik itself lives in lib/tarvik/, its program
# directory: tarvik.ini of a copy there (or the user's own), Tamsor and the
# school's registered programs sit beside it. bin/tarvik links to it.
if(NOT TARGET tarvik)
  return()
endif()

# The one place of the package's maintainer: the Debian control file and the
# changelog take it from here. The default address is a placeholder (".invalid"
# never resolves); whoever publishes the package sets their own.
set(TARVIK_BETREUER "Tarvik-Projekt <tarvik@tarvik.invalid>" CACHE STRING
    "Maintainer of the Debian package: Name <address>")
set(tarvik_version 3.1.0)

set(tarvik_programmordner lib/tarvik)
set(tarvik_doku share/doc/tarvik)
install(TARGETS tarvik RUNTIME DESTINATION ${tarvik_programmordner})
if(TARGET tarvik-cli)
  install(TARGETS tarvik-cli RUNTIME DESTINATION bin)
endif()

# The link in bin/ is made in the build tree and installed as a link.
set(tarvik_erzeugt ${CMAKE_BINARY_DIR}/installation)
file(MAKE_DIRECTORY ${tarvik_erzeugt})
file(CREATE_LINK ../${tarvik_programmordner}/tarvik ${tarvik_erzeugt}/tarvik SYMBOLIC)
install(FILES ${tarvik_erzeugt}/tarvik DESTINATION bin)

set(tarvik_linux ${PROJECT_SOURCE_DIR}/resources/linux)
set(tarvik_paket ${PROJECT_SOURCE_DIR}/packaging)
install(FILES ${tarvik_linux}/tarvik.desktop DESTINATION share/applications)
install(FILES ${tarvik_linux}/tarvik.xml DESTINATION share/mime/packages)
install(FILES ${tarvik_linux}/invalid.tarvik.tarvik.metainfo.xml DESTINATION share/metainfo)
foreach(groesse 48 128 256)
  install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/tarvik-${groesse}.png
          DESTINATION share/icons/hicolor/${groesse}x${groesse}/apps RENAME tarvik.png)
endforeach()
install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/ DESTINATION share/tarvik/examples)

# Manual pages and the changelog go compressed, as Debian has them: gzip -9n
# (no name, no time stamp, so the same sources give the same bytes). They are
# made when CMake configures, so installing still builds nothing.
configure_file(${tarvik_paket}/changelog.in ${tarvik_erzeugt}/changelog @ONLY)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             ${tarvik_paket}/tarvik.1 ${tarvik_paket}/tarvik-cli.1)
find_program(TARVIK_GZIP gzip)
function(tarvik_gepackt quelle ziel)
  if(TARVIK_GZIP)
    execute_process(COMMAND ${TARVIK_GZIP} -9nc ${quelle} OUTPUT_FILE ${ziel}.gz RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
      message(FATAL_ERROR "gzip ${quelle}: ${status}")
    endif()
    set(${ARGV2} ${ziel}.gz PARENT_SCOPE)
  else()
    configure_file(${quelle} ${ziel} COPYONLY)
    set(${ARGV2} ${ziel} PARENT_SCOPE)
  endif()
endfunction()
tarvik_gepackt(${tarvik_erzeugt}/changelog ${tarvik_erzeugt}/changelog datei)
install(FILES ${datei} DESTINATION ${tarvik_doku})
install(FILES ${tarvik_paket}/copyright DESTINATION ${tarvik_doku})
foreach(seite tarvik.1 tarvik-cli.1)
  tarvik_gepackt(${tarvik_paket}/${seite} ${tarvik_erzeugt}/${seite} datei)
  install(FILES ${datei} DESTINATION share/man/man1)
endforeach()

# cpack -G DEB in the build folder makes the Debian package.
set(CPACK_PACKAGE_NAME tarvik)
set(CPACK_PACKAGE_VENDOR "Tarvik")
set(CPACK_PACKAGE_VERSION ${tarvik_version})
set(CPACK_PACKAGE_CONTACT "${TARVIK_BETREUER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "learn fuzzy control by trying it out")
# Lines of at most 80 characters; an empty line starts a paragraph.
set(CPACK_PACKAGE_DESCRIPTION_FILE ${tarvik_paket}/beschreibung.txt)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${TARVIK_BETREUER}")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
# The settings the set-up writes into lib/tarvik/ go on purge.
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${tarvik_paket}/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The libraries come from dpkg-shlibdeps where it is installed (dpkg-dev);
# the screen plugin is loaded at run time, so it is named in any case.
find_program(DPKG_SHLIBDEPS dpkg-shlibdeps)
if(DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
else()
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6widgets6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6core6 (>= 6.4), libqt6printsupport6 (>= 6.4), libstdc++6 (>= 12), libgcc-s1, libc6 (>= 2.34)")
endif()
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, fonts-liberation, shared-mime-info, desktop-file-utils")
set(CPACK_STRIP_FILES ON)
# Installing and packaging take what was built: build tarvik and tarvik-cli
# first (a whole build does), so that cpack does not rebuild every test.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
include(CPack)

# The package test needs dpkg-deb, which only Debian-like systems have. A
# sanitizer build is not what gets packaged, so it has no package test.
find_program(DPKG_DEB dpkg-deb)
if(DPKG_DEB AND TARGET dateityp_schreiben AND NOT TARVIK_SANITIZE AND NOT TARVIK_FUZZ)
  add_test(NAME paket_deb COMMAND ${CMAKE_COMMAND} -DBUILD=${CMAKE_BINARY_DIR} -DDPKG_DEB=${DPKG_DEB}
                                  -DDATEITYP_SCHREIBEN=$<TARGET_FILE:dateityp_schreiben> -DQUELLE=${PROJECT_SOURCE_DIR}
                                  -P ${PROJECT_SOURCE_DIR}/cmake/pakettest.cmake)
  # It works in its own folder of the build and on its own display, so it
  # runs beside the other tests.
  set_tests_properties(paket_deb PROPERTIES TIMEOUT 300)
endif()
