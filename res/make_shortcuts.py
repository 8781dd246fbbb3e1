#!/usr/bin/env python3
"""Writes the item's two shortcut files byte by byte: battery.lnk and memory.lnk.

The system-information block starts them by default from the item's folder.
Each is a minimal shell link: the 76-byte header, then a link-information
record with a local base path (no item-id list, no strings), then the
terminal block. The targets are programs every Windows (and Wine) prefix
has: the control panel for the battery, the task manager for the memory.
Output: <folder>/battery.lnk, <folder>/memory.lnk (default: next to this
script, in shortcuts/).
"""
import os
import struct
import sys

TARGETS = {
    "battery.lnk": "C:\\windows\\system32\\control.exe",
    "memory.lnk": "C:\\windows\\system32\\taskmgr.exe",
}

LINK_CLSID = bytes.fromhex("0114020000000000c000000000000046")
HAS_LINK_INFO = 0x00000002
IS_UNICODE = 0x00000080
FILE_ATTRIBUTE_NORMAL = 0x00000080
SW_SHOWNORMAL = 1
DRIVE_FIXED = 3
VOLUME_ID_AND_LOCAL_BASE_PATH = 0x00000001


def header():
    return struct.pack(
        "<I16sIIQQQIiIHHII",
        0x4C, LINK_CLSID, HAS_LINK_INFO | IS_UNICODE, FILE_ATTRIBUTE_NORMAL,
        0, 0, 0,          # creation, access, write times: none, so the file is reproducible
        0, 0, SW_SHOWNORMAL, 0, 0, 0, 0)


def link_info(path):
    volume = struct.pack("<IIII", 17, DRIVE_FIXED, 0, 16) + b"\0"
    base = path.encode("ascii") + b"\0"
    suffix = b"\0"
    header_size = 0x1C
    volume_offset = header_size
    base_offset = volume_offset + len(volume)
    suffix_offset = base_offset + len(base)
    size = suffix_offset + len(suffix)
    return struct.pack("<IIIIIII", size, header_size, VOLUME_ID_AND_LOCAL_BASE_PATH,
                       volume_offset, base_offset, 0, suffix_offset) + volume + base + suffix


def shortcut(path):
    return header() + link_info(path) + struct.pack("<I", 0)


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "shortcuts")
    os.makedirs(folder, exist_ok=True)
    for name, target in TARGETS.items():
        with open(os.path.join(folder, name), "wb") as out:
            out.write(shortcut(target))


if __name__ == "__main__":
    main()
