#!/usr/bin/env python3
"""Compares two gallery folders (quorvex_gallery output) pixel by pixel:

    python3 scripts/compare_gallery.py BEFORE AFTER

For every PNG of either folder prints "same", or how many pixels differ and the bounding box of
the differences. Exits 1 when anything differs or a picture is missing. Needs no packages beyond
Python: the PNGs are decoded here (8-bit RGB/RGBA, non-interlaced, as Qt writes them).
"""
import pathlib
import struct
import sys
import zlib


def decode_png(path):
    data = path.read_bytes()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError(f"{path}: not a PNG")
    pos, idat, header = 8, b"", None
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        pos += 12 + length
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            idat += body
        elif kind == b"IEND":
            break
    width, height, depth, colour_type, _, _, interlace = header
    if depth != 8 or colour_type not in (2, 6) or interlace:
        raise ValueError(f"{path}: unsupported PNG layout")
    channels = 3 if colour_type == 2 else 4
    raw = zlib.decompress(idat)
    stride = width * channels
    rows, previous = [], bytearray(stride)
    for y in range(height):
        start = y * (stride + 1)
        kind, line = raw[start], bytearray(raw[start + 1:start + 1 + stride])
        for i in range(stride):
            left = line[i - channels] if i >= channels else 0
            up = previous[i]
            corner = previous[i - channels] if i >= channels else 0
            if kind == 1:
                line[i] = (line[i] + left) & 0xff
            elif kind == 2:
                line[i] = (line[i] + up) & 0xff
            elif kind == 3:
                line[i] = (line[i] + (left + up) // 2) & 0xff
            elif kind == 4:
                p = left + up - corner
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - corner)
                pred = left if pa <= pb and pa <= pc else (up if pb <= pc else corner)
                line[i] = (line[i] + pred) & 0xff
        rows.append([tuple(line[x * channels:x * channels + 3]) for x in range(width)])
        previous = line
    return width, height, rows


def compare(before, after):
    wb, hb, rb = decode_png(before)
    wa, ha, ra = decode_png(after)
    if (wb, hb) != (wa, ha):
        return f"size {wb}x{hb} -> {wa}x{ha}"
    diffs = [(x, y) for y in range(hb) for x in range(wb) if rb[y][x] != ra[y][x]]
    if not diffs:
        return None
    xs, ys = [d[0] for d in diffs], [d[1] for d in diffs]
    return f"{len(diffs)} pixels differ within x {min(xs)}..{max(xs)}, y {min(ys)}..{max(ys)}"


def main():
    if len(sys.argv) != 3:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    before, after = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2])
    names = sorted({p.name for p in before.glob("*.png")} | {p.name for p in after.glob("*.png")})
    status = 0
    for name in names:
        if not (before / name).exists() or not (after / name).exists():
            print(f"{name}: missing in one folder")
            status = 1
            continue
        result = compare(before / name, after / name)
        print(f"{name}: {result or 'same'}")
        if result:
            status = 1
    return status


if __name__ == "__main__":
    sys.exit(main())
