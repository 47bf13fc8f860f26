#!/usr/bin/env python3
"""Converts an uncompressed 16-, 24- or 32-bit BMP (as SDL saves them) to PNG,
with nothing but the standard library, for looking at screenshots."""
import struct
import sys
import zlib


def read_bmp(path):
    data = open(path, "rb").read()
    offset = struct.unpack_from("<I", data, 10)[0]
    width, height = struct.unpack_from("<ii", data, 18)
    bits = struct.unpack_from("<H", data, 28)[0]
    compression = struct.unpack_from("<I", data, 30)[0]
    masks = None
    if compression == 3:  # bit fields
        masks = struct.unpack_from("<III", data, 54)
    top_down = height < 0
    height = abs(height)
    stride = ((width * bits + 31) // 32) * 4
    rows = []
    for y in range(height):
        row_start = offset + y * stride
        row = bytearray()
        for x in range(width):
            if bits == 24:
                b, g, r = data[row_start + 3 * x: row_start + 3 * x + 3]
            elif bits == 32:
                b, g, r = data[row_start + 4 * x: row_start + 4 * x + 3]
            elif bits == 16:
                v = struct.unpack_from("<H", data, row_start + 2 * x)[0]
                rm, gm, bm = masks or (0x7C00, 0x03E0, 0x001F)
                r, g, b = (scale(v, m) for m in (rm, gm, bm))
            else:
                raise SystemExit(f"unsupported depth {bits}")
            row += bytes((r, g, b))
        rows.append(bytes(row))
    if not top_down:
        rows.reverse()
    return width, height, rows


def scale(value, mask):
    shift = (mask & -mask).bit_length() - 1
    top = mask >> shift
    return ((value & mask) >> shift) * 255 // top


def write_png(path, width, height, rows):
    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(
            ">I", zlib.crc32(kind + body) & 0xFFFFFFFF)

    raw = b"".join(b"\x00" + row for row in rows)
    png = b"\x89PNG\r\n\x1a\n"
    png += chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(raw, 9))
    png += chunk(b"IEND", b"")
    open(path, "wb").write(png)


if __name__ == "__main__":
    if len(sys.argv) != 3:
        raise SystemExit("usage: bmp_to_png.py INPUT.bmp OUTPUT.png")
    write_png(sys.argv[2], *read_bmp(sys.argv[1]))
