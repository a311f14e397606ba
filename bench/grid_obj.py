#!/usr/bin/env python3
"""Writes the end-to-end job's model to stdout: a SIDE x SIDE vertex grid of
quads named "body" and two morph targets of it, elem:t1-body and
elem:t2-body, with the same faces, each moving every vertex.

Usage: grid_obj.py SIDE > grid.obj
"""
import sys

# Each target's offset from the base, per axis.
TARGET_OFFSETS = ((0.25, -0.125, 0.5), (-0.5, 0.25, 0.125))


def vertex_lines(side, offset):
    dx, dy, dz = offset
    for row in range(side):
        y = row * 0.01 + dy
        for column in range(side):
            z = (column * 7 + row * 13) % 101 * 0.001 + dz
            yield f"v {column * 0.01 + dx:.4f} {y:.4f} {z:.4f}\n"


def face_lines(side, first):
    """Faces of the grid whose first vertex has the file's number `first`."""
    for row in range(side - 1):
        for column in range(side - 1):
            corner = first + row * side + column
            yield f"f {corner} {corner + 1} {corner + side + 1} {corner + side}\n"


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    side = int(sys.argv[1])
    out = sys.stdout
    objects = (("body", (0.0, 0.0, 0.0)),) + tuple(
        (f"elem:t{number}-body", offset) for number, offset in enumerate(TARGET_OFFSETS, 1))
    for number, (name, offset) in enumerate(objects):
        out.write(f"o {name}\n")
        out.writelines(vertex_lines(side, offset))
        out.writelines(face_lines(side, 1 + number * side * side))


if __name__ == "__main__":
    main()
