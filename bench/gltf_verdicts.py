#!/usr/bin/env python3
"""One asset's section of the glTF benchmark as Markdown: a table of each
job's median wall time and peak memory against the floor (reading the input's
bytes plus writing the output's with a flush), refhost's read and write
phases per target vertex, the validator's answer on refhost's output, and a
verdict per goal.

LOG_DIR holds what scripts/bench-gltf.sh recorded: JOB.RUN.txt per run (what
`/usr/bin/time -v` and the job printed to stderr, then "wall ns: N"),
JOB.skipped with the reason for a job that could not run, and validator.txt.

Usage: gltf_verdicts.py TITLE INPUT.glb LOG_DIR
"""
import json
import re
import statistics
import struct
import sys
from pathlib import Path

from endtoend import PEAK, PHASE

WALL_NS = re.compile(r"^wall ns: (\d+)$", re.M)
VALIDATOR = re.compile(r": (\d+) errors, (\d+) warnings")
JOBS = (("read", "read the input's bytes (`cat`)"),
        ("write", "write the output's bytes, flushed (`dd conv=fsync`)"),
        ("refhost", "`refhost run`, the merge"),
        ("transform", "`gltf-transform copy`"),
        ("blender", "`blender -b`: import, mix, export"))
GOALS = {"end to end / floor": 2, "peak / (input + new target)": 1.3,
         "read phase / reading the input's bytes": 3}


def glb_json(path):
    """The JSON chunk of a binary glTF."""
    with open(path, "rb") as glb:
        header = glb.read(20)
        length = struct.unpack_from("<I", header, 12)[0]
        return json.loads(glb.read(length))


def shape(path):
    """Vertices of the meshes, target vertices read, and the bytes of one new
    target: 12 a vertex for POSITION deltas, 24 when targets carry NORMAL too."""
    document = glb_json(path)
    primitives = [p for mesh in document["meshes"] for p in mesh["primitives"]]
    counts = [document["accessors"][p["attributes"]["POSITION"]]["count"] for p in primitives]
    targets = [p.get("targets", []) for p in primitives]
    normals = any("NORMAL" in t for ts in targets for t in ts)
    vertices = sum(counts)
    return vertices, sum(c * len(ts) for c, ts in zip(counts, targets)), vertices * (24 if normals else 12)


def medians(log_dir, job):
    """Median wall s, peak MB and phase seconds over a job's runs, or None
    when it did not run."""
    texts = [path.read_text() for path in sorted(log_dir.glob(f"{job}.*.txt"))]
    if not texts:
        return None
    peaks_kb = [int(PEAK.search(t).group(1)) for t in texts]
    # Peak MB as the other benchmark tables give it, kB / 1024.
    figures = {"wall": [int(WALL_NS.search(t).group(1)) / 1e9 for t in texts],
               "peak": [kb / 1024 for kb in peaks_kb], "peak_bytes": [kb * 1024 for kb in peaks_kb]}
    for text in texts:
        for line in text.splitlines():
            phase = PHASE.match(line.strip())
            if phase:
                figures.setdefault(phase.group(1), []).append(float(phase.group(2)))
    return {name: statistics.median(values) for name, values in figures.items()}


def table(log_dir, measured, floor):
    yield "| job | wall s | peak MB | ratio to floor |"
    yield "|---|---:|---:|---:|"
    for job, label in JOBS:
        skipped = log_dir / f"{job}.skipped"
        if job in measured:
            m = measured[job]
            yield f"| {label} | {m['wall']:.3f} | {m['peak']:.1f} | {m['wall'] / floor:.2f} |"
        elif skipped.exists():
            yield f"| {label} | {skipped.read_text().strip()} | | |"
        if job == "write":
            yield f"| floor: the two summed | {floor:.3f} | | 1.00 |"


def validator_line(log_dir):
    printed = (log_dir / "validator.txt").read_text()
    found = VALIDATOR.search(printed)
    if not found:
        return f"glTF validator on refhost's output: did not answer ({printed.strip()[:200]})"
    return f"glTF validator on refhost's output: {found.group(1)} errors, {found.group(2)} warnings"


def verdict(title, goal, ratio):
    limit = GOALS[goal]
    return f"{title}, {goal}: {ratio:.2f}x (goal <= {limit:g}x) {'met' if ratio <= limit else 'missed'}"


def peer_lines(measured):
    refhost = measured["refhost"]
    for job, label in JOBS[3:]:
        if job in measured:
            m = measured[job]
            yield (f"{label} / refhost: wall {m['wall'] / refhost['wall']:.2f}x,"
                   f" peak {m['peak'] / refhost['peak']:.2f}x")


def section(title, input_path, log_dir):
    vertices, target_vertices, new_target = shape(input_path)
    measured = {job: m for job, _ in JOBS if (m := medians(log_dir, job))}
    floor = measured["read"]["wall"] + measured["write"]["wall"]
    refhost = measured["refhost"]
    input_bytes = input_path.stat().st_size
    yield (f"### {title}: {input_bytes / 1e6:.1f} MB, {vertices:,} vertices,"
           f" a new target of {new_target / 1e6:.2f} MB")
    yield ""
    yield from table(log_dir, measured, floor)
    yield ""
    yield (f"refhost's phases: read {refhost['read']:.3f} s, write {refhost['write']:.3f} s;"
           f" per target vertex read ({target_vertices:,}):"
           f" read {refhost['read'] * 1e9 / target_vertices:.1f} ns,"
           f" write {refhost['write'] * 1e9 / target_vertices:.1f} ns")
    yield from peer_lines(measured)
    yield validator_line(log_dir)
    yield ""
    yield "```"
    yield verdict(title, "end to end / floor", refhost["wall"] / floor)
    yield verdict(title, "peak / (input + new target)", refhost["peak_bytes"] / (input_bytes + new_target))
    yield verdict(title, "read phase / reading the input's bytes", refhost["read"] / measured["read"]["wall"])
    yield "```"


def main():
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    title, input_path, log_dir = sys.argv[1], Path(sys.argv[2]), Path(sys.argv[3])
    print("\n".join(section(title, input_path, log_dir)))


if __name__ == "__main__":
    main()
