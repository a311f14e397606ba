#!/usr/bin/env python3
"""Writes face.gltf beside this script: a 6 x 6 vertex patch "body" with
normals, texture coordinates and a material, and three named morph targets
(smile, blink, frown) as position deltas, a blink animation on their
weights, all in one file with its buffer embedded as a data URI.

Usage: make_face_gltf.py
"""
import base64
import json
import math
import pathlib
import struct

SIDE = 6


def base_positions():
    for row in range(SIDE):
        for column in range(SIDE):
            x, y = -1 + 0.4 * column, 1 - 0.4 * row
            yield (x, y, 0.25 * math.cos(x) * math.cos(y))


def smile(x, y, _z):
    return (0.0, 0.15 * x * x if y < -0.3 else 0.0, 0.0)


def blink(_x, y, _z):
    return (0.0, -0.2 if 0.1 < y < 0.7 else 0.0, 0.0)


def frown(x, y, _z):
    return (0.0, -0.1 * (1 - x * x) if y < -0.3 else 0.0, 0.05)


class Buffer:
    def __init__(self):
        self.data = bytearray()
        self.views = []
        self.accessors = []

    def accessor(self, values, fmt, kind, component, count, bounds=False, target=None):
        while len(self.data) % 4:
            self.data.append(0)
        packed = b"".join(struct.pack("<" + fmt, *value) for value in values)
        view = {"buffer": 0, "byteOffset": len(self.data), "byteLength": len(packed)}
        if target:
            view["target"] = target
        self.data += packed
        self.views.append(view)
        accessor = {"bufferView": len(self.views) - 1, "componentType": component,
                    "count": count, "type": kind}
        if bounds:
            floats = [struct.unpack("<f", struct.pack("<f", v))[0] for value in values for v in value]
            accessor["min"] = [min(floats[axis::3]) for axis in range(3)]
            accessor["max"] = [max(floats[axis::3]) for axis in range(3)]
        self.accessors.append(accessor)
        return len(self.accessors) - 1


def main():
    buffer = Buffer()
    base = list(base_positions())
    vec3 = lambda values: buffer.accessor(values, "fff", "VEC3", 5126, len(values), True, 34962)
    position = vec3(base)
    normal = buffer.accessor([(0.0, 0.0, 1.0)] * len(base), "fff", "VEC3", 5126, len(base), False, 34962)
    uv = buffer.accessor([((x + 1) / 2, (1 - y) / 2) for x, y, _ in base], "ff", "VEC2", 5126,
                         len(base), False, 34962)
    quads = [(r * SIDE + c, r * SIDE + c + SIDE, r * SIDE + c + SIDE + 1, r * SIDE + c + 1)
             for r in range(SIDE - 1) for c in range(SIDE - 1)]
    triangles = [(a, b, c) for q in quads for a, b, c in ((q[0], q[1], q[2]), (q[0], q[2], q[3]))]
    indices = buffer.accessor(triangles, "HHH", "SCALAR", 5123, 3 * len(triangles), False, 34963)
    names = ["smile", "blink", "frown"]
    targets = [{"POSITION": vec3([move(*point) for point in base])} for move in (smile, blink, frown)]
    times = buffer.accessor([(0.0,), (0.5,), (1.0,)], "f", "SCALAR", 5126, 3)
    buffer.accessors[times].update({"min": [0.0], "max": [1.0]})
    weights = buffer.accessor([(0.0, 0.0, 0.0), (0.0, 1.0, 0.0), (0.0, 0.0, 0.0)], "fff", "SCALAR",
                              5126, 9)
    asset = {
        "asset": {"version": "2.0", "generator": "Blendforge samples/make_face_gltf.py"},
        "scene": 0,
        "scenes": [{"nodes": [0]}],
        "nodes": [{"name": "face", "mesh": 0}],
        "materials": [{"name": "skin", "pbrMetallicRoughness": {
            "baseColorFactor": [0.9, 0.7, 0.6, 1.0], "metallicFactor": 0.0, "roughnessFactor": 0.8}}],
        "meshes": [{"name": "body", "primitives": [{
            "attributes": {"POSITION": position, "NORMAL": normal, "TEXCOORD_0": uv},
            "indices": indices, "material": 0, "targets": targets}],
            "weights": [0.0, 0.0, 0.0], "extras": {"targetNames": names}}],
        "animations": [{"name": "blink", "channels": [
            {"sampler": 0, "target": {"node": 0, "path": "weights"}}],
            "samplers": [{"input": times, "output": weights, "interpolation": "LINEAR"}]}],
        "accessors": buffer.accessors,
        "bufferViews": buffer.views,
        "buffers": [{"byteLength": len(buffer.data), "uri": "data:application/octet-stream;base64,"
                     + base64.b64encode(bytes(buffer.data)).decode()}],
    }
    path = pathlib.Path(__file__).with_name("face.gltf")
    path.write_text(json.dumps(asset, indent=2) + "\n")


main()
