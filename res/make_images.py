#!/usr/bin/env python3
"""Draws the application icon and the page header bitmap.

Writes, next to this script:
  Velastore_Setup.ico  four images: 16x16 and 32x32, each at 4 and 8 bpp
  header.bmp           55x60, 24 bpp, uncompressed, on white

Both show the same motif: a closed cardboard box seen from above, with a
strip of tape over the lid and, from 32 pixels up, a shipping label with a
"V" on its front. Standard library only; the build uses the files kept in
the tree, so run this again only when the picture changes.
"""

import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))

# Palette of the picture. TRANSPARENT only ever appears in the icon.
TRANSPARENT = None
OUTLINE = (96, 58, 24)
EDGE = (150, 100, 50)
TOP = (238, 200, 140)
LEFT = (214, 162, 96)
RIGHT = (178, 122, 62)
TAPE_TOP = (250, 238, 206)
TAPE_SIDE = (222, 204, 160)
LABEL = (255, 255, 255)
MARK = (40, 90, 180)
WHITE = (255, 255, 255)

# Box corners in a unit square, y pointing down.
A = (0.50, 0.06)   # back corner of the lid
B = (0.94, 0.28)   # right corner of the lid
C = (0.50, 0.50)   # front corner of the lid
D = (0.06, 0.28)   # left corner of the lid
E = (0.50, 0.94)   # front bottom corner
F = (0.06, 0.72)   # left bottom corner
G = (0.94, 0.72)   # right bottom corner


def sub(p, q):
    return (p[0] - q[0], p[1] - q[1])


class Face:
    """A parallelogram origin + u*e1 + v*e2, with u and v in [0, 1]."""

    def __init__(self, origin, corner1, corner2):
        self.o = origin
        self.e1 = sub(corner1, origin)
        self.e2 = sub(corner2, origin)
        self.det = self.e1[0] * self.e2[1] - self.e1[1] * self.e2[0]

    def uv(self, p):
        dx, dy = sub(p, self.o)
        u = (dx * self.e2[1] - dy * self.e2[0]) / self.det
        v = (self.e1[0] * dy - self.e1[1] * dx) / self.det
        return u, v

    def at(self, u, v):
        return (self.o[0] + u * self.e1[0] + v * self.e2[0],
                self.o[1] + u * self.e1[1] + v * self.e2[1])


TOP_FACE = Face(A, B, D)          # u runs A->B, v runs A->D
LEFT_FACE = Face(D, C, F)         # u runs D->C, v runs downwards
RIGHT_FACE = Face(C, B, E)        # u runs C->B, v runs downwards

SILHOUETTE = [(A, B), (B, G), (G, E), (E, F), (F, D), (D, A)]
INNER_EDGES = [(D, C), (C, B), (C, E)]

LABEL_U = (0.18, 0.82)
LABEL_V = (0.42, 0.82)
V_STROKES = [((0.25, 0.2), (0.5, 0.8)), ((0.5, 0.8), (0.75, 0.2))]


def seg_dist(p, a, b):
    ax, ay = a
    bx, by = b
    px, py = p
    dx, dy = bx - ax, by - ay
    t = ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)
    t = max(0.0, min(1.0, t))
    qx, qy = ax + t * dx - px, ay + t * dy - py
    return (qx * qx + qy * qy) ** 0.5


def inside(u, v):
    return 0.0 <= u <= 1.0 and 0.0 <= v <= 1.0


def colour_at(p, px, detail):
    """Colour of the picture at unit point p; px is one pixel in units."""
    half = px * 0.5
    if any(seg_dist(p, a, b) <= half for a, b in SILHOUETTE):
        return OUTLINE
    u, v = TOP_FACE.uv(p)
    if inside(u, v):
        if detail and any(seg_dist(p, a, b) <= half * 0.8 for a, b in INNER_EDGES):
            return EDGE
        return TAPE_TOP if 0.40 <= v <= 0.60 else TOP
    u, v = RIGHT_FACE.uv(p)
    if inside(u, v):
        if detail and seg_dist(p, C, E) <= half * 0.8:
            return EDGE
        return TAPE_SIDE if 0.40 <= u <= 0.60 and v <= 0.45 else RIGHT
    u, v = LEFT_FACE.uv(p)
    if inside(u, v):
        if detail and LABEL_U[0] <= u <= LABEL_U[1] and LABEL_V[0] <= v <= LABEL_V[1]:
            lu = (u - LABEL_U[0]) / (LABEL_U[1] - LABEL_U[0])
            lv = (v - LABEL_V[0]) / (LABEL_V[1] - LABEL_V[0])
            # The strokes are measured in the label's own square, which is
            # about a third of the picture wide.
            if any(seg_dist((lu, lv), a, b) <= 0.09 for a, b in V_STROKES):
                return MARK
            return LABEL
        return LEFT
    return TRANSPARENT


def render(width, height, box, left, top, samples, background):
    """Draws the box into a width x height grid of RGB tuples (or None).

    box is the side of the unit square in pixels, placed at left, top.
    With samples > 1 each pixel averages samples x samples points over
    background; with 1 it takes the colour at its centre.
    """
    px = 1.0 / box
    detail = box >= 28
    rows = []
    for y in range(height):
        row = []
        for x in range(width):
            if samples == 1:
                p = ((x + 0.5 - left) / box, (y + 0.5 - top) / box)
                row.append(colour_at(p, px, detail))
                continue
            acc = [0, 0, 0]
            for sy in range(samples):
                for sx in range(samples):
                    p = ((x + (sx + 0.5) / samples - left) / box,
                         (y + (sy + 0.5) / samples - top) / box)
                    c = colour_at(p, px, detail) or background
                    for i in range(3):
                        acc[i] += c[i]
            n = samples * samples
            row.append(tuple((a + n // 2) // n for a in acc))
        rows.append(row)
    return rows


def padded(row_bytes):
    return row_bytes + b"\0" * (-len(row_bytes) % 4)


def pack_indices(indices, bpp):
    out = bytearray()
    per_byte = 8 // bpp
    for i in range(0, len(indices), per_byte):
        b = 0
        for j in range(per_byte):
            b <<= bpp
            if i + j < len(indices):
                b |= indices[i + j]
        out.append(b)
    return bytes(out)


def icon_image(size, bpp):
    """One icon image: header, colour table, colour bits, mask bits."""
    pixels = render(size, size, size, 0, 0, 1, None)
    palette = [(0, 0, 0)]
    for row in pixels:
        for c in row:
            if c is not None and c not in palette:
                palette.append(c)
    colours = 1 << bpp
    if len(palette) > colours:
        raise SystemExit("%dx%d needs more than %d colours" % (size, size, colours))
    palette += [(0, 0, 0)] * (colours - len(palette))

    xor_rows = []
    and_rows = []
    for row in reversed(pixels):  # bottom-up
        indices = [0 if c is None else palette.index(c) for c in row]
        xor_rows.append(padded(pack_indices(indices, bpp)))
        mask = [1 if c is None else 0 for c in row]
        and_rows.append(padded(pack_indices(mask, 1)))
    bits = b"".join(xor_rows) + b"".join(and_rows)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bpp, 0,
                         len(bits), 0, 0, 0, 0)
    table = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    return header + table + bits


def write_icon(path):
    images = [(16, 4), (16, 8), (32, 4), (32, 8)]
    blobs = [icon_image(s, b) for s, b in images]
    out = bytearray(struct.pack("<HHH", 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for (size, bpp), blob in zip(images, blobs):
        count = 16 if bpp == 4 else 0
        out += struct.pack("<BBBBHHII", size, size, count, 0, 1, bpp,
                           len(blob), offset)
        offset += len(blob)
    for blob in blobs:
        out += blob
    with open(path, "wb") as f:
        f.write(out)


def write_header_bitmap(path):
    width, height = 55, 60
    box = 51
    pixels = render(width, height, box, (width - box) / 2.0,
                    (height - box) / 2.0, 4, WHITE)
    rows = []
    for row in reversed(pixels):  # bottom-up
        rows.append(padded(b"".join(struct.pack("<BBB", b, g, r) for r, g, b in row)))
    bits = b"".join(rows)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(bits),
                       2835, 2835, 0, 0)
    offset = 14 + len(info)
    file_header = struct.pack("<2sIHHI", b"BM", offset + len(bits), 0, 0, offset)
    with open(path, "wb") as f:
        f.write(file_header + info + bits)


if __name__ == "__main__":
    write_icon(os.path.join(HERE, "Velastore_Setup.ico"))
    write_header_bitmap(os.path.join(HERE, "header.bmp"))
