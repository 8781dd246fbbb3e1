# Writes "ostrel.reg" into an installed item folder: the Today item's key
# under HKEY_LOCAL_MACHINE with the library's path in that folder, in the
# Windows form that Wine gives a Unix path (drive Z: is the root).
#
# The file is plain ASCII ("Windows Registry Editor Version 5.00", CRLF);
# a path with other characters is written as REG_SZ in hex (UTF-16LE), so
# that the import never depends on a code page.

# The UTF-16LE bytes of a UTF-8 text, as "xx,xx,..." with the terminator.
function(ostrel_utf16_hex text out)
  string(HEX "${text}" bytes)
  string(LENGTH "${bytes}" length)
  set(units "")
  set(i 0)
  while(i LESS length)
    string(SUBSTRING "${bytes}" ${i} 2 byte)
    math(EXPR b "0x${byte}")
    # Lead byte: the number of continuation bytes and the first bits.
    if(b LESS 128)
      set(more 0)
      set(cp ${b})
    elseif(b LESS 224)
      set(more 1)
      math(EXPR cp "${b} & 31")
    elseif(b LESS 240)
      set(more 2)
      math(EXPR cp "${b} & 15")
    else()
      set(more 3)
      math(EXPR cp "${b} & 7")
    endif()
    math(EXPR i "${i} + 2")
    foreach(k RANGE 1 ${more})
      if(more EQUAL 0)
        break()
      endif()
      string(SUBSTRING "${bytes}" ${i} 2 byte)
      math(EXPR cp "(${cp} << 6) | (0x${byte} & 63)")
      math(EXPR i "${i} + 2")
    endforeach()
    if(cp GREATER 65535)
      math(EXPR high "0xD800 + ((${cp} - 0x10000) >> 10)")
      math(EXPR low "0xDC00 + ((${cp} - 0x10000) & 1023)")
      list(APPEND units ${high} ${low})
    else()
      list(APPEND units ${cp})
    endif()
  endwhile()
  list(APPEND units 0)
  set(hex "")
  foreach(unit IN LISTS units)
    math(EXPR lo "${unit} & 255" OUTPUT_FORMAT HEXADECIMAL)
    math(EXPR hi "${unit} >> 8" OUTPUT_FORMAT HEXADECIMAL)
    foreach(part lo hi)
      string(SUBSTRING "${${part}}" 2 -1 digits)
      string(LENGTH "${digits}" n)
      if(n EQUAL 1)
        set(digits "0${digits}")
      endif()
      string(APPEND hex "${digits},")
    endforeach()
  endforeach()
  string(REGEX REPLACE ",$" "" hex "${hex}")
  set(${out} "${hex}" PARENT_SCOPE)
endfunction()

# The .reg line of a REG_SZ value.
function(ostrel_reg_text name text out)
  if(text MATCHES "^[ -~]*$")
    string(REPLACE "\\" "\\\\" escaped "${text}")
    string(REPLACE "\"" "\\\"" escaped "${escaped}")
    set(${out} "\"${name}\"=\"${escaped}\"" PARENT_SCOPE)
  else()
    ostrel_utf16_hex("${text}" hex)
    set(${out} "\"${name}\"=hex(1):${hex}" PARENT_SCOPE)
  endif()
endfunction()

function(ostrel_write_today_item_reg prefix)
  get_filename_component(folder "${prefix}" ABSOLUTE)
  string(REPLACE "/" "\\" windows_folder "${folder}")
  ostrel_reg_text(DLL "Z:${windows_folder}\\ostrel.dll" dll_line)
  set(crlf "\r\n")
  string(CONCAT content
    "Windows Registry Editor Version 5.00${crlf}${crlf}"
    "[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Today\\Items\\Ostrel]${crlf}"
    "\"Type\"=dword:00000004${crlf}"
    "${dll_line}${crlf}"
    "\"Enabled\"=dword:00000001${crlf}"
    "\"Options\"=dword:00000001${crlf}"
    "\"Order\"=dword:00000000${crlf}"
    "\"Selectability\"=dword:00000002${crlf}")
  set(target "$ENV{DESTDIR}${folder}/ostrel.reg")
  message(STATUS "Installing: ${target}")
  file(WRITE "${target}" "${content}")
endfunction()
