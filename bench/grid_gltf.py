#!/usr/bin/env python3
"""Writes the end-to-end job's model as binary glTF to stdout: the grid of
grid_obj.py as a mesh "body" of indexed triangles, with its two targets as
morph targets t1 and t2 whose deltas move every vertex.

Usage: grid_gltf.py SIDE > grid.glb
"""
import struct
import sys

from glb import glb_bytes
from grid_obj import TARGET_OFFSETS


def positions(side):
    for row in range(side):
        for column in range(side):
            yield column * 0.01, row * 0.01, (column * 7 + row * 13) % 101 * 0.001


def triangles(side):
    for row in range(side - 1):
        for column in range(side - 1):
            corner = row * side + column
            yield corner, corner + 1, corner + side + 1
            yield corner, corner + side + 1, corner + side


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    side = int(sys.argv[1])
    base = [value for point in positions(side) for value in point]
    count = side * side
    pieces = [struct.pack(f"<{len(base)}f", *base)]
    for offset in TARGET_OFFSETS:
        pieces.append(struct.pack("<3f", *offset) * count)
    indices = [index for triangle in triangles(side) for index in triangle]
    pieces.append(struct.pack(f"<{len(indices)}I", *indices))
    views, accessors, start = [], [], 0
    for number, piece in enumerate(pieces):
        views.append({"buffer": 0, "byteOffset": start, "byteLength": len(piece)})
        is_indices = number == len(pieces) - 1
        accessor = {"bufferView": number, "componentType": 5125 if is_indices else 5126,
                    "count": len(indices) if is_indices else count,
                    "type": "SCALAR" if is_indices else "VEC3"}
        if not is_indices:
            values = struct.unpack(f"<{3 * count}f", piece)
            accessor["min"] = [min(values[axis::3]) for axis in range(3)]
            accessor["max"] = [max(values[axis::3]) for axis in range(3)]
        accessors.append(accessor)
        start += len(piece)
    asset = {
        "asset": {"version": "2.0"},
        "scene": 0, "scenes": [{"nodes": [0]}], "nodes": [{"mesh": 0}],
        "meshes": [{"name": "body", "extras": {"targetNames": ["t1", "t2"]}, "primitives": [{
            "attributes": {"POSITION": 0}, "indices": len(pieces) - 1,
            "targets": [{"POSITION": 1}, {"POSITION": 2}]}]}],
        "accessors": accessors, "bufferViews": views, "buffers": [{"byteLength": start}],
    }
    sys.stdout.buffer.write(glb_bytes(asset, b"".join(pieces)))


if __name__ == "__main__":
    main()
