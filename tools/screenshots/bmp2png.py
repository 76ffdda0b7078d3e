#!/usr/bin/env python3
"""Converts an uncompressed 24-bit BMP file into a PNG file; standard library only.

    python3 bmp2png.py picture.bmp picture.png
"""
import struct
import sys
import zlib


def read_bmp(path):
    """Returns width, height and the rows top to bottom as RGB bytes."""
    data = open(path, 'rb').read()
    if data[:2] != b'BM':
        sys.exit(f'{path}: not a BMP file')
    offset, = struct.unpack_from('<I', data, 10)
    width, height, _, bits, compression = struct.unpack_from('<iiHHI', data, 18)
    if bits != 24 or compression != 0:
        sys.exit(f'{path}: only uncompressed 24-bit BMP files are converted')
    stride = (width * 3 + 3) & ~3
    rows = []
    for y in range(abs(height)):
        bgr = data[offset + y * stride:offset + y * stride + width * 3]
        rgb = bytearray(len(bgr))
        rgb[0::3], rgb[1::3], rgb[2::3] = bgr[2::3], bgr[1::3], bgr[0::3]
        rows.append(bytes(rgb))
    if height > 0:  # stored bottom-up
        rows.reverse()
    return width, abs(height), rows


def chunk(kind, body):
    return struct.pack('>I', len(body)) + kind + body + struct.pack('>I', zlib.crc32(kind + body))


def write_png(path, width, height, rows):
    header = struct.pack('>IIBBBBB', width, height, 8, 2, 0, 0, 0)  # 8-bit RGB
    pixels = b''.join(b'\x00' + row for row in rows)  # filter type 0 on every row
    with open(path, 'wb') as png:
        png.write(b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', header)
                  + chunk(b'IDAT', zlib.compress(pixels, 9)) + chunk(b'IEND', b''))


if __name__ == '__main__':
    if len(sys.argv) != 3:
        sys.exit('usage: bmp2png.py picture.bmp picture.png')
    write_png(sys.argv[2], *read_bmp(sys.argv[1]))
