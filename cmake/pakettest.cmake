# Test: cpack -G DEB makes a package that holds the program, its link, the
# desktop files and the examples, and names its dependencies. Run with
# -DBUILD=<build folder> -DDPKG_DEB=<dpkg-deb>.

set(ziel ${BUILD}/pakettest)
file(REMOVE_RECURSE ${ziel})
execute_process(COMMAND ${CMAKE_CPACK_COMMAND} -G DEB -B ${ziel} --config ${BUILD}/CPackConfig.cmake
                RESULT_VARIABLE status OUTPUT_VARIABLE ausgabe ERROR_VARIABLE ausgabe)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cpack: ${ausgabe}")
endif()
file(GLOB paket ${ziel}/tarvik_*.deb)
list(LENGTH paket anzahl)
if(NOT anzahl EQUAL 1)
  message(FATAL_ERROR "kein Paket in ${ziel}")
endif()

execute_process(COMMAND ${DPKG_DEB} -f ${paket} Depends OUTPUT_VARIABLE abhaengig)
foreach(noetig qt6-qpa-plugins libqt6widgets6 libqt6printsupport6 libqt6core6)
  if(NOT abhaengig MATCHES "${noetig}")
    message(FATAL_ERROR "Depends ohne ${noetig}: ${abhaengig}")
  endif()
endforeach()

execute_process(COMMAND ${DPKG_DEB} -x ${paket} ${ziel}/wurzel RESULT_VARIABLE status)
foreach(datei usr/lib/tarvik/tarvik usr/bin/tarvik-cli usr/share/applications/tarvik.desktop
        usr/share/mime/packages/tarvik.xml usr/share/icons/hicolor/48x48/apps/tarvik.png
        usr/share/tarvik/examples/pendel.fuz usr/share/tarvik/examples/aufgaben/kran.aufgabe)
  if(NOT EXISTS ${ziel}/wurzel/${datei})
    message(FATAL_ERROR "im Paket fehlt ${datei}")
  endif()
endforeach()
if(NOT IS_SYMLINK ${ziel}/wurzel/usr/bin/tarvik)
  message(FATAL_ERROR "usr/bin/tarvik ist kein Verweis")
endif()
file(READ_SYMLINK ${ziel}/wurzel/usr/bin/tarvik verweis)
if(NOT verweis STREQUAL "../lib/tarvik/tarvik")
  message(FATAL_ERROR "usr/bin/tarvik zeigt auf ${verweis}")
endif()

# The packed command-line tool runs.
execute_process(COMMAND ${ziel}/wurzel/usr/bin/tarvik-cli show ${ziel}/wurzel/usr/share/tarvik/examples/pendel.fuz
                RESULT_VARIABLE status OUTPUT_VARIABLE ausgabe)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "tarvik-cli aus dem Paket: ${status}")
endif()
# It finds the installed tasks beside itself (with empty data folders, so that
# nothing installed on this machine counts) and checks the installed example.
execute_process(COMMAND ${CMAKE_COMMAND} -E env XDG_DATA_HOME=${ziel}/daten XDG_DATA_DIRS=${ziel}/daten
                        ${ziel}/wurzel/usr/bin/tarvik-cli check ${ziel}/wurzel/usr/share/tarvik/examples/kran.fuz
                        --task kran
                RESULT_VARIABLE status OUTPUT_VARIABLE ausgabe ERROR_VARIABLE fehler)
if(NOT status EQUAL 0 OR NOT ausgabe MATCHES "kran bestanden")
  message(FATAL_ERROR "tarvik-cli check aus dem Paket: ${status} ${ausgabe} ${fehler}")
endif()
file(REMOVE_RECURSE ${ziel})
