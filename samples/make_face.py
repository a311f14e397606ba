#!/usr/bin/env python3
"""Writes the sample head beside this script, as face.obj (with face.mtl) and
face.gltf: a smooth head "head" facing +Z (+Y up, in metres), with texture
coordinates, a skin material and normals, and four morph targets that read at
a glance (smile, blink, frown, jawOpen), each with the normals its shape
gives. In OBJ each target is an object elem:<target>-head with the same faces;
in glTF they are morph targets with POSITION and NORMAL deltas, and a blink
animation runs on their weights. The buffer is embedded as a data URI.

Usage: make_face.py
"""
import base64
import json
import math
import pathlib
import struct

COLUMNS = 64  # around the head, the seam at the back
RINGS = 44  # from the crown to the throat
HALF_SIZE = (0.075, 0.11, 0.09)  # half width, height and depth of the skull
TARGETS = ("smile", "blink", "frown", "jawOpen")
HERE = pathlib.Path(__file__).parent


def bump(value, centre, width):
    return math.exp(-((value - centre) / width) ** 2)


def smoothstep(edge0, edge1, value):
    t = min(max((value - edge0) / (edge1 - edge0), 0.0), 1.0)
    return t * t * (3 - 2 * t)


def front(uz):
    """1 on the face, fading to 0 at the ears."""
    return smoothstep(0.0, 0.6, uz)


def eye_socket(ux, uy):
    return max(bump(ux, side, 0.13) for side in (-0.36, 0.36)) * bump(uy, 0.2, 0.1)


def mouth_corner(ux, uy):
    return max(bump(ux, side, 0.1) for side in (-0.3, 0.3)) * bump(uy, -0.45, 0.08)


def head(ux, uy, uz):
    """The base surface at the unit direction (ux, uy, uz)."""
    x, y, z = (half * u for half, u in zip(HALF_SIZE, (ux, uy, uz)))
    if uy < 0:  # a narrower jaw and a chin
        x *= 1 - 0.3 * uy * uy
        z *= 1 - 0.15 * uy * uy * (1 - front(uz))
    face = front(uz)
    z += 0.028 * bump(ux, 0, 0.1) * bump(uy, -0.05, 0.16) * face**4  # nose
    z -= 0.014 * eye_socket(ux, uy) * face  # eye sockets
    z += 0.007 * bump(uy, 0.33, 0.06) * bump(ux, 0, 0.5) * face  # brow ridge
    z += 0.008 * bump(ux, 0, 0.28) * bump(uy, -0.45, 0.07) * face  # lips
    return (x, y, z)


def smile(ux, uy, uz, _point):
    corner = mouth_corner(ux, uy) * front(uz)
    cheek = max(bump(ux, side, 0.15) for side in (-0.42, 0.42)) * bump(uy, -0.25, 0.12)
    return (0.004 * math.copysign(corner, ux), 0.009 * corner + 0.004 * cheek * front(uz),
            -0.004 * corner)


def blink(ux, uy, uz, _point):
    lid = eye_socket(ux, uy) * front(uz)
    upper = smoothstep(0.1, 0.3, uy)
    return (0.0, -0.008 * lid * upper, 0.014 * lid)


def frown(ux, uy, uz, _point):
    corner = mouth_corner(ux, uy) * front(uz)
    brow = bump(ux, 0, 0.2) * bump(uy, 0.3, 0.08) * front(uz)
    return (0.0, -0.008 * corner - 0.004 * brow, -0.002 * corner + 0.002 * brow)


def jaw_open(ux, uy, uz, point):
    """The jaw turns down about an axis below the ears."""
    share = smoothstep(-0.4, -0.55, uy) * smoothstep(-0.5, 0.3, uz)
    angle = math.radians(14) * share
    pivot_y, pivot_z = -0.02, -0.03
    y, z = point[1] - pivot_y, point[2] - pivot_z
    turned_y = y * math.cos(angle) - z * math.sin(angle)
    turned_z = y * math.sin(angle) + z * math.cos(angle)
    return (0.0, turned_y - y, turned_z - z)


MOVES = {"smile": smile, "blink": blink, "frown": frown, "jawOpen": jaw_open}


class Grid:
    """The head as a grid of rings and columns. Positions are welded at the
    seam and the poles (OBJ shares them); glTF needs a vertex per grid point,
    since the texture coordinates differ there."""

    def __init__(self):
        self.points = [(ring, column) for ring in range(RINGS + 1) for column in range(COLUMNS + 1)]

    @staticmethod
    def welded(ring, column):
        if ring == 0:
            return 0
        if ring == RINGS:
            return 1 + (RINGS - 1) * COLUMNS
        return 1 + (ring - 1) * COLUMNS + column % COLUMNS

    @staticmethod
    def direction(ring, column):
        polar = math.pi * ring / RINGS
        around = 2 * math.pi * column / COLUMNS - math.pi
        return (math.sin(polar) * math.sin(around), math.cos(polar),
                math.sin(polar) * math.cos(around))

    def welded_directions(self):
        count = 2 + (RINGS - 1) * COLUMNS
        directions = [None] * count
        for ring, column in self.points:
            directions[self.welded(ring, column)] = self.direction(ring, column)
        return directions

    @staticmethod
    def corner_rings():
        """Each cell's corners as (ring, column) pairs, counter-clockwise seen
        from outside; the cells at the poles are triangles."""
        for ring in range(RINGS):
            for column in range(COLUMNS):
                quad = [(ring, column), (ring + 1, column), (ring + 1, column + 1),
                        (ring, column + 1)]
                if ring == 0:
                    quad.pop(0)
                elif ring == RINGS - 1:
                    quad.pop(1)
                yield quad


def shapes(directions):
    base = [head(*u) for u in directions]
    result = {"head": base}
    for name in TARGETS:
        moved = (MOVES[name](*u, point) for u, point in zip(directions, base))
        result[name] = [tuple(p + d for p, d in zip(point, move)) for point, move in zip(base, moved)]
    return result


def vertex_normals(positions, faces):
    """Area-weighted normals of the welded vertices."""
    sums = [[0.0, 0.0, 0.0] for _ in positions]
    for face in faces:
        origin = positions[face[0]]
        for second, third in zip(face[1:], face[2:]):
            a = [p - o for p, o in zip(positions[second], origin)]
            b = [p - o for p, o in zip(positions[third], origin)]
            cross = (a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0])
            for vertex in face:
                sums[vertex] = [s + c for s, c in zip(sums[vertex], cross)]
    return [tuple(s / math.sqrt(sum(c * c for c in total)) for s in total) for total in sums]


def float32(value):
    return struct.unpack("<f", struct.pack("<f", value))[0]


def number(value):
    """The shortest text that reads back as the float32 of `value`."""
    value = float32(value)
    for digits in range(1, 10):
        text = f"{value:.{digits}g}"
        if float32(float(text)) == value:
            return "0" if text == "-0" else text
    return repr(value)


def texture_coordinates(ring, column):
    return (column / COLUMNS, 1 - ring / RINGS)


def write_obj(grid, shaped, normals):
    welded_faces = [[grid.welded(*corner) for corner in cell] for cell in grid.corner_rings()]
    uv_index = {point: index + 1 for index, point in enumerate(grid.points)}
    lines = ["# The Blendforge sample head, made by make_face.py: a base 'head' and its",
             "# morph targets elem:<target>-head, each with the same faces and its own",
             "# normals, so that a merge mixes the normals too. +Y is up, the face looks",
             "# along +Z; units are metres. The material is in face.mtl.",
             "mtllib face.mtl"]
    lines += ["vt " + " ".join(number(t) for t in texture_coordinates(*point)) for point in grid.points]
    vertex_offset = 0
    for name, positions in shaped.items():
        lines += ["", "o " + (name if name == "head" else f"elem:{name}-head")]
        lines += ["v " + " ".join(number(c) for c in p) for p in positions]
        lines += ["vn " + " ".join(number(c) for c in n) for n in normals[name]]
        lines += ["usemtl skin", "s 1"]
        for cell, welded in zip(grid.corner_rings(), welded_faces):
            corners = (f"{v + vertex_offset + 1}/{uv_index[c]}/{v + vertex_offset + 1}"
                       for c, v in zip(cell, welded))
            lines.append("f " + " ".join(corners))
        vertex_offset += len(positions)
    (HERE / "face.obj").write_text("\n".join(lines) + "\n")
    (HERE / "face.mtl").write_text("# The sample head's skin, for face.obj.\n"
                                   "newmtl skin\nKa 0 0 0\nKd 0.9 0.7 0.6\nKs 0.1 0.1 0.1\n"
                                   "Ns 20\nd 1\nillum 2\n")


class Buffer:
    def __init__(self):
        self.data = bytearray()
        self.views = []
        self.accessors = []

    def accessor(self, values, fmt, kind, component, bounds=False, target=None):
        while len(self.data) % 4:
            self.data.append(0)
        packed = b"".join(struct.pack("<" + fmt, *value) for value in values)
        view = {"buffer": 0, "byteOffset": len(self.data), "byteLength": len(packed)}
        if target:
            view["target"] = target
        self.data += packed
        self.views.append(view)
        accessor = {"bufferView": len(self.views) - 1, "componentType": component,
                    "count": len(values) * len(fmt) // {"VEC3": 3, "VEC2": 2}.get(kind, 1),
                    "type": kind}
        if bounds:
            floats = [float32(v) for value in values for v in value]
            width = len(fmt)
            accessor["min"] = [min(floats[axis::width]) for axis in range(width)]
            accessor["max"] = [max(floats[axis::width]) for axis in range(width)]
        self.accessors.append(accessor)
        return len(self.accessors) - 1


def write_gltf(grid, shaped, normals):
    buffer = Buffer()
    welded = [grid.welded(*point) for point in grid.points]
    per_point = lambda values: [values[w] for w in welded]
    vec3 = lambda values, bounds=False: buffer.accessor(values, "fff", "VEC3", 5126, bounds, 34962)
    base, base_normals = per_point(shaped["head"]), per_point(normals["head"])
    attributes = {"POSITION": vec3(base, True), "NORMAL": vec3(base_normals),
                  "TEXCOORD_0": buffer.accessor([texture_coordinates(*p) for p in grid.points],
                                                "ff", "VEC2", 5126, False, 34962)}
    index = {point: position for position, point in enumerate(grid.points)}
    triangles = [(index[cell[0]], index[a], index[b])
                 for cell in grid.corner_rings() for a, b in zip(cell[1:], cell[2:])]
    indices = buffer.accessor(triangles, "HHH", "SCALAR", 5123, False, 34963)
    targets = []
    for name in TARGETS:
        moved, turned = per_point(shaped[name]), per_point(normals[name])
        difference = lambda after, before: [tuple(a - b for a, b in zip(p, q))
                                            for p, q in zip(after, before)]
        targets.append({"POSITION": vec3(difference(moved, base), True),
                        "NORMAL": vec3(difference(turned, base_normals))})
    blink = TARGETS.index("blink")
    times = buffer.accessor([(0.0,), (0.15,), (0.3,)], "f", "SCALAR", 5126, True)
    keys = [[1.0 if (key == 1 and target == blink) else 0.0 for target in range(len(TARGETS))]
            for key in range(3)]
    weights = buffer.accessor([tuple(k) for k in keys], "f" * len(TARGETS), "SCALAR", 5126)
    asset = {
        "asset": {"version": "2.0", "generator": "Blendforge samples/make_face.py"},
        "scene": 0,
        "scenes": [{"nodes": [0]}],
        "nodes": [{"name": "head", "mesh": 0}],
        "materials": [{"name": "skin", "pbrMetallicRoughness": {
            "baseColorFactor": [0.9, 0.7, 0.6, 1.0], "metallicFactor": 0.0, "roughnessFactor": 0.7}}],
        "meshes": [{"name": "head", "primitives": [{
            "attributes": attributes, "indices": indices, "material": 0, "targets": targets}],
            "weights": [0.0] * len(TARGETS), "extras": {"targetNames": list(TARGETS)}}],
        "animations": [{"name": "blink", "channels": [
            {"sampler": 0, "target": {"node": 0, "path": "weights"}}],
            "samplers": [{"input": times, "output": weights, "interpolation": "LINEAR"}]}],
        "accessors": buffer.accessors,
        "bufferViews": buffer.views,
        "buffers": [{"byteLength": len(buffer.data), "uri": "data:application/octet-stream;base64,"
                     + base64.b64encode(bytes(buffer.data)).decode()}],
    }
    (HERE / "face.gltf").write_text(json.dumps(asset, indent=1) + "\n")


def main():
    grid = Grid()
    shaped = shapes(grid.welded_directions())
    faces = [[grid.welded(*corner) for corner in cell] for cell in grid.corner_rings()]
    normals = {name: vertex_normals(positions, faces) for name, positions in shaped.items()}
    write_obj(grid, shaped, normals)
    write_gltf(grid, shaped, normals)


main()
