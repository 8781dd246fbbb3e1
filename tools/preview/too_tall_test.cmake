# An item taller than a picture can be: ostrel-preview exits 2 naming its size
# and the limit, writes no picture, and still writes its report.
file(REMOVE ${OUT}.png ${OUT}.json)
execute_process(COMMAND ${PREVIEW} --reg ${REG} --png ${OUT}.png --json ${OUT}.json
                RESULT_VARIABLE rc ERROR_VARIABLE err TIMEOUT 60)
if(NOT rc EQUAL 2)
  message(FATAL_ERROR "exit code ${rc}, not 2: ${err}")
endif()
if(NOT err MATCHES "^ostrel-preview: --png: the item is 240 x 2147483647 pixels, larger than a picture can be \\(32767 pixels a side\\); no picture written\n$")
  message(FATAL_ERROR "unexpected message: ${err}")
endif()
if(EXISTS ${OUT}.png)
  message(FATAL_ERROR "a picture was written")
endif()
file(READ ${OUT}.json report)
if(NOT report MATCHES "\"itemHeight\": 2147483647")
  message(FATAL_ERROR "the report lacks the item's height: ${report}")
endif()
