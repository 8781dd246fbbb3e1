# Writes the stand-in of a user's own fonts into OUT: DejaVu Sans and DejaVu
# Sans Bold renamed to the family "Ostrel Stand In" by TOOL (ostrel-font-stand-in).
#
#   cmake -DTOOL=ostrel-font-stand-in -DOUT=folder -P stand_in_fonts.cmake
foreach(var TOOL OUT)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "stand_in_fonts.cmake: ${var} is not set")
  endif()
endforeach()
set(dejavu /usr/share/fonts/truetype/dejavu)
file(MAKE_DIRECTORY "${OUT}")
foreach(pair "DejaVuSans.ttf;ostrel-stand-in.ttf" "DejaVuSans-Bold.ttf;ostrel-stand-in-bold.ttf")
  list(GET pair 0 from)
  list(GET pair 1 to)
  execute_process(COMMAND "${TOOL}" "${dejavu}/${from}" "${OUT}/${to}" "Ostrel Stand In" RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "cannot make ${OUT}/${to} from ${dejavu}/${from} (fonts-dejavu-core; scripts/install-deps.sh "
                        "installs it) with ${TOOL} (the host build's)")
  endif()
endforeach()
