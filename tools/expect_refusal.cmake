# Runs a host tool on bad input and checks that it refuses it as the tools
# must: exit code 2 and one line on standard error matching EXPECT.
#   cmake -DTOOL=... [-DEXTRA="--json,-"] -DOPTION=--ui -DSCRIPT="tab 1, ok" -DEXPECT=regex -P expect_refusal.cmake
# EXTRA's arguments and the script's actions are written with ',' (the
# script is handed over with ';').
string(REPLACE "," ";" extra "${EXTRA}")
string(REPLACE "," ";" script "${SCRIPT}")
execute_process(COMMAND ${TOOL} ${extra} ${OPTION} "${script}" RESULT_VARIABLE rc OUTPUT_QUIET
                ERROR_VARIABLE err TIMEOUT 60)
if(NOT rc EQUAL 2)
  message(FATAL_ERROR "exit code ${rc}, not 2; standard error: ${err}")
endif()
if(NOT err MATCHES "^[^\n]*\n$")
  message(FATAL_ERROR "not one line: ${err}")
endif()
if(NOT err MATCHES "${EXPECT}")
  message(FATAL_ERROR "the message does not match '${EXPECT}': ${err}")
endif()
