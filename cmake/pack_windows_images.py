#!/usr/bin/env python3
"""Packs square PNG images into one Windows .ico file, each at the colour depth asked for, or
into a .cur cursor with its hot spot.

    pack_ico.py out.ico BITS:image.png [BITS:image.png ...]
    pack_ico.py out.cur --hotspot X,Y BITS:image.png [BITS:image.png ...]

BITS is 4 (the 16 standard Windows colours), 8 (a 256-colour palette made from the image), 32
(true colour with alpha), each stored as a bitmap with its transparency mask, or png: the PNG
file itself, true colour with alpha, as icons since Windows Vista may hold it (a tenth of the
bitmap's size for large images). Images are stored in the order given. Standard library only; reads 8-bit, non-interlaced PNG files.
"""
import struct
import sys
import zlib

# The 16 colours of the Windows standard palette.
VGA_PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]


class PackError(Exception):
    pass


def read_png(path):
    """Returns (width, height, rows of (r, g, b, a) tuples), top row first."""
    with open(path, "rb") as f:
        data = f.read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise PackError(f"{path}: not a PNG file")
    pos, idat, header = 8, b"", None
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        chunk = data[pos + 8:pos + 8 + length]
        pos += 12 + length
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", chunk)
        elif kind == b"IDAT":
            idat += chunk
        elif kind == b"IEND":
            break
    if header is None:
        raise PackError(f"{path}: no image header")
    width, height, depth, colour, _, _, interlace = header
    channels = {0: 1, 2: 3, 4: 2, 6: 4}.get(colour)
    if depth != 8 or channels is None or interlace != 0:
        raise PackError(f"{path}: only 8-bit, non-interlaced grey or RGB(A) images are read")
    raw = zlib.decompress(idat)
    stride = width * channels
    rows, previous, pos = [], bytearray(stride), 0
    for _ in range(height):
        kind, line = raw[pos], bytearray(raw[pos + 1:pos + 1 + stride])
        pos += 1 + stride
        for i in range(stride):
            left = line[i - channels] if i >= channels else 0
            up = previous[i]
            corner = previous[i - channels] if i >= channels else 0
            if kind == 1:
                line[i] = (line[i] + left) & 0xFF
            elif kind == 2:
                line[i] = (line[i] + up) & 0xFF
            elif kind == 3:
                line[i] = (line[i] + ((left + up) >> 1)) & 0xFF
            elif kind == 4:
                p = left + up - corner
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - corner)
                best = left if pa <= pb and pa <= pc else (up if pb <= pc else corner)
                line[i] = (line[i] + best) & 0xFF
            elif kind != 0:
                raise PackError(f"{path}: unknown row filter {kind}")
        previous = line
        pixels = []
        for x in range(width):
            px = line[x * channels:(x + 1) * channels]
            if channels == 1:
                pixels.append((px[0], px[0], px[0], 255))
            elif channels == 2:
                pixels.append((px[0], px[0], px[0], px[1]))
            elif channels == 3:
                pixels.append((px[0], px[1], px[2], 255))
            else:
                pixels.append(tuple(px))
        rows.append(pixels)
    return width, height, rows


def adaptive_palette(rows, size):
    """The most frequent colours of the opaque pixels (5 bits a channel), averaged per bucket."""
    buckets = {}
    for row in rows:
        for r, g, b, a in row:
            if a >= 128:
                entry = buckets.setdefault((r >> 3, g >> 3, b >> 3), [0, 0, 0, 0])
                entry[0] += 1
                entry[1] += r
                entry[2] += g
                entry[3] += b
    common = sorted(buckets.values(), key=lambda e: -e[0])[:size]
    palette = [(e[1] // e[0], e[2] // e[0], e[3] // e[0]) for e in common]
    return palette + [(0, 0, 0)] * (size - len(palette))


def nearest(palette, colour, cache):
    index = cache.get(colour)
    if index is None:
        r, g, b = colour
        index = min(range(len(palette)), key=lambda i: (palette[i][0] - r) ** 2 +
                    (palette[i][1] - g) ** 2 + (palette[i][2] - b) ** 2)
        cache[colour] = index
    return index


def padded(row_bytes):
    return row_bytes + b"\0" * (-len(row_bytes) % 4)


def icon_bitmap(width, height, rows, bits):
    """One icon image: BITMAPINFOHEADER, palette, colour rows and mask rows, bottom row first."""
    palette = []
    if bits == 4:
        palette = VGA_PALETTE
    elif bits == 8:
        palette = adaptive_palette(rows, 256)
    elif bits != 32:
        raise PackError(f"unsupported depth {bits}")
    cache = {}
    colour_rows, mask_rows = [], []
    for row in reversed(rows):
        mask = bytearray((width + 7) // 8)
        line = bytearray()
        indices = []
        for x, (r, g, b, a) in enumerate(row):
            transparent = a == 0 if bits == 32 else a < 128
            if transparent:
                mask[x // 8] |= 0x80 >> (x % 8)
            if bits == 32:
                line += bytes((b, g, r, a))
            else:
                indices.append(0 if transparent else nearest(palette, (r, g, b), cache))
        if bits == 8:
            line = bytearray(indices)
        elif bits == 4:
            indices += [0] * (len(indices) % 2)
            line = bytearray((indices[i] << 4) | indices[i + 1] for i in range(0, len(indices), 2))
        colour_rows.append(padded(bytes(line)))
        mask_rows.append(padded(bytes(mask)))
    image = b"".join(colour_rows) + b"".join(mask_rows)
    header = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, bits, 0, len(image), 0, 0,
                         len(palette), 0)
    table = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    return header + table + image


def main(argv):
    if len(argv) < 3:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    items, hotspot = argv[2:], None
    if items and items[0] == "--hotspot":
        if len(items) < 3:
            raise PackError("--hotspot needs X,Y and at least one image")
        x, _, y = items[1].partition(",")
        hotspot = (int(x), int(y))
        items = items[2:]
    images = []
    for item in items:
        bits, _, path = item.partition(":")
        width, height, rows = read_png(path)
        if width != height or not 1 <= width <= 256:
            raise PackError(f"{path}: icons are square, 1 to 256 pixels ({width}x{height})")
        if bits == "png":
            with open(path, "rb") as f:
                data = f.read()
            # The header's bit depth and colour type: 8-bit RGBA, as Windows reads PNG icons.
            if data[24:26] != b"\x08\x06":
                raise PackError(f"{path}: a PNG icon image must be 8-bit RGBA")
            images.append((width, 32, data))
        else:
            images.append((width, int(bits), icon_bitmap(width, height, rows, int(bits))))
    # Resource type 1 is an icon, 2 a cursor; a cursor's entries hold the hot spot where an
    # icon's hold planes and bit count.
    out = struct.pack("<HHH", 0, 1 if hotspot is None else 2, len(images))
    offset = 6 + 16 * len(images)
    for width, bits, data in images:
        if hotspot is not None and not (0 <= hotspot[0] < width and 0 <= hotspot[1] < width):
            raise PackError(f"hot spot {hotspot} lies outside the {width} pixel image")
        planes, count = (1, bits) if hotspot is None else hotspot
        out += struct.pack("<BBBBHHII", width % 256, width % 256, 16 if bits == 4 else 0, 0,
                           planes, count, len(data), offset)
        offset += len(data)
    out += b"".join(data for _, _, data in images)
    with open(argv[1], "wb") as f:
        f.write(out)
    return 0


if __name__ == "__main__":
    try:
        sys.exit(main(sys.argv))
    except (OSError, PackError, ValueError, zlib.error) as error:
        print(f"pack_ico: {error}", file=sys.stderr)
        sys.exit(1)
