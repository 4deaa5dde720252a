#!/usr/bin/env python3
"""make_icon.py OUT.ico IMAGE.png...: a Windows icon holding the given square PNG pictures as
they are (Windows reads PNG images inside an icon file)."""
import struct
import sys


def png_size(data):
    # The PNG header holds width and height as big-endian numbers at bytes 16 and 20.
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError("not a PNG picture")
    return struct.unpack(">II", data[16:24])


def main(out, pictures):
    images = [open(p, "rb").read() for p in pictures]
    header = struct.pack("<HHH", 0, 1, len(images))
    offset = len(header) + 16 * len(images)
    entries, bodies = b"", b""
    for data in images:
        width, height = png_size(data)
        # 256 is written as 0 in the one byte each dimension has.
        entries += struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, 1, 32, len(data),
                               offset + len(bodies))
        bodies += data
    with open(out, "wb") as icon:
        icon.write(header + entries + bodies)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2:])
