# Installs the build into ZIEL and runs the installed command-line tool there.
file(REMOVE_RECURSE ${ZIEL})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${ZIEL} RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${rc}")
endif()
foreach(datei bin/trassomatic-cli share/trassomatic/trassomatic.std share/applications/trassomatic.desktop
        share/mime/packages/trassomatic.xml share/icons/hicolor/scalable/apps/trassomatic.svg)
  if(NOT EXISTS ${ZIEL}/${datei})
    message(FATAL_ERROR "not installed: ${datei}")
  endif()
endforeach()
# A fresh home: the tool seeds its data folder from the installed data.
set(ENV{HOME} ${ZIEL}/home)
set(ENV{XDG_DATA_HOME} "")
execute_process(COMMAND ${ZIEL}/bin/trassomatic-cli check ${ZIEL}/share/trassomatic/stdWListe.w88
                RESULT_VARIABLE rc OUTPUT_VARIABLE aus ERROR_VARIABLE fehler)
if(NOT rc EQUAL 0 OR NOT aus MATCHES "Typen: ")
  message(FATAL_ERROR "installed tool failed (${rc}): ${aus} ${fehler}")
endif()
if(NOT EXISTS ${ZIEL}/home/.local/share/trassomatic/stdWListe.w88)
  message(FATAL_ERROR "the data folder was not seeded from the installed data")
endif()
