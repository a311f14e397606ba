#!/usr/bin/env python3
"""Writes a binary glTF shaped like a face rig that a modeller exports:
one mesh "Face" of 33,381 vertices in two primitives (the head, 30,951
vertices, and the eyes, 2,430), with POSITION, NORMAL and TEXCOORD_0, and 40
morph targets "shape00" ... "shape39" with POSITION and NORMAL deltas for
every vertex, zero outside the region each moves. About 33 MB.

Usage: face_rig_gltf.py > face-rig.glb
"""
import sys

import numpy as np

from glb import glb_bytes

TARGETS = 40
PRIMITIVES = ((181, 171, 1.0), (54, 45, 0.15))  # columns, rows, radius


def sphere(columns, rows, radius):
    """Positions, normals and UVs of a UV sphere, row by row."""
    u, v = np.meshgrid(np.linspace(0, 1, columns), np.linspace(0, 1, rows))
    theta, phi = u.ravel() * 2 * np.pi, v.ravel() * np.pi
    normals = np.stack([np.sin(phi) * np.sin(theta), np.cos(phi), np.sin(phi) * np.cos(theta)], 1)
    uvs = np.stack([u.ravel(), v.ravel()], 1)
    return (normals * radius).astype("<f4"), normals.astype("<f4"), uvs.astype("<f4")


def triangles(columns, rows):
    corner = (np.arange(rows - 1)[:, None] * columns + np.arange(columns - 1)).ravel()
    quads = np.stack([corner, corner + 1, corner + columns + 1,
                      corner, corner + columns + 1, corner + columns], 1)
    return quads.astype("<u4")


def deltas(positions, normals, target):
    """A bump along the normals around a point that moves with the target."""
    angle = target * 2.399963  # the golden angle spreads the regions
    centre = np.array([np.sin(angle) * 0.6, np.cos(angle) * 0.5, 0.6], dtype="<f4")
    reach = np.exp(-np.sum((positions - centre) ** 2, 1) / 0.02)
    reach[reach < 1e-3] = 0
    moved = (normals * (reach * 0.02)[:, None]).astype("<f4")
    turned = (np.roll(normals, 1, 1) * (reach * 0.1)[:, None]).astype("<f4")
    return moved, turned


class Binary:
    def __init__(self):
        self.pieces, self.views, self.accessors, self.size = [], [], [], 0

    def add(self, array, kind, component, target=None, bounds=False):
        data = array.tobytes()
        view = {"buffer": 0, "byteOffset": self.size, "byteLength": len(data)}
        if target:
            view["target"] = target
        self.views.append(view)
        accessor = {"bufferView": len(self.views) - 1, "componentType": component,
                    "count": len(array), "type": kind}
        if bounds:
            accessor["min"] = array.min(0).tolist()
            accessor["max"] = array.max(0).tolist()
        self.accessors.append(accessor)
        self.pieces.append(data + b"\0" * (-len(data) % 4))
        self.size += len(self.pieces[-1])
        return len(self.accessors) - 1


def primitive(binary, columns, rows, radius):
    positions, normals, uvs = sphere(columns, rows, radius)
    attributes = {"POSITION": binary.add(positions, "VEC3", 5126, 34962, bounds=True),
                  "NORMAL": binary.add(normals, "VEC3", 5126, 34962),
                  "TEXCOORD_0": binary.add(uvs, "VEC2", 5126, 34962)}
    targets = []
    for target in range(TARGETS):
        moved, turned = deltas(positions, normals, target)
        targets.append({"POSITION": binary.add(moved, "VEC3", 5126, bounds=True),
                        "NORMAL": binary.add(turned, "VEC3", 5126)})
    indices = binary.add(triangles(columns, rows).ravel(), "SCALAR", 5125, 34963)
    return {"attributes": attributes, "indices": indices, "material": 0, "targets": targets}


def main():
    if len(sys.argv) != 1:
        sys.exit(__doc__)
    binary = Binary()
    primitives = [primitive(binary, *shape) for shape in PRIMITIVES]
    names = [f"shape{target:02d}" for target in range(TARGETS)]
    asset = {
        "asset": {"version": "2.0", "generator": "face_rig_gltf.py"},
        "scene": 0, "scenes": [{"nodes": [0]}], "nodes": [{"name": "Face", "mesh": 0}],
        "materials": [{"name": "Skin", "pbrMetallicRoughness": {
            "baseColorFactor": [0.8, 0.6, 0.5, 1.0], "metallicFactor": 0.0}}],
        "meshes": [{"name": "Face", "primitives": primitives, "weights": [0.0] * TARGETS,
                    "extras": {"targetNames": names}}],
        "accessors": binary.accessors, "bufferViews": binary.views,
        "buffers": [{"byteLength": binary.size}],
    }
    sys.stdout.buffer.write(glb_bytes(asset, b"".join(binary.pieces)))


if __name__ == "__main__":
    main()
