"""The binary glTF container that the benchmark's model scripts write: a
header, the JSON chunk padded with spaces and the binary chunk with zeros."""
import json
import struct


def chunk(kind, data, pad):
    data += pad * (-len(data) % 4)
    return struct.pack("<I4s", len(data), kind) + data


def glb_bytes(asset, binary):
    """The .glb of the asset's JSON and its binary chunk's bytes."""
    body = chunk(b"JSON", json.dumps(asset).encode(), b" ") + chunk(b"BIN\0", binary, b"\0")
    return struct.pack("<4sII", b"glTF", 2, 12 + len(body)) + body
