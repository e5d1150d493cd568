# Test: cpack -G DEB makes a package that holds the program, its link, the
# desktop files, the documentation and the examples, names its dependencies,
# and passes the checks of Debian and freedesktop.org: lintian, the desktop
# entries (the package's and the one the set-up writes) with
# desktop-file-validate, the AppStream metadata with appstreamcli, and a .fuz
# file opened by xdg-open and gio on a virtual display. A check whose tool is
# missing is skipped with a line that says so.
# Run with -DBUILD=<build folder> -DDPKG_DEB=<dpkg-deb>
# -DDATEITYP_SCHREIBEN=<tests/platform/dateityp_schreiben> -DQUELLE=<source folder>.

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

set(wurzel ${ziel}/wurzel)
execute_process(COMMAND ${DPKG_DEB} -x ${paket} ${wurzel} RESULT_VARIABLE status)
set(metainfo usr/share/metainfo/invalid.tarvik.tarvik.metainfo.xml)
foreach(datei usr/lib/tarvik/tarvik usr/bin/tarvik-cli usr/share/applications/tarvik.desktop
        usr/share/mime/packages/tarvik.xml usr/share/icons/hicolor/48x48/apps/tarvik.png
        usr/share/tarvik/examples/pendel.fuz usr/share/tarvik/examples/aufgaben/kran.aufgabe ${metainfo}
        usr/share/doc/tarvik/copyright usr/share/doc/tarvik/changelog.gz usr/share/man/man1/tarvik.1.gz
        usr/share/man/man1/tarvik-cli.1.gz)
  if(NOT EXISTS ${wurzel}/${datei})
    message(FATAL_ERROR "im Paket fehlt ${datei}")
  endif()
endforeach()
if(NOT IS_SYMLINK ${wurzel}/usr/bin/tarvik)
  message(FATAL_ERROR "usr/bin/tarvik ist kein Verweis")
endif()
file(READ_SYMLINK ${wurzel}/usr/bin/tarvik verweis)
if(NOT verweis STREQUAL "../lib/tarvik/tarvik")
  message(FATAL_ERROR "usr/bin/tarvik zeigt auf ${verweis}")
endif()

# The packed command-line tool runs.
execute_process(COMMAND ${wurzel}/usr/bin/tarvik-cli show ${wurzel}/usr/share/tarvik/examples/pendel.fuz
                RESULT_VARIABLE status OUTPUT_VARIABLE ausgabe)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "tarvik-cli aus dem Paket: ${status}")
endif()
# It finds the installed tasks beside itself (with empty data folders, so that
# nothing installed on this machine counts) and checks the installed example.
execute_process(COMMAND ${CMAKE_COMMAND} -E env XDG_DATA_HOME=${ziel}/daten XDG_DATA_DIRS=${ziel}/daten
                        ${wurzel}/usr/bin/tarvik-cli check ${wurzel}/usr/share/tarvik/examples/kran.fuz
                        --task kran
                RESULT_VARIABLE status OUTPUT_VARIABLE ausgabe ERROR_VARIABLE fehler)
if(NOT status EQUAL 0 OR NOT ausgabe MATCHES "kran bestanden")
  message(FATAL_ERROR "tarvik-cli check aus dem Paket: ${status} ${ausgabe} ${fehler}")
endif()

# Runs a checker; any output of it but the lines matching `erlaubt` fails.
function(pruefen name werkzeug)
  cmake_parse_arguments(P "" "ERLAUBT" "ARGUMENTE" ${ARGN})
  find_program(programm_${name} ${werkzeug})
  if(NOT programm_${name})
    message(STATUS "${werkzeug} fehlt: ${name} übersprungen")
    return()
  endif()
  execute_process(COMMAND ${programm_${name}} ${P_ARGUMENTE}
                  RESULT_VARIABLE status OUTPUT_VARIABLE ausgabe ERROR_VARIABLE ausgabe)
  string(REGEX REPLACE "\n$" "" ausgabe "${ausgabe}")
  set(rest "")
  if(NOT ausgabe STREQUAL "")
    string(REPLACE "\n" ";" zeilen "${ausgabe}")
    foreach(zeile IN LISTS zeilen)
      if(NOT P_ERLAUBT OR NOT zeile MATCHES "${P_ERLAUBT}")
        string(APPEND rest "${zeile}\n")
      endif()
    endforeach()
  endif()
  if(NOT status EQUAL 0 OR NOT rest STREQUAL "")
    message(FATAL_ERROR "${name} (${status}):\n${ausgabe}")
  endif()
  message(STATUS "${name}: ok")
endfunction()

# lintian: no error and no warning; its notes (I:) stay to read. It warns
# when it runs as root, as CI does.
pruefen(lintian lintian ERLAUBT "^I: |^N: |^running with root privileges is not recommended!$"
        ARGUMENTE --fail-on error,warning ${paket})

# The package's desktop entry and the per-user one the set-up writes, for a
# program folder that needs a link and, with a home folder whose path is not
# plain either, for the quoted line.
set(nutzer ${ziel}/nutzer)
set(ordner "${ziel}/Mein \"Tar\"vik $HOME 100% a\\b")
file(MAKE_DIRECTORY ${ordner})
execute_process(COMMAND ${CMAKE_COMMAND} -E env XDG_DATA_HOME=${nutzer}/daten XDG_CONFIG_HOME=${nutzer}/konfig
                        ${DATEITYP_SCHREIBEN} ${ordner}/tarvik RESULT_VARIABLE status)
execute_process(COMMAND ${CMAKE_COMMAND} -E env "XDG_DATA_HOME=${nutzer}/meine daten" XDG_CONFIG_HOME=${nutzer}/konfig
                        ${DATEITYP_SCHREIBEN} ${ordner}/tarvik RESULT_VARIABLE status2)
if(NOT status EQUAL 0 OR NOT status2 EQUAL 0)
  message(FATAL_ERROR "dateityp_schreiben: ${status} ${status2}")
endif()
foreach(eintrag ${wurzel}/usr/share/applications/tarvik.desktop ${nutzer}/daten/applications/tarvik-fuz.desktop
        "${nutzer}/meine daten/applications/tarvik-fuz.desktop")
  file(STRINGS ${eintrag} exec REGEX "^Exec=")
  message(STATUS "${exec}")
  pruefen(desktop-file-validate desktop-file-validate ARGUMENTE ${eintrag})
endforeach()

pruefen(appstreamcli appstreamcli ERLAUBT "^I: |^ *$|Validation was successful"
        ARGUMENTE validate --no-net ${wurzel}/${metainfo})

# Opening for real needs the launchers, a virtual display and the MIME type
# detection that xdg-open uses in its generic mode (mimetype).
set(fehlt "")
foreach(werkzeug xvfb-run xdg-open gio mimetype update-mime-database update-desktop-database pgrep)
  find_program(programm_${werkzeug} ${werkzeug})
  if(NOT programm_${werkzeug})
    list(APPEND fehlt ${werkzeug})
  endif()
endforeach()
if(fehlt)
  message(STATUS "${fehlt} fehlt: Öffnen mit xdg-open und gio übersprungen")
else()
  execute_process(COMMAND ${programm_xvfb-run} -a sh ${QUELLE}/cmake/oeffnentest.sh ${wurzel} ${DATEITYP_SCHREIBEN}
                  RESULT_VARIABLE status OUTPUT_VARIABLE ausgabe ERROR_VARIABLE ausgabe)
  message(STATUS "${ausgabe}")
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "Öffnen einer .fuz-Datei: ${status}")
  endif()
endif()
file(REMOVE_RECURSE ${ziel})
