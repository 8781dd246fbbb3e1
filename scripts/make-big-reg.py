#!/usr/bin/env python3
"""Writes a .reg file (UTF-16LE, as the platform's editor writes it) with N
launcher entries, for timing how the host tools scale with the number of
values:  scripts/make-big-reg.py 100000 big.reg
         time ostrel-preview --reg big.reg --dump-settings >/dev/null"""
import sys


def main():
    if len(sys.argv) != 3 or not sys.argv[1].isdigit():
        sys.exit('usage: make-big-reg.py COUNT OUT.reg')
    count = int(sys.argv[1])
    lines = ['Windows Registry Editor Version 5.00', '',
             '[HKEY_CURRENT_USER\\Software\\Vekta\\Ostrel\\Launcher]']
    lines += ['"FileName%d"="\\\\Windows\\\\Programs\\\\app%d.exe"' % (n, n) for n in range(1, count + 1)]
    with open(sys.argv[2], 'wb') as out:
        out.write(b'\xff\xfe' + ('\r\n'.join(lines) + '\r\n').encode('utf-16-le'))


if __name__ == '__main__':
    main()
