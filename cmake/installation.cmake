# Installing and packaging. Tarvik itself lives in lib/tarvik/, its program
# directory: tarvik.ini of a copy there (or the user's own), Tamsor and the
# school's registered programs sit beside it. bin/tarvik links to it.
if(NOT TARGET tarvik)
  return()
endif()

set(tarvik_programmordner lib/tarvik)
install(TARGETS tarvik RUNTIME DESTINATION ${tarvik_programmordner})
if(TARGET tarvik-cli)
  install(TARGETS tarvik-cli RUNTIME DESTINATION bin)
endif()

# The link in bin/ is made in the build tree and installed as a link.
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/installation)
file(CREATE_LINK ../${tarvik_programmordner}/tarvik ${CMAKE_BINARY_DIR}/installation/tarvik SYMBOLIC)
install(FILES ${CMAKE_BINARY_DIR}/installation/tarvik DESTINATION bin)

install(FILES ${PROJECT_SOURCE_DIR}/resources/linux/tarvik.desktop DESTINATION share/applications)
install(FILES ${PROJECT_SOURCE_DIR}/resources/linux/tarvik.xml DESTINATION share/mime/packages)
foreach(groesse 48 128 256)
  install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/tarvik-${groesse}.png
          DESTINATION share/icons/hicolor/${groesse}x${groesse}/apps RENAME tarvik.png)
endforeach()
install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/ DESTINATION share/tarvik/examples)

# cpack -G DEB in the build folder makes the Debian package.
set(CPACK_PACKAGE_NAME tarvik)
set(CPACK_PACKAGE_VENDOR "Tarvik")
set(CPACK_PACKAGE_VERSION 3.1.0)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Fuzzy-Regelung lernen durch Ausprobieren")
set(CPACK_PACKAGE_DESCRIPTION "Tarvik: fuzzy inputs and outputs with trapezoidal terms, a rule table, testers, a 3-D control surface, a simulated inverted pendulum and travelling crane, and a genetic search of crane rule systems. German user interface.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Tarvik <tarvik@localhost>")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
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

# The package test needs dpkg-deb, which only Debian-like systems have.
find_program(DPKG_DEB dpkg-deb)
if(DPKG_DEB)
  add_test(NAME paket_deb COMMAND ${CMAKE_COMMAND} -DBUILD=${CMAKE_BINARY_DIR} -DDPKG_DEB=${DPKG_DEB}
                                  -P ${PROJECT_SOURCE_DIR}/cmake/pakettest.cmake)
  set_tests_properties(paket_deb PROPERTIES RUN_SERIAL ON)
endif()
