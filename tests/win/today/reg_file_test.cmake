# The installed "ostrel.reg": its lines for an ASCII folder, and the UTF-16LE
# hex form of a folder with other characters, checked against iconv.
#
#   cmake -DRES=programs/ostrel -DWORK=scratch-folder -P reg_file_test.cmake
include("${RES}/today_item_reg.cmake")
set(failures "")

file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}/plain folder")
ostrel_write_today_item_reg("${WORK}/plain folder")
# Read as bytes: the line ends must be CRLF.
file(READ "${WORK}/plain folder/ostrel.reg" content HEX)
string(REPLACE "/" "\\" windows "${WORK}")
string(REPLACE "\\" "\\\\" escaped "Z:${windows}\\plain folder\\ostrel.dll")
string(CONCAT expected
  "Windows Registry Editor Version 5.00\r\n\r\n"
  "[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Today\\Items\\Ostrel]\r\n"
  "\"Type\"=dword:00000004\r\n"
  "\"DLL\"=\"${escaped}\"\r\n"
  "\"Enabled\"=dword:00000001\r\n\"Options\"=dword:00000001\r\n"
  "\"Order\"=dword:00000000\r\n\"Selectability\"=dword:00000002\r\n")
string(HEX "${expected}" expected_bytes)
if(NOT content STREQUAL expected_bytes)
  string(APPEND failures "ASCII folder: the bytes\n${content}\ndiffer from\n${expected_bytes}\n")
endif()

set(text "Z:\\Папка \"1\"\\😀.dll")
ostrel_reg_text(DLL "${text}" line)
file(WRITE "${WORK}/text.txt" "${text}")
execute_process(COMMAND iconv -f UTF-8 -t UTF-16LE "${WORK}/text.txt" OUTPUT_FILE "${WORK}/text16.bin"
                RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "iconv is needed for this test")
endif()
file(READ "${WORK}/text16.bin" hex HEX)
string(REGEX REPLACE "(..)" "\\1," hex "${hex}")
set(want "\"DLL\"=hex(1):${hex}00,00")
if(NOT line STREQUAL want)
  string(APPEND failures "non-ASCII folder: ${line}\nexpected: ${want}\n")
endif()

if(failures)
  message(FATAL_ERROR "${failures}")
endif()
