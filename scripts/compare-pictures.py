#!/usr/bin/env python3
"""compare-pictures.py A.png B.png: exits 0 when the two PNG files hold the same pixels
(same size, bit depth, colour type and sample values), 1 with the first difference
otherwise. The files' compression may differ; only the decoded samples count."""
import struct
import sys
import zlib


def chunks(path):
    with open(path, "rb") as f:
        data = f.read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError(f"{path}: not a PNG file")
    at, idat, header = 8, b"", None
    while at < len(data):
        length, kind = struct.unpack(">I4s", data[at:at + 8])
        body = data[at + 8:at + 8 + length]
        if kind == b"IHDR":
            header = body
        elif kind == b"IDAT":
            idat += body
        elif kind == b"IEND":
            break
        at += 12 + length
    return header, zlib.decompress(idat)


def read_png(path):
    header, raw = chunks(path)
    header = struct.unpack(">IIBBBBB", header)
    width, height, depth, colour, _, _, interlace = header
    if interlace:
        raise ValueError(f"{path}: interlaced pictures are not compared")
    channels = {0: 1, 2: 3, 3: 1, 4: 2, 6: 4}[colour]
    pixel_bytes = max(1, channels * depth // 8)
    row_bytes = (width * channels * depth + 7) // 8
    rows, previous = [], bytearray(row_bytes)
    for y in range(height):
        start = y * (row_bytes + 1)
        kind, row = raw[start], bytearray(raw[start + 1:start + 1 + row_bytes])
        for i in range(row_bytes):
            left = row[i - pixel_bytes] if i >= pixel_bytes else 0
            up = previous[i]
            corner = previous[i - pixel_bytes] if i >= pixel_bytes else 0
            if kind == 1:
                row[i] = (row[i] + left) & 255
            elif kind == 2:
                row[i] = (row[i] + up) & 255
            elif kind == 3:
                row[i] = (row[i] + (left + up) // 2) & 255
            elif kind == 4:
                p = left + up - corner
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - corner)
                predictor = left if pa <= pb and pa <= pc else (up if pb <= pc else corner)
                row[i] = (row[i] + predictor) & 255
        rows.append(bytes(row))
        previous = row
    return (width, height, depth, colour), rows


def main():
    if len(sys.argv) != 3:
        print(__doc__, file=sys.stderr)
        return 2
    # The same header and filtered rows: the same pixels, without decoding them.
    if chunks(sys.argv[1]) == chunks(sys.argv[2]):
        return 0
    (form_a, rows_a), (form_b, rows_b) = read_png(sys.argv[1]), read_png(sys.argv[2])
    if form_a != form_b:
        print(f"different pictures: {form_a} against {form_b} (width, height, bit depth, colour type)")
        return 1
    for y, (a, b) in enumerate(zip(rows_a, rows_b)):
        if a != b:
            x = next(i for i in range(len(a)) if a[i] != b[i])
            print(f"different pixels: row {y}, byte {x}: {a[x]} against {b[x]}")
            return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
