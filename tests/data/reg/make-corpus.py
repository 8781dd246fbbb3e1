#!/usr/bin/env python3
"""Writes the .reg corpus of this folder (except wine-export-odd.reg, which the
platform's registry editor wrote). Every key lies under
HKEY_CURRENT_USER\\Software\\OstrelCorpus. Names:
  NAME.reg        read by the host and by the platform's editor alike;
  NAME.ENC.reg    the same registry as NAME.reg in an encoding the editor reads
                  differently (the host must still give NAME.expected);
  skips-*.reg     lines the host reports and skips, as the editor skips them
                  (or where the editor stops reading, the rest of the file);
  unread-*.reg    files the editor imports nothing from, which the host reads
                  with a report;
  differs-*.reg   lines the host reports and the editor reads otherwise (or
                  crashes on): not given to the editor.
NAME.expected (written by the host test with OSTREL_WRITE_REG_EXPECTED=1) is
the registry each file must give, which the Windows-side test checks against
the editor."""
import os

HERE = os.path.dirname(os.path.abspath(__file__))
V5 = 'Windows Registry Editor Version 5.00\n\n'
V4 = 'REGEDIT4\n\n'
ROOT = 'HKEY_CURRENT_USER\\Software\\OstrelCorpus'


def key(sub):
    return '[' + ROOT + '\\' + sub + ']\n'


def write(name, data):
    with open(os.path.join(HERE, name), 'wb') as f:
        f.write(data)


def utf16le(text):
    return b'\xff\xfe' + text.replace('\n', '\r\n').encode('utf-16-le')


FORMS = V5 + key('Forms') + r'''; a comment on its own line
"after value"="x" ; a comment after a value
"dword comment"=dword:0000002a;no blank before it
"hex comment"=hex:01,02 ; after hex bytes
@ = "default with blanks"
  "indented"  =  "blanks around"
	"tabbed"	=	dword:	7	
"escapes"="quote \" backslash \\ line\nbreak\rreturn"
"name \"quoted\" \\ \n"="escaped name"
"continued"=hex:01,02,\
  03,\

  ; a comment inside the list
  04,\ ; a comment after the backslash
  05
"trailing comma"=hex:0a,0b,
"short bytes"=hex:1,2, f
"empty binary"=hex:
"empty none"=hex(0):
"type with zeros"=hex(0004):01,00,00,00
"type blank"=hex( 3):ff
"type empty"=hex():ee
"expand"=hex(2):25,00,41,00
"multi"=hex(7):61,00,00,00,62,00
"text"=hex(1):41,00,42,00,00,00
"delete me"="x"
"delete me"=-
"Delete Me Too"="y"
"delete me too"=- ; by another case
"Case"="first"
"CASE"="second keeps the first name"
''' + key('Forms\\Sub key  ') + r'''"in a key with trailing blanks"="y"
''' + key('Forms\\Bracket ] name] ; comment') + r'''"a"="the name ends at the last ]"
''' + key('Forms\\Gone') + key('Forms\\Gone\\Child') + '[-' + ROOT + '\\Forms\\Gone]\n' + \
    key('Forms\\\\Double\\\\Slash\\') + '"slashes"="collapsed"\n' + \
    '[' + ROOT.lower() + '\\Forms\\Lower]\n"root in lower case"=dword:1\n'

LINE_ENDS = ('REGEDIT4\r\n\r\n' + key('LineEnds') + '"crlf"="1"\r\n"lf"="2"\n"cr"="3"\r"last"="4"')

CYRILLIC = (key('Cyrillic') + '"Строка"="Привет, мир"\n'
            '"Расширяемая"=hex(2):25,57,49,4e,44,49,52,25,5c,cf,f0,e8,e2,e5,f2\n'
            '"Список"=hex(7):e0,00,e1,e2,00,00\n'
            '"Текст"=hex(1):c0,98,88\n'
            '"Пустой"=hex(2):\n'
            '"Двоичный"=hex:cf,f0\n')

ENCODINGS = (key('Encodings') + '"Имя"="Значение ü €"\n'
             '"Расширяемая"=hex(2):1f,04,40,04,38,04,00,00\n'
             '"Список"=hex(7):30,04,00,00,00,00\n'
             '"Текст"=hex(1):41,00\n')

SKIPS_TYPES = (V5 + key('Types') + '"upper dword"=DWORD:1\n"upper hex"=Hex:01\n"upper type"=HEX(2):41,00\n'
               '"kept"=dword:1\n[HKCU\\Software\\OstrelCorpus\\Abbreviated]\n"lost"="1"\n'
               '[HKEY_CURRENT_CONFIG\\Software\\OstrelCorpus]\n"elsewhere"="1"\n'
               '"no key"="after a root this registry lacks"\n' + key('Types') + '"str"=str:"x"\n')

SKIPS_LINES = (V5 + key('Lines') + r'''"unterminated="x"
"value"="unterminated
"after quote"="x" junk
"unknown escape"="C:\temp"
"end escape"="x\"
"bad hex"=hex:01,2g
"double comma"=hex:01,,02
"blank before comma"=hex:01 ,02
"too big"=hex:100
"dword 0x"=dword:0x10
"dword long"=dword:123456789
"dword empty"=dword:
"dword junk"=dword:1 x
"qword"=qword:1
"type 0x"=hex(0x4):01
"type too big"=hex(100000000):01
"delete junk"=- x
"missing equals" dword:1
just some text
"broken"=hex:01,\
"this line is swallowed by the broken list"="x"
"still here"="yes"
"continuation junk"=hex:01,\ junk
[ ''' + ROOT + r'''\Lines\BlankAfterBracket]
"after blank bracket"="stays in Lines"
[''' + ROOT + r'''\Lines\NoClose
"after missing bracket"="stays in Lines"
[''' + ROOT + r'''\Lines\Junk] junk after the bracket
"in junk key"="kept"
[-''' + ROOT + r'''\Lines\Junk]
"after delete"="no key is open"
''' + key('Lines') + '"back"="again"\n')

SKIPS_LIMITS = (V5 + key('Limits\\' + 'k' * 255) + '"' + 'v' * 16383 + '"=dword:1\n'
                '"' + 'w' * 16384 + '"=dword:2\n' + key('Limits\\' + 'x' * 257) + '"lost"="1"\n')


SKIPS_DOUBLE = (V5 + key('Double\\Before') + '"x"="1"\n'
                '[HKEY_CURRENT_USER\\\\Software\\OstrelCorpus\\Double\\Lost]\n"lost"="1"\n'
                '[-HKEY_CURRENT_USER\\\\Software\\OstrelCorpus\\Double\\Before]\n' + key('Double\\After') + '"y"="2"\n')

STOP_BACKSLASH = (V5 + key('Stop') + '"before"="1"\n' + r'''"even"="abc\\
"name\
"blank after"="x\ 
"s"="abc\
"after"="2"
''' + key('Stop\\After') + '"z"="3"\n')

STOP_NO_KEY = (V5 + '[HKEY_CURRENT_USER\\\\Software\\OstrelCorpus]\n"s"="abc\\\n' + key('StopNoKey') + '"a"="1"\n')

STOP_NUL = (V5 + key('Nul') + '"before"="1"\n"s"="abc"\0junk\n"after"="2"\n' + key('Nul\\After') + '"z"="3"\n')

STOP_NUL_HEX = (V5 + key('NulHex') + '"h"=hex:01,\\\n  02\0,03\n"after"="2"\n')

UNREAD = key('Unread') + '"a"="1"\n'


def deep(levels):
    return V5 + key('Deep\\' + '\\'.join(['d'] * levels)) + '"bottom"="x"\n'


def main():
    write('forms.reg', utf16le(FORMS))
    write('line-ends.reg', LINE_ENDS.encode('ascii'))
    write('cp1251.reg', (V4 + CYRILLIC).replace('\n', '\r\n').encode('cp1251'))
    write('cp1251.utf8.reg', (V4 + CYRILLIC).encode('utf-8'))
    write('cp1251-v5.reg', (V5 + CYRILLIC.replace('Cyrillic', 'Cyrillic5')).encode('cp1251'))
    write('encodings.reg', utf16le(V5 + ENCODINGS))
    write('unread-utf16be.reg', b'\xfe\xff' + (V5 + ENCODINGS).replace('\n', '\r\n').encode('utf-16-be'))
    write('unread-utf8bom.reg', b'\xef\xbb\xbf' + (V5 + ENCODINGS).encode('utf-8'))
    write('unread-utf8bom-v4.reg', b'\xef\xbb\xbf' + (V4 + UNREAD).encode('utf-8'))
    write('encodings.utf8.reg', (V5 + ENCODINGS).encode('utf-8'))
    write('skips-types-and-roots.reg', utf16le(SKIPS_TYPES))
    write('skips-lines.reg', utf16le(SKIPS_LINES))
    write('skips-limits.reg', utf16le(SKIPS_LIMITS))
    write('skips-double-backslash.reg', utf16le(SKIPS_DOUBLE))
    write('skips-stop-backslash.reg', utf16le(STOP_BACKSLASH))
    write('skips-stop-backslash-utf8.reg', STOP_BACKSLASH.replace('Stop', 'StopUtf8').encode('utf-8'))
    write('skips-stop-no-key.reg', utf16le(STOP_NO_KEY))
    write('skips-stop-nul.reg', utf16le(STOP_NUL))
    write('skips-stop-nul-utf8.reg', STOP_NUL.replace('Nul', 'NulUtf8').encode('utf-8'))
    write('skips-stop-nul-hex.reg', utf16le(STOP_NUL_HEX))
    write('differs-deep-key.reg', deep(13500).encode('ascii'))
    write('differs-depth-513.reg', deep(513).encode('ascii'))
    write('differs-key-name-256.reg', (V5 + key('k' * 256) + '"a"="1"\n').encode('ascii'))
    write('differs-odd-text.reg', utf16le(V5 + key('Odd') + '"odd"=hex(2):41\n"after"="1"\n'))
    write('differs-nul-escape.reg', utf16le(V5 + key('Nul') + '"before"="1"\n"nul"="x\\0y"\n'
                                            '"nul\\0name"="x"\n"after"="1"\n'))
    write('differs-delete-bad-root.reg',
          utf16le(V5 + '[-HKCU\\Software\\OstrelCorpus]\n' + key('After') + '"a"="1"\n'))


if __name__ == '__main__':
    main()
