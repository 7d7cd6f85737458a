# Runs the tool (arguments separated by '|') and checks its exit code (and, when given, a text of its error output).
string(REPLACE "|" ";" ARGLISTE "${ARGS}")
execute_process(COMMAND ${CLI} ${ARGLISTE} RESULT_VARIABLE rc ERROR_VARIABLE err OUTPUT_QUIET)
if(NOT rc EQUAL ${ERWARTET})
  message(FATAL_ERROR "exit code ${rc}, expected ${ERWARTET}: ${err}")
endif()
if(DEFINED MELDUNG AND NOT err MATCHES "${MELDUNG}")
  message(FATAL_ERROR "message without '${MELDUNG}': ${err}")
endif()
