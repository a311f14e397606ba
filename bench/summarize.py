#!/usr/bin/env python3
"""Tables and target verdicts from the benchmark programs' JSON results.

Usage: summarize.py RESULT.json... > SUMMARY.md
Times are per CPU second of the timed region; 1 MB is 10^6 bytes.
"""
import json
import sys

SIZES = (10_000, 100_000, 1_000_000)
MOVED = (100, 10, 0)
OBJECTS = (100, 1_000, 10_000)


def load(paths):
    results = {}
    for path in paths:
        with open(path) as file:
            for run in json.load(file)["benchmarks"]:
                if run.get("error_occurred"):
                    print(f"skipped: {run['name']}: {run.get('error_message')}", file=sys.stderr)
                    continue
                results[run["name"]] = run
    return results


def blend_name(function, vertices, moved, targets):
    return f"{function}/vertices:{vertices}/moved_pct:{moved}/targets:{targets}"


def nanoseconds(results, name, counter):
    run = results.get(name)
    return None if run is None else run[counter] * 1e9


def ratio(a, b):
    return None if a is None or b is None else a / b


def cell(value, digits=2):
    return "n/a" if value is None else f"{value:.{digits}f}"


def verdict(label, value, limit, at_most=True):
    met = value is not None and (value <= limit if at_most else value >= limit)
    sign = "<=" if at_most else ">="
    return f"- {label}: {cell(value)} (target {sign} {limit}) {'met' if met else 'MISSED'}"


def blend_rows(results, function, targets):
    rows = []
    for vertices in SIZES:
        for moved in MOVED:
            measured = nanoseconds(results, blend_name(function, vertices, moved, targets),
                                   "per_vertex")
            protocol = nanoseconds(results, blend_name("BM_ProtocolFloor", vertices, moved, targets),
                                   "per_vertex")
            raw = nanoseconds(results, blend_name("BM_RawFloor", vertices, moved, targets),
                              "per_vertex")
            rows.append((vertices, moved, measured, protocol, raw))
    return rows


def print_blend_table(title, rows):
    print(f"{title} (ns per base vertex)\n")
    print("| vertices | moved | measured | protocol floor | raw floor | / protocol | / raw |")
    print("|---:|---:|---:|---:|---:|---:|---:|")
    for vertices, moved, measured, protocol, raw in rows:
        print(f"| {vertices:,} | {moved}% | {cell(measured)} | {cell(protocol)} | {cell(raw)} "
              f"| {cell(ratio(measured, protocol))} | {cell(ratio(measured, raw))} |")
    print()


def discovery_rows(results):
    rows = []
    for objects in OBJECTS:
        listed = nanoseconds(results, f"BM_ListMorphTargets/objects:{objects}", "per_object")
        named = results.get(f"BM_MakeUniqueTargetName/objects:{objects}")
        per_object = None if named is None else named["per_object"] * 1e9
        per_scan = None if named is None else named["per_object_scan"] * 1e9
        rows.append((objects, listed, per_object, per_scan))
    return rows


def print_discovery_table(rows):
    print("Discovery and naming (ns per document object; MakeUniqueTargetName with 16 taken "
          "names, so 17 candidates, each a scan of the document)\n")
    print("| objects | ListMorphTargets | MakeUniqueTargetName | per object and candidate |")
    print("|---:|---:|---:|---:|")
    for objects, listed, per_object, per_scan in rows:
        print(f"| {objects:,} | {cell(listed)} | {cell(per_object)} | {cell(per_scan)} |")
    print()


def megabytes_per_second(results, name):
    run = results.get(name)
    return None if run is None else run["bytes_per_second"] / 1e6


def print_model_table(results):
    read = results.get("BM_ReadObjFile")
    size = "" if read is None else f", {read['file_bytes'] / 1e6:.1f} MB"
    print(f"Model files (a 1M-vertex OBJ model{size}; MB/s per CPU second)\n")
    print("| operation | MB/s |")
    print("|---|---:|")
    for label, name in (("read OBJ into a document", "BM_ReadObjFile"),
                        ("write a document as OBJ", "BM_WriteObjFile"),
                        ("read the file's bytes", "BM_ReadFileBytes")):
        print(f"| {label} | {cell(megabytes_per_second(results, name), 0)} |")
    print()


def milliseconds(results, name):
    run = results.get(name)
    return None if run is None else run["cpu_time"]


FORMAT_PAIRS = (("read into a document", "BM_ReadObjFile", "BM_ReadGltfFile"),
                ("write the document", "BM_WriteObjFile", "BM_WriteGltfFile"))


def print_format_table(results):
    # Milliseconds for 1M vertices are nanoseconds per vertex.
    print("Model files by format (the same 1M-vertex grid; ns per vertex per CPU second; "
          "the glTF write adds a morph target of 1M deltas)\n")
    print("| operation | OBJ | glTF (.glb) | glTF / OBJ |")
    print("|---|---:|---:|---:|")
    for label, obj, gltf in FORMAT_PAIRS:
        obj_ns, gltf_ns = milliseconds(results, obj), milliseconds(results, gltf)
        print(f"| {label} | {cell(obj_ns)} | {cell(gltf_ns)} | {cell(ratio(gltf_ns, obj_ns))} |")
    print()


def print_preview_table(results):
    print("Previews (a 1M-vertex model; ms per CPU second)\n")
    print("| operation | ms |")
    print("|---|---:|")
    print(f"| read the model from OBJ | {cell(milliseconds(results, 'BM_ReadObjFile'), 1)} |")
    print(f"| draw its preview, 1600x500 | {cell(milliseconds(results, 'BM_DrawPreview'), 1)} |")
    print()


def main(paths):
    results = load(paths)
    blend = blend_rows(results, "BM_AddWeightedDelta", 1)
    merge = blend_rows(results, "BM_MergeCommand", 2)
    discovery = discovery_rows(results)
    print_blend_table("AddWeightedDelta, one target, against one-target floors", blend)
    print_blend_table("Whole merge command, two targets, against two-target floors", merge)
    print_discovery_table(discovery)
    print_model_table(results)
    print_format_table(results)
    print_preview_table(results)

    print("Targets\n")
    for vertices, moved, measured, protocol, _ in blend:
        if vertices == 1_000_000:
            print(verdict(f"blend / protocol floor, 1M vertices, {moved}% moved",
                          ratio(measured, protocol), 1.15))
    for vertices, moved, measured, protocol, raw in merge:
        if vertices == 1_000_000 and moved in (100, 10):
            print(verdict(f"merge / raw floor, 1M vertices, {moved}% moved", ratio(measured, raw),
                          6 if moved == 100 else 8))
            print(verdict(f"merge / protocol floor, 1M vertices, {moved}% moved",
                          ratio(measured, protocol), 1.5))
    thousand, ten_thousand = discovery[1], discovery[2]
    print(verdict("ListMorphTargets per object, 10,000 / 1,000 objects",
                  ratio(ten_thousand[1], thousand[1]), 1.3))
    print(verdict("MakeUniqueTargetName per object, 10,000 / 1,000 objects",
                  ratio(ten_thousand[2], thousand[2]), 1.3))
    read = megabytes_per_second(results, "BM_ReadObjFile")
    print(verdict("OBJ read, MB/s", read, 400, False))
    print(verdict("OBJ write, MB/s", megabytes_per_second(results, "BM_WriteObjFile"), 400, False))
    print(verdict("OBJ read / reading the file's bytes alone",
                  ratio(read, megabytes_per_second(results, "BM_ReadFileBytes")), 0.25, False))
    for label, obj, gltf in FORMAT_PAIRS:
        print(verdict(f"glTF / OBJ per vertex, {label}",
                      ratio(milliseconds(results, gltf), milliseconds(results, obj)), 1))
    print(verdict("preview drawing / OBJ reading, 1M vertices",
                  ratio(milliseconds(results, "BM_DrawPreview"),
                        milliseconds(results, "BM_ReadObjFile")), 1))


if __name__ == "__main__":
    main(sys.argv[1:])
